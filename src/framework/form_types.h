#pragma once
// Value types of forms: border style and icons, placement, window state and
// what closing does.

#include <cstdint>
#include <functional>

#include "framework/control_types.h"

namespace quendar {

class TComponent;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum class TBorderIcons : std::uint32_t {
    biNone = 0,
    biSystemMenu = 1u << 0,
    biMinimize = 1u << 1,
    biMaximize = 1u << 2,
    biHelp = 1u << 3,
};
QUENDAR_FLAG_OPERATORS(TBorderIcons)

enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter,
};

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// caNone keeps the form, caHide hides it, caFree frees it, caMinimize minimises it.
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

}  // namespace quendar
