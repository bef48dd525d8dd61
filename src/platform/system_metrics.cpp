#include "platform/system_metrics.h"

#include <array>
#include <utility>

#include "platform/window_system_state.h"

namespace quendar {

namespace {

// Fixed metrics of the classic desktop; screen-dependent ones are computed.
constexpr std::array<std::pair<int, int>, 40> FixedMetrics = {{
    {SM_CXVSCROLL, 16},   {SM_CYHSCROLL, 16},   {SM_CYCAPTION, 18},    {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},     {SM_CXDLGFRAME, 3},   {SM_CYDLGFRAME, 3},    {SM_CYVTHUMB, 16},
    {SM_CXHTHUMB, 16},    {SM_CXICON, 32},      {SM_CYICON, 32},       {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},    {SM_CYMENU, 19},      {SM_CYVSCROLL, 16},    {SM_CXHSCROLL, 16},
    {SM_SWAPBUTTON, 0},   {SM_CXMIN, 112},      {SM_CYMIN, 27},        {SM_CXSIZE, 18},
    {SM_CYSIZE, 18},      {SM_CXFRAME, 4},      {SM_CYFRAME, 4},       {SM_CXMINTRACK, 112},
    {SM_CYMINTRACK, 27},  {SM_CXDOUBLECLK, 4},  {SM_CYDOUBLECLK, 4},   {SM_CXEDGE, 2},
    {SM_CYEDGE, 2},       {SM_CXSMICON, 16},    {SM_CYSMICON, 16},     {SM_CYSMCAPTION, 15},
    {SM_CXSMSIZE, 12},    {SM_CYSMSIZE, 14},    {SM_CXMENUSIZE, 18},   {SM_CYMENUSIZE, 18},
    {SM_CXMINIMIZED, 160}, {SM_CYMINIMIZED, 24}, {SM_CXDRAG, 4},       {SM_CYDRAG, 4},
}};

FontDescription TahomaAt(int height, int weight) {
    FontDescription font;
    font.Family = "Tahoma";
    font.Height = height;
    font.Weight = weight;
    return font;
}

}  // namespace

int GetSystemMetrics(int index) {
    Size screen = ScreenSize();
    switch (index) {
        case SM_CXSCREEN:
        case SM_CXFULLSCREEN:
        case SM_CXVIRTUALSCREEN:
            return screen.Width;
        case SM_CYSCREEN:
        case SM_CYVIRTUALSCREEN:
            return screen.Height;
        case SM_CYFULLSCREEN:
            return screen.Height - GetSystemMetrics(SM_CYCAPTION);
        case SM_CXMAXTRACK:
        case SM_CXMAXIMIZED:
            return screen.Width + 2 * GetSystemMetrics(SM_CXFRAME);
        case SM_CYMAXTRACK:
        case SM_CYMAXIMIZED:
            return screen.Height + 2 * GetSystemMetrics(SM_CYFRAME);
        case SM_CMONITORS:
            return 1;
        default:
            break;
    }
    for (const auto& [key, value] : FixedMetrics) {
        if (key == index) return value;
    }
    return 0;
}

UINT GetDoubleClickTime() { return 500; }

Rect GetWorkArea() {
    Size screen = ScreenSize();
    return {0, 0, screen.Width, screen.Height};
}

NONCLIENTMETRICS GetNonClientMetrics() {
    NONCLIENTMETRICS metrics;
    metrics.iBorderWidth = 1;
    metrics.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    metrics.iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    metrics.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
    metrics.iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
    metrics.lfCaptionFont = TahomaAt(-11, FW_BOLD);
    metrics.iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
    metrics.iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
    metrics.lfSmCaptionFont = TahomaAt(-11, FW_BOLD);
    metrics.iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
    metrics.iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
    metrics.lfMenuFont = TahomaAt(-11, FW_NORMAL);
    metrics.lfStatusFont = TahomaAt(-11, FW_NORMAL);
    metrics.lfMessageFont = TahomaAt(-11, FW_NORMAL);
    return metrics;
}

BOOL SystemParametersInfo(UINT action, UINT, void* target, UINT) {
    if (target == nullptr) return FALSE;
    switch (action) {
        case SPI_GETWORKAREA:
            *static_cast<Rect*>(target) = GetWorkArea();
            return TRUE;
        case SPI_GETNONCLIENTMETRICS:
            *static_cast<NONCLIENTMETRICS*>(target) = GetNonClientMetrics();
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace quendar
