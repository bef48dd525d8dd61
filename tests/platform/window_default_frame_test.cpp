#include "window_test_support.h"

#include "platform/system_colors.h"

namespace quendar {
namespace {

using testing_support::WindowTest;

class WindowDefaultFrameTest : public WindowTest {
protected:
    int HitAt(HWND window, Point local) {
        Rect place;
        GetWindowRect(window, place);
        return static_cast<int>(SendMessage(window, WM_NCHITTEST, 0, LParamFromPoint(place.TopLeft() + local)));
    }
};

TEST_F(WindowDefaultFrameTest, HitCodesOfASizableCaptionedWindow) {
    // 200 x 100: frame 4, caption rows 4..21, buttons 16 x 14 at y 6:
    // minimise 144..159, maximise 160..175, close 178..193.
    HWND window = Top(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Rect::FromSize(100, 100, 200, 100));
    struct Case {
        Point At;
        int Code;
    };
    const Case cases[] = {
        {{0, 0}, HTTOPLEFT},      {{21, 0}, HTTOPLEFT},     {{22, 0}, HTTOP},          {{199, 0}, HTTOPRIGHT},
        {{0, 21}, HTTOPLEFT},     {{0, 22}, HTLEFT},        {{199, 50}, HTRIGHT},      {{3, 99}, HTBOTTOMLEFT},
        {{100, 99}, HTBOTTOM},    {{199, 99}, HTBOTTOMRIGHT}, {{100, 96}, HTBOTTOM},   {{100, 95}, HTCLIENT},
        {{4, 4}, HTSYSMENU},      {{20, 20}, HTSYSMENU},    {{21, 10}, HTCAPTION},     {{100, 21}, HTCAPTION},
        {{143, 10}, HTCAPTION},   {{144, 10}, HTMINBUTTON}, {{159, 19}, HTMINBUTTON},  {{160, 6}, HTMAXBUTTON},
        {{176, 10}, HTCAPTION},   {{178, 10}, HTCLOSE},     {{193, 19}, HTCLOSE},      {{193, 20}, HTCAPTION},
        {{194, 10}, HTCAPTION},   {{100, 22}, HTCLIENT},    {{-1, 50}, HTNOWHERE},     {{200, 50}, HTNOWHERE},
    };
    for (const Case& c : cases) EXPECT_EQ(HitAt(window, c.At), c.Code) << c.At.X << "," << c.At.Y;
}

TEST_F(WindowDefaultFrameTest, HitCodesOfFixedFramesEdgesAndShapes) {
    // Captioned windows are at least SM_CXMINTRACK (112) wide.
    HWND dialog = Top(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, Rect::FromSize(0, 0, 120, 60));
    HWND edged = CreateWindowEx(WS_EX_CLIENTEDGE, "Recorder", "", WS_POPUP | WS_VSCROLL, 0, 0, 100, 60, HWND());
    struct Case {
        HWND Window;
        Point At;
        int Code;
    };
    const Case cases[] = {
        {dialog, {0, 30}, HTBORDER}, {dialog, {2, 2}, HTBORDER}, {dialog, {50, 3}, HTCAPTION},
        {dialog, {100, 8}, HTCLOSE}, {dialog, {82, 8}, HTCAPTION},  // no minimise or maximise box
        {edged, {1, 30}, HTBORDER},  {edged, {90, 30}, HTVSCROLL}, {edged, {50, 30}, HTCLIENT},
    };
    for (const Case& c : cases) EXPECT_EQ(HitAt(c.Window, c.At), c.Code) << c.At.X << "," << c.At.Y;
    Region shape = Region(Rect{0, 0, 120, 60}).Subtract(Rect{0, 0, 3, 3});
    SetWindowRgn(dialog, &shape, TRUE);
    EXPECT_EQ(HitAt(dialog, {1, 1}), HTNOWHERE);
    EXPECT_EQ(HitAt(dialog, {3, 1}), HTBORDER);
}

TEST_F(WindowDefaultFrameTest, PaintsAClassicFrameWithActiveAndInactiveCaptions) {
    HWND window = Top(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, Rect::FromSize(0, 0, 120, 60));
    Bitmap picture = robot->RenderWindow(window);
    // Close button: 16 x 14 at (99, 5); frame 3; caption rows 3..19, separator row 20.
    struct Case {
        Point At;
        int Color;
    };
    const Case cases[] = {
        {{0, 0}, COLOR_3DLIGHT},         {{118, 0}, COLOR_3DLIGHT},    {{119, 0}, COLOR_3DDKSHADOW},
        {{0, 59}, COLOR_3DDKSHADOW},     {{1, 1}, COLOR_BTNHIGHLIGHT}, {{118, 58}, COLOR_BTNSHADOW},
        {{2, 2}, COLOR_BTNFACE},         {{2, 57}, COLOR_BTNFACE},     {{70, 3}, COLOR_ACTIVECAPTION},
        {{70, 19}, COLOR_ACTIVECAPTION}, {{70, 20}, COLOR_BTNFACE},    {{99, 5}, COLOR_3DLIGHT},
        {{114, 18}, COLOR_3DDKSHADOW},   {{101, 7}, COLOR_BTNFACE},    {{103, 8}, COLOR_BTNTEXT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(picture.PixelAt(c.At.X, c.At.Y), GetSysColor(c.Color)) << c.At.X << "," << c.At.Y;
    EXPECT_EQ(picture.PixelAt(50, 30), testing_support::RecorderBackground);

    Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(300, 0, 10, 10));  // takes the activation
    EXPECT_EQ(robot->RenderWindow(window).PixelAt(70, 10), GetSysColor(COLOR_INACTIVECAPTION));
}

TEST_F(WindowDefaultFrameTest, DraggingTheCaptionMovesTheWindow) {
    HWND window = Top(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Rect::FromSize(100, 100, 200, 100));
    robot->MouseMove(150, 110);
    robot->Press();
    EXPECT_EQ(GetCapture(), window);
    robot->MouseMove(170, 135);
    robot->MouseMove(180, 140);
    robot->Release();
    Rect place;
    GetWindowRect(window, place);
    EXPECT_EQ(place, Rect::FromSize(130, 130, 200, 100));
    EXPECT_EQ(display->StateOf(window)->ScreenRect, place);
    EXPECT_EQ(Last(window, WM_SYSCOMMAND)->WParam, WPARAM{SC_DRAGMOVE});
    EXPECT_EQ(MessagesOf(window, {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE, WM_CAPTURECHANGED}),
              (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_CAPTURECHANGED, WM_EXITSIZEMOVE}));
    EXPECT_FALSE(GetCapture());
    log.clear();
    robot->MouseMove(200, 200);  // no longer dragging
    GetWindowRect(window, place);
    EXPECT_EQ(place.TopLeft(), (Point{130, 130}));
}

TEST_F(WindowDefaultFrameTest, DraggingASizingBorderResizesWithinTheTrackingLimits) {
    HWND window = Top(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Rect::FromSize(100, 100, 200, 100));
    robot->MouseMove(299, 150);
    robot->Press();
    robot->MouseMove(319, 150);
    robot->Release();
    Rect place;
    GetWindowRect(window, place);
    EXPECT_EQ(place, Rect::FromSize(100, 100, 220, 100));
    robot->MouseMove(319, 150);
    robot->Press();
    robot->MouseMove(0, 150);  // far past the minimum width
    robot->Release();
    GetWindowRect(window, place);
    EXPECT_EQ(place.Width(), GetSystemMetrics(SM_CXMINTRACK));
}

TEST_F(WindowDefaultFrameTest, CaptionButtonsActOnReleaseOverThemOnly) {
    HWND window = Top(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Rect::FromSize(100, 100, 200, 100));
    robot->MouseMove(285, 112);  // close button
    robot->Press();
    EXPECT_EQ(robot->RenderWindow(window).PixelAt(178, 6), GetSysColor(COLOR_3DDKSHADOW));  // drawn pressed
    robot->MouseMove(250, 112);  // away before releasing
    EXPECT_EQ(robot->RenderWindow(window).PixelAt(178, 6), GetSysColor(COLOR_3DLIGHT));
    robot->Release();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(MessagesOf(window, {WM_SYSCOMMAND}).empty());

    robot->MouseMove(250, 112);  // minimise button
    robot->Click();
    EXPECT_TRUE(IsIconic(window));
    EXPECT_TRUE(display->StateOf(window)->Minimized);
    EXPECT_EQ(Last(window, WM_SIZE)->WParam, WPARAM{SIZE_MINIMIZED});
    EXPECT_FALSE(GetActiveWindow());
    SendMessage(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(GetActiveWindow(), window);

    log.clear();
    robot->MouseMove(285, 112);
    robot->Click();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(MessagesOf(window, {WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}),
              (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
}

TEST_F(WindowDefaultFrameTest, MaximisingFillsTheWorkAreaAndRestoringReturns) {
    HWND window = Top(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Rect::FromSize(100, 100, 200, 100));
    SendMessage(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    Rect place;
    GetWindowRect(window, place);
    EXPECT_EQ(place, (Rect{-4, -4, 804, 604}));
    EXPECT_TRUE(IsZoomed(window));
    EXPECT_EQ(Last(window, WM_SIZE)->WParam, WPARAM{SIZE_MAXIMIZED});
    robot->MouseMove(400, 10);
    robot->Click();
    robot->Click();  // double click on the caption restores
    GetWindowRect(window, place);
    EXPECT_EQ(place, Rect::FromSize(100, 100, 200, 100));
    EXPECT_FALSE(IsZoomed(window));
}

TEST_F(WindowDefaultFrameTest, MainWindowStyleHasNoWorkingMaximiseAndClosesFromTheIcon) {
    // A fixed single-border window with system menu and minimise box only.
    HWND window = Top(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE,
                      Rect::FromSize(100, 100, 200, 100));
    Point maximise{100 + 200 - 3 - 2 - 16 - 2 - 8, 110};
    robot->MouseMove(maximise.X, maximise.Y);
    EXPECT_EQ(Last(window, WM_NCMOUSEMOVE)->WParam, WPARAM{HTMAXBUTTON});
    robot->Click();
    EXPECT_FALSE(IsZoomed(window));
    robot->MouseMove(150, 110);
    robot->Click();
    robot->Click();
    EXPECT_FALSE(IsZoomed(window));  // the caption double click does nothing either
    robot->AdvanceTime(1000);
    robot->MouseMove(108, 108);
    robot->Click();
    robot->Click();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowDefaultFrameTest, CaptionTextIsDrawnInTheCaptionTextColourAndKeptOffTheButtons) {
    HWND window = Top(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, Rect::FromSize(0, 0, 120, 60),
                      "Brisvane Quendar, a rather long caption");
    Bitmap picture = robot->RenderWindow(window);
    int textPixels = 0;
    int iconFramePixels = 0;
    for (int y = 3; y < 20; ++y) {
        for (int x = 3; x < 99; ++x) {  // inside the frame, left of the close button
            ColorRef pixel = picture.PixelAt(x, y);
            if (x < 22) {  // the system menu box shows the program icon
                if (pixel == RGB(58, 74, 104)) ++iconFramePixels;
                continue;
            }
            if (pixel != GetSysColor(COLOR_CAPTIONTEXT)) continue;
            EXPECT_LT(x, 97) << y;  // left of the buttons
            ++textPixels;
        }
    }
    EXPECT_GT(textPixels, 20);
    EXPECT_GT(iconFramePixels, 10);
}

}  // namespace
}  // namespace quendar
