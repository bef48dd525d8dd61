#include "skin/paint/section_fill.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/paint/paint_colors.h"

namespace quendar {
namespace {

constexpr ColorRef Base = RGB(100, 100, 100);
constexpr ColorRef TextureColor = RGB(200, 100, 0);
constexpr ColorRef StateColor = RGB(0, 50, 250);
constexpr ColorRef GradientColor = RGB(0, 100, 200);
constexpr Rect FillArea{1, 0, 3, 2};

// Paints a plain texture pixel by pixel and answers `answer`; counts calls.
class PlainTexture : public SectionTexturePainter {
public:
    explicit PlainTexture(bool paints) : paints_(paints) {}
    bool PaintTexture(Bitmap& bitmap, const Rect& rect) override {
        ++Calls;
        LastRect = rect;
        if (!paints_) return false;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x) bitmap.SetPixel(x, y, TextureColor);
        return true;
    }
    int Calls = 0;
    Rect LastRect;

private:
    bool paints_;
};

enum class Texture { None, Paints, PaintsNothing };

struct FillCase {
    const char* Name;
    int ImagePercent;
    int GradientPercent;
    int Transparency;
    ColorRef SharedFill;
    TsGradArray Gradient;
    Texture TextureKind;
    ColorRef TopRow;  // expected in the area's first row
    ColorRef BottomRow;
};

GradientBand Solid(ColorRef color) { return GradientBand{color, color, 100, gmVertical, 0}; }

class SectionFillTest : public ::testing::Test {
protected:
    void TearDown() override { ResetSharedPaintColors(); }
};

TEST_F(SectionFillTest, MixingSteps) {
    const TsGradArray blackToWhite{GradientBand{RGB(0, 0, 0), RGB(255, 255, 255), 100, gmVertical, 0}};
    const ColorRef shared = RGB(5, 6, 7);
    const TsGradArray plain{Solid(GradientColor)};
    const Texture none = Texture::None, paints = Texture::Paints;
    const FillCase cases[] = {
        // clang-format off
        // name                                            I    G  T   shared    bands      texture  top row, bottom row
        {"nothing mixed: plain colour",                    0,   0, 0,  KeyColor, {},           none,   StateColor, StateColor},
        {"transparent state takes the shared fill colour", 0,   0, 50, shared,   {},           none,   shared, shared},
        {"opaque state ignores the shared fill colour",    0,   0, 0,  shared,   {},           none,   StateColor, StateColor},
        {"transparent state without a shared fill colour", 0,   0, 50, KeyColor, {},           none,   StateColor, StateColor},
        {"full gradient, straight in",                     0, 100, 0,  KeyColor, blackToWhite, none,   RGB(0, 0, 0), RGB(255, 255, 255)},
        {"full gradient without bands is the colour",      0, 100, 0,  KeyColor, {},           none,   StateColor, StateColor},
        // Round(0.6 * gradient + 0.4 * colour) per channel.
        {"gradient 60 %, colour the rest",                 0,  60, 0,  KeyColor, plain,        none,   RGB(0, 80, 220), RGB(0, 80, 220)},
        {"gradient above 100 % mixes nothing",             0, 150, 0,  KeyColor, plain,        none,   GradientColor, GradientColor},
        // Weight 102 for the texture: (D * 102 + S * 153 + 127) >> 8.
        {"gradient over a texture",                       40,  60, 0,  KeyColor, plain,        paints, RGB(80, 100, 120), RGB(80, 100, 120)},
        {"colour layer over a texture",                   40,  60, 0,  KeyColor, {},           paints, RGB(80, 70, 149), RGB(80, 70, 149)},
        // The layer's first row lies on the area's first row.
        {"gradient layer keeps its rows",                 50,  50, 0,  KeyColor, blackToWhite, paints, RGB(99, 50, 0), RGB(227, 177, 127)},
        // Weight 51, then 50 % colour: blue 204.5 rounds to even.
        {"texture, gradient and colour",                  20,  30, 0,  KeyColor, plain,        paints, RGB(20, 75, 204), RGB(20, 75, 204)},
        {"texture and colour",                            50,   0, 0,  KeyColor, plain,        paints, RGB(100, 75, 125), RGB(100, 75, 125)},
        {"texture alone",                                100,   0, 0,  KeyColor, plain,        paints, TextureColor, TextureColor},
        {"texture that paints nothing: gradient straight in",
                                                          50,  50, 0,  KeyColor, plain, Texture::PaintsNothing, GradientColor, GradientColor},
        {"no texture painter: image share mixes what is there",
                                                          30,   0, 0,  KeyColor, {},           none,   RGB(30, 65, 205), RGB(30, 65, 205)},
        {"negative sum: nothing at all",                 -10,   0, 0,  KeyColor, {},           none,   Base, Base},
        // clang-format on
    };
    for (const FillCase& c : cases) {
        Bitmap bitmap(4, 3);
        bitmap.Fill(Base);
        SharedFillColor = c.SharedFill;
        PlainTexture texture(c.TextureKind == Texture::Paints);
        const SectionFillStyle style{StateColor, c.GradientPercent, c.ImagePercent, c.Transparency,
                                     &c.Gradient};
        PaintSectionFill(bitmap, FillArea, style, c.TextureKind == Texture::None ? nullptr : &texture);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                ColorRef expected = Base;
                if (FillArea.Contains({x, y})) expected = y == FillArea.Top ? c.TopRow : c.BottomRow;
                EXPECT_EQ(bitmap.PixelAt(x, y), expected) << c.Name << " at " << x << ',' << y;
            }
        }
        ResetSharedPaintColors();
    }
}

TEST_F(SectionFillTest, TextureIsAskedOnlyForAnImageShare) {
    const struct {
        int ImagePercent;
        int Calls;
    } cases[] = {{0, 0}, {-5, 0}, {1, 1}, {100, 1}};
    for (const auto& c : cases) {
        Bitmap bitmap(4, 3);
        PlainTexture texture(true);
        const SectionFillStyle style{StateColor, 0, c.ImagePercent, 0, nullptr};
        PaintSectionFill(bitmap, FillArea, style, &texture);
        EXPECT_EQ(texture.Calls, c.Calls) << c.ImagePercent;
        if (c.Calls > 0) {
            EXPECT_EQ(texture.LastRect, FillArea);
        }
    }
}

TEST_F(SectionFillTest, AreaBeyondTheBitmapIsCut) {
    Bitmap bitmap(4, 3);
    bitmap.Fill(Base);
    const TsGradArray gradient{Solid(GradientColor)};
    PlainTexture texture(true);
    const SectionFillStyle style{StateColor, 60, 40, 0, &gradient};
    PaintSectionFill(bitmap, Rect{2, 1, 9, 7}, style, &texture);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const ColorRef expected = x >= 2 && y >= 1 ? RGB(80, 100, 120) : Base;
            EXPECT_EQ(bitmap.PixelAt(x, y), expected) << x << ',' << y;
        }
    }
}

TEST_F(SectionFillTest, EmptyAreaPaintsNothing) {
    Bitmap bitmap(4, 3);
    bitmap.Fill(Base);
    const Bitmap before = bitmap;
    PlainTexture texture(true);
    const SectionFillStyle style{StateColor, 0, 50, 0, nullptr};
    PaintSectionFill(bitmap, Rect{2, 1, 2, 3}, style, &texture);
    EXPECT_TRUE(bitmap == before);
    EXPECT_EQ(texture.Calls, 0);
}

}  // namespace
}  // namespace quendar
