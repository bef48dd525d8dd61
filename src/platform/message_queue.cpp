#include "platform/message_queue.h"

#include <algorithm>
#include <cctype>

#include "platform/timers.h"
#include "platform/virtual_keys.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

DWORD lastMessageTime = 0;

bool Matches(const MSG& message, HWND window, UINT first, UINT last) {
    if (window && !IsDescendantOrSelf(window, message.hwnd)) return false;
    if (first == 0 && last == 0) return true;
    return message.message >= first && message.message <= last;
}

bool TakeFrom(std::deque<MSG>& queue, MSG& message, HWND window, UINT first, UINT last, bool remove) {
    auto found = std::find_if(queue.begin(), queue.end(),
                              [&](const MSG& m) { return Matches(m, window, first, last); });
    if (found == queue.end()) return false;
    message = *found;
    if (remove) queue.erase(found);
    return true;
}

bool RangeIncludes(UINT first, UINT last, UINT number) {
    return (first == 0 && last == 0) || (number >= first && number <= last);
}

MSG Stamped(HWND window, UINT number, WPARAM wParam, LPARAM lParam) {
    MSG message{window, number, wParam, lParam, static_cast<DWORD>(Now()), State().Cursor};
    return message;
}

// One pass over the sources; false when none has a matching message.
bool Retrieve(MSG& message, HWND window, UINT first, UINT last, bool remove) {
    FlushPresentation();
    WindowSystemState& state = State();
    if (TakeFrom(state.Posted, message, window, first, last, remove)) return true;
    while (true) {
        if (TakeFrom(state.InputMessages, message, window, first, last, remove)) return true;
        if (state.RawInputs.empty()) break;
        RawInput input = state.RawInputs.front();
        state.RawInputs.pop_front();
        RouteRawInput(input);
    }
    if (state.QuitPending) {
        message = Stamped(HWND(), WM_QUIT, static_cast<WPARAM>(state.QuitCode), 0);
        if (remove) state.QuitPending = false;
        return true;
    }
    if (RangeIncludes(first, last, WM_PAINT)) {
        if (HWND target = NextWindowToPaint(window)) {
            message = Stamped(target, WM_PAINT, 0, 0);
            return true;
        }
        FlushPresentation();
    }
    if (RangeIncludes(first, last, WM_TIMER) && TakeDueTimer(window, message, remove)) return true;
    return false;
}

}  // namespace

std::uint64_t Now() { return CurrentBackend().NowMilliseconds(); }

void DropMessagesFor(HWND window) {
    WindowSystemState& state = State();
    auto stale = [window](const MSG& m) { return m.hwnd == window; };
    state.Posted.erase(std::remove_if(state.Posted.begin(), state.Posted.end(), stale), state.Posted.end());
    state.InputMessages.erase(std::remove_if(state.InputMessages.begin(), state.InputMessages.end(), stale),
                              state.InputMessages.end());
}

BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && LookUp(window) == nullptr) return FALSE;
    State().Posted.push_back(Stamped(window, message, wParam, lParam));
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    State().QuitPending = true;
    State().QuitCode = exitCode;
}

BOOL GetMessage(MSG& message, HWND window, UINT first, UINT last) {
    while (!Retrieve(message, window, first, last, true)) {
        CurrentBackend().WaitForInput(NextTimerDue());
    }
    lastMessageTime = message.time;
    return message.message == WM_QUIT ? FALSE : TRUE;
}

BOOL PeekMessage(MSG& message, HWND window, UINT first, UINT last, UINT options) {
    if (!Retrieve(message, window, first, last, (options & PM_REMOVE) != 0)) return FALSE;
    lastMessageTime = message.time;
    return TRUE;
}

BOOL TranslateMessage(const MSG& message) {
    if (message.message == WM_SYSKEYDOWN) {
        // Alt with a letter or digit: the accelerator character, lower case
        // as the key cap types it.
        WPARAM key = message.wParam;
        WPARAM character = key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key >= '0' && key <= '9' ? key : 0;
        if (character == 0) return FALSE;
        MSG translated = message;
        translated.message = WM_SYSCHAR;
        translated.wParam = character;
        State().Posted.push_front(translated);
        return TRUE;
    }
    if (message.message != WM_KEYDOWN) return FALSE;
    const auto& keys = State().Keys;
    bool control = (keys[VK_CONTROL] & 0x80) != 0;
    bool alt = (keys[VK_MENU] & 0x80) != 0;
    WPARAM character = 0;
    switch (message.wParam) {
        case VK_BACK:
        case VK_TAB:
        case VK_RETURN:
        case VK_ESCAPE:
            character = message.wParam;
            break;
        default:
            if (control && !alt && message.wParam >= 'A' && message.wParam <= 'Z') character = message.wParam - 'A' + 1;
            break;
    }
    if (character == 0) return FALSE;
    MSG translated = message;
    translated.message = WM_CHAR;
    translated.wParam = character;
    State().Posted.push_front(translated);
    return TRUE;
}

LRESULT DispatchMessage(const MSG& message) {
    WindowSystemState& state = State();
    if (message.message == WM_TIMER && message.lParam != 0) {
        auto timer = std::find_if(state.Timers.begin(), state.Timers.end(), [&](const TimerRecord& t) {
            return t.Serial == static_cast<std::uint64_t>(message.lParam);
        });
        if (timer == state.Timers.end() || !timer->Callback) return 0;
        TIMERPROC callback = timer->Callback;
        callback(message.hwnd, WM_TIMER, message.wParam, message.time);
        return 0;
    }
    if (message.message == WM_PAINT) {
        WindowRecord* record = LookUp(message.hwnd);
        if (record == nullptr) return 0;
        std::uint64_t generation = record->PaintGeneration;
        LRESULT result = SendMessage(message.hwnd, WM_PAINT, message.wParam, message.lParam);
        ValidateAfterUnhandledPaint(message.hwnd, generation);
        return result;
    }
    return SendMessage(message.hwnd, message.message, message.wParam, message.lParam);
}

UINT RegisterWindowMessage(const std::string& name) {
    if (name.empty()) return 0;
    std::string key = name;
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto& registered = State().RegisteredMessages;
    auto found = registered.find(key);
    if (found != registered.end()) return found->second;
    if (registered.size() >= 0x3FFF) return 0;
    UINT number = RegisteredMessageFirst + static_cast<UINT>(registered.size());
    registered.emplace(key, number);
    return number;
}

DWORD GetMessageTime() { return lastMessageTime; }

void PostRawInput(const RawInput& input) { State().RawInputs.push_back(input); }

}  // namespace quendar
