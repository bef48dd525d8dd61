#pragma once
// Value types of the control classes: alignment, anchors, style and state
// flags, mouse buttons and the shift state of input events.

#include <cstdint>
#include <functional>

namespace quendar {

class TComponent;

#define QUENDAR_FLAG_OPERATORS(Type)                                                          \
    constexpr Type operator|(Type a, Type b) {                                                \
        return static_cast<Type>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b)); \
    }                                                                                         \
    constexpr Type operator&(Type a, Type b) {                                                \
        return static_cast<Type>(static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b)); \
    }                                                                                         \
    constexpr Type operator~(Type a) { return static_cast<Type>(~static_cast<std::uint32_t>(a)); } \
    constexpr Type& operator|=(Type& a, Type b) { return a = a | b; }                          \
    constexpr Type& operator&=(Type& a, Type b) { return a = a & b; }                          \
    /* True when `set` holds any of `flags`. */                                             \
    constexpr bool Contains(Type set, Type flags) { return (set & flags) != Type{}; }

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum class TAnchors : std::uint32_t {
    akNone = 0,
    akLeft = 1u << 0,
    akTop = 1u << 1,
    akRight = 1u << 2,
    akBottom = 1u << 3,
};
QUENDAR_FLAG_OPERATORS(TAnchors)

// What a control is and does, fixed by its class.
enum class TControlStyle : std::uint32_t {
    csNone = 0,
    csAcceptsControls = 1u << 0,  // may be the parent of other controls
    csCaptureMouse = 1u << 1,     // keeps the mouse while a button is held on it
    csDesignInteractive = 1u << 2,
    csClickEvents = 1u << 3,  // a press and release on it is a click
    csFramed = 1u << 4,
    csSetCaption = 1u << 5,  // takes its name as caption when named while empty
    csOpaque = 1u << 6,      // paints every pixel of its client area
    csDoubleClicks = 1u << 7,
    csFixedWidth = 1u << 8,
    csFixedHeight = 1u << 9,
    csNoDesignVisible = 1u << 10,
    csReplicatable = 1u << 11,
    csNoStdEvents = 1u << 12,
    csDisplayDragImage = 1u << 13,
    csReflector = 1u << 14,
    csActionClient = 1u << 15,
    csMenuEvents = 1u << 16,
    csNeedsBorderPaint = 1u << 17,
    csParentBackground = 1u << 18,  // shows its parent's background where it paints nothing
};
QUENDAR_FLAG_OPERATORS(TControlStyle)

// What a control is doing at the moment.
enum class TControlState : std::uint32_t {
    csNone = 0,
    csLButtonDown = 1u << 0,
    csClicked = 1u << 1,
    csPalette = 1u << 2,
    csReadingState = 1u << 3,
    csAlignmentNeeded = 1u << 4,
    csFocusing = 1u << 5,
    csCreating = 1u << 6,
    csPaintCopy = 1u << 7,
    csCustomPaint = 1u << 8,
    csDestroyingHandle = 1u << 9,
    csDocking = 1u << 10,
    csAligning = 1u << 11,
};
QUENDAR_FLAG_OPERATORS(TControlState)

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TShiftState : std::uint32_t {
    ssNone = 0,
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
QUENDAR_FLAG_OPERATORS(TShiftState)

// The shift state of mouse messages' key flags (MK_*).
TShiftState ShiftStateFromMouseKeys(unsigned keys);
// The keyboard's Shift, Ctrl and Alt state now.
TShiftState KeyboardShiftState();

// Standard cursors, the window system's IDC_* numbers; crDefault: the class's.
using TCursor = int;
constexpr TCursor crDefault = 0;

using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
// `key` may be changed; 0 swallows the key.
using TKeyEvent = std::function<void(TComponent* sender, int& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, char32_t& key)>;

}  // namespace quendar
