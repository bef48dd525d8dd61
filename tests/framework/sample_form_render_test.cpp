#include <gtest/gtest.h>

#include <string>

#include "control_test_support.h"
#include "platform/png_file.h"

namespace quendar::testing_support {
namespace {

class SampleFormRenderTest : public ControlTest {};

TEST_F(SampleFormRenderTest, ChildrenPaintInStackingOrderClippedToThemselves) {
    FormPtr form = MakeForm(160, 60);
    form->SetCaption("Sample");
    Swatch* red = Add<Swatch>(*form, Rect::FromSize(10, 10, 20, 20));
    red->SetColor(clRed);
    KeyTarget* blue = Add<KeyTarget>(*form, Rect::FromSize(50, 10, 20, 20));
    blue->SetColor(clBlue);
    // Added after the windowed control, yet below it: windows cover painted children.
    Swatch* green = Add<Swatch>(*form, Rect::FromSize(45, 15, 30, 10));
    green->SetColor(clLime);
    Swatch* corner = Add<Swatch>(*form, Rect::FromSize(150, 50, 20, 20));  // reaches past the client area
    corner->SetColor(clYellow);
    Swatch* over = Add<Swatch>(*form, Rect::FromSize(25, 25, 10, 10));  // over red: the later one is on top
    over->SetColor(clNavy);
    form->Show();

    Bitmap picture = robot->RenderWindow(form->Handle());
    WritePngFile(picture, ::testing::TempDir() + "sample_form.png");
    ASSERT_EQ(form->ClientRect(), Rect::FromSize(0, 0, 160, 60));
    Rect window;
    GetWindowRect(form->Handle(), window);
    Point client = form->ClientOrigin() - window.TopLeft();
    ColorRef face = ColorToColorRef(clBtnFace);

    struct Probe {
        Point At;  // client coordinates
        ColorRef Expected;
    } probes[] = {
        {{10, 10}, RGB(255, 0, 0)},  {{24, 24}, RGB(255, 0, 0)},   {{29, 29}, RGB(0, 0, 128)},
        {{30, 10}, face},            {{9, 10}, face},              {{34, 34}, RGB(0, 0, 128)},
        {{35, 35}, face},            {{46, 16}, RGB(0, 255, 0)},   {{50, 16}, RGB(0, 0, 255)},
        {{69, 29}, RGB(0, 0, 255)},  {{72, 20}, RGB(0, 255, 0)},   {{159, 59}, RGB(255, 255, 0)},
        {{149, 59}, face},
    };
    for (const Probe& probe : probes) {
        ColorRef actual = picture.PixelAt(client.X + probe.At.X, client.Y + probe.At.Y);
        EXPECT_EQ(actual, probe.Expected) << probe.At.X << "," << probe.At.Y;
    }
    // The yellow control stops at the client area's edge.
    EXPECT_NE(picture.PixelAt(client.X + 160, client.Y + 55), RGB(255, 255, 0));
}

}  // namespace
}  // namespace quendar::testing_support
