#include "framework/std_label.h"

#include "framework/control_text.h"
#include "framework/win_control.h"
#include "platform/bitmap.h"
#include "platform/device_context.h"

namespace quendar {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() | TControlStyle::csOpaque | TControlStyle::csReplicatable);
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

// --- properties ----------------------------------------------------------------------

void TCustomLabel::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout value) {
    if (value == layout_) return;
    layout_ = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    if (value)
        SetControlStyle(ControlStyle() & ~TControlStyle::csOpaque);
    else
        SetControlStyle(ControlStyle() | TControlStyle::csOpaque);
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
    if (value == showAccelChar_) return;
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
    if (value == focusControl_) return;
    if (focusControl_ != nullptr) RemoveFreeNotification(focusControl_);
    focusControl_ = value;
    if (value != nullptr) FreeNotification(value);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_) focusControl_ = nullptr;
}

// --- text --------------------------------------------------------------------------------

unsigned TCustomLabel::TextFlags() const {
    return DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0u) | DrawTextAlignment(alignment_);
}

void TCustomLabel::DoDrawText(Rect& rect, unsigned flags) {
    std::string text = GetLabelText();
    // An empty label (or a lone accelerator mark) still measures one line.
    if ((flags & DT_CALCRECT) != 0 && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    Canvas().Font().Assign(Font());
    if ((flags & DT_CALCRECT) != 0) {
        Canvas().TextRect(rect, text, flags);
        return;
    }
    DrawControlText(Canvas(), rect, text, flags, Enabled());
}

void TCustomLabel::Paint() {
    Rect client = ClientRect();
    if (!transparent_) {
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(client);
    }
    unsigned flags = TextFlags();
    Rect text = client;
    if (layout_ != TTextLayout::tlTop) {
        Rect measured = client;
        DoDrawText(measured, flags | DT_CALCRECT);
        int spare = client.Height() - measured.Bottom;
        text = text.Offset(0, layout_ == TTextLayout::tlBottom ? spare : spare / 2);
    }
    DoDrawText(text, flags);
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || Contains(ComponentState(), TComponentState::csLoading | TComponentState::csReading))
        return;
    // Measured on a scratch context through DoDrawText, so a subclass that
    // draws differently also measures its own way.
    Bitmap scratch(1, 1);
    DeviceContext context(scratch);
    Rect rect = ClientRect();
    Canvas().SetHandle(&context);
    try {
        DoDrawText(rect, TextFlags() | DT_CALCRECT);
    } catch (...) {
        Canvas().SetHandle(static_cast<DeviceContext*>(nullptr));
        throw;
    }
    Canvas().SetHandle(static_cast<DeviceContext*>(nullptr));
    int left = Left();
    if (alignment_ == TAlignment::taRightJustify) left += Width() - rect.Right;
    SetBounds(left, Top(), rect.Right, rect.Bottom);
}

// --- messages ------------------------------------------------------------------------------

void TCustomLabel::Dispatch(TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR) {
        CMDialogChar(message);
        return;
    }
    TGraphicControl::Dispatch(message);
}

void TCustomLabel::CMTextChanged(TMessage& message) {
    AdjustBounds();
    TGraphicControl::CMTextChanged(message);
}

void TCustomLabel::CMFontChanged(TMessage& message) {
    AdjustBounds();
    TGraphicControl::CMFontChanged(message);
}

void TCustomLabel::CMDialogChar(TMessage& message) {
    if (focusControl_ != nullptr && Enabled() && showAccelChar_ &&
        IsAccelerator(static_cast<char32_t>(message.WParam), Caption()) && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        message.Result = 1;
        return;
    }
    DefaultHandler(message);
}

}  // namespace quendar
