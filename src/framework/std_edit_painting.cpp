// TCustomEdit: the frame in the non-client area, the text with its
// selection and caret, measuring and horizontal scrolling.

#include <algorithm>

#include "framework/std_edit.h"
#include "platform/system_colors.h"
#include "platform/window_system.h"

namespace quendar {

namespace {

// One-pixel ring inside `r`: `topLeft` along the top and left, `bottomRight`
// along the bottom and right, which own the top-right and bottom-left
// corners. `r` shrinks by one pixel on every side.
void Ring(DeviceContext& dc, Rect& r, ColorRef topLeft, ColorRef bottomRight) {
    if (r.IsEmpty()) return;
    dc.FillSolidRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
    dc.FillSolidRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
    dc.FillSolidRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    dc.FillSolidRect({r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
    r = r.Inflate(-1, -1);
}

void BevelRing(DeviceContext& dc, Rect& r, TBevelCut cut, TBevelKind kind) {
    ColorRef shadow = GetSysColor(COLOR_BTNSHADOW);
    ColorRef highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    switch (cut) {
        case TBevelCut::bvNone:
            return;
        case TBevelCut::bvSpace:
            Ring(dc, r, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
            return;
        case TBevelCut::bvLowered:
            if (kind == TBevelKind::bkFlat)
                Ring(dc, r, shadow, shadow);
            else
                Ring(dc, r, shadow, highlight);
            return;
        case TBevelCut::bvRaised:
            if (kind == TBevelKind::bkFlat)
                Ring(dc, r, shadow, shadow);
            else
                Ring(dc, r, highlight, shadow);
            return;
    }
}

}  // namespace

// --- frame -----------------------------------------------------------------------------

void TCustomEdit::PaintFrame(DeviceContext& dc) {
    Rect r = Rect::FromSize(0, 0, Width(), Height());
    if (bevelKind_ != TBevelKind::bkNone) {
        BevelRing(dc, r, bevelOuter_, bevelKind_);
        BevelRing(dc, r, bevelInner_, bevelKind_);
    }
    if (borderStyle_ != TBorderStyle::bsSingle) return;
    if (ctl3D_) {
        Ring(dc, r, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        Ring(dc, r, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
    } else {
        Ring(dc, r, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
    }
}

void TCustomEdit::PrintFrameAndText(TMessage& message) {
    HDC dc = WParamToDc(message.WParam);
    auto flags = static_cast<UINT>(message.LParam);
    if (dc == nullptr || ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(WindowHandle()))) return;
    // The window system's own frame printing knows nothing of this frame.
    if (flags & PRF_NONCLIENT) PaintFrame(*dc);
    TMessage rest{WM_PRINT, message.WParam, static_cast<LPARAM>(flags & ~UINT{PRF_NONCLIENT}), 0};
    TWinControl::DefaultHandler(rest);
}

// --- text ------------------------------------------------------------------------------

std::string TCustomEdit::DisplayText() const {
    if (passwordChar_ == 0) return buffer_.Text();
    return EditBuffer::ToUtf8(std::u32string(buffer_.Characters().size(), passwordChar_));
}

const std::vector<int>& TCustomEdit::Offsets() {
    if (offsetsValid_) return offsets_;
    Bitmap scratch(1, 1);
    DeviceContext dc(scratch);
    dc.SelectFont(Font().Description());
    std::u32string shown = passwordChar_ == 0 ? buffer_.Characters()
                                              : std::u32string(buffer_.Characters().size(), passwordChar_);
    offsets_.assign(shown.size() + 1, 0);
    // Text is laid out by advances alone, so a line's width is the sum of its characters'.
    for (std::size_t i = 1; i <= shown.size(); ++i) {
        int width = dc.GetTextExtent(EditBuffer::ToUtf8(std::u32string_view(shown).substr(i - 1, 1))).Width;
        offsets_[i] = offsets_[i - 1] + width;
    }
    lineHeight_ = dc.GetTextMetrics().Height;
    offsetsValid_ = true;
    return offsets_;
}

int TCustomEdit::LineHeight() {
    Offsets();
    return lineHeight_;
}

int TCustomEdit::CaretX() {
    return TextMargin + Offsets()[static_cast<std::size_t>(buffer_.Caret())] - scroll_;
}

int TCustomEdit::PositionAt(int x) {
    const std::vector<int>& offsets = Offsets();
    int textX = x - TextMargin + scroll_;
    int last = static_cast<int>(offsets.size()) - 1;
    for (int i = 0; i < last; ++i) {
        // Left of the middle of character i: the boundary before it.
        if (2 * textX < offsets[static_cast<std::size_t>(i)] + offsets[static_cast<std::size_t>(i + 1)])
            return i;
    }
    return last;
}

void TCustomEdit::PaintWindow(HDC dc) { PaintText(*dc); }

void TCustomEdit::PaintText(DeviceContext& dc) {
    Rect client = ClientRect();
    dc.FillSolidRect(client, ColorToColorRef(Color()));
    const std::vector<int>& offsets = Offsets();
    int height = lineHeight_;
    dc.SaveDC();
    dc.IntersectClipRect({client.Left + TextMargin, client.Top, client.Right - TextMargin, client.Bottom});
    dc.SelectFont(Font().Description());
    dc.SetBkMode(TRANSPARENT);
    ColorRef textColor = Enabled() ? ColorToColorRef(Font().Color()) : GetSysColor(COLOR_GRAYTEXT);
    std::string shown = DisplayText();
    int x = TextMargin - scroll_;
    int y = TextMargin;
    dc.SetTextColor(textColor);
    dc.TextOut(x, y, shown);

    bool focused = Focused();
    if (buffer_.HasSelection() && (focused || !hideSelection_)) {
        Rect band{x + offsets[static_cast<std::size_t>(buffer_.SelStart())], y,
                  x + offsets[static_cast<std::size_t>(buffer_.SelEnd())], y + height};
        dc.SaveDC();
        dc.IntersectClipRect(band);
        dc.FillSolidRect(band, GetSysColor(COLOR_HIGHLIGHT));
        dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
        dc.TextOut(x, y, shown);
        dc.RestoreDC(-1);
    }
    if (focused && caretShowing_) {
        int caretX = x + offsets[static_cast<std::size_t>(buffer_.Caret())];
        dc.FillSolidRect({caretX, y, caretX + 1, y + height}, textColor);
    }
    dc.RestoreDC(-1);
}

void TCustomEdit::CMFontChanged(TMessage& message) {
    offsetsValid_ = false;
    TWinControl::CMFontChanged(message);
    CaretMoved();
    Invalidate();
}

void TCustomEdit::CMEnabledChanged(TMessage& message) {
    TWinControl::CMEnabledChanged(message);
    Invalidate();
}

// --- caret and scrolling -------------------------------------------------------------------

void TCustomEdit::CaretMoved() {
    const std::vector<int>& offsets = Offsets();
    int visible = std::max(1, ClientWidth() - 2 * TextMargin);
    int caret = offsets[static_cast<std::size_t>(buffer_.Caret())];
    if (caret < scroll_) scroll_ = caret;
    if (caret > scroll_ + visible - 1) scroll_ = caret - visible + 1;
    // No blank room right of the text while the text could fill it.
    scroll_ = std::max(0, std::min(scroll_, offsets.back() - visible + 1));
    if (Focused()) StartCaret();
    Invalidate();
}

void TCustomEdit::StartCaret() {
    if (!HandleAllocated()) return;
    caretShowing_ = true;
    SetTimer(WindowHandle(), CaretTimer, CaretBlinkMilliseconds);
}

void TCustomEdit::StopCaret() {
    caretShowing_ = false;
    if (HandleAllocated()) KillTimer(WindowHandle(), CaretTimer);
}

}  // namespace quendar
