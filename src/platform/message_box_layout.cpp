// Where the parts of a message box go: icon at the top left, the text beside
// it, the buttons centred in a row below.

#include <algorithm>

#include "platform/bitmap.h"
#include "platform/device_context.h"
#include "platform/message_box.h"
#include "platform/system_metrics.h"
#include "platform/text_format.h"

namespace quendar {

namespace {

constexpr int Margin = 12;
constexpr int IconSize = 32;
constexpr int IconTextGap = 12;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;
constexpr int ButtonGap = 6;
constexpr int ButtonRowGap = 14;
// Narrower boxes look lost on the screen.
constexpr int MinimumClientWidth = 150;
// Room the caption needs besides its text: the close button and padding.
constexpr int CaptionExtra = 48;

struct ButtonSpec {
    int Id;
    const char* Label;
};

std::vector<ButtonSpec> ButtonsFor(UINT flags) {
    switch (flags & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
        case MB_ABORTRETRYIGNORE:
            return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
        case MB_YESNOCANCEL:
            return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
        case MB_YESNO:
            return {{IDYES, "&Yes"}, {IDNO, "&No"}};
        case MB_RETRYCANCEL:
            return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
        default:
            return {{IDOK, "OK"}};
    }
}

Size MeasureText(std::string_view text, const FontDescription& font, unsigned format, int maxWidth) {
    if (text.empty()) return {};
    Bitmap scratch(1, 1);
    DeviceContext dc(scratch);
    dc.SelectFont(font);
    Rect bounds{0, 0, maxWidth, 0};
    dc.DrawText(text, bounds, format | DT_CALCRECT);
    return {bounds.Width(), bounds.Height()};
}

}  // namespace

unsigned MessageBoxTextFormat() { return DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX; }

MessageBoxLayout LayOutMessageBox(std::string_view text, std::string_view caption, UINT flags,
                                  int maxTextWidth, int maxTextHeight) {
    MessageBoxLayout layout;
    NONCLIENTMETRICS metrics = GetNonClientMetrics();
    maxTextWidth = std::max(maxTextWidth, 1);
    Size textSize = MeasureText(text, metrics.lfMessageFont, MessageBoxTextFormat(), maxTextWidth);
    textSize.Width = std::min(textSize.Width, maxTextWidth);
    textSize.Height = std::clamp(textSize.Height, 0, std::max(maxTextHeight, 0));

    bool hasIcon = (flags & MB_ICONMASK) != 0;
    int textLeft = Margin;
    int contentBottom = Margin;
    if (hasIcon) {
        layout.Icon = Rect::FromSize(Margin, Margin, IconSize, IconSize);
        textLeft = layout.Icon.Right + IconTextGap;
        contentBottom = layout.Icon.Bottom;
    }
    int textTop = Margin;
    if (hasIcon && textSize.Height < IconSize) textTop += (IconSize - textSize.Height) / 2;
    layout.Text = Rect::FromSize(textLeft, textTop, textSize.Width, textSize.Height);
    contentBottom = std::max(contentBottom, layout.Text.Bottom);

    std::vector<ButtonSpec> specs = ButtonsFor(flags);
    int count = static_cast<int>(specs.size());
    int rowWidth = count * ButtonWidth + (count - 1) * ButtonGap;
    int captionWidth = MeasureText(caption, metrics.lfCaptionFont, DT_SINGLELINE | DT_NOPREFIX, 1).Width;
    layout.Client.Width = std::max(
        {layout.Text.Right + Margin, rowWidth + 2 * Margin, captionWidth + CaptionExtra, MinimumClientWidth});
    int buttonTop = contentBottom + ButtonRowGap;
    int left = (layout.Client.Width - rowWidth) / 2;
    for (const ButtonSpec& button : specs) {
        layout.Buttons.push_back(
            {button.Id, button.Label, Rect::FromSize(left, buttonTop, ButtonWidth, ButtonHeight)});
        left += ButtonWidth + ButtonGap;
    }
    layout.Client.Height = buttonTop + ButtonHeight + Margin;

    std::size_t wanted = ((flags & MB_DEFMASK) >> 8);
    layout.DefaultButton = std::min(wanted, layout.Buttons.size() - 1);
    auto cancel =
        std::find_if(specs.begin(), specs.end(), [](const ButtonSpec& s) { return s.Id == IDCANCEL; });
    if (cancel != specs.end())
        layout.EscapeAnswer = IDCANCEL;
    else if (count == 1)
        layout.EscapeAnswer = IDOK;
    return layout;
}

}  // namespace quendar
