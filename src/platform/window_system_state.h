#pragma once
// Internal to the window system: the records behind window handles and the
// process-wide state the window calls share. Not for use above platform/.
//
// Discipline: any SendMessage can create or destroy windows. Code that sends
// a message looks its records up again by handle afterwards and never keeps
// a WindowRecord pointer across a send.

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/backend.h"
#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/raw_input.h"
#include "platform/region.h"
#include "platform/window_dc.h"
#include "platform/window_types.h"

namespace quendar {

struct WindowClass {
    std::string Name;
    UINT Style = 0;
    WNDPROC Procedure;
    HCURSOR Cursor = 0;
    std::optional<ColorRef> Background;
};

struct WindowRecord {
    HWND Handle;
    std::shared_ptr<const WindowClass> Class;
    // Shared so that a running procedure survives its window's destruction.
    std::shared_ptr<const WNDPROC> Procedure;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    HWND Parent;  // null for top-level windows
    HWND Owner;   // top-level windows only
    std::vector<HWND> Children;  // topmost first
    Rect WindowRect;  // parent's client coordinates; screen for top-level windows
    Rect ClientRect;  // window coordinates (0, 0 = the window's top-left)
    Rect NormalRect;  // WindowRect before maximising
    std::string Text;
    std::map<std::string, HANDLE> Properties;  // upper-case names
    LONG_PTR UserData = 0;
    LONG_PTR Id = 0;
    std::optional<Region> Shape;  // window coordinates

    // Painting.
    Region Update;  // client coordinates
    bool NcPending = false;
    bool ErasePending = false;
    bool EraseFailed = false;  // WM_ERASEBKGND answered 0: BeginPaint reports fErase
    bool InternalPaint = false;
    bool RedrawOff = false;
    std::uint64_t PaintGeneration = 0;  // bumped by every invalidation and validation
    std::shared_ptr<Bitmap> BackBuffer;  // top-level windows

    bool NcActive = false;  // the frame shows the active look
    bool Destroying = false;
};

struct TimerRecord {
    HWND Window;
    UINT_PTR Id = 0;
    UINT Elapse = 0;
    std::uint64_t Due = 0;
    std::uint64_t Serial = 0;  // creation order, breaks ties of equal due times
    TIMERPROC Callback;
};

struct ClickMemory {
    HWND Window;
    UINT DownMessage = 0;
    std::uint64_t Time = 0;
    Point Screen;
    bool Valid = false;
};

struct MouseTracking {
    HWND Window;
    bool NonClient = false;
};

// Move, size and caption-button presses the default window procedure runs
// while the left button is held; mouse input goes to the tracker meanwhile.
struct SystemTracking {
    enum class Kind { None, Move, Size, CaptionButton } Type = Kind::None;
    HWND Window;
    int Code = 0;  // sizing edge (WMSZ_*) or caption button hit code
    Point StartCursor;
    Rect StartRect;
    bool Inside = true;  // caption button: the cursor is over the pressed button
};

struct WindowSystemState {
    std::unique_ptr<Backend> Display;
    std::unordered_map<std::uint32_t, std::unique_ptr<WindowRecord>> Windows;
    std::vector<HWND> TopLevels;  // topmost first
    std::vector<std::shared_ptr<const WindowClass>> Classes;
    std::uint32_t NextHandle = 0x100;

    std::deque<MSG> Posted;
    std::deque<RawInput> RawInputs;
    std::deque<MSG> InputMessages;  // routed input not yet retrieved
    bool QuitPending = false;
    int QuitCode = 0;
    std::map<std::string, UINT> RegisteredMessages;

    std::vector<TimerRecord> Timers;
    std::uint64_t NextTimerSerial = 1;
    UINT_PTR NextThreadTimerId = 0x7FFF0000;

    HWND Focus;
    HWND Active;
    HWND Capture;
    std::array<std::uint8_t, 256> Keys{};  // 0x80 down, 0x01 toggled
    Point Cursor;
    HCURSOR CurrentCursor = 0;
    ClickMemory LastClick;
    MouseTracking Tracking;
    SystemTracking Tracker;

    std::map<std::uint32_t, Rect> PendingPresent;  // by top-level handle value
    // Contexts from BeginPaint until EndPaint; kept here rather than with the
    // window so that a window destroyed while painting leaves them valid.
    std::map<HDC, std::unique_ptr<WindowDC>> PaintContexts;
};

WindowSystemState& State();
WindowRecord* LookUp(HWND window);
Size ScreenSize();

std::shared_ptr<const WindowClass> FindWindowClass(const std::string& name);

// --- tree helpers (window_tree.cpp) ---------------------------------------------
std::vector<HWND>& SiblingList(const WindowRecord& window);
HWND TopLevelOf(HWND window);
bool IsDescendantOrSelf(HWND ancestor, HWND window);

// --- geometry helpers (window_geometry.cpp) -------------------------------------
Point WindowScreenOrigin(const WindowRecord& window);
Point ClientScreenOrigin(const WindowRecord& window);
// The window's top-left inside its top-level window's back buffer.
Point OriginInTopLevel(const WindowRecord& window);
// Recomputes the client rectangle through WM_NCCALCSIZE.
void RecalculateClientRect(HWND window);
void NotifyBackend(HWND window);

// --- painting helpers (painting.cpp, visible_region.cpp) ---------------------------
// Visible and not redraw-suppressed up to a shown, unminimised top-level window.
bool IsDrawable(const WindowRecord& window);
// The visible part of the window (client area only when `clientOnly`) in
// back-buffer coordinates; empty when the window cannot be drawn.
Region VisibleRegion(const WindowRecord& window, bool clientOnly);
// The window's area (its shape) in its parent's client coordinates.
Region WindowArea(const WindowRecord& window);
void InvalidateWhole(HWND window);
void InvalidateInParent(const WindowRecord& window, const Rect& rectInParent);
void ResizeBackBuffer(WindowRecord& window);
void SchedulePresent(HWND topLevel, const Rect& area);
// The next window needing paint; sends pending WM_NCPAINT / WM_ERASEBKGND first.
HWND NextWindowToPaint(HWND filter);
void ValidateAfterUnhandledPaint(HWND window, std::uint64_t generationBefore);

// --- input helpers (mouse_input.cpp, keyboard_input.cpp) ---------------------------
void RouteRawInput(const RawInput& input);
void RouteMouseInput(const RawInput& input);
// Starts a move, size or caption-button press while the left button is down.
void BeginSystemTracking(HWND window, SystemTracking::Kind kind, int code);
void ForgetWindowInInput(HWND window);
void EndSystemTracking();

// --- focus helpers (focus_activation.cpp) -------------------------------------------
void ActivateTopLevel(HWND window, int how);
void ActivateAnother(HWND leaving);

// --- queue helpers (message_queue.cpp, timers.cpp) -----------------------------------
void DropMessagesFor(HWND window);
void KillTimersOf(HWND window);
// Pops a due timer into a WM_TIMER message.
bool TakeDueTimer(HWND filter, MSG& message, bool remove);
std::uint64_t Now();

// --- default window behaviour (default_*.cpp) -----------------------------------------
void PaintDefaultFrame(DeviceContext& dc, const WindowRecord& window);
void RepaintFrameNow(HWND window);

}  // namespace quendar
