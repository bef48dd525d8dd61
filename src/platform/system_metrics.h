#pragma once
// System metrics and parameters: the classic desktop's fixed sizes, and the
// screen and work area as the display backend reports them.

#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/window_types.h"

namespace quendar {

enum : int {
    SM_CXSCREEN = 0,
    SM_CYSCREEN = 1,
    SM_CXVSCROLL = 2,
    SM_CYHSCROLL = 3,
    SM_CYCAPTION = 4,
    SM_CXBORDER = 5,
    SM_CYBORDER = 6,
    SM_CXDLGFRAME = 7,
    SM_CXFIXEDFRAME = 7,
    SM_CYDLGFRAME = 8,
    SM_CYFIXEDFRAME = 8,
    SM_CYVTHUMB = 9,
    SM_CXHTHUMB = 10,
    SM_CXICON = 11,
    SM_CYICON = 12,
    SM_CXCURSOR = 13,
    SM_CYCURSOR = 14,
    SM_CYMENU = 15,
    SM_CXFULLSCREEN = 16,
    SM_CYFULLSCREEN = 17,
    SM_CYVSCROLL = 20,
    SM_CXHSCROLL = 21,
    SM_SWAPBUTTON = 23,
    SM_CXMIN = 28,
    SM_CYMIN = 29,
    SM_CXSIZE = 30,
    SM_CYSIZE = 31,
    SM_CXFRAME = 32,
    SM_CXSIZEFRAME = 32,
    SM_CYFRAME = 33,
    SM_CYSIZEFRAME = 33,
    SM_CXMINTRACK = 34,
    SM_CYMINTRACK = 35,
    SM_CXDOUBLECLK = 36,
    SM_CYDOUBLECLK = 37,
    SM_CXEDGE = 45,
    SM_CYEDGE = 46,
    SM_CXSMICON = 49,
    SM_CYSMICON = 50,
    SM_CYSMCAPTION = 51,
    SM_CXSMSIZE = 52,
    SM_CYSMSIZE = 53,
    SM_CXMENUSIZE = 54,
    SM_CYMENUSIZE = 55,
    SM_CXMINIMIZED = 57,
    SM_CYMINIMIZED = 58,
    SM_CXMAXTRACK = 59,
    SM_CYMAXTRACK = 60,
    SM_CXMAXIMIZED = 61,
    SM_CYMAXIMIZED = 62,
    SM_CXDRAG = 68,
    SM_CYDRAG = 69,
    SM_CXVIRTUALSCREEN = 78,
    SM_CYVIRTUALSCREEN = 79,
    SM_CMONITORS = 80,
};

// The metric's value; 0 for an unknown index.
int GetSystemMetrics(int index);

// Milliseconds within which a second click counts as a double click.
UINT GetDoubleClickTime();

// The screen minus task bars: the whole screen here.
Rect GetWorkArea();

struct NONCLIENTMETRICS {
    int iBorderWidth = 0;
    int iScrollWidth = 0;
    int iScrollHeight = 0;
    int iCaptionWidth = 0;
    int iCaptionHeight = 0;
    FontDescription lfCaptionFont;
    int iSmCaptionWidth = 0;
    int iSmCaptionHeight = 0;
    FontDescription lfSmCaptionFont;
    int iMenuWidth = 0;
    int iMenuHeight = 0;
    FontDescription lfMenuFont;
    FontDescription lfStatusFont;
    FontDescription lfMessageFont;
};

NONCLIENTMETRICS GetNonClientMetrics();

enum : UINT { SPI_GETNONCLIENTMETRICS = 0x0029, SPI_GETWORKAREA = 0x0030 };

// SPI_GETWORKAREA fills a Rect, SPI_GETNONCLIENTMETRICS a NONCLIENTMETRICS;
// other actions and a null target answer FALSE.
BOOL SystemParametersInfo(UINT action, UINT param, void* target, UINT update);

}  // namespace quendar
