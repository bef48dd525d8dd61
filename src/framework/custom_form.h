#pragma once
// TCustomForm: a top-level window with a frame, a caption, the keyboard
// focus of its controls and the dialog keys: Tab and Shift+Tab move the
// focus in tab order, the arrow keys among siblings, and every other key the
// focused control does not want (Enter, Esc) is offered to all controls
// through CM_DIALOGKEY, so a default or cancel button answers it.
//
// Sizes: Width and Height are the outer size; ClientWidth and ClientHeight
// set it through the frame of the current border style (kept until loading
// ends when read from a definition, so the order of the stored properties
// does not matter).

#include <functional>
#include <optional>

#include "framework/canvas.h"
#include "framework/form_types.h"
#include "framework/win_control.h"

namespace quendar {

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    std::string ClassName() const override { return "TCustomForm"; }
    void BeforeDestruction() override;
    void Loaded() override;
    // Fires OnCreate; whoever makes a form calls it once it is complete
    // (TApplication::CreateForm does).
    virtual void AfterConstruction();

    // --- frame and place -----------------------------------------------------------
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState value);
    Rect ClientRect() const override;

    // --- showing and closing ----------------------------------------------------------
    // Visible, brought to the front and activated.
    void Show();
    // Runs the close query and OnClose; closing the main form ends the application.
    void Close();
    // Frees the form once the messages now queued have been handled.
    void Release();
    virtual bool CloseQuery();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    // Called after the form painted its background; draws through Canvas.
    TNotifyEvent OnPaint;
    // Only usable while painting.
    TCanvas& Canvas() { return canvas_; }
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    // --- focus ---------------------------------------------------------------------------
    // The control that has (or gets, once the form is active) the focus.
    TWinControl* ActiveControl() const { return activeControl_; }
    // Raises Exception when the control cannot take the focus.
    void SetActiveControl(TWinControl* control);
    bool Active() const { return active_; }
    void FocusControl(TWinControl* control);
    // Called by a control of this form when it receives the focus.
    void SetFocusedControl(TWinControl* control);
    // Forgets `control` (and what it contains) as the active control.
    void DefocusControl(TControl* control, bool removing);

protected:
    void CreateParams(TCreateParams& params) override;
    void UpdateShowing() override;
    void SetClientSize(Size size) override;
    void PaintWindow(HDC dc) override;
    // Centres the form when its Position asks for it; called before first showing.
    virtual void ApplyPosition();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);

    void Dispatch(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    virtual void WMActivate(TMessage& message);
    virtual void WMClose(TMessage& message);
    void CMDialogKey(TMessage& message) override;
    virtual void CMRelease(TMessage& message);

private:
    // Frame width and height around the client area for the current styles.
    Size FrameSize() const;
    void SetActive(bool value);

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = TBorderIcons::biSystemMenu | TBorderIcons::biMinimize | TBorderIcons::biMaximize;
    TPosition position_ = TPosition::poDesigned;
    TWindowState windowState_ = TWindowState::wsNormal;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    bool active_ = false;
    bool shownOnce_ = false;
    bool createFired_ = false;
    bool destroyFired_ = false;
    // ClientWidth / ClientHeight read while loading, applied in Loaded.
    std::optional<Size> pendingClientSize_;
    TCanvas canvas_;
};

}  // namespace quendar
