#pragma once
// Scalar types, handles and records of the window system, with the window
// system's own names so that message handling code reads as usual.
//
// A window handle is an opaque number. Numbers are never reused, so a handle
// kept after its window was destroyed stays harmless: IsWindow answers false
// and every call taking it fails without effect.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/geometry.h"

namespace quendar {

using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using BOOL = int;
using ATOM = std::uint16_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using HANDLE = void*;
using HCURSOR = int;  // a standard cursor number (IDC_*), 0 for none

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

class HWND {
public:
    constexpr HWND() = default;
    constexpr HWND(std::nullptr_t) {}
    static constexpr HWND FromValue(std::uint32_t value) {
        HWND h;
        h.value_ = value;
        return h;
    }
    constexpr std::uint32_t Value() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }
    friend constexpr bool operator==(HWND, HWND) = default;
    friend constexpr auto operator<=>(HWND, HWND) = default;

private:
    std::uint32_t value_ = 0;
};

// Places for SetWindowPos's insert-after argument; real handles start above them.
inline constexpr HWND HWND_TOP = HWND();
inline constexpr HWND HWND_BOTTOM = HWND::FromValue(1);
inline constexpr HWND HWND_TOPMOST = HWND::FromValue(0xFFFFFFFFu);
inline constexpr HWND HWND_NOTOPMOST = HWND::FromValue(0xFFFFFFFEu);

// --- packing of message parameters -------------------------------------------
constexpr std::uint16_t LOWORD(std::uintptr_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
constexpr std::uint16_t HIWORD(std::uintptr_t v) { return static_cast<std::uint16_t>((v >> 16) & 0xFFFF); }
constexpr DWORD MAKELONG(int low, int high) {
    return static_cast<DWORD>((static_cast<unsigned>(low) & 0xFFFF) |
                              ((static_cast<unsigned>(high) & 0xFFFF) << 16));
}
constexpr WPARAM MAKEWPARAM(int low, int high) { return MAKELONG(low, high); }
// The high word is sign-extended from bit 31 like the window system's LPARAM.
constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>(static_cast<std::int32_t>(MAKELONG(low, high)));
}
// Coordinates packed in an LPARAM are signed 16-bit values.
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(l))); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(l))); }
constexpr Point PointFromLParam(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }
constexpr LPARAM LParamFromPoint(Point p) { return MAKELPARAM(p.X, p.Y); }

inline LPARAM HandleToLParam(HWND h) { return static_cast<LPARAM>(h.Value()); }
inline WPARAM HandleToWParam(HWND h) { return static_cast<WPARAM>(h.Value()); }
inline HWND HandleFromParam(std::uintptr_t v) { return HWND::FromValue(static_cast<std::uint32_t>(v)); }

template <class T>
LPARAM PointerToLParam(T* p) {
    return reinterpret_cast<LPARAM>(p);
}
template <class T>
T* LParamToPointer(LPARAM l) {
    return reinterpret_cast<T*>(l);
}

// --- window procedures ---------------------------------------------------------
using WNDPROC = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
using TIMERPROC = std::function<void(HWND, UINT, UINT_PTR, DWORD)>;

// --- records carried by messages -------------------------------------------------
struct MSG {
    HWND hwnd;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    Point pt;
};

struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    LONG_PTR hMenu = 0;  // the child identifier for child windows
    HWND hwndParent;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    DWORD style = 0;
    const char* lpszName = "";
    const char* lpszClass = "";
    DWORD dwExStyle = 0;
};

struct WINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

struct MINMAXINFO {
    Point ptReserved;
    Point ptMaxSize;
    Point ptMaxPosition;
    Point ptMinTrackSize;
    Point ptMaxTrackSize;
};

struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};

struct TRACKMOUSEEVENT {
    DWORD dwFlags = 0;
    HWND hwndTrack;
    DWORD dwHoverTime = 0;
};

}  // namespace quendar

template <>
struct std::hash<quendar::HWND> {
    std::size_t operator()(quendar::HWND h) const noexcept { return std::hash<std::uint32_t>()(h.Value()); }
};
