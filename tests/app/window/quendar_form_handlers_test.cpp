// The main window's behaviour, driven by real typing and clicks.

#include <string>
#include <vector>

#include "app/window/quendar_form.h"
#include "framework/clipboard.h"
#include "platform/message_box.h"
#include "quendar_form_test_support.h"

namespace quendar::testing_support {
namespace {

using Counts = std::vector<std::string>;

TEST_F(QuendarFormTest, DayCountFollowsTheTypingOfTheStartDate) {
    TypeInto(*form->sEdit_CompleteDate, "2/1/2026");
    // Start and stop are both needed, so the stop date alone shows nothing.
    EXPECT_EQ(form->sEdit_DurationDays->Text(), "");
    const std::string invalid = "Enter valid dates";
    // 1/1 is 1 January of this year; a one- or two-digit year lies in the
    // window 1976-2075, three digits are taken as they stand.
    EXPECT_EQ(CountsWhileTyping(*form->sEdit_StartDate, "1/15/2026"),
              (Counts{invalid, invalid, "31", "17", invalid, "8783", "2209", "666220", "17"}));
}

TEST_F(QuendarFormTest, BlankFieldsKeepTheLastCount) {
    TypeInto(*form->sEdit_StartDate, "3/1/2026");
    EXPECT_EQ(form->sEdit_DurationDays->Text(), "");
    TypeInto(*form->sEdit_CompleteDate, "3/15/2026");
    EXPECT_EQ(form->sEdit_DurationDays->Text(), "14");
    TypeInto(*form->sEdit_CompleteDate, "");
    EXPECT_EQ(form->sEdit_DurationDays->Text(), "14");
    TypeInto(*form->sEdit_CompleteDate, "   ");
    EXPECT_EQ(form->sEdit_DurationDays->Text(), "14");
}

TEST_F(QuendarFormTest, CountsAreSignedAndBlanksAroundDatesAreAllowed) {
    struct Case {
        std::string Start, Stop, Count;
    };
    const std::vector<Case> cases = {
        {"3/15/2026", "3/1/2026", "-14"},
        {"3/15/2026", "3/15/2026", "0"},
        {"  3/1/2026 ", " 3/15/2026  ", "14"},
        {"2/29/2023", "3/15/2026", "Enter valid dates"},
        {"1/1/0001", "12/31/9999", "3652058"},
        // A one-digit year lies in the two-digit window.
        {"1/1/1", "1/1/2001", "0"},
    };
    for (const Case& c : cases) {
        TypeInto(*form->sEdit_StartDate, c.Start);
        TypeInto(*form->sEdit_CompleteDate, c.Stop);
        EXPECT_EQ(form->sEdit_DurationDays->Text(), c.Count) << c.Start << " .. " << c.Stop;
    }
}

TEST_F(QuendarFormTest, UseCalendarDateFillsTheFieldBesideTheButton) {
    form->sMonthCalendar->SetCalendarDate(46080);  // 27 February 2026
    ClickCentre(*form->sButton_UseCalendar);
    EXPECT_EQ(form->sEdit_StartDate->Text(), "2/27/2026");
    EXPECT_EQ(form->sEdit_CompleteDate->Text(), "");
    ClickCentre(*form->sButton_UseCalendar_Complete);
    EXPECT_EQ(form->sEdit_CompleteDate->Text(), "2/27/2026");
    EXPECT_EQ(form->sEdit_DurationDays->Text(), "0");
}

TEST_F(QuendarFormTest, TheSameCalendarDateTwiceDoesNotRecompute) {
    ClickCentre(*form->sButton_UseCalendar);
    ClickCentre(*form->sButton_UseCalendar_Complete);
    EXPECT_EQ(form->sEdit_DurationDays->Text(), "0");
    TypeInto(*form->sEdit_DurationDays, "many");
    ClickCentre(*form->sButton_UseCalendar);
    EXPECT_EQ(form->sEdit_DurationDays->Text(), "many");
}

TEST_F(QuendarFormTest, ReportGoesToTheClipboardByteForByte) {
    TypeInto(*form->sEdit_StartDate, "3/1/2026");
    TypeInto(*form->sEdit_CompleteDate, "3/15/2026");
    ClickCentre(*form->sButton_Clipboard);
    EXPECT_EQ(Clipboard().AsText(),
              "Date 1 (Start):    20260301\r\nDate 2 (Stop): 20260315\r\nTotal Days:      14 days");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(QuendarFormTest, ReportCopiesAWordTypedIntoTheDayCount) {
    TypeInto(*form->sEdit_StartDate, "1/1/5");
    TypeInto(*form->sEdit_CompleteDate, "1/2/0005");
    TypeInto(*form->sEdit_DurationDays, "several");
    ClickCentre(*form->sButton_Clipboard);
    EXPECT_EQ(Clipboard().AsText(),
              "Date 1 (Start):    20050101\r\nDate 2 (Stop): 00050102\r\nTotal Days:      several days");
}

TEST_F(QuendarFormTest, ReportOfAnInvalidDateShowsTheErrorAndKeepsEverything) {
    Clipboard().SetAsText("kept");
    struct Case {
        std::string Start, Stop, Message;
    };
    const std::vector<Case> cases = {
        {"abc", "3/15/2026", "'abc' is not a valid date."},
        {"3/1/2026", " 2/30/2026", "' 2/30/2026' is not a valid date."},
        // The start field is read first.
        {"x", "y", "'x' is not a valid date."},
        {"", "3/1/2026", "'' is not a valid date."},
    };
    for (const Case& c : cases) {
        boxes.clear();
        TypeInto(*form->sEdit_StartDate, c.Start);
        TypeInto(*form->sEdit_CompleteDate, c.Stop);
        const std::string count = form->sEdit_DurationDays->Text();
        ClickCentre(*form->sButton_Clipboard);
        ASSERT_EQ(boxes.size(), 1u) << c.Start;
        EXPECT_EQ(boxes[0].Text, c.Message);
        EXPECT_EQ(boxes[0].Caption, "Quendar");
        EXPECT_EQ(boxes[0].Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
        EXPECT_EQ(Clipboard().AsText(), "kept");
        EXPECT_EQ(form->sEdit_StartDate->Text(), c.Start);
        EXPECT_EQ(form->sEdit_CompleteDate->Text(), c.Stop);
        EXPECT_EQ(form->sEdit_DurationDays->Text(), count);
    }
}

}  // namespace
}  // namespace quendar::testing_support
