#include "window_test_support.h"

namespace quendar {
namespace {

using testing_support::RecorderBackground;
using testing_support::WindowTest;

constexpr ColorRef Yellow = RGB(255, 255, 0);
constexpr ColorRef Red = RGB(255, 0, 0);
const std::set<UINT> PaintMessages = {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT};

class WindowPaintingTest : public WindowTest {
protected:
    // A borderless 40 x 30 window at (100, 100) with a yellow 10 x 10 child at (10, 10).
    void MakeScene(DWORD topStyle = 0, DWORD childStyle = 0) {
        top = Top(WS_POPUP | WS_VISIBLE | topStyle, Rect::FromSize(100, 100, 40, 30));
        child = Child(top, Rect::FromSize(10, 10, 10, 10), WS_CHILD | WS_VISIBLE | childStyle, 0, "Plain");
        robot->Pump();
        log.clear();
    }

    HWND top;
    HWND child;
};

TEST_F(WindowPaintingTest, ShowingPaintsFrameBackgroundAndClientInOrderParentsFirst) {
    top = Top(WS_POPUP | WS_CAPTION, Rect::FromSize(100, 100, 60, 50));
    child = Child(top, Rect::FromSize(0, 0, 10, 10), WS_CHILD | WS_VISIBLE | WS_BORDER);
    robot->Pump();
    EXPECT_TRUE(Sequence(PaintMessages).empty());  // nothing is painted while hidden
    ShowWindow(top, SW_SHOW);
    robot->Pump();
    using Entry = std::pair<HWND, UINT>;
    EXPECT_EQ(Sequence(PaintMessages), (std::vector<Entry>{{top, WM_NCPAINT},
                                                           {top, WM_ERASEBKGND},
                                                           {top, WM_PAINT},
                                                           {child, WM_NCPAINT},
                                                           {child, WM_ERASEBKGND},
                                                           {child, WM_PAINT}}));
}

TEST_F(WindowPaintingTest, AValidWindowGetsNoPaint) {
    MakeScene();
    robot->Pump();
    EXPECT_TRUE(Sequence(PaintMessages).empty());
    robot->AdvanceTime(1000);
    EXPECT_TRUE(Sequence(PaintMessages).empty());
}

TEST_F(WindowPaintingTest, InvalidatingPaintsOnlyWhatIsInvalid) {
    MakeScene();
    Rect painted;
    bool erase = true;
    handler = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_PAINT) return std::nullopt;
        PAINTSTRUCT paint;
        BeginPaint(window, paint);
        painted = paint.rcPaint;
        erase = paint.fErase;
        EndPaint(window, paint);
        return 0;
    };
    Rect part{1, 2, 4, 5};
    InvalidateRect(child, &part, FALSE);
    robot->Pump();
    using Entry = std::pair<HWND, UINT>;
    EXPECT_EQ(Sequence(PaintMessages), (std::vector<Entry>{{child, WM_PAINT}}));
    EXPECT_EQ(painted, part);
    EXPECT_FALSE(erase);
}

TEST_F(WindowPaintingTest, InvalidatingAParentWithoutClipChildrenRepaintsCoveredChildren) {
    struct Case {
        DWORD TopStyle;
        std::vector<std::pair<HWND, UINT>> Expected(HWND t, HWND c) const {
            if (TopStyle & WS_CLIPCHILDREN) return {{t, WM_ERASEBKGND}, {t, WM_PAINT}};
            return {{t, WM_ERASEBKGND}, {t, WM_PAINT}, {c, WM_ERASEBKGND}, {c, WM_PAINT}};
        }
    };
    for (Case c : {Case{0}, Case{WS_CLIPCHILDREN}}) {
        MakeScene(c.TopStyle);
        Rect overlapping{5, 5, 15, 15};
        InvalidateRect(top, &overlapping, TRUE);
        robot->Pump();
        EXPECT_EQ(Sequence(PaintMessages), c.Expected(top, child)) << c.TopStyle;
        DestroyWindow(top);
    }
}

TEST_F(WindowPaintingTest, NoPaintingWhileRedrawIsOff) {
    MakeScene();
    SendMessage(top, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(top, nullptr, TRUE);
    InvalidateRect(child, nullptr, TRUE);
    robot->Pump();
    WindowDC dc = GetDC(child);
    dc->FillSolidRect({0, 0, 10, 10}, Red);
    dc.Release();
    EXPECT_EQ(robot->RenderWindow(top).PixelAt(15, 15), Yellow);  // drawing reached nothing
    SendMessage(top, WM_SETREDRAW, TRUE, 0);
    robot->Pump();
    EXPECT_TRUE(Sequence(PaintMessages).empty());
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    robot->Pump();
    using Entry = std::pair<HWND, UINT>;
    EXPECT_EQ(Sequence(PaintMessages),
              (std::vector<Entry>{{top, WM_ERASEBKGND}, {top, WM_PAINT}, {child, WM_ERASEBKGND}, {child, WM_PAINT}}));
}

TEST_F(WindowPaintingTest, ValidationCancelsAndUpdateWindowPaintsAtOnce) {
    MakeScene();
    InvalidateRect(child, nullptr, TRUE);
    ValidateRect(child, nullptr);
    robot->Pump();
    EXPECT_TRUE(Sequence(PaintMessages).empty());

    InvalidateRect(child, nullptr, TRUE);
    UpdateWindow(child);  // no pumping
    using Entry = std::pair<HWND, UINT>;
    EXPECT_EQ(Sequence(PaintMessages), (std::vector<Entry>{{child, WM_ERASEBKGND}, {child, WM_PAINT}}));
    log.clear();
    robot->Pump();
    EXPECT_TRUE(Sequence(PaintMessages).empty());

    RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_EQ(Sequence(PaintMessages), (std::vector<Entry>{{child, WM_ERASEBKGND}}));
    robot->Pump();
    EXPECT_EQ(Sequence(PaintMessages), (std::vector<Entry>{{child, WM_ERASEBKGND}, {child, WM_PAINT}}));
}

TEST_F(WindowPaintingTest, InternalPaintAsksForPaintWithoutInvalidArea) {
    MakeScene();
    RedrawWindow(child, nullptr, nullptr, RDW_INTERNALPAINT);
    robot->Pump();
    using Entry = std::pair<HWND, UINT>;
    EXPECT_EQ(Sequence(PaintMessages), (std::vector<Entry>{{child, WM_PAINT}}));
}

TEST_F(WindowPaintingTest, UnansweredEraseIsReportedByBeginPaint) {
    MakeScene();
    bool erase = false;
    handler = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_ERASEBKGND) return 0;
        if (message != WM_PAINT) return std::nullopt;
        PAINTSTRUCT paint;
        BeginPaint(window, paint);
        erase = paint.fErase;
        EndPaint(window, paint);
        return 0;
    };
    InvalidateRect(child, nullptr, TRUE);
    robot->Pump();
    EXPECT_TRUE(erase);
}

TEST_F(WindowPaintingTest, APaintHandlerThatIgnoresThePaintDoesNotSpinTheQueue) {
    MakeScene();
    handler = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_PAINT) return 0;  // forgets BeginPaint
        return std::nullopt;
    };
    InvalidateRect(child, nullptr, FALSE);
    EXPECT_EQ(robot->Pump(), 1);
    EXPECT_EQ(robot->Pump(), 0);
}

TEST_F(WindowPaintingTest, BackgroundsFillWithTheClassColours) {
    MakeScene();
    Bitmap picture = robot->RenderWindow(top);
    ASSERT_EQ(picture.Dimensions(), (Size{40, 30}));
    struct Case {
        Point At;
        ColorRef Expected;
    };
    const Case cases[] = {{{0, 0}, RecorderBackground}, {{9, 9}, RecorderBackground}, {{10, 10}, Yellow},
                          {{19, 19}, Yellow},           {{20, 20}, RecorderBackground}, {{39, 29}, RecorderBackground}};
    for (const Case& c : cases) EXPECT_EQ(picture.PixelAt(c.At.X, c.At.Y), c.Expected) << c.At.X << "," << c.At.Y;
}

TEST_F(WindowPaintingTest, WindowShapesClipPaintingAndHitTesting) {
    MakeScene();
    // The child loses its top-left 5 x 5 corner.
    Region shape = Region(Rect{0, 0, 10, 10}).Subtract(Rect{0, 0, 5, 5});
    SetWindowRgn(child, &shape, TRUE);
    robot->Pump();
    Bitmap picture = robot->RenderWindow(top);
    EXPECT_EQ(picture.PixelAt(12, 12), RecorderBackground);  // cut away: the parent shows
    EXPECT_EQ(picture.PixelAt(17, 12), Yellow);
    EXPECT_EQ(picture.PixelAt(12, 17), Yellow);

    EXPECT_EQ(WindowFromPoint({112, 112}), top);
    EXPECT_EQ(WindowFromPoint({117, 117}), child);
    EXPECT_EQ(ChildWindowFromPoint(top, {12, 12}), top);
    EXPECT_EQ(ChildWindowFromPoint(top, {17, 12}), child);
    log.clear();
    robot->ClickAt(112, 112);
    EXPECT_EQ(MessagesOf(top, {WM_LBUTTONDOWN}).size(), 1u);
    EXPECT_TRUE(MessagesOf(child, {WM_LBUTTONDOWN}).empty());
    Region copy;
    EXPECT_EQ(GetWindowRgn(child, copy), COMPLEXREGION);
    EXPECT_EQ(copy, shape);

    SetWindowRgn(child, nullptr, TRUE);
    EXPECT_EQ(GetWindowRgn(child, copy), ERROR);
    EXPECT_EQ(robot->RenderWindow(top).PixelAt(12, 12), Yellow);
}

TEST_F(WindowPaintingTest, SettingAShapeAnnouncesAPositionChange) {
    MakeScene();
    Region shape(Rect{0, 0, 20, 20});
    SetWindowRgn(top, &shape, FALSE);
    EXPECT_EQ(MessagesOf(top, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
              (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}));
    ASSERT_NE(display->StateOf(top), nullptr);
    EXPECT_EQ(display->StateOf(top)->Shape, shape);
}

TEST_F(WindowPaintingTest, DrawingOutsidePaintReachesTheScreenAtOnce) {
    MakeScene();
    display->ForgetPresentations();
    {
        WindowDC dc = GetDC(child);
        dc->FillSolidRect({0, 0, 3, 3}, Red);
    }
    FlushPresentation();
    ASSERT_EQ(display->Presentations().size(), 1u);
    EXPECT_EQ(display->Presentations()[0].Window, top);
    EXPECT_EQ(display->Presentations()[0].Area, (Rect{10, 10, 20, 20}));
    Bitmap picture = display->Screenshot(top);
    EXPECT_EQ(picture.PixelAt(10, 10), Red);
    EXPECT_EQ(picture.PixelAt(12, 12), Red);
    EXPECT_EQ(picture.PixelAt(13, 13), Yellow);
}

TEST_F(WindowPaintingTest, ParentContextsCoverChildrenUnlessClipChildren) {
    struct Case {
        DWORD TopStyle;
        ColorRef InsideChild;
    };
    for (Case c : {Case{0, Red}, Case{WS_CLIPCHILDREN, Yellow}}) {
        MakeScene(c.TopStyle);
        WindowDC dc = GetDC(top);
        dc->FillSolidRect({0, 0, 40, 30}, Red);
        dc.Release();
        Bitmap picture = robot->RenderWindow(top);
        EXPECT_EQ(picture.PixelAt(15, 15), c.InsideChild) << c.TopStyle;
        EXPECT_EQ(picture.PixelAt(5, 5), Red);
        DestroyWindow(top);
    }
}

TEST_F(WindowPaintingTest, OverlappingSiblingsClipEachOtherWithClipSiblings) {
    MakeScene();
    HWND below = Child(top, Rect::FromSize(15, 15, 10, 10), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    robot->Pump();
    WindowDC dc = GetDC(below);
    dc->FillSolidRect({0, 0, 10, 10}, Red);
    dc.Release();
    Bitmap picture = robot->RenderWindow(top);
    EXPECT_EQ(picture.PixelAt(16, 16), Yellow);  // the sibling above keeps its pixels
    EXPECT_EQ(picture.PixelAt(22, 22), Red);
}

TEST_F(WindowPaintingTest, PrintRendersFrameClientAndChildrenIntoAnyContext) {
    MakeScene(WS_BORDER);
    SendMessage(top, WM_SETREDRAW, FALSE, 0);  // printing does not need the screen
    Bitmap target(40, 30);
    target.Fill(RGB(255, 255, 255));
    DeviceContext dc(target);
    PrintWindow(top, &dc, PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT | PRF_CHILDREN);
    struct Case {
        Point At;
        ColorRef Expected;
    };
    const Case cases[] = {{{0, 0}, RGB(0, 0, 0)},           // border: the window frame colour
                          {{39, 29}, RGB(0, 0, 0)},
                          {{1, 1}, RecorderBackground},     // client background
                          {{11, 11}, Yellow},               // the child, shifted by the border
                          {{20, 20}, Yellow},
                          {{21, 21}, RecorderBackground}};
    for (const Case& c : cases) EXPECT_EQ(target.PixelAt(c.At.X, c.At.Y), c.Expected) << c.At.X << "," << c.At.Y;
    auto print = Last(child, WM_PRINT);
    ASSERT_TRUE(print);
    EXPECT_EQ(MessagesOf(top, {WM_PRINT, WM_ERASEBKGND, WM_PRINTCLIENT}),
              (std::vector<UINT>{WM_PRINT, WM_ERASEBKGND, WM_PRINTCLIENT}));
}

TEST_F(WindowPaintingTest, ResizingATopLevelWindowResizesItsPictureAndRepaints) {
    MakeScene();
    SetWindowPos(top, HWND(), 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER);
    robot->Pump();
    Bitmap picture = robot->RenderWindow(top);
    EXPECT_EQ(picture.Dimensions(), (Size{50, 40}));
    EXPECT_EQ(picture.PixelAt(49, 39), RecorderBackground);
    using Entry = std::pair<HWND, UINT>;
    auto painted = Sequence({WM_PAINT});
    EXPECT_EQ(painted, (std::vector<Entry>{{top, WM_PAINT}, {child, WM_PAINT}}));
}

}  // namespace
}  // namespace quendar
