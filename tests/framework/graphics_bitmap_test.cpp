// TBitmap: transparent drawing, stretching, BMP streams and the stored form.

#include "framework/graphics_bitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/graphics_errors.h"
#include "platform/bmp_file.h"
#include "platform/pixel_picture.h"

namespace quendar {
namespace {

using Rows = std::vector<std::string>;

constexpr ColorRef Magenta = RGB(255, 0, 255);

std::vector<PaletteEntry> PaletteWithMagenta() {
    std::vector<PaletteEntry> palette = DefaultPalette();
    palette.push_back({Magenta, 'M'});
    return palette;
}

// Fills a bitmap from rows of palette symbols.
void Paint(TBitmap& bitmap, const Rows& rows) {
    bitmap.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    std::vector<PaletteEntry> palette = PaletteWithMagenta();
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            for (const PaletteEntry& entry : palette)
                if (entry.Symbol == rows[y][x]) bitmap.PixelBuffer().SetPixel(x, y, entry.Color);
        }
    }
}

Rows Show(const TBitmap& bitmap) { return Picture(bitmap.PixelBuffer(), PaletteWithMagenta()); }

TEST(GraphicsBitmapTest, DrawSkipsTheTransparentColour) {
    struct Case {
        const char* Name;
        bool Transparent;
        TColor Fixed;  // clDefault: the bottom-left pixel decides
        Rows Expected;
    };
    // The picture's bottom-left pixel is magenta.
    const Rows picture = {"RMB", "MGM", "MRR"};
    const Case cases[] = {
        {"opaque", false, clDefault, {"WWWWW", "WRMBW", "WMGMW", "WMRRW"}},
        {"automatic colour", true, clDefault, {"WWWWW", "WRWBW", "WWGWW", "WWRRW"}},
        {"fixed colour", true, clRed, {"WWWWW", "WWMBW", "WMGMW", "WMWWW"}},
    };
    for (const Case& c : cases) {
        TBitmap sprite;
        Paint(sprite, picture);
        sprite.SetTransparent(c.Transparent);
        sprite.SetTransparentColor(c.Fixed);
        TBitmap target;
        Paint(target, {"WWWWW", "WWWWW", "WWWWW", "WWWWW"});
        target.Canvas().Draw(1, 1, sprite);
        EXPECT_EQ(Show(target), c.Expected) << c.Name;
    }
}

TEST(GraphicsBitmapTest, TransparentColourModes) {
    TBitmap bitmap;
    EXPECT_EQ(bitmap.TransparentColor(), clDefault);
    Paint(bitmap, {"RR", "BR"});
    EXPECT_EQ(bitmap.TransparentMode(), TTransparentMode::tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
    bitmap.SetTransparentColor(0xFF00FF);
    EXPECT_EQ(bitmap.TransparentMode(), TTransparentMode::tmFixed);
    EXPECT_EQ(bitmap.TransparentColor(), 0xFF00FF);
    bitmap.SetTransparentMode(TTransparentMode::tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
    bitmap.SetTransparentMode(TTransparentMode::tmFixed);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
}

TEST(GraphicsBitmapTest, TransparentStretchAndClipping) {
    TBitmap sprite;
    Paint(sprite, {"RM", "MB"});
    sprite.SetTransparent(true);
    sprite.SetTransparentColor(0xFF00FF);
    TBitmap target;
    Paint(target, {"WWWWW", "WWWWW", "WWWWW", "WWWWW"});
    target.Canvas().StretchDraw({-1, 0, 3, 4}, sprite);
    EXPECT_EQ(Show(target), (Rows{"RWWWW", "RWWWW", "WBBWW", "WBBWW"}));
}

TEST(GraphicsBitmapTest, StretchDrawOpaque) {
    TBitmap sprite;
    Paint(sprite, {"RG", "BY"});
    TBitmap target;
    Paint(target, {"WWWWW", "WWWWW", "WWWWW"});
    target.Canvas().StretchDraw({0, 0, 4, 2}, sprite);
    EXPECT_EQ(Show(target), (Rows{"RRGGW", "BBYYW", "WWWWW"}));
}

TEST(GraphicsBitmapTest, CanvasFollowsResizing) {
    TBitmap bitmap(2, 2);
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect({0, 0, 2, 2});
    bitmap.SetSize(4, 3);
    bitmap.Canvas().FillRect({0, 0, 4, 3});
    EXPECT_EQ(Show(bitmap), (Rows{"RRRR", "RRRR", "RRRR"}));
    bitmap.SetPixelFormat(TPixelFormat::pf32bit);
    EXPECT_EQ(bitmap.PixelBuffer().Format(), PixelFormat::Bits32);
    bitmap.Canvas().Brush().SetColor(clBlue);
    bitmap.Canvas().FillRect({3, 2, 4, 3});
    EXPECT_EQ(Show(bitmap), (Rows{"RRRR", "RRRR", "RRRB"}));
}

TEST(GraphicsBitmapTest, ResizeKeepsSharedPixels) {
    TBitmap bitmap;
    Paint(bitmap, {"RG", "BY"});
    bitmap.SetWidth(3);
    EXPECT_EQ(Show(bitmap), (Rows{"RG.", "BY."}));
    bitmap.SetHeight(1);
    EXPECT_EQ(Show(bitmap), (Rows{"RG."}));
    EXPECT_THROW(bitmap.SetSize(-1, 2), EInvalidGraphic);
    EXPECT_EQ(Show(bitmap), (Rows{"RG."}));
}

TEST(GraphicsBitmapTest, ScanLineRowsAndRange) {
    TBitmap bitmap;
    Paint(bitmap, {"RG", "BY"});
    const std::uint8_t* top = bitmap.ScanLine(0);
    EXPECT_EQ(top[0], 0);  // blue, green, red of R
    EXPECT_EQ(top[2], 255);
    EXPECT_EQ(bitmap.ScanLine(1)[0], 255);  // B
    for (int row : {-1, 2}) {
        try {
            bitmap.ScanLine(row);
            ADD_FAILURE() << row;
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message(), "Scan line index out of range");
        }
    }
}

TEST(GraphicsBitmapTest, AssignCopiesIndependently) {
    TBitmap source;
    Paint(source, {"RG", "BY"});
    source.SetTransparent(true);
    source.SetTransparentColor(clLime);
    TBitmap copy;
    copy.Assign(source);
    source.Canvas().SetPixels(0, 0, clWhite);
    EXPECT_EQ(Show(copy), (Rows{"RG", "BY"}));
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clLime);
}

TEST(GraphicsBitmapTest, BmpStreamRoundTrips) {
    struct Case {
        const char* Name;
        TPixelFormat Format;
        int FileBits;  // bits per pixel written
    };
    const Case cases[] = {
        {"24-bit", TPixelFormat::pf24bit, 24},
        {"palette", TPixelFormat::pf8bit, 8},
        {"32-bit", TPixelFormat::pf32bit, 24},
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        Paint(bitmap, {"RGM", "BY.", "WWR"});
        bitmap.SetPixelFormat(c.Format);
        std::vector<std::uint8_t> file = bitmap.SaveToStream();
        ASSERT_GE(file.size(), 30u) << c.Name;
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(file[28], c.FileBits) << c.Name;
        TBitmap loaded;
        loaded.LoadFromStream(file);
        EXPECT_EQ(Show(loaded), (Rows{"RGM", "BY.", "WWR"})) << c.Name;
        EXPECT_EQ(loaded.PixelFormat(), c.FileBits == 8 ? TPixelFormat::pf8bit : TPixelFormat::pf24bit)
            << c.Name;
    }
}

TEST(GraphicsBitmapTest, PaletteBitmapWithManyColoursSavesAs24Bit) {
    TBitmap bitmap(300, 1);
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);
    for (int x = 0; x < 300; ++x) bitmap.Canvas().SetPixels(x, 0, x);
    std::vector<std::uint8_t> file = bitmap.SaveToStream();
    EXPECT_EQ(file[28], 24);
    TBitmap loaded;
    loaded.LoadFromStream(file);
    EXPECT_EQ(loaded.PixelBuffer().PixelAt(299, 0), 299u);
}

TEST(GraphicsBitmapTest, StoredFormIsCountThenFile) {
    TBitmap bitmap;
    Paint(bitmap, {"RG", "BY"});
    std::vector<std::uint8_t> data = bitmap.WriteData();
    std::vector<std::uint8_t> file = bitmap.SaveToStream();
    ASSERT_EQ(data.size(), file.size() + 4);
    std::uint32_t count = data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    EXPECT_EQ(count, file.size());
    EXPECT_TRUE(std::equal(file.begin(), file.end(), data.begin() + 4));

    TBitmap loaded;
    loaded.ReadData(data);
    EXPECT_EQ(Show(loaded), (Rows{"RG", "BY"}));

    TBitmap empty;
    EXPECT_EQ(empty.WriteData(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    loaded.ReadData(empty.WriteData());
    EXPECT_TRUE(loaded.Empty());
}

TEST(GraphicsBitmapTest, BadStreamsAreRefusedAndLeaveThePicture) {
    TBitmap good;
    Paint(good, {"RG", "BY"});
    std::vector<std::uint8_t> data = good.WriteData();
    std::vector<std::uint8_t> file = good.SaveToStream();

    std::vector<std::uint8_t> shortCount = data;
    shortCount[0] = static_cast<std::uint8_t>(shortCount[0] + 1);
    std::vector<std::uint8_t> cutFile(file.begin(), file.begin() + 40);
    std::vector<std::uint8_t> notBmp = file;
    notBmp[0] = 'X';
    struct Case {
        const char* Name;
        bool Stored;
        std::vector<std::uint8_t> Bytes;
        std::string Message;  // prefix
    };
    const Case cases[] = {
        {"count disagrees", true, shortCount, "TBitmap data: the byte count says"},
        {"no count", true, {1, 0}, "TBitmap data: 2 bytes are too few"},
        {"cut file", false, cutFile, "BMP: "},
        {"no signature", false, notBmp, "BMP: "},
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        Paint(bitmap, {"WW"});
        try {
            if (c.Stored)
                bitmap.ReadData(c.Bytes);
            else
                bitmap.LoadFromStream(c.Bytes);
            ADD_FAILURE() << c.Name;
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message().rfind(c.Message, 0), 0u) << c.Name << ": " << error.Message();
        }
        EXPECT_EQ(Show(bitmap), (Rows{"WW"})) << c.Name;
    }
}

TEST(GraphicsBitmapTest, CanvasDrawingNotifies) {
    TBitmap bitmap(2, 2);
    int notices = 0;
    bitmap.OnChange = [&](TPersistent*) { ++notices; };
    bitmap.Canvas().FillRect({0, 0, 1, 1});
    bitmap.SetSize(3, 3);
    bitmap.SetSize(3, 3);
    EXPECT_EQ(notices, 2);
}

}  // namespace
}  // namespace quendar
