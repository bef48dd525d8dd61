#include "platform/png_file.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <string>

#include "platform/platform_error.h"

namespace quendar {
namespace {

Bitmap Sample(int width, int height, PixelFormat format, RowOrder order) {
    Bitmap bitmap(width, height, format, order);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, RGB(x * 40, y * 60, 255 - x - y));
    }
    if (format == PixelFormat::Bits32) bitmap.ScanLine(0)[3] = 0x55;  // must not reach the file
    return bitmap;
}

// A PNG of another kind than the encoder writes, made by libpng's own simple API.
std::vector<std::uint8_t> ForeignPng(png_uint_32 format, int width, int height,
                                     const std::vector<std::uint8_t>& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    png_alloc_size_t size = 0;
    EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr));
    std::vector<std::uint8_t> bytes(size);
    EXPECT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr));
    bytes.resize(size);
    return bytes;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

// The file with the header's width and height replaced and its checksum mended,
// so only the size itself is wrong.
std::vector<std::uint8_t> WithHeaderSize(std::vector<std::uint8_t> png, std::uint32_t width,
                                         std::uint32_t height) {
    PutBigEndian(png, 16, width);
    PutBigEndian(png, 20, height);
    PutBigEndian(png, 29, Crc32(png.data() + 12, 17));  // chunk type and 13 data bytes
    return png;
}

std::string DecodeError(const std::vector<std::uint8_t>& png) {
    try {
        DecodePng(png);
    } catch (const PlatformError& error) {
        return error.what();
    }
    return "";
}

TEST(PngFile, EncodesEightBitRgb) {
    std::vector<std::uint8_t> png = EncodePng(Sample(300, 2, PixelFormat::Bits24, RowOrder::BottomUp));
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ(std::vector<std::uint8_t>(png.begin() + 16, png.begin() + 26),
              (std::vector<std::uint8_t>{0, 0, 0x01, 0x2C, 0, 0, 0, 2, 8, 2}));  // 300 x 2, depth 8, RGB
}

TEST(PngFile, RoundTripsEveryBitmapLayout) {
    for (PixelFormat format : {PixelFormat::Bits24, PixelFormat::Bits32}) {
        for (RowOrder order : {RowOrder::BottomUp, RowOrder::TopDown}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(format)) +
                         (order == RowOrder::TopDown ? " top-down" : " bottom-up"));
            Bitmap picture = Sample(5, 3, format, order);
            Bitmap decoded = DecodePng(EncodePng(picture));
            EXPECT_EQ(decoded.Format(), PixelFormat::Bits24);
            EXPECT_EQ(decoded, picture.ConvertedTo(PixelFormat::Bits24));
        }
    }
}

TEST(PngFile, RoundTripsThroughAFile) {
    Bitmap picture = Sample(4, 4, PixelFormat::Bits24, RowOrder::BottomUp);
    std::string path = ::testing::TempDir() + "quendar_png_file_test.png";
    WritePngFile(picture, path);
    EXPECT_EQ(ReadPngFile(path), picture);
    std::remove(path.c_str());
    EXPECT_THROW(ReadPngFile(path), PlatformError);
    EXPECT_THROW(WritePngFile(picture, ::testing::TempDir() + "no/such/folder/x.png"), PlatformError);
    EXPECT_THROW(EncodePng(Bitmap(0, 3)), PlatformError);
}

TEST(PngFile, DecodesOtherKindsToRgb) {
    struct Case {
        const char* name;
        png_uint_32 format;
        std::vector<std::uint8_t> pixels;  // two pixels
        ColorRef left;
        ColorRef right;
    };
    const Case cases[] = {
        {"grey", PNG_FORMAT_GRAY, {0x10, 0xF0}, RGB(0x10, 0x10, 0x10), RGB(0xF0, 0xF0, 0xF0)},
        {"alpha dropped", PNG_FORMAT_RGBA, {1, 2, 3, 0, 4, 5, 6, 255}, RGB(1, 2, 3), RGB(4, 5, 6)},
        {"16-bit reduced",
         PNG_FORMAT_LINEAR_RGB,
         {0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         RGB(0, 0, 0),
         RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap bitmap = DecodePng(ForeignPng(c.format, 2, 1, c.pixels));
        ASSERT_EQ(bitmap.Dimensions(), (Size{2, 1}));
        EXPECT_EQ(bitmap.PixelAt(0, 0), c.left);
        EXPECT_EQ(bitmap.PixelAt(1, 0), c.right);
    }
}

TEST(PngFile, MalformedFilesAreRefused) {
    const std::vector<std::uint8_t> valid = EncodePng(Sample(6, 4, PixelFormat::Bits24, RowOrder::BottomUp));
    ASSERT_EQ(DecodeError(valid), "");
    std::vector<std::uint8_t> badChecksum = valid;
    badChecksum[40] ^= 0xFF;  // inside the image data, after the header chunk
    std::vector<std::uint8_t> truncated(valid.begin(),
                                        valid.begin() + static_cast<std::ptrdiff_t>(valid.size() / 2));
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
    };
    const Case cases[] = {
        {"empty", {}},
        {"not a PNG", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}},
        {"signature only", std::vector<std::uint8_t>(valid.begin(), valid.begin() + 8)},
        {"truncated", truncated},
        {"bad checksum", badChecksum},
        {"width 0", WithHeaderSize(valid, 0, 4)},
        {"100000 x 100000", WithHeaderSize(valid, 100000, 100000)},
        {"fits the side limit, not the byte limit", WithHeaderSize(valid, 32768, 32768)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string message = DecodeError(c.file);
        EXPECT_EQ(message.rfind("PNG: ", 0), 0u) << message;
    }
}

}  // namespace
}  // namespace quendar
