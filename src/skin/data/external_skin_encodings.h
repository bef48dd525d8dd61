#pragma once
// The value encodings by which an external skin's Options.dat describes its
// pictures. The value of every key is read as one of:
//
//   "!FILE.BMP!count!mask!type[!wl!wt!wr!wb]"   own bitmap, older form
//   "@LLLL,TTTT,RRRR,BBBB,c,m"                   glyph of the master bitmap
//   "^LLLL,TTTT,RRRR,BBBB,WL__,WT__,WR__,WB__,c,m,s,b"  frame of the master bitmap
//   "~LLLL,TTTT,RRRR,BBBB,ss,m"                  texture of the master bitmap
//   "#(left,top,right,bottom)(count,mask,border,stretch)"  area of the master bitmap
//   "NAME.BMP"                                   own bitmap
//   "NAME.JPG" or "NAME.JPEG"                    pattern (or small texture)
//
// The first three older forms are read at fixed character positions
// (counted from 1: left 2-5, top 7-10, right 12-15, bottom 17-20, then the
// positions of each form). Older forms keep key and section as written;
// the others use their upper-case forms.

#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_image_data.h"

namespace quendar {

enum class SkinValueKind { None, MasterArea, OwnBitmap, Pattern };

struct SkinImageValue {
    SkinValueKind Kind = SkinValueKind::None;
    // Names and parameters; for an own bitmap the rectangle and the
    // one-third margins are set once its size is known.
    TsMaskData Area;
    std::string FileName;        // own bitmaps and patterns
    bool MarginsGiven = false;   // the "!" form with words 5 to 8
    // What was malformed, one short text each, for `skin check`. A value
    // whose rectangle cannot be read is not an image area (Kind None).
    std::vector<std::string> Problems;
};

// Margins of master-bitmap areas are final (see ApplyDefaultMargins in
// image_area_rules.h); the "." forms leave them to the caller.
SkinImageValue ParseSkinImageValue(std::string_view section, std::string_view key, std::string_view value);

}  // namespace quendar
