#pragma once
// TControl: a visible component with bounds inside a windowed parent.
//
// Dispatch: every message reaches a control through WindowProc, which starts
// out calling the virtual WndProc and may be replaced (the skin engine saves
// it, installs its own and calls the saved one for what it does not handle;
// restoring it is assigning the saved value back). WndProc handles what all
// messages share (mouse capture, clicks) and calls Dispatch, which hands each
// message it knows to its handler (WMPaint, CMTextChanged, ...); handlers and
// messages nobody knows end in DefaultHandler.
//
// Sections:
//   dispatch    WindowProc, Perform, WndProc, Dispatch, DefaultHandler
//   bounds      Left/Top/Width/Height, SetBounds, ClientRect, Align, Anchors
//   state       Visible, Enabled, Parent, Font, Color, Text, Cursor, Hint,
//               ControlStyle, ControlState
//   painting    Invalidate, Update, Repaint, Refresh, z-order
//   input       mouse events, Click, DblClick, capture

#include <functional>
#include <memory>
#include <string>

#include "framework/component.h"
#include "framework/control_messages.h"
#include "framework/control_types.h"
#include "framework/graphics_color.h"
#include "framework/graphics_font.h"
#include "framework/notify_event.h"
#include "platform/geometry.h"

namespace quendar {

class TWinControl;
class TCustomForm;

using TWndMethod = std::function<void(TMessage&)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    std::string ClassName() const override { return "TControl"; }
    void BeforeDestruction() override;
    void Loaded() override;

    // --- dispatch ------------------------------------------------------------
    // Replaceable; empty means WndProc.
    TWndMethod WindowProc;
    // Calls WindowProc directly (no window system involved) and answers the result.
    LRESULT Perform(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void Perform(TMessage& message);
    virtual void WndProc(TMessage& message);
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    // --- bounds (in the parent's client coordinates) ----------------------------
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    // Negative sizes become 0. Moves the window of a windowed control too.
    virtual void SetBounds(int left, int top, int width, int height);
    Rect BoundsRect() const { return Rect::FromSize(left_, top_, width_, height_); }
    void SetBoundsRect(const Rect& rect) { SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); }
    // The client area in the control's own coordinates.
    virtual Rect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int value) { SetClientSize({value, ClientHeight()}); }
    void SetClientHeight(int value) { SetClientSize({ClientWidth(), value}); }
    // Screen position of the client area's top-left.
    virtual Point ClientOrigin() const;
    Point ClientToScreen(Point point) const;
    Point ScreenToClient(Point point) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors value);

    // --- state -------------------------------------------------------------------
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and the parents up to a shown top-level window too.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool value);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    bool HasParent() const { return parent_ != nullptr; }

    TFont& Font() { return *font_; }
    const TFont& Font() const { return *font_; }
    void SetFont(const TFont& font) { font_->Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);

    // Caption and Text are one value. Setting a different text sends
    // WM_SETTEXT and then CM_TEXTCHANGED; setting the same text does nothing.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& value) { SetText(value); }

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle value) { controlStyle_ = value; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState value) { controlState_ = value; }

    // --- painting ------------------------------------------------------------------
    virtual void Invalidate();
    // Paints what is invalid now.
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    // Topmost / bottommost among the parent's children.
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    virtual void SetZOrder(bool topmost);

    // --- input -----------------------------------------------------------------------
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    virtual void Click();
    virtual void DblClick();
    // Whether this control holds the mouse (through its window or its parent's).
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // The form whose client area shows this control, or nullptr.
    TCustomForm* ParentForm() const;

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);

    // Asks the parent to align its children again after this one changed.
    void RequestAlign();
    // Remembers the bounds and the parent's client size that anchors keep distances to.
    void UpdateAnchorRules();
    // The bounds that keep the anchored distances in a parent of `parentSize`.
    Rect AnchoredBounds(Size parentSize) const;
    virtual void SetClientSize(Size size);
    // Called when the control's visibility, parent or bounds changed so that
    // the area it covered is painted again.
    void InvalidateControl(bool wasVisible, bool isVisible);

    // Message handlers; overrides call the base for the default reaction.
    virtual void WMMouse(TMessage& message);
    virtual void WMPaint(TMessage& message);
    virtual void WMCancelMode(TMessage& message);
    virtual void CMMouseEnter(TMessage& message);
    virtual void CMMouseLeave(TMessage& message);
    virtual void CMEnabledChanged(TMessage& message);
    virtual void CMVisibleChanged(TMessage& message);
    virtual void CMTextChanged(TMessage& message);
    virtual void CMFontChanged(TMessage& message);
    virtual void CMColorChanged(TMessage& message);
    virtual void CMParentFontChanged(TMessage& message);
    virtual void CMParentColorChanged(TMessage& message);
    virtual void CMParentShowHintChanged(TMessage& message);
    virtual void CMHitTest(TMessage& message);

    // Set by TWinControl while it moves its children, so their anchor rules stay.
    bool anchorMove_ = false;

private:
    friend class TWinControl;

    void FontChanged();
    void ForgetEverywhere();

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = TAlign::alNone;
    TAnchors anchors_ = TAnchors::akLeft | TAnchors::akTop;
    // The bounds and the parent's client size the anchors keep distances to.
    Rect anchorBounds_;
    Size anchorParentSize_;
    bool anchorRulesValid_ = false;

    bool visible_ = true;
    bool enabled_ = true;
    TWinControl* parent_ = nullptr;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::string text_;
    TCursor cursor_ = crDefault;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TControlStyle controlStyle_ = TControlStyle::csCaptureMouse | TControlStyle::csClickEvents |
                                  TControlStyle::csSetCaption | TControlStyle::csDoubleClicks;
    TControlState controlState_ = TControlState::csNone;
    // Set while the control copies its parent's font or colour, so that
    // copying does not clear ParentFont / ParentColor.
    bool takingParentLook_ = false;
};

// The form whose client area shows `control` (the control itself when it is a form).
TCustomForm* GetParentForm(const TControl* control);

}  // namespace quendar
