#include "skin/paint/gradient.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/exception.h"
#include "platform/system_colors.h"

namespace quendar {
namespace {

constexpr ColorRef Untouched = RGB(1, 2, 3);

Bitmap Canvas(int width, int height, RowOrder order = RowOrder::BottomUp) {
    Bitmap bitmap(width, height, PixelFormat::Bits24, order);
    bitmap.Fill(Untouched);
    return bitmap;
}

std::vector<ColorRef> Column(const Bitmap& bitmap, int x) {
    std::vector<ColorRef> pixels;
    for (int y = 0; y < bitmap.Height(); ++y) pixels.push_back(bitmap.PixelAt(x, y));
    return pixels;
}

std::vector<ColorRef> Row(const Bitmap& bitmap, int y) {
    std::vector<ColorRef> pixels;
    for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.PixelAt(x, y));
    return pixels;
}

GradientBand Band(ColorRef from, ColorRef to, int percent, int mode = gmVertical) {
    return GradientBand{from, to, percent, mode, 0};
}

// ---------------------------------------------------------------- parsing

struct ParseCase {
    const char* Text;
    TsGradArray Expected;
};

TEST(ParseGradientData, FieldsBandsAndLimits) {
    const ParseCase cases[] = {
        {"14732489;11509661;100;0;0;11509661;11509661;0;0;0",
         {Band(14732489, 11509661, 100), Band(11509661, 11509661, 0)}},
        {"16777215;15332341;99;1;0;15332341;15332341;0;1;0",
         {Band(16777215, 15332341, 99, gmHorizontal), Band(15332341, 15332341, 0, gmHorizontal)}},
        {"14934497;9406856;33;0;0;9406856;8747639;4;0;0;8747639;11050135;64;0;0;11050135;11050135;0;0;0",
         {Band(14934497, 9406856, 33), Band(9406856, 8747639, 4), Band(8747639, 11050135, 64),
          Band(11050135, 11050135, 0)}},
        {" ", {}},
        {"N/A", {}},
        {"", {}},
        {";;;;;;", {}},
        {"1;2;3;4", {}},
        // Runs of separators count as one, empty fields are not counted.
        {";;1;;;2;3;;4;5;;", {Band(1, 2, 3, 4)}},
        // A remainder is ignored, even when it would not convert.
        {"1;2;3;0;0;x;y;z", {Band(1, 2, 3)}},
        // The fifth field is never read.
        {"1;2;3;0;garbage", {Band(1, 2, 3)}},
        {"1;2;3;0;77", {Band(1, 2, 3)}},
        {"0;0;150;0;0", {Band(0, 0, 100)}},
        {"0;0;101;0;0;0;0;100;0;0", {Band(0, 0, 100), Band(0, 0, 100)}},
        {"0;0;-5;0;0", {Band(0, 0, -5)}},
        {"007;-16777211;2147483647;-2147483648;0", {Band(7, 0xFF000005, 100, -2147483647 - 1)}},
    };
    for (const ParseCase& c : cases) {
        TsGradArray bands{Band(9, 9, 9)};
        ParseGradientData(c.Text, bands);
        EXPECT_EQ(bands, c.Expected) << '"' << c.Text << '"';
    }
}

TEST(ParseGradientData, NonDecimalFieldNamesBandAndField) {
    const struct {
        const char* Text;
        const char* Message;
    } cases[] = {
        {"1;x;3;0;0", "Invalid gradient data: Color2 of band 1 is \"x\", not a 32-bit decimal integer"},
        {"abc;2;3;0;0", "Invalid gradient data: Color1 of band 1 is \"abc\", not a 32-bit decimal integer"},
        {"1;2;3;0;0;4;5; 6;0;0",
         "Invalid gradient data: Percent of band 2 is \" 6\", not a 32-bit decimal integer"},
        {"1;2;3;0x1;0", "Invalid gradient data: Mode of band 1 is \"0x1\", not a 32-bit decimal integer"},
        {"+1;2;3;0;0", "Invalid gradient data: Color1 of band 1 is \"+1\", not a 32-bit decimal integer"},
        {"-;2;3;0;0", "Invalid gradient data: Color1 of band 1 is \"-\", not a 32-bit decimal integer"},
        {"4294967295;2;3;0;0",
         "Invalid gradient data: Color1 of band 1 is \"4294967295\", not a 32-bit decimal integer"},
        {"1;2;3\n;0;0", "Invalid gradient data: Percent of band 1 is \"3?\", not a 32-bit decimal integer"},
        {"1;2;\xC3\xA9;0;0", "Invalid gradient data: Percent of band 1 is \"??\", not a 32-bit decimal integer"},
        {"1;2;3;0123456789012345678901234567890123456789;0",
         "Invalid gradient data: Mode of band 1 is \"01234567890123456789012345678901...\", not a "
         "32-bit decimal integer"},
    };
    for (const auto& c : cases) {
        TsGradArray bands{Band(9, 9, 9)};
        try {
            ParseGradientData(c.Text, bands);
            ADD_FAILURE() << "no error for \"" << c.Text << '"';
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()), c.Message);
        }
        EXPECT_TRUE(bands.empty()) << c.Text;
    }
}

// ---------------------------------------------------------------- vertical bands

TEST(PaintGradient, VerticalExamplesInBothRowOrders) {
    for (RowOrder order : {RowOrder::BottomUp, RowOrder::TopDown}) {
        Bitmap bitmap = Canvas(2, 5, order);
        TsGradArray bands;
        ParseGradientData("14732489;11509661;100;0;0;11509661;11509661;0;0;0", bands);
        PaintGradient(bitmap, bitmap.Bounds(), bands, 0);
        const std::vector<ColorRef> expected{RGB(201, 204, 224), RGB(190, 193, 212), RGB(179, 182, 200),
                                             RGB(168, 170, 187), RGB(157, 159, 175)};
        EXPECT_EQ(Column(bitmap, 0), expected);
        EXPECT_EQ(Column(bitmap, 1), expected);
    }
}

TEST(PaintGradient, VerticalFourBandsStartOnTheRowThePreviousEnds) {
    Bitmap bitmap = Canvas(1, 25);
    TsGradArray bands;
    ParseGradientData(
        "14934497;9406856;33;0;0;9406856;8747639;4;0;0;8747639;11050135;64;0;0;11050135;11050135;0;0;0",
        bands);
    PaintGradient(bitmap, bitmap.Bounds(), bands, 0);
    // Bands cover rows 0-8, 8-9 and 9-24; row 4 is a tie (180.5) rounded to even.
    const struct {
        int Row;
        ColorRef Color;
    } expected[] = {{0, RGB(225, 225, 227)},  {4, RGB(180, 181, 185)}, {7, RGB(147, 148, 154)},
                    {8, RGB(136, 137, 143)},  {9, RGB(119, 122, 133)}, {10, RGB(121, 124, 135)},
                    {17, RGB(136, 140, 152)}, {24, RGB(151, 156, 168)}};
    for (const auto& e : expected) EXPECT_EQ(bitmap.PixelAt(0, e.Row), e.Color) << "row " << e.Row;
}

TEST(PaintGradient, VerticalBandRules) {
    const ColorRef a = RGB(0, 0, 0), b = RGB(200, 100, 40), c = RGB(100, 100, 100), d = RGB(200, 200, 200);
    const ColorRef u = Untouched;
    const struct {
        const char* Name;
        TsGradArray Bands;
        int Height;
        int Offset;
        std::vector<ColorRef> Expected;
    } cases[] = {
        // clang-format off
        {"one band of 50 % still reaches the bottom", {Band(a, b, 50)}, 5, 0,
         {a, RGB(50, 25, 10), RGB(100, 50, 20), RGB(150, 75, 30), b}},
        {"ties round to even", {Band(a, RGB(1, 3, 5), 100)}, 3, 0,
         {a, RGB(0, 2, 2), RGB(1, 3, 5)}},
        {"the next band paints over the shared row", {Band(a, b, 50), Band(c, d, 0)}, 5, 0,
         {a, RGB(100, 50, 20), c, RGB(150, 150, 150), d}},
        {"a 0 % band is skipped", {Band(a, b, 50), Band(b, b, 0), Band(c, d, 0)}, 5, 0,
         {a, RGB(100, 50, 20), c, RGB(150, 150, 150), d}},
        {"offset moves down and lengthens", {Band(a, RGB(30, 60, 90), 25), Band(c, d, 0)}, 6, 2,
         {u, u, a, RGB(15, 30, 45), c, d}},
        {"a band cut off by the bottom stops the loop",
         {Band(a, b, 100), Band(c, d, 50), Band(c, d, -100), Band(d, d, 0)}, 5, 0,
         {a, RGB(50, 25, 10), RGB(100, 50, 20), RGB(150, 75, 30), b}},
        {"a negative Percent never paints above the rectangle", {Band(c, c, -100), Band(a, b, 0)}, 4, 0,
         {RGB(114, 57, 23), RGB(143, 71, 29), RGB(171, 86, 34), b}},
        {"a negative offset never paints above the rectangle", {Band(a, RGB(70, 35, 0), 100)}, 4, -4,
         {RGB(40, 20, 0), RGB(50, 25, 0), RGB(60, 30, 0), RGB(70, 35, 0)}},
        // clang-format on
    };
    for (const auto& t : cases) {
        Bitmap bitmap = Canvas(1, t.Height);
        PaintGradient(bitmap, bitmap.Bounds(), t.Bands, t.Offset);
        EXPECT_EQ(Column(bitmap, 0), t.Expected) << t.Name;
    }
}

TEST(PaintGradient, VerticalStaysInsideTheRectangle) {
    Bitmap bitmap = Canvas(5, 5);
    PaintGradient(bitmap, Rect{1, 1, 4, 4}, {Band(RGB(0, 0, 0), RGB(20, 20, 20), 100)}, 0);
    const ColorRef u = Untouched, black = RGB(0, 0, 0), grey = RGB(10, 10, 10), light = RGB(20, 20, 20);
    EXPECT_EQ(Row(bitmap, 0), (std::vector<ColorRef>{u, u, u, u, u}));
    EXPECT_EQ(Row(bitmap, 1), (std::vector<ColorRef>{u, black, black, black, u}));
    EXPECT_EQ(Row(bitmap, 2), (std::vector<ColorRef>{u, grey, grey, grey, u}));
    EXPECT_EQ(Row(bitmap, 3), (std::vector<ColorRef>{u, light, light, light, u}));
    EXPECT_EQ(Row(bitmap, 4), (std::vector<ColorRef>{u, u, u, u, u}));
}

// ---------------------------------------------------------------- horizontal bands

TEST(PaintGradient, HorizontalEndsRoundHalfToEvenAndRowsAreEqual) {
    // Band ends: Round(2.5) = 2, Round(4.5) = 4, then the last band to column 9.
    const TsGradArray bands{Band(RGB(0, 0, 0), RGB(20, 40, 60), 25, gmHorizontal),
                            Band(RGB(100, 0, 0), RGB(110, 0, 0), 25, gmVertical),
                            Band(RGB(0, 0, 200), RGB(0, 0, 250), 0, gmVertical)};
    const std::vector<ColorRef> expected{RGB(0, 0, 0),   RGB(10, 20, 30), RGB(100, 0, 0), RGB(105, 0, 0),
                                         RGB(0, 0, 200), RGB(0, 0, 210),  RGB(0, 0, 220), RGB(0, 0, 230),
                                         RGB(0, 0, 240), RGB(0, 0, 250)};
    for (RowOrder order : {RowOrder::BottomUp, RowOrder::TopDown}) {
        Bitmap bitmap = Canvas(10, 3, order);
        PaintGradient(bitmap, bitmap.Bounds(), bands, 7);
        for (int y = 0; y < 3; ++y) EXPECT_EQ(Row(bitmap, y), expected) << "row " << y;
    }
}

TEST(PaintGradient, HorizontalExampleClosesAtTheRightEdge) {
    Bitmap bitmap = Canvas(200, 2);
    TsGradArray bands;
    ParseGradientData("16777215;15332341;99;1;0;15332341;15332341;0;1;0", bands);
    PaintGradient(bitmap, bitmap.Bounds(), bands, 0);
    const struct {
        int Column;
        ColorRef Color;
    } expected[] = {{0, RGB(255, 255, 255)},
                    {99, RGB(250, 249, 244)},
                    {197, RGB(245, 243, 233)},
                    {198, RGB(245, 243, 233)},
                    {199, RGB(245, 243, 233)}};
    for (const auto& e : expected) {
        EXPECT_EQ(bitmap.PixelAt(e.Column, 0), e.Color) << "column " << e.Column;
        EXPECT_EQ(bitmap.PixelAt(e.Column, 1), e.Color) << "column " << e.Column;
    }
}

TEST(PaintGradient, OnlyTheFirstBandsModeCounts) {
    Bitmap bitmap = Canvas(4, 3);
    TsGradArray bands;
    ParseGradientData("0;16777215;50;1;0;0;0;0;0;0", bands);
    PaintGradient(bitmap, bitmap.Bounds(), bands, 0);
    // 127.5 rounds to 128; column 2 is repainted by the closing band.
    const std::vector<ColorRef> expected{RGB(0, 0, 0), RGB(128, 128, 128), RGB(0, 0, 0), RGB(0, 0, 0)};
    for (int y = 0; y < 3; ++y) EXPECT_EQ(Row(bitmap, y), expected) << "row " << y;
}

TEST(PaintGradient, RectangleIsCutToTheBitmap) {
    const ColorRef u = Untouched;
    const struct {
        const char* Name;
        Rect Area;
        TsGradArray Bands;
        std::vector<std::vector<ColorRef>> Rows;
    } cases[] = {
        // clang-format off
        {"wider than the bitmap, horizontal scales to the cut width", Rect{0, 0, 10, 2},
         {Band(RGB(0, 0, 0), RGB(30, 60, 90), 100, gmHorizontal)},
         {{RGB(0, 0, 0), RGB(10, 20, 30), RGB(20, 40, 60), RGB(30, 60, 90)},
          {RGB(0, 0, 0), RGB(10, 20, 30), RGB(20, 40, 60), RGB(30, 60, 90)}}},
        {"wider than the bitmap, vertical", Rect{2, 0, 10, 2}, {Band(RGB(0, 0, 0), RGB(8, 8, 8), 100)},
         {{u, u, RGB(0, 0, 0), RGB(0, 0, 0)}, {u, u, RGB(8, 8, 8), RGB(8, 8, 8)}}},
        {"negative left and top", Rect{-3, -1, 2, 2}, {Band(RGB(0, 0, 0), RGB(8, 8, 8), 100)},
         {{RGB(0, 0, 0), RGB(0, 0, 0), u, u}, {RGB(8, 8, 8), RGB(8, 8, 8), u, u}}},
        {"outside the bitmap", Rect{4, 0, 9, 2}, {Band(RGB(0, 0, 0), RGB(8, 8, 8), 100)},
         {{u, u, u, u}, {u, u, u, u}}},
        {"empty array", Rect{0, 0, 4, 2}, {}, {{u, u, u, u}, {u, u, u, u}}},
        {"unknown mode", Rect{0, 0, 4, 2}, {Band(RGB(0, 0, 0), RGB(8, 8, 8), 100, 3)},
         {{u, u, u, u}, {u, u, u, u}}},
        // clang-format on
    };
    for (const auto& t : cases) {
        Bitmap bitmap = Canvas(4, 2);
        PaintGradient(bitmap, t.Area, t.Bands, 0);
        EXPECT_EQ(Row(bitmap, 0), t.Rows[0]) << t.Name;
        EXPECT_EQ(Row(bitmap, 1), t.Rows[1]) << t.Name;
    }
}

TEST(PaintGradient, OnlyTwentyFourBitBitmapsArePainted) {
    Bitmap bitmap(3, 3, PixelFormat::Bits32);
    bitmap.Fill(Untouched);
    const Bitmap before = bitmap;
    for (int mode : {gmVertical, gmHorizontal, gmFourTriangle}) {
        PaintGradient(bitmap, bitmap.Bounds(), {Band(RGB(9, 9, 9), RGB(9, 9, 9), 100, mode)}, 0);
        EXPECT_TRUE(bitmap == before) << "mode " << mode;
    }
}

TEST(PaintGradient, SystemColoursAreResolved) {
    Bitmap bitmap = Canvas(2, 2);
    const ColorRef window = SystemColorRef(COLOR_WINDOW);
    PaintGradient(bitmap, bitmap.Bounds(), {Band(window, window, 100)}, 0);
    EXPECT_EQ(bitmap.PixelAt(1, 1), GetSysColor(COLOR_WINDOW));
}

// ---------------------------------------------------------------- four triangles

TEST(FourTriangleMesh, VerticesColoursAndTriangles) {
    const ColorRef c0 = RGB(0x10, 0x20, 0x30), c1 = RGB(0xAB, 0xCD, 0xEF), c2 = RGB(1, 2, 3),
                   c3 = RGB(4, 5, 6), c4 = RGB(7, 8, 9);
    const struct {
        TsGradArray Bands;
        ColorRef Corners[5];
    } cases[] = {
        {{Band(c0, 0, 0, gmFourTriangle)}, {c0, c0, c0, c0, c0}},
        {{Band(c0, 0, 0, gmFourTriangle), Band(c1, 0, 0)}, {c0, c1, c1, c1, c1}},
        {{Band(c0, 0, 0, gmFourTriangle), Band(c1, 0, 0), Band(c2, 0, 0)}, {c0, c1, c2, c2, c2}},
        {{Band(c0, 0, 0, gmFourTriangle), Band(c1, 0, 0), Band(c2, 0, 0), Band(c3, 0, 0), Band(c4, 0, 0),
          Band(RGB(99, 99, 99), 0, 0)},
         {c0, c1, c2, c3, c4}},
    };
    const Point positions[5] = {{1, 2}, {4, 4}, {8, 2}, {8, 7}, {1, 7}};
    for (const auto& t : cases) {
        const FourTriangleMesh mesh = MakeFourTriangleMesh(Rect{1, 2, 8, 7}, t.Bands);
        for (int i = 0; i < 5; ++i) {
            const TriVertex& v = mesh.Vertices[i];
            EXPECT_EQ((Point{v.X, v.Y}), positions[i]) << "vertex " << i;
            EXPECT_EQ(v.Red, GetRValue(t.Corners[i]) << 8) << "vertex " << i;
            EXPECT_EQ(v.Green, GetGValue(t.Corners[i]) << 8) << "vertex " << i;
            EXPECT_EQ(v.Blue, GetBValue(t.Corners[i]) << 8) << "vertex " << i;
            EXPECT_EQ(v.Alpha, 0) << "vertex " << i;
        }
        const std::uint32_t triangles[4][3] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(mesh.Triangles[i].Vertex1, triangles[i][0]);
            EXPECT_EQ(mesh.Triangles[i].Vertex2, triangles[i][1]);
            EXPECT_EQ(mesh.Triangles[i].Vertex3, triangles[i][2]);
        }
    }
}

TEST(PaintGradient, FourTrianglesFillOnlyTheRectangle) {
    Bitmap bitmap = Canvas(6, 5);
    const ColorRef green = RGB(0, 200, 0);
    PaintGradient(bitmap, Rect{1, 1, 5, 4}, {Band(green, 0, 0, gmFourTriangle)}, 0);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 5 && y >= 1 && y < 4;
            EXPECT_EQ(bitmap.PixelAt(x, y), inside ? green : Untouched) << x << ',' << y;
        }
    }
}

}  // namespace
}  // namespace quendar
