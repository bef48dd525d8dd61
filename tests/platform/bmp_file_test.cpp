#include "platform/bmp_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/bmp_test_files.h"
#include "platform/platform_error.h"

namespace quendar {
namespace {

const std::vector<ColorRef> FourColors = {RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(17, 34, 51)};

// Five pixels wide so that packed rows end inside a byte and need padding.
const std::vector<std::vector<int>> FourColorPicture = {{0, 1, 2, 3, 0}, {3, 3, 2, 1, 0}, {1, 0, 0, 0, 2}};
const std::vector<std::vector<int>> TwoColorPicture = {{0, 1, 1, 0, 1}, {1, 1, 0, 0, 0}, {0, 0, 0, 1, 1}};

void ExpectPicture(const Bitmap& bitmap, const std::vector<std::vector<int>>& indexes,
                   const std::vector<ColorRef>& palette) {
    ASSERT_EQ(bitmap.Height(), static_cast<int>(indexes.size()));
    ASSERT_EQ(bitmap.Width(), static_cast<int>(indexes[0].size()));
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            EXPECT_EQ(bitmap.PixelAt(x, y), palette[indexes[y][x]]) << "pixel " << x << ", " << y;
        }
    }
}

// One 32-bit pixel with colour masks putting red in the low byte, the reverse
// of the usual layout.
TestBmp RedInLowByte(std::vector<std::uint8_t> pixel) {
    TestBmp bmp = DirectBmp(1, 1, 32, std::move(pixel));
    bmp.Compression = 3;
    bmp.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    return bmp;
}

// Message of the PlatformError that reading raises, or "" when it succeeds.
std::string ReadError(const std::vector<std::uint8_t>& file) {
    try {
        ReadBmp(file);
    } catch (const PlatformError& error) {
        return error.what();
    }
    return "";
}

TEST(BmpFile, ReadsPaletteDepthsInBothRowOrders) {
    struct Case {
        int bits;
        int headerSize;
        bool topDown;
    };
    const Case cases[] = {{1, 40, false}, {1, 40, true},   {4, 40, false}, {4, 40, true}, {8, 40, false},
                          {8, 40, true},  {8, 124, false}, {4, 12, false}, {1, 12, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.bits) + " bits, header " + std::to_string(c.headerSize) +
                     (c.topDown ? ", top-down" : ", bottom-up"));
        const auto& picture = c.bits == 1 ? TwoColorPicture : FourColorPicture;
        std::vector<ColorRef> palette(FourColors.begin(), FourColors.begin() + (c.bits == 1 ? 2 : 4));
        // The core header knows no colour count: its palette is always full.
        if (c.headerSize == 12) palette.resize(std::size_t{1} << c.bits, RGB(0, 0, 0));
        TestBmp bmp =
            IndexedBmp(5, c.topDown ? -3 : 3, c.bits, palette, PackIndexes(picture, c.bits, c.topDown));
        bmp.HeaderSize = c.headerSize;
        Bitmap bitmap = ReadBmp(MakeBmpFile(bmp));
        EXPECT_EQ(bitmap.Format(), PixelFormat::Bits24);
        EXPECT_EQ(bitmap.Order(), c.topDown ? RowOrder::TopDown : RowOrder::BottomUp);
        ExpectPicture(bitmap, picture, palette);
    }
}

TEST(BmpFile, PackedPixelsStartAtTheHighBits) {
    // Written out by hand rather than by PackIndexes, to pin the bit order.
    struct Case {
        int bits;
        std::vector<std::uint8_t> row;
        std::vector<int> indexes;
    };
    const Case cases[] = {{1, {0b10110000, 0, 0, 0}, {1, 0, 1, 1, 0}},
                          {4, {0x30, 0x21, 0x00, 0}, {3, 0, 2, 1, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        TestBmp bmp = IndexedBmp(5, 1, c.bits, FourColors, c.row);
        if (c.bits == 1) bmp.Palette.resize(2);
        ExpectPicture(ReadBmp(MakeBmpFile(bmp)), {c.indexes}, FourColors);
    }
}

TEST(BmpFile, Reads24BitFilesInBothRowOrders) {
    // Two rows of two pixels, each row padded from 6 to 8 bytes.
    const std::vector<std::uint8_t> topRow = {1, 2, 3, 4, 5, 6, 0xEE, 0xEE};
    const std::vector<std::uint8_t> bottomRow = {7, 8, 9, 10, 11, 12, 0xEE, 0xEE};
    for (bool topDown : {false, true}) {
        SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
        std::vector<std::uint8_t> pixels = topDown ? topRow : bottomRow;
        const std::vector<std::uint8_t>& second = topDown ? bottomRow : topRow;
        pixels.insert(pixels.end(), second.begin(), second.end());
        Bitmap bitmap = ReadBmp(MakeBmpFile(DirectBmp(2, topDown ? -2 : 2, 24, pixels)));
        EXPECT_EQ(bitmap.Format(), PixelFormat::Bits24);
        EXPECT_EQ(bitmap.PixelAt(0, 0), RGB(3, 2, 1));
        EXPECT_EQ(bitmap.PixelAt(1, 0), RGB(6, 5, 4));
        EXPECT_EQ(bitmap.PixelAt(0, 1), RGB(9, 8, 7));
        EXPECT_EQ(bitmap.PixelAt(1, 1), RGB(12, 11, 10));
    }
}

TEST(BmpFile, ThirtyTwoBitFilesKeepTheirFourthBytes) {
    // All-zero fourth bytes are the usual case and must not turn into 255.
    const std::vector<std::uint8_t> zeroAlpha = {1, 2, 3, 0, 4, 5, 6, 0};
    const std::vector<std::uint8_t> mixedAlpha = {1, 2, 3, 0x80, 4, 5, 6, 0};
    for (const auto* row : {&zeroAlpha, &mixedAlpha}) {
        for (bool topDown : {false, true}) {
            std::vector<std::uint8_t> pixels = *row;
            pixels.insert(pixels.end(), {9, 9, 9, 9, 9, 9, 9, 9});  // the other row
            if (!topDown) std::rotate(pixels.begin(), pixels.begin() + 8, pixels.end());
            Bitmap bitmap = ReadBmp(MakeBmpFile(DirectBmp(2, topDown ? -2 : 2, 32, pixels)));
            ASSERT_EQ(bitmap.Format(), PixelFormat::Bits32);
            EXPECT_EQ(std::vector<std::uint8_t>(bitmap.ScanLine(0), bitmap.ScanLine(0) + 8), *row);
            EXPECT_EQ(bitmap.PixelAt(1, 1), RGB(9, 9, 9));
        }
    }
}

TEST(BmpFile, ReadsSixteenBitAndColourMaskFiles) {
    // 16 bits: five bits each of red, green, blue (high to low).
    std::vector<std::uint8_t> rgb555 = {0x00, 0x7C, 0xFF, 0x7F, 0x1F, 0x00, 0x00, 0x00};
    Bitmap sixteen = ReadBmp(MakeBmpFile(DirectBmp(3, 1, 16, rgb555)));
    EXPECT_EQ(sixteen.Format(), PixelFormat::Bits24);
    EXPECT_EQ(sixteen.PixelAt(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(sixteen.PixelAt(1, 0), RGB(255, 255, 255));
    EXPECT_EQ(sixteen.PixelAt(2, 0), RGB(0, 0, 255));

    Bitmap masked = ReadBmp(MakeBmpFile(RedInLowByte({10, 20, 30, 0})));
    EXPECT_EQ(masked.Format(), PixelFormat::Bits32);
    EXPECT_EQ(masked.PixelAt(0, 0), RGB(10, 20, 30));
}

TEST(BmpFile, DecodesRle8) {
    // A palette of four colours, a picture of 4 x 3; data runs from the bottom row up.
    struct Case {
        const char* name;
        std::vector<std::uint8_t> data;
        std::vector<std::vector<int>> picture;  // top row first
    };
    const Case cases[] = {
        {"encoded runs",
         {4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 1, 0, 3, 3, 0, 1},
         {{0, 3, 3, 3}, {2, 2, 3, 3}, {1, 1, 1, 1}}},
        {"absolute runs, odd one padded",
         {0, 3, 1, 2, 3, 0, 1, 0, 0, 0, 0, 4, 3, 2, 1, 0, 0, 0, 4, 1, 0, 1},
         {{1, 1, 1, 1}, {3, 2, 1, 0}, {1, 2, 3, 0}}},
        {"delta skips pixels", {1, 2, 0, 2, 2, 1, 1, 3, 0, 1}, {{0, 0, 0, 0}, {0, 0, 0, 3}, {2, 0, 0, 0}}},
        {"early end of bitmap", {2, 1, 0, 1}, {{0, 0, 0, 0}, {0, 0, 0, 0}, {1, 1, 0, 0}}},
        {"no end code after the last row",
         {4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 0},
         {{3, 3, 3, 3}, {2, 2, 2, 2}, {1, 1, 1, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap bitmap = ReadBmp(MakeBmpFile(Rle8Bmp(4, 3, FourColors, c.data)));
        EXPECT_EQ(bitmap.Format(), PixelFormat::Bits24);
        ExpectPicture(bitmap, c.picture, FourColors);
    }
}

TEST(BmpFile, Rle8ReadsOnlyTheDeclaredImageSize) {
    // The run after the declared size would pass the last row if it were read.
    TestBmp bmp = Rle8Bmp(2, 1, FourColors, {2, 1, 0, 0, 2, 3});
    bmp.ImageSize = 4;
    ExpectPicture(ReadBmp(MakeBmpFile(bmp)), {{1, 1}}, FourColors);
}

TEST(BmpFile, Write24RoundTripsAndLaysOutTheFile) {
    for (PixelFormat format : {PixelFormat::Bits24, PixelFormat::Bits32}) {
        Bitmap picture(7, 5, format, RowOrder::TopDown);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 7; ++x) picture.SetPixel(x, y, RGB(x * 30, y * 50, x + y));
        }
        std::vector<std::uint8_t> file = WriteBmp24(picture);
        ASSERT_EQ(file.size(), 54u + 24u * 5u);  // 21 bytes a row padded to 24
        EXPECT_EQ(file[10], 54);
        EXPECT_EQ(file[28], 24);
        // The first stored row is the bottom one: pixel (0, 4) is blue 4, green 200, red 0.
        EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 54, file.begin() + 57),
                  (std::vector<std::uint8_t>{4, 200, 0}));
        EXPECT_EQ(ReadBmp(file), picture.ConvertedTo(PixelFormat::Bits24));
    }
}

TEST(BmpFile, Write8PutsAPaletteOf256AndPixelsAt1078) {
    Bitmap picture(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) picture.SetPixel(x, y, FourColors[FourColorPicture[y][x]]);
    }
    std::vector<std::uint8_t> file = WriteBmp8(picture);
    ASSERT_EQ(file.size(), 1078u + 8u * 3u);
    EXPECT_EQ(file[10] | (file[11] << 8), 1078);
    EXPECT_EQ(file[2] | (file[3] << 8), 1078 + 24);
    EXPECT_EQ(file[28], 8);
    // Palette in order of first appearance from the top left: red, green, blue, grey-blue.
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 54, file.begin() + 70),
              (std::vector<std::uint8_t>{0, 0, 255, 0, 0, 128, 0, 0, 255, 0, 0, 0, 51, 34, 17, 0}));
    // Stored rows run bottom up: the picture's last row {1, 0, 0, 0, 2} comes first.
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 1078, file.begin() + 1086),
              (std::vector<std::uint8_t>{1, 0, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(ReadBmp(file), picture);
    EXPECT_EQ(WriteBmp8(picture.ConvertedTo(PixelFormat::Bits32)), file);
}

TEST(BmpFile, Write8SizesMatchTheStoredSkinPictures) {
    // The internal skin stores its master bitmap and its button picture as
    // 8-bit files of exactly these byte counts.
    EXPECT_EQ(WriteBmp8(Bitmap(156, 292)).size(), 46630u);
    EXPECT_EQ(WriteBmp8(Bitmap(288, 192)).size(), 56374u);
    EXPECT_EQ(WriteBmp8(Bitmap(3, 1)).size(), 1078u + 4u);
}

TEST(BmpFile, Write8HoldsAtMost256Colours) {
    // 256 different colours, then the rest of the picture repeats the first.
    Bitmap picture(16, 17);
    for (int i = 0; i < 16 * 17; ++i) picture.SetPixel(i % 16, i / 16, RGB(i < 256 ? i : 0, 0, 7));
    EXPECT_EQ(ReadBmp(WriteBmp8(picture)), picture);
    picture.SetPixel(15, 16, RGB(0, 1, 7));
    EXPECT_THROW(WriteBmp8(picture), PlatformError);
}

TEST(BmpFile, EmptyBitmapsAreNotWritten) {
    Bitmap empty(0, 4);
    EXPECT_THROW(WriteBmp8(empty), PlatformError);
    EXPECT_THROW(WriteBmp24(empty), PlatformError);
}

TEST(BmpFile, FilesRoundTripOnDisk) {
    Bitmap picture(3, 2);
    picture.SetPixel(2, 1, RGB(9, 8, 7));
    std::string path = ::testing::TempDir() + "quendar_bmp_file_test.bmp";
    WriteBmpFile24(picture, path);
    EXPECT_EQ(ReadBmpFile(path), picture);
    WriteBmpFile8(picture, path);
    EXPECT_EQ(ReadBmpFile(path), picture);
    std::remove(path.c_str());

    EXPECT_THROW(ReadBmpFile(path), PlatformError);
    EXPECT_THROW(WriteBmpFile24(picture, ::testing::TempDir() + "no/such/folder/x.bmp"), PlatformError);
}

// ---- malformed files ----

std::vector<std::uint8_t> ValidEightBit() {
    return MakeBmpFile(IndexedBmp(3, 2, 8, FourColors, {0, 1, 2, 0, 3, 0, 1, 0}));
}

std::vector<std::uint8_t> WithField(std::vector<std::uint8_t> file, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return file;
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> file, std::size_t size) {
    file.resize(size);
    return file;
}

std::vector<std::uint8_t> Rle(std::vector<std::uint8_t> data, int height = 2) {
    return MakeBmpFile(Rle8Bmp(3, height, FourColors, data));
}

TEST(BmpFile, MalformedFilesAreRefused) {
    // Offsets into the file: 10 data offset, 18 width, 22 height, 28 depth,
    // 30 compression, 34 image size, 46 colours used.
    const std::vector<std::uint8_t> valid = ValidEightBit();
    ASSERT_EQ(ReadError(valid), "");
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", {}, "too short"},
        {"no signature", WithField(valid, 0, 0x4D42 << 8), "signature"},
        {"cut in the info header", Cut(valid, 30), "inside the info header"},
        {"unknown header size", WithField(valid, 14, 64), "unsupported info header"},
        {"width 0", WithField(valid, 18, 0), "bad picture size 0 x 2"},
        {"negative width", WithField(valid, 18, static_cast<std::uint32_t>(-3)), "bad picture size -3 x 2"},
        {"height 0", WithField(valid, 22, 0), "bad picture size 3 x 0"},
        {"most negative height", WithField(valid, 22, 0x80000000u), "too large"},
        {"100000 x 100000", WithField(WithField(valid, 18, 100000), 22, 100000), "too large"},
        {"fits the side limit, not the byte limit",
         WithField(WithField(WithField(valid, 30, 1), 18, 32768), 22, 32768), "too large"},
        {"depth 7", WithField(valid, 28, 7), "unsupported depth"},
        {"palette larger than the depth allows", WithField(valid, 46, 300), "does not suit"},
        {"cut in the palette", Cut(WithField(valid, 46, 0), 100), "inside the palette"},
        {"data offset past the end", WithField(valid, 10, 5000), "beyond the end"},
        {"data offset inside the palette", WithField(valid, 10, 60), "inside the headers"},
        {"pixels cut short", Cut(valid, valid.size() - 1), "truncated"},
        {"compressed top-down", WithField(Rle({0, 1}), 22, static_cast<std::uint32_t>(-2)), "top-down"},
        {"RLE image size past the end", WithField(Rle({0, 1}), 34, 100), "truncated"},
        {"RLE4", WithField(WithField(valid, 28, 4), 30, 2), "not supported"},
        {"unknown compression", WithField(valid, 30, 9), "unsupported compression"},
        {"masks on a palette picture", WithField(valid, 30, 3), "colour masks"},
        {"cut in the colour masks", Cut(MakeBmpFile(RedInLowByte({1, 2, 3, 4})), 60),
         "inside the colour masks"},
        {"8-bit index beyond the palette", WithField(valid, 58 + 4 * 4, 0x00000009), "palette"},
        {"4-bit index beyond the palette", MakeBmpFile(IndexedBmp(2, 1, 4, FourColors, {0x19, 0, 0, 0})),
         "palette"},
        {"RLE run past the row end", Rle({4, 1, 0, 1}), "passes the end of row 0"},
        {"RLE absolute run past the row end", Rle({0, 4, 1, 1, 1, 1, 0, 1}), "passes the end of row 0"},
        {"RLE delta past the right edge", Rle({0, 2, 4, 0, 0, 1}), "delta"},
        {"RLE delta past the top", Rle({0, 2, 0, 3, 0, 1}), "delta"},
        {"RLE run after the last row", Rle({0, 0, 0, 0, 1, 1}), "past the last row"},
        {"RLE cut in a code", Rle({3, 1, 0}), "middle of a code"},
        {"RLE cut in an absolute run", Rle({0, 3, 1, 1}), "middle of a code"},
        {"RLE cut in a delta", Rle({0, 2, 1}), "middle of a code"},
        {"RLE ends before the picture", Rle({3, 1, 0, 0}), "before the picture is complete"},
        {"RLE empty", Rle({}), "before the picture is complete"},
        {"RLE index beyond the palette", Rle({3, 200, 0, 1}), "palette index 200 is out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string message = ReadError(c.file);
        EXPECT_EQ(message.rfind("BMP: ", 0), 0u) << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace quendar
