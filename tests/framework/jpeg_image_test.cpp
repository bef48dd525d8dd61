// TJPEGImage and the libjpeg codec: round trips, settings in the file, and
// refusal of damaged data.

#include "framework/jpeg_image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/graphics_bitmap.h"
#include "framework/graphics_errors.h"
#include "framework/jpeg_codec.h"

namespace quendar {
namespace {

// A one-colour picture, as the argument of Assign.
class FlatBitmap : public TBitmap {
public:
    FlatBitmap(int width, int height, ColorRef color) : TBitmap(width, height) { PixelBuffer().Fill(color); }
};

// The largest difference of any channel of any pixel from `color`.
int LargestDifference(const Bitmap& pixels, ColorRef color) {
    int largest = 0;
    for (int y = 0; y < pixels.Height(); ++y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            ColorRef p = pixels.PixelAt(x, y);
            largest = std::max({largest, std::abs(GetRValue(p) - GetRValue(color)),
                                std::abs(GetGValue(p) - GetGValue(color)),
                                std::abs(GetBValue(p) - GetBValue(color))});
        }
    }
    return largest;
}

std::vector<std::uint8_t> SmallJpeg() {
    TJPEGImage jpeg;
    jpeg.Assign(FlatBitmap(16, 8, RGB(40, 120, 200)));
    return jpeg.Data();
}

// Offset of the first marker FF <code>, or npos.
std::size_t FindMarker(const std::vector<std::uint8_t>& bytes, std::uint8_t code) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == code) return i;
    return std::string::npos;
}

TEST(JpegImageTest, FlatPicturesRoundTripWithinTolerance) {
    struct Case {
        const char* Name;
        int Width;
        int Height;
        ColorRef Color;
        bool Progressive;
        bool Grayscale;
        int Tolerance;
    };
    const Case cases[] = {
        {"baseline colour", 162, 58, RGB(40, 120, 200), false, false, 3},
        {"odd size", 7, 3, RGB(255, 0, 255), false, false, 6},
        {"progressive", 33, 17, RGB(10, 200, 90), true, false, 3},
        {"grey", 20, 20, RGB(128, 128, 128), false, true, 2},
    };
    for (const Case& c : cases) {
        TJPEGImage jpeg;
        jpeg.SetProgressiveEncoding(c.Progressive);
        jpeg.SetGrayscale(c.Grayscale);
        jpeg.Assign(FlatBitmap(c.Width, c.Height, c.Color));
        EXPECT_EQ(jpeg.Width(), c.Width) << c.Name;
        EXPECT_EQ(jpeg.Height(), c.Height) << c.Name;
        EXPECT_EQ(jpeg.ProgressiveDisplay(), c.Progressive) << c.Name;

        TJPEGImage loaded;
        loaded.LoadFromStream(jpeg.SaveToStream());
        const Bitmap& pixels = loaded.Bitmap().PixelBuffer();
        ASSERT_EQ(pixels.Width(), c.Width) << c.Name;
        ASSERT_EQ(pixels.Height(), c.Height) << c.Name;
        EXPECT_LE(LargestDifference(pixels, c.Color), c.Tolerance) << c.Name;

        DecodedJpeg decoded = DecodeJpeg(jpeg.Data());
        EXPECT_EQ(decoded.Info.Components, c.Grayscale ? 1 : 3) << c.Name;
    }
}

TEST(JpegImageTest, JfifHeaderCarriesTheDensity) {
    TJPEGImage jpeg;
    jpeg.SetDensity(TJPEGDensityUnit::duDotsPerInch, 300, 300);
    jpeg.Assign(FlatBitmap(162, 58, RGB(200, 200, 255)));
    const std::vector<std::uint8_t>& bytes = jpeg.Data();
    ASSERT_GT(bytes.size(), 20u);
    // SOI, then APP0 "JFIF\0", version, unit, X and Y density (big-endian).
    const std::vector<std::uint8_t> expected = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin()));
    EXPECT_EQ(bytes[13], 1);
    EXPECT_EQ(bytes[14] << 8 | bytes[15], 300);
    EXPECT_EQ(bytes[16] << 8 | bytes[17], 300);
    // Baseline: a SOF0 frame of 8-bit samples, 58 rows of 162, three components.
    std::size_t frame = FindMarker(bytes, 0xC0);
    ASSERT_NE(frame, std::string::npos);
    EXPECT_EQ(bytes[frame + 4], 8);
    EXPECT_EQ(bytes[frame + 5] << 8 | bytes[frame + 6], 58);
    EXPECT_EQ(bytes[frame + 7] << 8 | bytes[frame + 8], 162);
    EXPECT_EQ(bytes[frame + 9], 3);

    TJPEGImage loaded;
    loaded.LoadFromStream(bytes);
    EXPECT_EQ(loaded.DensityUnit(), TJPEGDensityUnit::duDotsPerInch);
    EXPECT_EQ(loaded.XDensity(), 300);
    EXPECT_EQ(loaded.YDensity(), 300);
}

TEST(JpegImageTest, QualityChangesTheData) {
    TBitmap bitmap(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) bitmap.PixelBuffer().SetPixel(x, y, RGB(x * 8, y * 8, (x ^ y) * 8));
    TJPEGImage low;
    low.SetCompressionQuality(10);
    low.Assign(bitmap);
    TJPEGImage high;
    high.SetCompressionQuality(100);
    high.Assign(bitmap);
    EXPECT_LT(low.Data().size(), high.Data().size());
    low.SetCompressionQuality(500);
    EXPECT_EQ(low.CompressionQuality(), 100);
}

TEST(JpegImageTest, DamagedDataIsRefusedAndLeavesThePicture) {
    std::vector<std::uint8_t> good = SmallJpeg();
    std::size_t scan = FindMarker(good, 0xDA);
    ASSERT_NE(scan, std::string::npos);

    std::vector<std::uint8_t> noSignature = good;
    noSignature[1] = 0x00;
    std::vector<std::uint8_t> badFrame = good;
    std::size_t frame = FindMarker(good, 0xC0);
    badFrame[frame + 4] = 12;  // 12-bit samples
    std::vector<std::uint8_t> zeroWidth = good;
    zeroWidth[frame + 7] = 0;
    zeroWidth[frame + 8] = 0;
    std::vector<std::uint8_t> garbage(200);
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 37 + 11);

    struct Case {
        std::string Name;
        std::vector<std::uint8_t> Bytes;
    };
    std::vector<Case> cases = {
        {"no bytes", {}},          {"no signature", noSignature}, {"12-bit samples", badFrame},
        {"zero width", zeroWidth}, {"garbage", garbage},          {"only the start marker", {0xFF, 0xD8}},
    };
    // Cut at every interesting place: inside the headers, at the scan, inside
    // the entropy data, just before the end marker.
    for (std::size_t cut : {std::size_t{3}, std::size_t{20}, frame + 5, scan, scan + 10, good.size() - 2}) {
        cases.push_back(
            {"cut at " + std::to_string(cut), {good.begin(), good.begin() + static_cast<long>(cut)}});
    }

    for (const Case& c : cases) {
        TJPEGImage jpeg;
        jpeg.LoadFromStream(good);
        try {
            if (c.Bytes.empty())
                DecodeJpeg(c.Bytes);
            else
                jpeg.LoadFromStream(c.Bytes);
            ADD_FAILURE() << c.Name << " was accepted";
        } catch (const EJPEG& error) {
            EXPECT_EQ(error.Message().rfind("JPEG: ", 0), 0u) << c.Name << ": " << error.Message();
            EXPECT_GT(error.Message().size(), 6u) << c.Name;
        }
        EXPECT_EQ(jpeg.Data(), good) << c.Name;
        EXPECT_EQ(jpeg.Width(), 16) << c.Name;
    }
}

// Every single-byte change of a baseline and a progressive picture either
// decodes to a picture of a sane size or is refused with EJPEG; nothing else
// may happen (the sanitizer build watches for memory faults).
TEST(JpegImageTest, ChangedBytesNeverCrash) {
    for (bool progressive : {false, true}) {
        TBitmap source(24, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 24; ++x) source.PixelBuffer().SetPixel(x, y, RGB(x * 10, y * 15, 128));
        TJPEGImage jpeg;
        jpeg.SetProgressiveEncoding(progressive);
        jpeg.Assign(source);
        const std::vector<std::uint8_t>& good = jpeg.Data();
        int refused = 0;
        for (std::size_t i = 2; i < good.size(); ++i) {
            for (std::uint8_t change : {std::uint8_t{0xFF}, std::uint8_t{0x5A}}) {
                std::vector<std::uint8_t> bytes = good;
                bytes[i] ^= change;
                try {
                    DecodedJpeg decoded = DecodeJpeg(bytes);
                    EXPECT_LE(decoded.Pixels.Width(), MaxJpegSide);
                    EXPECT_EQ(decoded.Pixels.Width(), decoded.Info.Width);
                } catch (const EJPEG&) {
                    ++refused;
                }
            }
        }
        EXPECT_GT(refused, 0) << (progressive ? "progressive" : "baseline");
    }
}

TEST(JpegImageTest, OversizedPicturesAreRefusedBeforeDecoding) {
    std::vector<std::uint8_t> good = SmallJpeg();
    std::size_t frame = FindMarker(good, 0xC0);
    struct Case {
        int Width;
        int Height;
    };
    const Case cases[] = {{16385, 8}, {8, 16385}, {10000, 8000}, {65000, 65000}};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = good;
        bytes[frame + 5] = static_cast<std::uint8_t>(c.Height >> 8);
        bytes[frame + 6] = static_cast<std::uint8_t>(c.Height);
        bytes[frame + 7] = static_cast<std::uint8_t>(c.Width >> 8);
        bytes[frame + 8] = static_cast<std::uint8_t>(c.Width);
        try {
            DecodeJpeg(bytes);
            ADD_FAILURE() << c.Width << " x " << c.Height;
        } catch (const EJPEG& error) {
            EXPECT_EQ(error.Message(), "JPEG: a picture of " + std::to_string(c.Width) + " x " +
                                           std::to_string(c.Height) + " pixels is too large");
        }
    }
    // The largest accepted side passes the check (and then fails on the data).
    std::vector<std::uint8_t> bytes = good;
    bytes[frame + 7] = 16384 >> 8;
    bytes[frame + 8] = 0;
    try {
        DecodeJpeg(bytes);
    } catch (const EJPEG& error) {
        EXPECT_EQ(error.Message().find("too large"), std::string::npos) << error.Message();
    }
}

TEST(JpegImageTest, DrawsOnACanvasAndAssignsToABitmap) {
    TJPEGImage jpeg;
    jpeg.Assign(FlatBitmap(4, 4, RGB(0, 0, 255)));
    TBitmap target(6, 6);
    target.Canvas().Draw(1, 1, jpeg);
    EXPECT_EQ(target.PixelBuffer().PixelAt(0, 0), RGB(0, 0, 0));
    ColorRef inside = target.PixelBuffer().PixelAt(2, 2);
    EXPECT_LE(std::abs(GetBValue(inside) - 255), 3);
    EXPECT_LE(GetRValue(inside), 3);
    EXPECT_EQ(target.PixelBuffer().PixelAt(5, 5), RGB(0, 0, 0));

    TBitmap copy;
    copy.Assign(jpeg);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_LE(LargestDifference(copy.PixelBuffer(), RGB(0, 0, 255)), 3);

    TJPEGImage other;
    other.Assign(jpeg);
    EXPECT_EQ(other.Data(), jpeg.Data());
    EXPECT_EQ(other.Width(), 4);
}

}  // namespace
}  // namespace quendar
