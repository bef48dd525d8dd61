#pragma once
// The GUI thread's message queue. The program is single-threaded: one queue.
//
// Retrieval order, as the window system has it: posted messages first, then
// input (routed to windows at that moment), then WM_QUIT once nothing posted
// waits, then painting (WM_NCPAINT and WM_ERASEBKGND are sent, WM_PAINT is
// returned), then due timers (WM_TIMER). Waiting, when there is nothing,
// happens in the display backend; every retrieval first presents changed
// back-buffer areas.
//
// Characters: printable text arrives as WM_CHAR from the backend's text input,
// not from key presses. TranslateMessage only adds the WM_CHAR that text input
// never delivers: Backspace (8), Tab (9), Enter (13), Escape (27) and
// Ctrl+letter (1..26).

#include <string>

#include "platform/window_types.h"

namespace quendar {

BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Waits for a message; answers 0 for WM_QUIT, else nonzero. A window filter
// takes that window's and its descendants' messages; first..last (both 0:
// all) limits the message numbers.
BOOL GetMessage(MSG& message, HWND window, UINT first, UINT last);
// Like GetMessage without waiting; false when nothing matches.
BOOL PeekMessage(MSG& message, HWND window, UINT first, UINT last, UINT options);
BOOL TranslateMessage(const MSG& message);
// Hands the message to its window's procedure (or a timer's callback) and
// answers the result. A WM_PAINT whose handler neither painted nor changed
// the invalid area validates it, so the queue cannot spin on it.
LRESULT DispatchMessage(const MSG& message);

// 0xC000 and up; the same name (ASCII case ignored) always gets the same number.
UINT RegisterWindowMessage(const std::string& name);

DWORD GetMessageTime();

}  // namespace quendar
