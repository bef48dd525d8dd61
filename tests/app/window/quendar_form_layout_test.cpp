// The main window as its stored definition builds it.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/window/quendar_form.h"
#include "framework/image.h"
#include "framework/jpeg_image.h"
#include "framework/std_label.h"
#include "platform/window_attributes.h"
#include "platform/window_styles.h"
#include "platform/window_system.h"
#include "quendar_form_test_support.h"
#include "skin/data/skin_manager.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar::testing_support {
namespace {

TEST_F(QuendarFormTest, WindowHasItsStoredFrameAndPlace) {
    EXPECT_EQ(form->Caption(), "Brisvane Quendar");
    EXPECT_EQ(form->ClientWidth(), 555);
    EXPECT_EQ(form->ClientHeight(), 196);
    EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsSingle);
    EXPECT_EQ(form->BorderIcons(), TBorderIcons::biSystemMenu | TBorderIcons::biMinimize);
    EXPECT_EQ(form->Font().Name(), "Tahoma");
    EXPECT_EQ(form->Font().Height(), -11);
    // Centred on the 800 x 600 screen, not at the stored 685, 466.
    Rect frame;
    GetWindowRect(form->Handle(), frame);
    EXPECT_LE(std::abs(frame.Left + frame.Right - 800), 1);
    EXPECT_LE(std::abs(frame.Top + frame.Bottom - 600), 1);
    EXPECT_FALSE(GetWindowLongPtr(form->Handle(), GWL_STYLE) & WS_MAXIMIZEBOX);
}

TEST_F(QuendarFormTest, ControlsSitWhereTheDefinitionPutsThem) {
    struct Case {
        TWinControl* Control;
        Rect Bounds;
        int TabOrder;
        std::string Caption;
    };
    const std::vector<Case> cases = {
        {form->sEdit_StartDate, {90, 82, 215, 103}, 0, ""},
        {form->sMonthCalendar, {354, 21, 532, 160}, 1, " "},
        {form->sButton_UseCalendar, {219, 79, 348, 104}, 2, "Use Calendar Date"},
        {form->sEdit_CompleteDate, {90, 109, 215, 130}, 3, ""},
        {form->sButton_UseCalendar_Complete, {219, 107, 348, 132}, 4, "Use Calendar Date"},
        {form->sEdit_DurationDays, {90, 137, 215, 158}, 5, ""},
        {form->sButton_Clipboard, {219, 135, 348, 160}, 6, "Report to Clipboard"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Control->Name());
        EXPECT_EQ(c.Control->BoundsRect(), c.Bounds);
        EXPECT_EQ(c.Control->TabOrder(), c.TabOrder);
        EXPECT_EQ(c.Control->Caption(), c.Caption);
        EXPECT_EQ(c.Control->Parent(), form.get());
    }
    for (TEdit* edit : {form->sEdit_StartDate, form->sEdit_CompleteDate, form->sEdit_DurationDays}) {
        EXPECT_EQ(edit->Color(), TColor(16118514));
        EXPECT_EQ(edit->Font().Color(), clBlack);
        EXPECT_FALSE(edit->ReadOnly());
    }
}

TEST_F(QuendarFormTest, LabelsAreRightAlignedFourPixelsLeftOfTheFields) {
    struct Case {
        TLabel* Label;
        int Top;
        std::string Caption;
    };
    for (const Case& c : std::vector<Case>{{form->sLabel_Start, 86, "Date 1 (Start)"},
                                           {form->sLabel2, 113, "Date 2 (Stop)"},
                                           {form->sLabel_3, 141, "Total Days"}}) {
        SCOPED_TRACE(c.Caption);
        EXPECT_EQ(c.Label->Caption(), c.Caption);
        EXPECT_EQ(c.Label->Top(), c.Top);
        EXPECT_EQ(c.Label->Left() + c.Label->Width(), 86);
        EXPECT_EQ(c.Label->Alignment(), TAlignment::taRightJustify);
        EXPECT_EQ(c.Label->Font().Color(), TColor(5391682));
    }
}

TEST_F(QuendarFormTest, FocusStartsInTheStartFieldAndTabFollowsTheTabOrder) {
    auto focusedOwner = [&] {
        // The calendar's focus sits in its day grid.
        for (TControl* c = form->ActiveControl(); c != nullptr; c = c->Parent()) {
            if (c->Parent() == form.get()) return c->Name();
        }
        return std::string("none");
    };
    EXPECT_EQ(focusedOwner(), "sEdit_StartDate");
    std::vector<std::string> order;
    for (int i = 0; i < 7; ++i) {
        robot->KeyPress(VK_TAB);
        robot->Pump();
        order.push_back(focusedOwner());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"sMonthCalendar", "sButton_UseCalendar", "sEdit_CompleteDate",
                                                "sButton_UseCalendar_Complete", "sEdit_DurationDays",
                                                "sButton_Clipboard", "sEdit_StartDate"}));
}

TEST_F(QuendarFormTest, SkinManagerRestoresTheBuiltInSkin) {
    const TsSkinManager& manager = *form->sSkinManager1;
    EXPECT_EQ(manager.SkinName(), "BlueGauze (internal)");
    EXPECT_EQ(manager.SkinDirectory(), "c:\\Skins");
    EXPECT_EQ(manager.SkinInfo(), "4.81");
    EXPECT_EQ(manager.MenuSupport().IcoLineSkin, "ICOLINE");
    EXPECT_EQ(manager.MenuSupport().ExtraLineFont().Name(), "Tahoma");
    EXPECT_EQ(manager.Left, 195);
    EXPECT_EQ(manager.Top, 21);
    const SkinTables& tables = manager.Tables();
    EXPECT_EQ(tables.Sections.size(), 65u);
    EXPECT_EQ(tables.ImageAreas.size(), 118u);
    ASSERT_NE(tables.MasterBitmap, nullptr);
    EXPECT_EQ(tables.MasterBitmap->Width(), 156);
    EXPECT_EQ(tables.MasterBitmap->Height(), 292);
    EXPECT_EQ(SectionIndexOf(tables, "EDIT"), 6);
    EXPECT_EQ(GlobalColor(tables), 14604248);
}

// The marker segments of a JPEG file up to its first scan.
std::vector<std::uint8_t> JpegMarkers(const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> markers;
    std::size_t at = 2;
    while (at + 4 <= data.size() && data[at] == 0xFF) {
        const std::uint8_t marker = data[at + 1];
        markers.push_back(marker);
        if (marker == 0xDA) break;
        at += 2 + (data[at + 2] << 8 | data[at + 3]);
    }
    return markers;
}

TEST_F(QuendarFormTest, LogoIsASmallBaselineJfifPicture) {
    EXPECT_EQ(form->Image_logo->BoundsRect(), (Rect{34, 13, 196, 71}));
    auto* jpeg = dynamic_cast<TJPEGImage*>(form->Image_logo->Picture().Graphic());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(jpeg->Width(), 162);
    EXPECT_EQ(jpeg->Height(), 58);
    EXPECT_EQ(jpeg->DensityUnit(), TJPEGDensityUnit::duDotsPerInch);
    EXPECT_EQ(jpeg->XDensity(), 300);
    EXPECT_EQ(jpeg->YDensity(), 300);
    const std::vector<std::uint8_t>& data = jpeg->Data();
    EXPECT_GE(data.size(), 3000u);
    EXPECT_LE(data.size(), 4500u);
    ASSERT_GE(data.size(), 11u);
    EXPECT_EQ(std::string(data.begin() + 6, data.begin() + 11), std::string("JFIF\0", 5));
    const std::vector<std::uint8_t> markers = JpegMarkers(data);
    EXPECT_EQ(markers.front(), 0xE0);
    // Baseline: a SOF0 frame and no other frame type.
    EXPECT_EQ(std::count(markers.begin(), markers.end(), 0xC0), 1);
    for (std::uint8_t frame : {0xC1, 0xC2, 0xC3, 0xC9, 0xCA}) {
        EXPECT_EQ(std::count(markers.begin(), markers.end(), frame), 0) << int(frame);
    }
}

}  // namespace
}  // namespace quendar::testing_support
