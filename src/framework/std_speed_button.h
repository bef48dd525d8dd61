#pragma once
// TSpeedButton: a button without a window of its own (no focus) on a tool
// bar or in a group.
//
// It clicks when the left button is released over it after a press on it.
// With a GroupIndex other than 0 it stays down once clicked (Down), and the
// buttons of the parent that share the GroupIndex are exclusive: one going
// down puts the others up. Clicking the down button puts it up only when
// AllowAllUp is on, which the whole group shares.
//
// Look: raised, or sunken while pressed; a button that stays down is
// sunken over a dithered face. Flat: no edge until the mouse is over it
// (a thin raised edge) or it is down (a thin sunken edge). The content moves
// by (1, 1) while down. The glyph's bottom-left pixel gives its transparent
// colour; a disabled button embosses its glyph and caption.
//
// Layout puts the glyph left of, right of, above or below the caption,
// Spacing pixels apart; Margin is the distance of the pair from that edge,
// or -1 to centre it.

#include <memory>
#include <string>

#include "framework/graphic_control.h"
#include "framework/graphics_bitmap.h"

namespace quendar {

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    std::string ClassName() const override { return "TSpeedButton"; }

    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    // Only a button of a group (GroupIndex other than 0) can be down.
    bool Down() const { return down_; }
    void SetDown(bool value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    bool AllowAllUp() const { return allowAllUp_; }
    // Set for every button of the group.
    void SetAllowAllUp(bool value);

    TBitmap& Glyph() { return *glyph_; }
    const TBitmap& Glyph() const { return *glyph_; }
    void SetGlyph(const TBitmap& value) { glyph_->Assign(value); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    // -1 centres; anything below is taken as -1.
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    // At least 0.
    void SetSpacing(int value);

    // What the button shows: up, pressed by the mouse (bsDown) or staying
    // down (bsExclusive). bsDisabled is never stored: Enabled decides.
    TButtonState State() const { return state_; }
    bool MouseInControl() const { return mouseInControl_; }

protected:
    void Paint() override;
    // Where the glyph's top-left and the caption go inside `area` for a
    // caption of `textSize`.
    void LayoutContent(const Rect& area, Size textSize, Point& glyphAt, Rect& textRect) const;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    void Dispatch(TMessage& message) override;
    void WMCancelMode(TMessage& message) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    virtual void CMDialogChar(TMessage& message);

private:
    // The other buttons of this one's group in the same parent.
    template <class Visit>
    void ForEachInGroup(Visit visit);
    void PutUpForGroup();
    void SetState(TButtonState value);
    void GlyphChanged();
    void DrawGlyph(DeviceContext& dc, Point at, bool enabled);

    bool flat_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    std::unique_ptr<TBitmap> glyph_;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    TButtonState state_ = TButtonState::bsUp;
    bool dragging_ = false;
    bool mouseInControl_ = false;
};

}  // namespace quendar
