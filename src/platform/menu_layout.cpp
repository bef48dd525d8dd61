#include "platform/menu_layout.h"

#include <algorithm>
#include <string_view>

#include "platform/classic_controls_painting.h"
#include "platform/system_colors.h"
#include "platform/system_metrics.h"
#include "platform/text_format.h"

namespace quendar {

namespace {

constexpr int CheckColumnWidth = 18;  // the text starts after it
constexpr int ArrowColumnWidth = 16;  // room for the submenu arrow on the right
constexpr int ShortcutGap = 16;       // at least this between text and shortcut
constexpr int MinimumItemHeight = 17;
constexpr int SeparatorHeight = 9;

struct SplitText {
    std::string_view Label;
    std::string_view Shortcut;
};

SplitText Split(std::string_view text) {
    std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos) return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

FontDescription ItemFont(const MenuItemRecord& item) {
    FontDescription font = GetNonClientMetrics().lfMenuFont;
    if (item.State & MF_DEFAULT) font.Weight = FW_BOLD;
    return font;
}

// Pictures of the marks, one string per row, 'X' for an inked pixel.
constexpr std::string_view CheckMark[] = {"......X", ".....XX", "X...XXX", "XX.XXX.",
                                          "XXXXX..", ".XXX...", "..X...."};
constexpr std::string_view RadioMark[] = {".XXXX.", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", ".XXXX."};
constexpr std::string_view ArrowMark[] = {"X...", "XX..", "XXX.", "XXXX", "XXX.", "XX..", "X..."};

template <std::size_t Rows>
void Stamp(DeviceContext& dc, const std::string_view (&picture)[Rows], Point at, ColorRef color) {
    for (std::size_t row = 0; row < Rows; ++row) {
        for (std::size_t column = 0; column < picture[row].size(); ++column) {
            if (picture[row][column] == 'X')
                dc.SetPixel(at.X + static_cast<int>(column), at.Y + static_cast<int>(row), color);
        }
    }
}

template <std::size_t Rows>
Point CentredIn(const std::string_view (&picture)[Rows], const Rect& area) {
    int width = static_cast<int>(picture[0].size());
    int height = static_cast<int>(Rows);
    return {area.Left + (area.Width() - width) / 2, area.Top + (area.Height() - height) / 2};
}

// Everything an item shows in one colour, moved by `shift`.
void PaintForeground(DeviceContext& dc, const MenuItemRecord& item, const Rect& bounds, ColorRef color,
                     int shift) {
    Rect area = bounds.Offset(shift, shift);
    Rect check{area.Left, area.Top, area.Left + CheckColumnWidth, area.Bottom};
    if (item.State & MF_CHECKED) {
        if (item.Type & MFT_RADIOCHECK)
            Stamp(dc, RadioMark, CentredIn(RadioMark, check), color);
        else
            Stamp(dc, CheckMark, CentredIn(CheckMark, check), color);
    }
    if (item.SubMenu) {
        Rect arrow{area.Right - ArrowColumnWidth, area.Top, area.Right, area.Bottom};
        Stamp(dc, ArrowMark, CentredIn(ArrowMark, arrow), color);
    }
    SplitText text = Split(item.Text);
    Rect textArea{area.Left + CheckColumnWidth, area.Top, area.Right - ArrowColumnWidth, area.Bottom};
    dc.SetTextColor(color);
    dc.DrawText(text.Label, textArea, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (!text.Shortcut.empty())
        dc.DrawText(text.Shortcut, textArea, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

MenuGeometry ArrangeMenuItems(std::span<const MenuItemRecord> items, std::span<const Size> sizes) {
    MenuGeometry geometry;
    std::size_t count = std::min(items.size(), sizes.size());
    geometry.Items.resize(count);
    int columnLeft = 0;
    std::size_t columnStart = 0;
    int y = 0;
    auto closeColumn = [&](std::size_t end) {
        int width = 0;
        for (std::size_t index = columnStart; index < end; ++index)
            width = std::max(width, sizes[index].Width);
        for (std::size_t index = columnStart; index < end; ++index) {
            geometry.Items[index].Left = columnLeft;
            geometry.Items[index].Right = columnLeft + width;
        }
        geometry.Client.Height = std::max(geometry.Client.Height, y);
        columnLeft += width;
    };
    for (std::size_t index = 0; index < count; ++index) {
        if (index > 0 && items[index].StartsColumn()) {
            closeColumn(index);
            if (items[index].Type & MFT_MENUBARBREAK)
                geometry.BarLines.push_back(columnLeft + MenuColumnGap / 2 - 1);
            columnLeft += MenuColumnGap;
            columnStart = index;
            y = 0;
        }
        geometry.Items[index].Top = y;
        y += std::max(sizes[index].Height, 0);
        geometry.Items[index].Bottom = y;
    }
    closeColumn(count);
    geometry.Client.Width = columnLeft;
    return geometry;
}

Size MeasureClassicMenuItem(const MenuItemRecord& item) {
    if (item.IsSeparator()) return {CheckColumnWidth + ArrowColumnWidth, SeparatorHeight};
    Bitmap scratch(1, 1);
    DeviceContext dc(scratch);
    dc.SelectFont(ItemFont(item));
    SplitText text = Split(item.Text);
    Rect label{0, 0, 0, 0};
    dc.DrawText(text.Label, label, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    int width = CheckColumnWidth + label.Width() + ArrowColumnWidth;
    if (!text.Shortcut.empty()) {
        Rect shortcut{0, 0, 0, 0};
        dc.DrawText(text.Shortcut, shortcut, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        width += ShortcutGap + shortcut.Width();
    }
    int height = std::max(dc.GetTextMetrics().Height + 4, MinimumItemHeight);
    return {width, height};
}

void PaintClassicMenuItem(DeviceContext& dc, const MenuItemRecord& item, const Rect& bounds, bool selected) {
    if (item.IsSeparator()) {
        dc.FillSolidRect(bounds, GetSysColor(COLOR_MENU));
        DrawEtchedLine(dc, bounds.Left + 1, bounds.Right - 1, bounds.Top + bounds.Height() / 2 - 1);
        return;
    }
    dc.FillSolidRect(bounds, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    dc.SaveDC();
    dc.SelectFont(ItemFont(item));
    dc.SetBkMode(TRANSPARENT);
    if (item.IsGrayed() && !selected) {
        // Classic embossed look: a white copy one pixel down and right under the gray text.
        PaintForeground(dc, item, bounds, GetSysColor(COLOR_BTNHIGHLIGHT), 1);
        PaintForeground(dc, item, bounds, GetSysColor(COLOR_GRAYTEXT), 0);
    } else if (item.IsGrayed()) {
        PaintForeground(dc, item, bounds, GetSysColor(COLOR_GRAYTEXT), 0);
    } else {
        PaintForeground(dc, item, bounds, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT), 0);
    }
    dc.RestoreDC(-1);
}

void PaintMenuFrame(DeviceContext& dc, Size size) {
    Rect outer = Rect::FromSize(0, 0, size.Width, size.Height);
    auto edge = [&](const Rect& r, ColorRef topLeft, ColorRef bottomRight) {
        if (r.IsEmpty()) return;
        dc.FillSolidRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
        dc.FillSolidRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
        dc.FillSolidRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
        dc.FillSolidRect({r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
    };
    edge(outer, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    edge(outer.Inflate(-1, -1), GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    dc.FrameRect(outer.Inflate(-2, -2), Brush::Solid(GetSysColor(COLOR_MENU)));
}

}  // namespace quendar
