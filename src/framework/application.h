#pragma once
// TApplication: the program's message loop, its main form and the error
// display. There is one, `Application`; it owns the forms made through
// CreateForm and frees them when it dies.
//
// Errors: an exception that escapes a message handler ends that handler
// only. The loop (and every window procedure of the framework) hands it to
// HandleException, which shows it in a modal error box and goes on.

#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "framework/component.h"
#include "framework/exception.h"
#include "platform/window_types.h"

namespace quendar {

class TCustomForm;

// The title the program file's name gives: the name without its directory
// (cut at the last "/"), cut at its first dot, its first character kept and
// every later character lower-cased ("ABC.EXE" gives "Abc").
std::string TitleFromProgramName(std::string_view path);

// The text of the error box: a full stop is appended when the text is not
// empty and its last character sorts after "." ("abc" gives "abc.", "x."
// and "x!" stay as they are).
std::string ErrorBoxText(std::string message);

using TExceptionEvent = std::function<void(TComponent* sender, const Exception& error)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    std::string ClassName() const override { return "TApplication"; }

    // Clears the terminate flag so that Run can run (again).
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    // The program file; setting it also sets the title from its name.
    const std::string& ExeName() const { return exeName_; }
    void SetExeName(const std::string& path);

    // The first form made through CreateForm; nullptr once it is freed.
    TCustomForm* MainForm() const { return mainForm_; }

    // Makes a form owned by the application and fires its OnCreate; the
    // first one becomes the main form.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* form = new T(this, std::forward<Args>(args)...);
        FormCreated(form);
        return form;
    }

    // Shows the main form, then takes and dispatches messages until the
    // terminate flag is set.
    void Run();
    // Takes one message, waiting for it, and dispatches it.
    void HandleMessage();
    // Dispatches every message waiting now, without waiting.
    void ProcessMessages();
    // Ends Run: a quit message is posted, and the flag is set when it arrives.
    void Terminate();
    bool Terminated() const { return terminated_; }

    void Minimize();
    void Restore();

    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value) { showHint_ = value; }

    // The error display; call it only inside a catch block. Sends the
    // capture window WM_CANCELMODE, ignores EAbort, then hands the error to
    // OnException when set, else to ShowException.
    void HandleException(TComponent* sender);
    // A modal box with ErrorBoxText, the title, OK and the stop icon, owned
    // by the active window.
    void ShowException(const Exception& error);
    TExceptionEvent OnException;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FormCreated(TCustomForm* form);
    void ShowCurrentException(TComponent* sender, const std::exception_ptr& current);
    // Dispatches one retrieved message, showing what escapes it.
    void Dispatch(const MSG& message);

    std::string title_;
    std::string exeName_;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool showHint_ = true;
};

extern TApplication Application;

}  // namespace quendar
