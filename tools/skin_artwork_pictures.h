#pragma once
// The pictures of the built-in "BlueGauze" skin, each drawn into one state
// picture of an image area (see skin_artwork_painter.h for the mask
// convention). States are 0 normal, 1 hot, 2 pressed (or selected).

#include "skin_artwork_painter.h"

namespace quendar::artwork {

// Frames of 6 x 6 state pictures cut with margins of 2: a rounded outline,
// a glassy inner edge and a transparent centre that lets the section's own
// fill show through.
void DrawButtonFrame(StatePainter& p, int state);
void DrawSpeedButtonFrame(StatePainter& p, int state);  // invisible until hot
void DrawScrollButtonFrame(StatePainter& p, int state);
void DrawScrollThumbFrame(StatePainter& p, int state);
void DrawMenuItemFrame(StatePainter& p, int state);     // a filled highlight when hot
void DrawComboFrame(StatePainter& p, int state);
void DrawTabTopFrame(StatePainter& p, int state);       // open at the bottom
void DrawTabBottomFrame(StatePainter& p, int state);
void DrawTabLeftFrame(StatePainter& p, int state);
void DrawTabRightFrame(StatePainter& p, int state);

// Single-picture frames whose centre is key colour (drawn with a border
// width, so the centre is never copied).
void DrawFlatFrame(StatePainter& p, int state);  // also holds the divider
void DrawSunkenFrame(StatePainter& p, int state);
void DrawTroughFrame(StatePainter& p, int state);
void DrawTrackFrame(StatePainter& p, int state);
void DrawHintFrame(StatePainter& p, int state);
void DrawTitleBandFrame(StatePainter& p, int state);

// Textures; each repeats seamlessly at its own size.
void DrawGauze(StatePainter& p, int state);
void DrawGauzeHot(StatePainter& p, int state);
void DrawBarShade(StatePainter& p, int state);
void DrawBarShadeHot(StatePainter& p, int state);
void DrawProgressStripes(StatePainter& p, int state);
void DrawProgressStripesVertical(StatePainter& p, int state);
void DrawTabFace(StatePainter& p, int state);
void DrawTabFaceHot(StatePainter& p, int state);
void DrawGripDots(StatePainter& p, int state);

// Glyphs.
void DrawBoxUnchecked(StatePainter& p, int state);
void DrawBoxChecked(StatePainter& p, int state);
void DrawBoxGrayed(StatePainter& p, int state);
void DrawRadioUnchecked(StatePainter& p, int state);
void DrawRadioChecked(StatePainter& p, int state);
void DrawSmallUnchecked(StatePainter& p, int state);
void DrawSmallChecked(StatePainter& p, int state);
void DrawSmallGrayed(StatePainter& p, int state);
void DrawCheckMark(StatePainter& p, int state);
void DrawTitleMinimize(StatePainter& p, int state);
void DrawTitleMaximize(StatePainter& p, int state);
void DrawTitleRestore(StatePainter& p, int state);
void DrawTitleClose(StatePainter& p, int state);
void DrawTitleHelp(StatePainter& p, int state);
void DrawTitleButton(StatePainter& p, int state);
void DrawArrowLeft(StatePainter& p, int state);
void DrawArrowRight(StatePainter& p, int state);
void DrawArrowUp(StatePainter& p, int state);
void DrawArrowDown(StatePainter& p, int state);
void DrawSizeGrip(StatePainter& p, int state);
void DrawSliderThumbDown(StatePainter& p, int state);
void DrawSliderThumbRight(StatePainter& p, int state);
void DrawTickHorizontal(StatePainter& p, int state);
void DrawTickVertical(StatePainter& p, int state);

// The 96 x 96 frame of the huge button, margins 32.
void DrawHugeButtonFrame(StatePainter& p, int state);

}  // namespace quendar::artwork
