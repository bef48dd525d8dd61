#pragma once
// TCustomPanel / TPanel: a container with 3-D bevels and a caption.
//
// From the outside in: the outer bevel (BevelWidth rings), BorderWidth
// rings of plain colour, the inner bevel (BevelWidth rings), then the face
// with the caption, one line centred vertically and placed by Alignment.
// Aligned children share the face: AdjustClientRect takes BorderWidth and
// each present bevel's BevelWidth off every side. BorderStyle bsSingle
// adds a sunken window edge outside all of that (non-client).
//
// ParentBackground on: the panel shows its parent's painted look under its
// bevels and caption instead of filling itself with Color. Choosing a Color
// of its own turns it off.

#include <string>

#include "framework/custom_control.h"
#include "framework/std_control_types.h"

namespace quendar {

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* owner);

    std::string ClassName() const override { return "TCustomPanel"; }

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return bevelWidth_; }
    // At least 1.
    void SetBevelWidth(int value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool value);

    Rect ClientRect() const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    bool EraseBackground(HDC dc) override;
    void AdjustClientRect(Rect& rect) override;
    // Paints the parent's content behind the panel onto the canvas.
    void PaintParentBackground();
    void CMColorChanged(TMessage& message) override;

private:
    void BevelsChanged();

    TAlignment alignment_ = TAlignment::taCenter;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    bool parentBackground_ = true;
};

class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
    std::string ClassName() const override { return "TPanel"; }
};

}  // namespace quendar
