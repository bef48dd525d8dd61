#include "framework/std_panel.h"

#include <algorithm>

#include "framework/classic_bevels.h"
#include "framework/control_text.h"
#include "platform/system_colors.h"
#include "platform/system_metrics.h"
#include "platform/window_styles.h"

namespace quendar {

namespace {

void DrawBevel(DeviceContext& dc, Rect& rect, TBevelCut cut, int width, ColorRef face) {
    switch (cut) {
        case TBevelCut::bvNone:
            break;
        case TBevelCut::bvLowered:
            Frame3D(dc, rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT), width);
            break;
        case TBevelCut::bvRaised:
            Frame3D(dc, rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW), width);
            break;
        case TBevelCut::bvSpace:
            Frame3D(dc, rect, face, face, width);
            break;
    }
}

}  // namespace

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(TControlStyle::csAcceptsControls | TControlStyle::csCaptureMouse |
                    TControlStyle::csClickEvents | TControlStyle::csSetCaption | TControlStyle::csOpaque |
                    TControlStyle::csDoubleClicks | TControlStyle::csReplicatable |
                    TControlStyle::csParentBackground);
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    // Choosing the colour turned it off; a new panel shows its parent's look.
    SetParentBackground(true);
}

// --- properties --------------------------------------------------------------------------

void TCustomPanel::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    Invalidate();
}

void TCustomPanel::BevelsChanged() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
    if (value == bevelOuter_) return;
    bevelOuter_ = value;
    BevelsChanged();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
    if (value == bevelInner_) return;
    bevelInner_ = value;
    BevelsChanged();
}

void TCustomPanel::SetBevelWidth(int value) {
    value = std::max(1, value);
    if (value == bevelWidth_) return;
    bevelWidth_ = value;
    BevelsChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    RecreateWnd();
    Realign();
}

void TCustomPanel::SetParentBackground(bool value) {
    if (value == parentBackground_) return;
    parentBackground_ = value;
    if (value)
        SetControlStyle(ControlStyle() | TControlStyle::csParentBackground);
    else
        SetControlStyle(ControlStyle() & ~TControlStyle::csParentBackground);
    Invalidate();
}

void TCustomPanel::CMColorChanged(TMessage& message) {
    if (!ParentColor()) SetParentBackground(false);
    TCustomControl::CMColorChanged(message);
}

// --- geometry ---------------------------------------------------------------------------------

void TCustomPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

Rect TCustomPanel::ClientRect() const {
    if (HandleAllocated() || borderStyle_ == TBorderStyle::bsNone) return TCustomControl::ClientRect();
    // Before the window exists, the edge it will have.
    int edge = GetSystemMetrics(SM_CXEDGE);
    return Rect::FromSize(0, 0, std::max(0, Width() - 2 * edge), std::max(0, Height() - 2 * edge));
}

void TCustomPanel::AdjustClientRect(Rect& rect) {
    TCustomControl::AdjustClientRect(rect);
    int bevels = (bevelOuter_ != TBevelCut::bvNone ? bevelWidth_ : 0) +
                 (bevelInner_ != TBevelCut::bvNone ? bevelWidth_ : 0);
    rect = rect.Inflate(-bevels, -bevels);
}

// --- painting -----------------------------------------------------------------------------------

bool TCustomPanel::EraseBackground(HDC) { return true; }

void TCustomPanel::PaintParentBackground() {
    DeviceContext& dc = Canvas().Handle();
    Point offset = Parent()->ScreenToClient(ClientOrigin());
    int saved = dc.SaveDC();
    try {
        dc.IntersectClipRect(ClientRect());
        dc.OffsetOrigin(-offset.X, -offset.Y);
        Parent()->Perform(WM_ERASEBKGND, DcToWParam(&dc));
        Parent()->Perform(WM_PAINT, DcToWParam(&dc));
    } catch (...) {
        dc.RestoreDC(saved);
        Canvas().Refresh();
        throw;
    }
    dc.RestoreDC(saved);
    Canvas().Refresh();
}

void TCustomPanel::Paint() {
    DeviceContext& dc = Canvas().Handle();
    Rect rect = ClientRect();
    ColorRef face = ColorToColorRef(Color());
    if (parentBackground_ && Parent() != nullptr)
        PaintParentBackground();
    else
        dc.FillSolidRect(rect, face);
    DrawBevel(dc, rect, bevelOuter_, bevelWidth_, face);
    rect = rect.Inflate(-BorderWidth(), -BorderWidth());
    DrawBevel(dc, rect, bevelInner_, bevelWidth_, face);
    if (Caption().empty()) return;
    Canvas().Font().Assign(Font());
    DrawControlText(Canvas(), rect, Caption(),
                    DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DrawTextAlignment(alignment_), Enabled());
}

}  // namespace quendar
