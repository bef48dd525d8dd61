#include "framework/control.h"

#include <algorithm>

#include "framework/custom_form.h"
#include "framework/exception.h"
#include "framework/mouse_tracking.h"
#include "framework/screen.h"
#include "framework/win_control.h"
#include "platform/window_system.h"

namespace quendar {

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    WindowProc = [this](TMessage& message) { WndProc(message); };
    font_->OnChange = [this](TPersistent*) { FontChanged(); };
}

TControl::~TControl() {
    // Reached by plain delete too; nothing below sends messages to this control.
    ForgetEverywhere();
    if (parent_ != nullptr) parent_->RemoveControl(this);
}

void TControl::BeforeDestruction() {
    Destroying();
    ForgetEverywhere();
    if (parent_ != nullptr) parent_->RemoveControl(this);
    TComponent::BeforeDestruction();
}

void TControl::ForgetEverywhere() {
    ForgetControl(this);
    Screen().ForgetControl(this);
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (parent_ != nullptr) {
        if (parentColor_) Perform(CM_PARENTCOLORCHANGED);
        if (parentFont_) Perform(CM_PARENTFONTCHANGED);
        if (parentShowHint_) Perform(CM_PARENTSHOWHINTCHANGED);
    }
    UpdateAnchorRules();
}

// --- dispatch -------------------------------------------------------------------

LRESULT TControl::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
    TMessage record{message, wParam, lParam, 0};
    Perform(record);
    return record.Result;
}

void TControl::Perform(TMessage& message) {
    if (WindowProc)
        WindowProc(message);
    else
        WndProc(message);
}

void TControl::WndProc(TMessage& message) {
    if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) {
        if (!Contains(controlStyle_, TControlStyle::csDoubleClicks)) {
            // A control without double clicks sees the second press as a press.
            if (message.Msg == WM_LBUTTONDBLCLK) message.Msg = WM_LBUTTONDOWN;
            if (message.Msg == WM_RBUTTONDBLCLK) message.Msg = WM_RBUTTONDOWN;
            if (message.Msg == WM_MBUTTONDBLCLK) message.Msg = WM_MBUTTONDOWN;
        }
        switch (message.Msg) {
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
                if (Contains(controlStyle_, TControlStyle::csCaptureMouse)) SetMouseCapture(true);
                if (Contains(controlStyle_, TControlStyle::csClickEvents)) controlState_ |= TControlState::csClicked;
                controlState_ |= TControlState::csLButtonDown;
                break;
            case WM_LBUTTONUP:
                controlState_ &= ~TControlState::csLButtonDown;
                if (Contains(controlStyle_, TControlStyle::csCaptureMouse)) SetMouseCapture(false);
                break;
            default:
                break;
        }
    }
    Dispatch(message);
}

void TControl::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            WMMouse(message);
            break;
        case WM_PAINT: WMPaint(message); break;
        case WM_CANCELMODE: WMCancelMode(message); break;
        case CM_MOUSEENTER: CMMouseEnter(message); break;
        case CM_MOUSELEAVE: CMMouseLeave(message); break;
        case CM_ENABLEDCHANGED: CMEnabledChanged(message); break;
        case CM_VISIBLECHANGED: CMVisibleChanged(message); break;
        case CM_TEXTCHANGED: CMTextChanged(message); break;
        case CM_FONTCHANGED: CMFontChanged(message); break;
        case CM_COLORCHANGED: CMColorChanged(message); break;
        case CM_PARENTFONTCHANGED: CMParentFontChanged(message); break;
        case CM_PARENTCOLORCHANGED: CMParentColorChanged(message); break;
        case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(message); break;
        case CM_HITTEST: CMHitTest(message); break;
        default: DefaultHandler(message); break;
    }
}

void TControl::DefaultHandler(TMessage& message) {
    switch (message.Msg) {
        case WM_SETTEXT: {
            const char* text = LParamToPointer<const char>(message.LParam);
            text_ = text != nullptr ? text : "";
            message.Result = TRUE;
            break;
        }
        case WM_GETTEXTLENGTH:
            message.Result = static_cast<LRESULT>(text_.size());
            break;
        default:
            break;
    }
}

// --- bounds -------------------------------------------------------------------------

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    InvalidateControl(visible_, false);
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    InvalidateControl(false, visible_);
    if (!anchorMove_) UpdateAnchorRules();
    RequestAlign();
}

Rect TControl::ClientRect() const { return Rect::FromSize(0, 0, width_, height_); }

void TControl::SetClientSize(Size size) { SetBounds(left_, top_, size.Width, size.Height); }

Point TControl::ClientOrigin() const {
    if (parent_ == nullptr) return {left_, top_};
    Point origin = parent_->ClientOrigin();
    return {origin.X + left_, origin.Y + top_};
}

Point TControl::ClientToScreen(Point point) const { return point + ClientOrigin(); }

Point TControl::ScreenToClient(Point point) const { return point - ClientOrigin(); }

void TControl::SetAlign(TAlign value) {
    if (value == align_) return;
    TAlign old = align_;
    align_ = value;
    anchors_ = TAnchors::akLeft | TAnchors::akTop;
    if (old != TAlign::alNone || value != TAlign::alNone) RequestAlign();
}

void TControl::SetAnchors(TAnchors value) {
    if (value == anchors_) return;
    anchors_ = value;
    UpdateAnchorRules();
}

void TControl::RequestAlign() {
    if (parent_ != nullptr) parent_->Realign();
}

void TControl::UpdateAnchorRules() {
    if (parent_ == nullptr || Contains(ComponentState(), TComponentState::csLoading)) {
        anchorRulesValid_ = false;
        return;
    }
    Rect client = parent_->ClientRect();
    anchorBounds_ = BoundsRect();
    anchorParentSize_ = {client.Width(), client.Height()};
    anchorRulesValid_ = true;
}

Rect TControl::AnchoredBounds(Size parentSize) const {
    if (!anchorRulesValid_) return BoundsRect();
    auto place = [](int start, int length, int delta, bool nearSide, bool farSide, int& newStart, int& newLength) {
        newStart = start;
        newLength = length;
        if (nearSide && farSide)
            newLength = std::max(0, length + delta);
        else if (farSide)
            newStart = start + delta;
        else if (!nearSide)
            newStart = start + delta / 2;  // neither side: keep the same place relative to the middle
    };
    int left, width, top, height;
    place(anchorBounds_.Left, anchorBounds_.Width(), parentSize.Width - anchorParentSize_.Width,
          Contains(anchors_, TAnchors::akLeft), Contains(anchors_, TAnchors::akRight), left, width);
    place(anchorBounds_.Top, anchorBounds_.Height(), parentSize.Height - anchorParentSize_.Height,
          Contains(anchors_, TAnchors::akTop), Contains(anchors_, TAnchors::akBottom), top, height);
    return Rect::FromSize(left, top, width, height);
}

// --- state ------------------------------------------------------------------------------

void TControl::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    RequestAlign();
}

bool TControl::Showing() const { return visible_ && parent_ != nullptr && parent_->Showing(); }

void TControl::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw Exception("A control cannot be its own parent");
    if (auto* self = dynamic_cast<TWinControl*>(this); self != nullptr && parent != nullptr && self->ContainsControl(parent))
        throw Exception("A control cannot be a child of its own child");
    if (parent_ != nullptr) parent_->RemoveControl(this);
    if (parent != nullptr) parent->InsertControl(this);
}

void TControl::SetParentFont(bool value) {
    if (value == parentFont_) return;
    parentFont_ = value;
    if (parent_ != nullptr && value && !Contains(ComponentState(), TComponentState::csReading))
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
    if (!takingParentLook_) parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetColor(TColor value) {
    if (value == color_) return;
    color_ = value;
    if (!takingParentLook_) parentColor_ = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    if (parent_ != nullptr && value && !Contains(ComponentState(), TComponentState::csReading))
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetText(const std::string& value) {
    if (value == text_) return;
    Perform(WM_SETTEXT, 0, PointerToLParam(value.c_str()));
    Perform(CM_TEXTCHANGED);
}

void TControl::SetCursor(TCursor value) {
    if (value == cursor_) return;
    cursor_ = value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool value) {
    if (value == showHint_ && !parentShowHint_) return;
    showHint_ = value;
    parentShowHint_ = false;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
    if (value == parentShowHint_) return;
    parentShowHint_ = value;
    if (parent_ != nullptr && value) Perform(CM_PARENTSHOWHINTCHANGED);
}

// --- painting ---------------------------------------------------------------------------------

void TControl::InvalidateControl(bool wasVisible, bool isVisible) {
    if (!(wasVisible || isVisible) || parent_ == nullptr || !parent_->HandleAllocated()) return;
    if (Contains(parent_->ComponentState(), TComponentState::csDestroying)) return;
    Rect area = BoundsRect();
    InvalidateRect(parent_->Handle(), &area, !Contains(controlStyle_, TControlStyle::csOpaque));
}

void TControl::Invalidate() { InvalidateControl(visible_, visible_); }

void TControl::Update() {
    if (parent_ != nullptr) parent_->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool topmost) {
    if (parent_ == nullptr) return;
    parent_->MoveControl(this, topmost);
    Invalidate();
}

// --- input -------------------------------------------------------------------------------------

void TControl::Click() { OnClick(this); }

void TControl::DblClick() { OnDblClick(this); }

bool TControl::MouseCapture() const {
    if (auto* self = dynamic_cast<const TWinControl*>(this); self != nullptr && self->HandleAllocated())
        return GetCapture() == self->WindowHandle();
    return CaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
    if (value == MouseCapture()) return;
    if (!value) {
        SetCaptureControl(nullptr);
        ReleaseCapture();
        return;
    }
    if (auto* self = dynamic_cast<TWinControl*>(this)) {
        SetCapture(self->Handle());
        SetCaptureControl(this);
    } else if (parent_ != nullptr && parent_->HandleAllocated()) {
        SetCapture(parent_->Handle());
        // After SetCapture: the parent's WM_CAPTURECHANGED must not clear it.
        SetCaptureControl(this);
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

TCustomForm* TControl::ParentForm() const { return GetParentForm(this); }

TCustomForm* GetParentForm(const TControl* control) {
    while (control != nullptr && control->Parent() != nullptr) control = control->Parent();
    return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(control));
}

// --- handlers -------------------------------------------------------------------------------------

void TControl::WMMouse(TMessage& message) {
    Point at = PointFromLParam(message.LParam);
    TShiftState shift = ShiftStateFromMouseKeys(static_cast<unsigned>(message.WParam));
    switch (message.Msg) {
        case WM_MOUSEMOVE: MouseMove(shift, at.X, at.Y); break;
        case WM_LBUTTONDOWN: MouseDown(TMouseButton::mbLeft, shift, at.X, at.Y); break;
        case WM_RBUTTONDOWN: MouseDown(TMouseButton::mbRight, shift, at.X, at.Y); break;
        case WM_MBUTTONDOWN: MouseDown(TMouseButton::mbMiddle, shift, at.X, at.Y); break;
        case WM_LBUTTONDBLCLK:
            if (Contains(controlStyle_, TControlStyle::csClickEvents)) DblClick();
            MouseDown(TMouseButton::mbLeft, shift | TShiftState::ssDouble, at.X, at.Y);
            break;
        case WM_RBUTTONDBLCLK: MouseDown(TMouseButton::mbRight, shift | TShiftState::ssDouble, at.X, at.Y); break;
        case WM_MBUTTONDBLCLK: MouseDown(TMouseButton::mbMiddle, shift | TShiftState::ssDouble, at.X, at.Y); break;
        case WM_LBUTTONUP: {
            MouseUp(TMouseButton::mbLeft, shift, at.X, at.Y);
            if (Contains(controlState_, TControlState::csClicked)) {
                controlState_ &= ~TControlState::csClicked;
                if (ClientRect().Contains(at)) Click();
            }
            break;
        }
        case WM_RBUTTONUP: MouseUp(TMouseButton::mbRight, shift, at.X, at.Y); break;
        case WM_MBUTTONUP: MouseUp(TMouseButton::mbMiddle, shift, at.X, at.Y); break;
        default: break;
    }
    DefaultHandler(message);
}

void TControl::WMPaint(TMessage& message) { DefaultHandler(message); }

void TControl::WMCancelMode(TMessage& message) {
    controlState_ &= ~(TControlState::csClicked | TControlState::csLButtonDown);
    if (MouseCapture()) SetMouseCapture(false);
    DefaultHandler(message);
}

void TControl::CMMouseEnter(TMessage& message) {
    OnMouseEnter(this);
    DefaultHandler(message);
}

void TControl::CMMouseLeave(TMessage& message) {
    OnMouseLeave(this);
    DefaultHandler(message);
}

void TControl::CMEnabledChanged(TMessage& message) {
    Invalidate();
    DefaultHandler(message);
}

void TControl::CMVisibleChanged(TMessage& message) {
    InvalidateControl(true, true);
    DefaultHandler(message);
}

void TControl::CMTextChanged(TMessage& message) {
    Invalidate();
    DefaultHandler(message);
}

void TControl::CMFontChanged(TMessage& message) {
    Invalidate();
    DefaultHandler(message);
}

void TControl::CMColorChanged(TMessage& message) {
    Invalidate();
    DefaultHandler(message);
}

void TControl::CMParentFontChanged(TMessage& message) {
    if (parentFont_ && parent_ != nullptr) {
        takingParentLook_ = true;
        try {
            font_->Assign(parent_->Font());
        } catch (...) {
            takingParentLook_ = false;
            throw;
        }
        takingParentLook_ = false;
    }
    DefaultHandler(message);
}

void TControl::CMParentColorChanged(TMessage& message) {
    if (parentColor_ && parent_ != nullptr) {
        takingParentLook_ = true;
        SetColor(parent_->Color());
        takingParentLook_ = false;
    }
    DefaultHandler(message);
}

void TControl::CMParentShowHintChanged(TMessage& message) {
    if (parentShowHint_ && parent_ != nullptr && showHint_ != parent_->ShowHint()) {
        showHint_ = parent_->ShowHint();
        Perform(CM_SHOWHINTCHANGED);
    }
    DefaultHandler(message);
}

void TControl::CMHitTest(TMessage& message) { message.Result = HTCLIENT; }

}  // namespace quendar
