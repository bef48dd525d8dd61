#include "framework/application.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "framework/custom_form.h"
#include "framework/silent_abort.h"
#include "framework/text_utils.h"
#include "platform/message_box.h"
#include "platform/window_system.h"

namespace quendar {

TApplication Application;

namespace {

std::string RunningProgramPath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

}  // namespace

std::string TitleFromProgramName(std::string_view path) {
    std::size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    if (name.empty()) return {};
    // The first character is kept whole, even when it takes several bytes.
    std::size_t first = 1;
    while (first < name.size() && (static_cast<unsigned char>(name[first]) & 0xC0) == 0x80) ++first;
    return std::string(name.substr(0, first)) + LowerCase(name.substr(first));
}

std::string ErrorBoxText(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        message += '.';
    return message;
}

TApplication::TApplication() : TComponent(nullptr) { SetExeName(RunningProgramPath()); }

TApplication::~TApplication() { mainForm_ = nullptr; }

void TApplication::Initialize() { terminated_ = false; }

void TApplication::SetExeName(const std::string& path) {
    exeName_ = path;
    title_ = TitleFromProgramName(path);
}

void TApplication::FormCreated(TCustomForm* form) {
    if (mainForm_ == nullptr) mainForm_ = form;
    form->AfterConstruction();
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
    TComponent::Notification(component, operation);
}

void TApplication::Run() {
    if (mainForm_ != nullptr) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::Dispatch(const MSG& message) {
    try {
        TranslateMessage(message);
        DispatchMessage(message);
    } catch (...) {
        HandleException(nullptr);
    }
}

void TApplication::HandleMessage() {
    MSG message;
    if (!GetMessage(message, HWND(), 0, 0)) {
        terminated_ = true;
        return;
    }
    Dispatch(message);
}

void TApplication::ProcessMessages() {
    MSG message;
    while (PeekMessage(message, HWND(), 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        Dispatch(message);
    }
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::Minimize() {
    if (mainForm_ != nullptr && mainForm_->HandleAllocated()) ShowWindow(mainForm_->WindowHandle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (mainForm_ != nullptr && mainForm_->HandleAllocated()) ShowWindow(mainForm_->WindowHandle(), SW_RESTORE);
}

void TApplication::HandleException(TComponent* sender) {
    std::exception_ptr current = std::current_exception();
    if (!current) return;
    // A failure while showing a failure is dropped: nothing may leave the loop.
    try {
        ShowCurrentException(sender, current);
    } catch (...) {
    }
}

void TApplication::ShowCurrentException(TComponent* sender, const std::exception_ptr& current) {
    if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
    try {
        std::rethrow_exception(current);
    } catch (const EAbort&) {
        return;
    } catch (const Exception& error) {
        if (OnException)
            OnException(sender, error);
        else
            ShowException(error);
    } catch (const std::exception& error) {
        Exception wrapped(error.what());
        if (OnException)
            OnException(sender, wrapped);
        else
            ShowException(wrapped);
    } catch (...) {
        ShowException(Exception("An unknown error occurred"));
    }
}

void TApplication::ShowException(const Exception& error) {
    MessageBox(GetActiveWindow(), ErrorBoxText(error.Message()), title_, MB_OK | MB_ICONSTOP);
}

}  // namespace quendar
