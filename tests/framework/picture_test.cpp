// TPicture: the registry of picture classes, files by extension and the
// stored form of window definitions.

#include "framework/picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/graphics_errors.h"
#include "framework/jpeg_image.h"
#include "framework/picture_formats.h"

namespace quendar {
namespace {

using Bytes = std::vector<std::uint8_t>;

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterJpegImageFormat(); }

    std::string TempPath(const std::string& name) {
        auto directory =
            std::filesystem::temp_directory_path() /
            ("quendar-picture-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(directory);
        directories_.push_back(directory);
        return (directory / name).string();
    }
    void TearDown() override {
        for (const auto& directory : directories_) std::filesystem::remove_all(directory);
    }

    // A 3 x 2 picture of one colour.
    class Sample : public TBitmap {
    public:
        Sample() : TBitmap(3, 2) { PixelBuffer().Fill(RGB(0, 128, 255)); }
    };

private:
    std::vector<std::filesystem::path> directories_;
};

TEST_F(PictureTest, RegistryFindsClassesByExtensionAndName) {
    PictureFormats& formats = PictureFormats::Global();
    struct Case {
        const char* Extension;
        const char* ClassName;  // nullptr: unknown
        const char* Description;
    };
    const Case cases[] = {
        {"jpg", "TJPEGImage", "JPEG Image File"},
        {"JPEG", "TJPEGImage", "JPEG Image File"},
        {".jpeg", "TJPEGImage", "JPEG Image File"},
        {"bmp", "TBitmap", "Bitmaps"},
        {"png", nullptr, nullptr},
        {"", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const TPictureFileFormat* format = formats.FindExtension(c.Extension);
        std::unique_ptr<TGraphic> graphic = formats.CreateForExtension(c.Extension);
        if (c.ClassName == nullptr) {
            EXPECT_EQ(format, nullptr) << c.Extension;
            EXPECT_EQ(graphic, nullptr) << c.Extension;
            continue;
        }
        ASSERT_NE(format, nullptr) << c.Extension;
        EXPECT_EQ(format->ClassName, c.ClassName);
        EXPECT_EQ(format->Description, c.Description);
        ASSERT_NE(graphic, nullptr);
        EXPECT_EQ(graphic->ClassName(), c.ClassName);
    }
    EXPECT_EQ(formats.CreateForClassName("TJPEGImage")->ClassName(), "TJPEGImage");
    EXPECT_EQ(formats.CreateForClassName("tbitmap")->ClassName(), "TBitmap");
    EXPECT_EQ(formats.CreateForClassName("TIcon"), nullptr);

    // Registering again changes nothing.
    std::size_t count = formats.FileFormats().size();
    RegisterJpegImageFormat();
    EXPECT_EQ(formats.FileFormats().size(), count);
}

TEST_F(PictureTest, PrivateRegistryUnregisters) {
    PictureFormats formats;
    EXPECT_FALSE(formats.IsClassRegistered("TJPEGImage"));
    formats.RegisterFileFormat("jpg", "JPEG Image File", [] { return std::make_unique<TJPEGImage>(); });
    EXPECT_TRUE(formats.IsClassRegistered("TJPEGImage"));
    formats.UnregisterClass("TJPEGImage");
    EXPECT_EQ(formats.FindExtension("jpg"), nullptr);
    EXPECT_TRUE(formats.IsClassRegistered("TBitmap"));
}

TEST_F(PictureTest, StoredJpegIsClassNameLengthAndBytes) {
    TJPEGImage jpeg;
    jpeg.SetDensity(TJPEGDensityUnit::duDotsPerInch, 300, 300);
    jpeg.Assign(Sample());
    TPicture picture;
    picture.SetGraphic(&jpeg);
    Bytes data = picture.WriteData();

    const std::string name = "TJPEGImage";
    ASSERT_EQ(data.size(), 1 + name.size() + 4 + jpeg.Data().size());
    EXPECT_EQ(data[0], name.size());
    EXPECT_EQ(std::string(data.begin() + 1, data.begin() + 11), name);
    std::size_t length = jpeg.Data().size();
    EXPECT_EQ(data[11], length & 0xFF);
    EXPECT_EQ(data[12], (length >> 8) & 0xFF);
    EXPECT_EQ(data[13], (length >> 16) & 0xFF);
    EXPECT_EQ(data[14], 0);
    EXPECT_TRUE(std::equal(jpeg.Data().begin(), jpeg.Data().end(), data.begin() + 15));

    TPicture loaded;
    loaded.ReadData(data);
    ASSERT_NE(loaded.Graphic(), nullptr);
    EXPECT_EQ(loaded.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(loaded.Width(), 3);
    EXPECT_EQ(loaded.Height(), 2);
    EXPECT_EQ(loaded.WriteData(), data);
}

TEST_F(PictureTest, StoredBitmapAndNothing) {
    TPicture picture;
    EXPECT_TRUE(picture.WriteData().empty());
    Sample sample;
    picture.SetGraphic(&sample);
    Bytes data = picture.WriteData();
    EXPECT_EQ(data[0], 7);
    EXPECT_EQ(std::string(data.begin() + 1, data.begin() + 8), "TBitmap");
    EXPECT_EQ(data[12], 'B');
    EXPECT_EQ(data[13], 'M');

    TPicture loaded;
    loaded.ReadData(data);
    EXPECT_EQ(loaded.Bitmap().PixelBuffer().PixelAt(2, 1), RGB(0, 128, 255));
    loaded.ReadData({});
    EXPECT_EQ(loaded.Graphic(), nullptr);
}

TEST_F(PictureTest, BadStoredFormsAreRefusedAndLeaveThePicture) {
    TPicture source;
    TJPEGImage jpeg;
    jpeg.Assign(Sample());
    source.SetGraphic(&jpeg);
    Bytes good = source.WriteData();

    Bytes unknown = good;
    unknown[1] = 'X';  // "XJPEGImage"
    Bytes cutName(good.begin(), good.begin() + 5);
    Bytes cutLength(good.begin(), good.begin() + 13);
    Bytes cutJpeg(good.begin(), good.end() - 10);
    Bytes longerCount = good;
    longerCount[11] = static_cast<std::uint8_t>(longerCount[11] + 1);
    Bytes emptyName = {0, 1, 2, 3};
    struct Case {
        const char* Name;
        Bytes Data;
        std::string Message;
    };
    const Case cases[] = {
        {"unknown class", unknown, "Unknown picture class XJPEGImage"},
        {"cut name", cutName, "Picture data: the class name is missing or cut short"},
        {"empty name", emptyName, "Picture data: the class name is missing or cut short"},
        {"cut length", cutLength, "TJPEGImage data: 2 bytes are too few for the byte count"},
        {"cut JPEG", cutJpeg, "TJPEGImage data: the byte count says"},
        {"count too large", longerCount, "TJPEGImage data: the byte count says"},
    };
    for (const Case& c : cases) {
        TPicture picture;
        Sample sample;
        picture.SetGraphic(&sample);
        try {
            picture.ReadData(c.Data);
            ADD_FAILURE() << c.Name;
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message().rfind(c.Message, 0), 0u) << c.Name << ": " << error.Message();
        }
        ASSERT_NE(picture.Graphic(), nullptr) << c.Name;
        EXPECT_EQ(picture.Graphic()->ClassName(), "TBitmap") << c.Name;
    }
}

TEST_F(PictureTest, LoadFromFileChoosesTheClassByExtension) {
    TJPEGImage jpeg;
    jpeg.Assign(Sample());
    Sample bitmap;
    struct Case {
        std::string File;
        const TGraphic* Content;
        const char* ClassName;
    };
    const Case cases[] = {
        {"logo.jpg", &jpeg, "TJPEGImage"},
        {"LOGO.JPEG", &jpeg, "TJPEGImage"},
        {"mask.bmp", &bitmap, "TBitmap"},
    };
    for (const Case& c : cases) {
        std::string path = TempPath(c.File);
        c.Content->SaveToFile(path);
        TPicture picture;
        int notices = 0;
        picture.OnChange = [&](TPersistent*) { ++notices; };
        picture.LoadFromFile(path);
        ASSERT_NE(picture.Graphic(), nullptr) << c.File;
        EXPECT_EQ(picture.Graphic()->ClassName(), c.ClassName) << c.File;
        EXPECT_EQ(picture.Width(), 3) << c.File;
        EXPECT_EQ(notices, 1) << c.File;
    }
}

TEST_F(PictureTest, LoadFromFileRefusals) {
    std::string unknown = TempPath("picture.xyz");
    Sample().SaveToFile(unknown);
    std::string wrongContent = TempPath("fake.jpg");
    Sample().SaveToFile(wrongContent);
    struct Case {
        std::string Path;
        std::string Message;  // prefix
    };
    const Case cases[] = {
        {unknown, "Unknown picture file extension (.xyz)"},
        {TempPath("no-extension"), "Unknown picture file extension (.)"},
        {wrongContent, "JPEG: "},
        {TempPath("missing.bmp"), "Picture: "},
    };
    for (const Case& c : cases) {
        TPicture picture;
        try {
            picture.LoadFromFile(c.Path);
            ADD_FAILURE() << c.Path;
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message().rfind(c.Message, 0), 0u) << c.Path << ": " << error.Message();
        }
        EXPECT_EQ(picture.Graphic(), nullptr);
    }
}

TEST_F(PictureTest, AssignCopiesTheGraphicAndBitmapReplacesOthers) {
    TJPEGImage jpeg;
    jpeg.Assign(Sample());
    TPicture source;
    source.SetGraphic(&jpeg);
    TPicture copy;
    copy.Assign(source);
    ASSERT_NE(copy.Graphic(), nullptr);
    EXPECT_NE(copy.Graphic(), source.Graphic());
    EXPECT_EQ(dynamic_cast<TJPEGImage*>(copy.Graphic())->Data(), jpeg.Data());

    int notices = 0;
    copy.OnChange = [&](TPersistent*) { ++notices; };
    TBitmap& bitmap = copy.Bitmap();
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(notices, 1);
    bitmap.SetSize(2, 2);  // a change of the held graphic reaches the picture
    EXPECT_EQ(notices, 2);
}

}  // namespace
}  // namespace quendar
