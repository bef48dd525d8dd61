// TImage: the picture drawn unscaled at the top-left, centred, stretched or
// transparent, and the control sized to its picture.

#include "framework/image.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "control_picture.h"
#include "control_test_support.h"

namespace quendar::testing_support {
namespace {

// 'F' is the form's button face around the picture.
const std::vector<PaletteEntry>& ImagePalette() { return DefaultPalette(); }

class ImageTest : public ControlTest {
protected:
    // A 3 x 2 bitmap: red, green, blue over yellow, white, red.
    static std::unique_ptr<TBitmap> Sample() {
        auto bitmap = std::make_unique<TBitmap>(3, 2);
        const ColorRef pixels[2][3] = {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
                                       {RGB(255, 255, 0), RGB(255, 255, 255), RGB(255, 0, 0)}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) bitmap->PixelBuffer().SetPixel(x, y, pixels[y][x]);
        return bitmap;
    }
    TImage* ShowImage(FormPtr& form) {
        form = MakeForm(40, 30);
        TImage* image = Add<TImage>(*form, Rect::FromSize(10, 10, 6, 4));
        form->Show();
        robot->Pump();
        return image;
    }
    std::vector<std::string> ImagePicture(TForm& form, TImage& image) {
        robot->Pump();
        return ControlPicture(*robot, form, image, image.ClientRect(), ImagePalette());
    }
};

TEST_F(ImageTest, ThePictureIsDrawnAsPlacedAndTheRestShowsTheParent) {
    struct Case {
        const char* Name;
        bool Center;
        bool Stretch;
        bool Transparent;
        std::vector<std::string> Expected;
    } cases[] = {
        {"unscaled at the top-left", false, false, false, {"RGBFFF", "YWRFFF", "FFFFFF", "FFFFFF"}},
        {"centred", true, false, false, {"FFFFFF", "FRGBFF", "FYWRFF", "FFFFFF"}},
        {"stretched over the whole control", true, true, false, {"RRGGBB", "RRGGBB", "YYWWRR", "YYWWRR"}},
        {"transparent: the bottom-left colour shows the parent",
         false,
         false,
         true,
         {"RGBFFF", "FWRFFF", "FFFFFF", "FFFFFF"}},
    };
    for (const Case& c : cases) {
        FormPtr form;
        TImage* image = ShowImage(form);
        image->SetCenter(c.Center);
        image->SetStretch(c.Stretch);
        image->SetTransparent(c.Transparent);
        image->Picture().SetGraphic(Sample());
        EXPECT_EQ(ImagePicture(*form, *image), c.Expected) << c.Name;
        EXPECT_EQ(image->BoundsRect(), Rect::FromSize(10, 10, 6, 4)) << c.Name;
    }
}

TEST_F(ImageTest, ChangingThePicturesPixelsRepaintsTheImage) {
    FormPtr form;
    TImage* image = ShowImage(form);
    image->Picture().SetGraphic(Sample());
    EXPECT_EQ(ImagePicture(*form, *image)[0], "RGBFFF");
    image->Picture().Bitmap().Canvas().SetPixels(0, 0, clBlue);
    EXPECT_EQ(ImagePicture(*form, *image)[0], "BGBFFF");
    image->Picture().SetGraphic(static_cast<const TGraphic*>(nullptr));
    EXPECT_EQ(ImagePicture(*form, *image),
              (std::vector<std::string>{"FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}));
}

TEST_F(ImageTest, AutoSizeTakesThePicturesSizeAndKeepsItForAnEmptyPicture) {
    FormPtr form;
    TImage* image = ShowImage(form);
    image->Picture().SetGraphic(Sample());
    EXPECT_EQ(image->BoundsRect(), Rect::FromSize(10, 10, 6, 4));  // AutoSize is off by default
    image->SetAutoSize(true);
    EXPECT_EQ(image->BoundsRect(), Rect::FromSize(10, 10, 3, 2));
    TBitmap wide(5, 1);
    image->Picture().SetGraphic(&wide);
    EXPECT_EQ(image->BoundsRect(), Rect::FromSize(10, 10, 5, 1));
    image->Picture().SetGraphic(static_cast<const TGraphic*>(nullptr));
    EXPECT_EQ(image->BoundsRect(), Rect::FromSize(10, 10, 5, 1));
    EXPECT_EQ(image->DestRect(), Rect{});
}

}  // namespace
}  // namespace quendar::testing_support
