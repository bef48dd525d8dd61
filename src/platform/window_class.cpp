#include "platform/window_class.h"

#include <algorithm>
#include <cctype>

#include "platform/window_system_state.h"

namespace quendar {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::shared_ptr<const WindowClass> FindWindowClass(const std::string& name) {
    for (const auto& windowClass : State().Classes) {
        if (SameName(windowClass->Name, name)) return windowClass;
    }
    return nullptr;
}

ATOM RegisterClass(const WNDCLASS& windowClass) {
    auto& classes = State().Classes;
    if (windowClass.lpszClassName.empty() || FindWindowClass(windowClass.lpszClassName)) return 0;
    auto created = std::make_shared<WindowClass>();
    created->Name = windowClass.lpszClassName;
    created->Style = windowClass.style;
    created->Procedure = windowClass.lpfnWndProc;
    created->Cursor = windowClass.hCursor;
    created->Background = windowClass.hbrBackground;
    classes.push_back(std::move(created));
    return static_cast<ATOM>(0xC000 + classes.size());
}

BOOL UnregisterClass(const std::string& name) {
    auto& classes = State().Classes;
    auto found = std::find_if(classes.begin(), classes.end(),
                              [&](const auto& c) { return SameName(c->Name, name); });
    if (found == classes.end()) return FALSE;
    classes.erase(found);
    return TRUE;
}

BOOL GetClassInfo(const std::string& name, WNDCLASS& out) {
    auto windowClass = FindWindowClass(name);
    if (!windowClass) return FALSE;
    out.style = windowClass->Style;
    out.lpfnWndProc = windowClass->Procedure;
    out.hCursor = windowClass->Cursor;
    out.hbrBackground = windowClass->Background;
    out.lpszClassName = windowClass->Name;
    return TRUE;
}

std::string GetClassName(HWND window) {
    WindowRecord* record = LookUp(window);
    return record != nullptr ? record->Class->Name : std::string();
}

HCURSOR SetCursor(HCURSOR cursor) {
    WindowSystemState& state = State();
    HCURSOR previous = state.CurrentCursor;
    if (cursor != previous) {
        state.CurrentCursor = cursor;
        CurrentBackend().SetCursor(cursor);
    }
    return previous;
}

HCURSOR GetCursor() { return State().CurrentCursor; }

}  // namespace quendar
