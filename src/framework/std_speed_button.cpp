#include "framework/std_speed_button.h"

#include <algorithm>

#include "framework/classic_bevels.h"
#include "framework/control_text.h"
#include "framework/win_control.h"
#include "platform/system_colors.h"

namespace quendar {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
    SetControlStyle(TControlStyle::csCaptureMouse | TControlStyle::csClickEvents |
                    TControlStyle::csDoubleClicks | TControlStyle::csOpaque);
    SetColor(clBtnFace);
    SetBounds(0, 0, 23, 22);
    glyph_->OnChange = [this](TPersistent*) { GlyphChanged(); };
}

TSpeedButton::~TSpeedButton() { glyph_->OnChange = nullptr; }

// --- properties ------------------------------------------------------------------------

void TSpeedButton::SetFlat(bool value) {
    if (value == flat_) return;
    flat_ = value;
    Invalidate();
}

template <class Visit>
void TSpeedButton::ForEachInGroup(Visit visit) {
    if (Parent() == nullptr || groupIndex_ == 0) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (other != nullptr && other != this && other->groupIndex_ == groupIndex_) visit(*other);
    }
}

void TSpeedButton::PutUpForGroup() {
    ForEachInGroup([](TSpeedButton& other) {
        if (!other.down_) return;
        other.down_ = false;
        other.SetState(TButtonState::bsUp);
    });
}

void TSpeedButton::SetState(TButtonState value) {
    if (value == state_) return;
    state_ = value;
    Invalidate();
}

void TSpeedButton::SetDown(bool value) {
    if (groupIndex_ == 0) value = false;
    if (value == down_) return;
    // The last button down in a group stays down unless all may be up.
    if (down_ && !allowAllUp_) return;
    down_ = value;
    SetState(value ? TButtonState::bsExclusive : TButtonState::bsUp);
    if (value) PutUpForGroup();
}

void TSpeedButton::SetGroupIndex(int value) {
    if (value == groupIndex_) return;
    groupIndex_ = value;
    if (down_) PutUpForGroup();
}

void TSpeedButton::SetAllowAllUp(bool value) {
    allowAllUp_ = value;
    ForEachInGroup([value](TSpeedButton& other) { other.allowAllUp_ = value; });
}

void TSpeedButton::SetLayout(TButtonLayout value) {
    if (value == layout_) return;
    layout_ = value;
    Invalidate();
}

void TSpeedButton::SetMargin(int value) {
    value = std::max(-1, value);
    if (value == margin_) return;
    margin_ = value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
    value = std::max(0, value);
    if (value == spacing_) return;
    spacing_ = value;
    Invalidate();
}

void TSpeedButton::GlyphChanged() {
    // The bottom-left pixel names the colour that is left out.
    if (!glyph_->Transparent()) glyph_->SetTransparent(true);
    if (glyph_->TransparentMode() != TTransparentMode::tmAuto)
        glyph_->SetTransparentMode(TTransparentMode::tmAuto);
    Invalidate();
}

// --- painting ------------------------------------------------------------------------------

void TSpeedButton::LayoutContent(const Rect& area, Size textSize, Point& glyphAt, Rect& textRect) const {
    Size glyph = glyph_->Empty() ? Size{} : Size{glyph_->Width(), glyph_->Height()};
    int gap = glyph.Width > 0 && textSize.Width > 0 ? spacing_ : 0;
    bool across = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
    int length = across ? glyph.Width + gap + textSize.Width : glyph.Height + gap + textSize.Height;
    int room = across ? area.Width() : area.Height();
    int margin = margin_ < 0 ? (room - length) / 2 : margin_;
    Point text;
    if (across) {
        glyphAt.Y = area.Top + (area.Height() - glyph.Height) / 2;
        text.Y = area.Top + (area.Height() - textSize.Height) / 2;
        if (layout_ == TButtonLayout::blGlyphLeft) {
            glyphAt.X = area.Left + margin;
            text.X = glyphAt.X + glyph.Width + gap;
        } else {
            glyphAt.X = area.Right - margin - glyph.Width;
            text.X = glyphAt.X - gap - textSize.Width;
        }
    } else {
        glyphAt.X = area.Left + (area.Width() - glyph.Width) / 2;
        text.X = area.Left + (area.Width() - textSize.Width) / 2;
        if (layout_ == TButtonLayout::blGlyphTop) {
            glyphAt.Y = area.Top + margin;
            text.Y = glyphAt.Y + glyph.Height + gap;
        } else {
            glyphAt.Y = area.Bottom - margin - glyph.Height;
            text.Y = glyphAt.Y - gap - textSize.Height;
        }
    }
    textRect = Rect::FromSize(text.X, text.Y, textSize.Width, textSize.Height);
}

void TSpeedButton::DrawGlyph(DeviceContext& dc, Point at, bool enabled) {
    if (enabled) {
        Canvas().Draw(at.X, at.Y, *glyph_);
        return;
    }
    // Embossed: every pixel that is neither transparent nor part of the
    // face or its highlight becomes a highlight dot below right, then shadow.
    const Bitmap& pixels = glyph_->PixelBuffer();
    ColorRef transparent = ColorToColorRef(glyph_->TransparentColor());
    ColorRef face = GetSysColor(COLOR_BTNFACE);
    ColorRef highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    auto isMark = [&](int x, int y) {
        ColorRef pixel = pixels.PixelAt(x, y);
        return pixel != transparent && pixel != face && pixel != highlight;
    };
    for (int pass = 0; pass < 2; ++pass) {
        int shift = pass == 0 ? 1 : 0;
        ColorRef color = pass == 0 ? highlight : GetSysColor(COLOR_BTNSHADOW);
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                if (isMark(x, y)) dc.SetPixel(at.X + x + shift, at.Y + y + shift, color);
    }
}

void TSpeedButton::Paint() {
    DeviceContext& dc = Canvas().Handle();
    Rect rect = ClientRect();
    bool enabled = Enabled();
    TButtonState shown = enabled ? state_ : (down_ ? TButtonState::bsExclusive : TButtonState::bsUp);
    bool sunken = shown == TButtonState::bsDown || shown == TButtonState::bsExclusive;
    ColorRef highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    ColorRef shadow = GetSysColor(COLOR_BTNSHADOW);

    dc.FillSolidRect(rect, ColorToColorRef(Color()));
    Rect face = rect;
    if (flat_) {
        if (sunken)
            Frame3D(dc, face, shadow, highlight, 1);
        else if (mouseInControl_ && enabled)
            Frame3D(dc, face, highlight, shadow, 1);
    } else if (sunken) {
        DrawSunkenEdge(dc, face);
    } else {
        DrawRaisedEdge(dc, face);
    }
    // A button that stays down shows its dithered face unless the mouse is on a flat one.
    if (shown == TButtonState::bsExclusive && !(flat_ && mouseInControl_)) FillDitheredFace(dc, face);

    Rect area = sunken ? rect.Offset(1, 1) : rect;
    Canvas().Refresh();
    Canvas().Font().Assign(Font());
    Size textSize;
    if (!Caption().empty()) {
        Rect measured = area;
        Canvas().TextRect(measured, Caption(), DT_SINGLELINE | DT_CALCRECT);
        textSize = {measured.Width(), measured.Height()};
    }
    Point glyphAt;
    Rect textRect;
    LayoutContent(area, textSize, glyphAt, textRect);
    if (!glyph_->Empty()) DrawGlyph(dc, glyphAt, enabled);
    if (!Caption().empty())
        DrawControlText(Canvas(), textRect, Caption(), DT_SINGLELINE | DT_CENTER | DT_VCENTER, enabled);
}

// --- mouse -------------------------------------------------------------------------------------

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled()) return;
    if (!down_) SetState(TButtonState::bsDown);
    dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!dragging_) return;
    bool inside = ClientRect().Contains({x, y});
    SetState(down_ ? TButtonState::bsExclusive : inside ? TButtonState::bsDown : TButtonState::bsUp);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !dragging_) return;
    dragging_ = false;
    bool inside = ClientRect().Contains({x, y});
    if (groupIndex_ != 0 && inside) SetDown(!down_);
    SetState(down_ ? TButtonState::bsExclusive : TButtonState::bsUp);
}

// --- messages -------------------------------------------------------------------------------------

void TSpeedButton::Dispatch(TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR) {
        CMDialogChar(message);
        return;
    }
    TGraphicControl::Dispatch(message);
}

void TSpeedButton::WMCancelMode(TMessage& message) {
    dragging_ = false;
    SetState(down_ ? TButtonState::bsExclusive : TButtonState::bsUp);
    TGraphicControl::WMCancelMode(message);
}

void TSpeedButton::CMMouseEnter(TMessage& message) {
    TGraphicControl::CMMouseEnter(message);
    if (mouseInControl_ || !Enabled()) return;
    mouseInControl_ = true;
    if (flat_) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& message) {
    TGraphicControl::CMMouseLeave(message);
    if (!mouseInControl_) return;
    mouseInControl_ = false;
    if (flat_) Invalidate();
}

void TSpeedButton::CMDialogChar(TMessage& message) {
    if (IsAccelerator(static_cast<char32_t>(message.WParam), Caption()) && Enabled() && Visible() &&
        Parent() != nullptr && Parent()->Showing()) {
        Click();
        message.Result = 1;
        return;
    }
    DefaultHandler(message);
}

}  // namespace quendar
