#pragma once
// TWinControl: a control with a window of its own, the parent of other controls.
//
// The window is made on demand (Handle, HandleNeeded) from CreateParams, so a
// standard control can wrap a window class of the platform (CreateSubClass):
// DefaultHandler then calls that class's procedure instead of DefWindowProc.
// Window messages reach the object through WindowProc; a message that
// arrives after the object is gone goes to DefWindowProc and nowhere else.
//
// Children are kept in one list in stacking order, the bottom one first;
// non-windowed children are painted by this control after its own content
// (PaintControls), in that order, each clipped to itself.
//
// Sections (files):
//   children, bounds, state   win_control.cpp
//   window and dispatch       win_control_window.cpp
//   focus, tab order, keys    win_control_focus.cpp
//   painting, mouse routing   win_control_painting.cpp, win_control_mouse.cpp
//   alignment and anchors     control_alignment.cpp

#include <memory>
#include <string>
#include <vector>

#include "framework/control.h"
#include "platform/window_dc.h"
#include "platform/window_types.h"

namespace quendar {

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent;
    // The class the window is made of; registered on first use.
    std::string WinClassName;
    UINT ClassStyle = 0;
    HCURSOR ClassCursor = 0;
    // The procedure DefaultHandler calls; empty: DefWindowProc.
    WNDPROC DefaultProcedure;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }
    void BeforeDestruction() override;
    void Loaded() override;

    // --- window ------------------------------------------------------------------
    // The window, made now if needed; raises Exception when it cannot be made.
    HWND Handle();
    // The window or a null handle; never makes one.
    HWND WindowHandle() const { return handle_; }
    bool HandleAllocated() const { return static_cast<bool>(handle_); }
    void HandleNeeded() { Handle(); }
    // Destroys the window and, when it was there, makes it again with the
    // current CreateParams (after a style change).
    void RecreateWnd();
    // The control whose window `window` is, or nullptr.
    static TWinControl* FindControl(HWND window);

    // --- children --------------------------------------------------------------------
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    // Stacking order, bottom first; raises Exception outside 0..count-1.
    TControl* Controls(int index) const;
    // Normally reached through TControl::SetParent.
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // Whether `control` is this control or lies anywhere below it.
    bool ContainsControl(const TControl* control) const;
    // The topmost visible child at `pos` (client coordinates) that answers
    // CM_HITTEST; windowed children only when `allowWinControls`.
    TControl* ControlAtPos(Point pos, bool allowDisabled, bool allowWinControls = false) const;
    // Sends the message to each child until one answers nonzero.
    void Broadcast(TMessage& message);
    // Sends `message` to every child, with this control in lParam.
    void NotifyControls(UINT message);

    // --- focus and tab order ----------------------------------------------------------
    // Place among the parent's windowed children, -1 without parent.
    int TabOrder() const;
    // Clamped to the parent's children; while loading, the stored value is
    // kept and the parent sorts its children by it when it finishes loading.
    void SetTabOrder(int value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    // Visible and enabled up to a visible form.
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // Focuses the next control after `current` (tab stops only when
    // `checkTabStop`) among this control's descendants.
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    // The next focusable descendant after `current` in tab order, wrapping
    // around; nullptr when there is none. `checkParent`: children only.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    // Every windowed descendant in tab order, each before its own children.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // --- layout ----------------------------------------------------------------------------
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    // Places the aligned children again and moves the anchored ones.
    void Realign();
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    Rect ClientRect() const override;
    Point ClientOrigin() const override;
    bool Showing() const override;
    void SetBounds(int left, int top, int width, int height) override;

    // --- painting ----------------------------------------------------------------------------
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void SetZOrder(bool topmost) override;
    // Paints the non-windowed children from `first` on (nullptr: all) onto
    // `dc`, whose origin is this control's client area.
    virtual void PaintControls(HDC dc, TControl* first);

    // --- dispatch ------------------------------------------------------------------------------
    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

protected:
    virtual void CreateParams(TCreateParams& params);
    // Makes the window of `platformClass` the base of this control's window.
    void CreateSubClass(TCreateParams& params, const std::string& platformClass);
    // Makes the window (CreateParams, CreateWindowHandle), then the windows
    // of the visible windowed children.
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    virtual void DestroyWindowHandle();
    // Shows or hides the window to match Visible and the parent.
    virtual void UpdateShowing();
    // Moves the child within the stacking order.
    void MoveControl(TControl* control, bool topmost);

    // Fills the client area with Color. Returns whether it painted.
    virtual bool EraseBackground(HDC dc);
    // The control's own content; the default lets the window class paint.
    virtual void PaintWindow(HDC dc);
    // Begins painting (unless wParam carries a context), paints the window's
    // own content and then its non-windowed children.
    void PaintHandler(TMessage& message);

    // Layout: the rectangle the aligned children share (ClientRect less
    // BorderWidth, then AdjustClientRect).
    virtual void AdjustClientRect(Rect& rect);
    virtual void AlignControls(TControl* control, Rect& rect);

    // Keyboard events; a key set to 0 is swallowed.
    virtual void KeyDown(int& key, TShiftState shift);
    virtual void KeyUp(int& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    // Offers a key the control does not want to its parents and its form
    // (CM_CHILDKEY, CM_DIALOGKEY); true when one took it.
    bool OfferDialogKey(int key);

    // Handlers; overrides call the base for the default reaction.
    void WMPaint(TMessage& message) override;
    virtual void WMEraseBkgnd(TMessage& message);
    virtual void WMSize(TMessage& message);
    virtual void WMMove(TMessage& message);
    virtual void WMSetFocus(TMessage& message);
    virtual void WMKillFocus(TMessage& message);
    virtual void WMKeyDown(TMessage& message);
    virtual void WMKeyUp(TMessage& message);
    virtual void WMChar(TMessage& message);
    // Alt+character: offered to the form's controls as CM_DIALOGCHAR
    // (accelerators of labels and buttons) before the default handling.
    virtual void WMSysChar(TMessage& message);
    virtual void WMSetCursor(TMessage& message);
    virtual void WMMouseLeave(TMessage& message);
    virtual void WMCaptureChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    virtual void CMShowHintChanged(TMessage& message);
    virtual void CMDialogKey(TMessage& message);
    virtual void CMDialogChar(TMessage& message);
    virtual void CMChildKey(TMessage& message);
    virtual void CMFocusChanged(TMessage& message);
    virtual void CMEnter(TMessage& message);
    virtual void CMExit(TMessage& message);
    virtual void CMRecreateWnd(TMessage& message);

private:
    friend class TControl;
    // Shared with the window's procedure, which outlives this object: a
    // cleared link sends the window's messages to DefWindowProc.
    struct WindowLink {
        TWinControl* Control = nullptr;
    };

    static LRESULT Deliver(const std::shared_ptr<WindowLink>& link, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam);
    static LRESULT InitialWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void AttachHandle(HWND window);
    void DetachHandle();
    // Takes the window's place and size into Left/Top/Width/Height.
    void UpdateBoundsFromWindow();
    void FixupTabList();
    // True when a non-windowed child took the mouse message.
    bool RouteMouseToChild(TMessage& message);
    void TrackMouseOver(Point client);
    void AlignChildren();
    void FreeChildren();

    HWND handle_;
    std::shared_ptr<WindowLink> link_;
    WNDPROC defaultProcedure_;
    std::vector<TControl*> controls_;  // stacking order, bottom first
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    int storedTabOrder_ = -1;
    int borderWidth_ = 0;
    int alignDisabled_ = 0;
    bool alignPending_ = false;
    bool aligning_ = false;
    bool destructionStarted_ = false;
};

}  // namespace quendar
