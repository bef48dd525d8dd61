#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/dates/month_calendar_model.h"
#include "date_test_support.h"
#include "framework/exception.h"
#include "month_calendar_test_support.h"

namespace quendar {
namespace {

struct Ymd {
    int Year, Month, Day;
};

using Action = void (MonthCalendarModel::*)();

struct StepCase {
    const char* Name;
    Ymd From;
    Action Step;
    Ymd To;
    int Changes;
    bool UseCurrentDateAfter;  // it starts on
};

void RunSteps(std::initializer_list<StepCase> cases) {
    for (const StepCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.Name << " from " << c.From.Year << "-" << c.From.Month << "-" << c.From.Day);
        FixedLocalDay today(2026, 3, 15);
        RecordedCalendar calendar(c.From.Year, c.From.Month, c.From.Day);
        MonthCalendarModel& model = calendar.Model;
        ASSERT_TRUE(model.UseCurrentDate());
        (model.*c.Step)();
        EXPECT_EQ(model.CalendarDate(), MakeDate(c.To.Year, c.To.Month, c.To.Day));
        EXPECT_EQ(calendar.ChangeCount(), c.Changes);
        EXPECT_EQ(model.UseCurrentDate(), c.UseCurrentDateAfter);
        EXPECT_EQ(model.CurrentCell(), model.CellOfDay(c.To.Day));
        EXPECT_EQ(model.TitleText(),
                  calendar.Settings.MonthNamesLong[c.To.Month] + " " + std::to_string(c.To.Year));
        EXPECT_FALSE(model.Updating());
    }
}

TEST(MonthCalendarNavigation, MonthStepsCutTheDayToTheNewMonth) {
    using M = MonthCalendarModel;
    RunSteps({
        {"next month", {2026, 1, 31}, &M::NextMonth, {2026, 2, 28}, 1, true},
        {"next month", {2024, 1, 31}, &M::NextMonth, {2024, 2, 29}, 1, true},
        {"next month", {2025, 12, 15}, &M::NextMonth, {2026, 1, 15}, 1, true},
        {"next month", {2026, 3, 31}, &M::NextMonth, {2026, 4, 30}, 1, true},
        {"previous month", {2026, 3, 31}, &M::PrevMonth, {2026, 2, 28}, 1, true},
        {"previous month", {2024, 3, 30}, &M::PrevMonth, {2024, 2, 29}, 1, true},
        {"previous month", {2026, 1, 15}, &M::PrevMonth, {2025, 12, 15}, 1, true},
        {"previous month", {1, 2, 28}, &M::PrevMonth, {1, 1, 28}, 1, true},
        {"next month", {9999, 11, 30}, &M::NextMonth, {9999, 12, 30}, 1, true},
    });
}

TEST(MonthCalendarNavigation, YearStepsGoThroughDayThenYear) {
    using M = MonthCalendarModel;
    RunSteps({
        {"next year", {2024, 2, 29}, &M::NextYear, {2025, 2, 28}, 2, false},
        {"previous year", {2024, 2, 29}, &M::PrevYear, {2023, 2, 28}, 2, false},
        {"previous year", {4, 2, 29}, &M::PrevYear, {3, 2, 28}, 2, false},
        {"next year", {2023, 2, 28}, &M::NextYear, {2024, 2, 28}, 1, false},
        {"next year", {2026, 3, 15}, &M::NextYear, {2027, 3, 15}, 1, false},
        {"previous year", {2, 12, 31}, &M::PrevYear, {1, 12, 31}, 1, false},
        {"previous year", {1, 3, 15}, &M::PrevYear, {1, 3, 15}, 0, true},
        {"previous year", {1, 1, 1}, &M::PrevYear, {1, 1, 1}, 0, true},
    });
}

TEST(MonthCalendarNavigation, DayStepsCrossMonthsThroughTheDateItself) {
    using M = MonthCalendarModel;
    RunSteps({
        {"previous day", {2026, 3, 1}, &M::PreviousDay, {2026, 2, 28}, 1, true},
        {"previous day", {2024, 3, 1}, &M::PreviousDay, {2024, 2, 29}, 1, true},
        {"previous day", {2026, 1, 1}, &M::PreviousDay, {2025, 12, 31}, 1, true},
        {"previous day", {2026, 3, 15}, &M::PreviousDay, {2026, 3, 14}, 1, false},
        {"next day", {2025, 12, 31}, &M::NextDay, {2026, 1, 1}, 1, true},
        {"next day", {2026, 2, 28}, &M::NextDay, {2026, 3, 1}, 1, true},
        {"next day", {2024, 2, 28}, &M::NextDay, {2024, 2, 29}, 1, false},
        {"today", {2000, 1, 1}, &M::SelectToday, {2026, 3, 15}, 1, true},
        {"today", {2026, 3, 15}, &M::SelectToday, {2026, 3, 15}, 0, true},
    });
}

TEST(MonthCalendarNavigation, StepsBeyondTheCalendarFailAndKeepTheDate) {
    using M = MonthCalendarModel;
    struct Case {
        const char* Name;
        Ymd From;
        Action Step;
    };
    const Case cases[] = {
        {"next month", {9999, 12, 31}, &M::NextMonth}, {"next year", {9999, 6, 15}, &M::NextYear},
        {"next day", {9999, 12, 31}, &M::NextDay},     {"previous day", {1, 1, 1}, &M::PreviousDay},
        {"previous month", {1, 1, 31}, &M::PrevMonth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FixedLocalDay today(2026);
        RecordedCalendar calendar(c.From.Year, c.From.Month, c.From.Day);
        MonthCalendarModel& model = calendar.Model;
        const std::string title = model.TitleText();
        try {
            (model.*c.Step)();
            ADD_FAILURE() << "no failure";
        } catch (const EConvertError& error) {
            EXPECT_STREQ(error.what(), "Invalid argument to date encode");
        }
        EXPECT_EQ(model.CalendarDate(), MakeDate(c.From.Year, c.From.Month, c.From.Day));
        EXPECT_EQ(model.TitleText(), title);
        EXPECT_EQ(model.FirstCellOffset(),
                  RecordedCalendar(c.From.Year, c.From.Month, 1).Model.FirstCellOffset());
        EXPECT_TRUE(calendar.Log.empty());
        EXPECT_TRUE(model.UseCurrentDate());
        EXPECT_FALSE(model.Updating());
    }
}

TEST(MonthCalendarNavigation, MonthStepDateIsThePureMonthStep) {
    struct Case {
        Ymd From;
        int Delta;
        Ymd To;
    };
    const Case cases[] = {
        {{2026, 1, 31}, +1, {2026, 2, 28}}, {{2026, 3, 31}, -1, {2026, 2, 28}},
        {{2024, 3, 31}, -1, {2024, 2, 29}}, {{2026, 12, 1}, +1, {2027, 1, 1}},
        {{2026, 1, 1}, -1, {2025, 12, 1}},  {{2026, 5, 31}, 0, {2026, 5, 31}},  // no step stays in the month
    };
    for (const Case& c : cases) {
        const TDateTime from = MakeDate(c.From.Year, c.From.Month, c.From.Day);
        EXPECT_EQ(MonthStepDate(from, c.Delta), MakeDate(c.To.Year, c.To.Month, c.To.Day))
            << c.From.Year << "-" << c.From.Month << "-" << c.From.Day << " by " << c.Delta;
    }
}

TEST(MonthCalendarProperties, WritesAreRefusedOrAcceptedAsTheirRulesSay) {
    struct Case {
        const char* Name;
        void (MonthCalendarModel::*Write)(int);
        int Value;
        Ymd To;  // 31 March 2026 when refused
        bool Accepted;
    };
    using M = MonthCalendarModel;
    const Case cases[] = {
        {"day 0", &M::SetDay, 0, {2026, 3, 31}, false},
        {"day 32", &M::SetDay, 32, {2026, 3, 31}, false},
        {"same day", &M::SetDay, 31, {2026, 3, 31}, false},
        {"day 1", &M::SetDay, 1, {2026, 3, 1}, true},
        {"month 0", &M::SetMonth, 0, {2026, 3, 31}, false},
        {"month 13", &M::SetMonth, 13, {2026, 3, 31}, false},
        {"same month", &M::SetMonth, 3, {2026, 3, 31}, false},
        {"month 2", &M::SetMonth, 2, {2026, 2, 28}, true},
        {"month 4", &M::SetMonth, 4, {2026, 4, 30}, true},
        {"month 12", &M::SetMonth, 12, {2026, 12, 31}, true},
        {"year 0", &M::SetYear, 0, {2026, 3, 31}, false},
        {"year -5", &M::SetYear, -5, {2026, 3, 31}, false},
        {"same year", &M::SetYear, 2026, {2026, 3, 31}, false},
        {"year 1", &M::SetYear, 1, {1, 3, 31}, true},
        {"year 9999", &M::SetYear, 9999, {9999, 3, 31}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FixedLocalDay today(2026);
        RecordedCalendar calendar(2026, 3, 31);
        (calendar.Model.*c.Write)(c.Value);
        EXPECT_EQ(calendar.Model.CalendarDate(), MakeDate(c.To.Year, c.To.Month, c.To.Day));
        EXPECT_EQ(calendar.ChangeCount(), c.Accepted ? 1 : 0);
        EXPECT_EQ(calendar.Model.UseCurrentDate(), !c.Accepted);
    }
}

TEST(MonthCalendarProperties, DayMustExistInTheShownMonth) {
    FixedLocalDay today(2026);
    RecordedCalendar calendar(2026, 4, 10);
    calendar.Model.SetDay(31);
    EXPECT_EQ(calendar.Model.Day(), 10);
    calendar.Model.SetDay(30);
    EXPECT_EQ(calendar.Model.Day(), 30);
}

TEST(MonthCalendarProperties, FailingYearWritesKeepTheDate) {
    const std::pair<Ymd, int> cases[] = {{{2024, 2, 29}, 2025}, {{2026, 3, 15}, 10000}};
    for (const auto& [from, year] : cases) {
        SCOPED_TRACE(year);
        FixedLocalDay today(2026);
        RecordedCalendar calendar(from.Year, from.Month, from.Day);
        EXPECT_THROW(calendar.Model.SetYear(year), EConvertError);
        EXPECT_EQ(calendar.Model.CalendarDate(), MakeDate(from.Year, from.Month, from.Day));
        EXPECT_TRUE(calendar.Model.UseCurrentDate());
        EXPECT_TRUE(calendar.Log.empty());
    }
}

TEST(MonthCalendarProperties, CalendarDateTakesWholeDaysInTheCalendarOnly) {
    FixedLocalDay today(2026);
    RecordedCalendar calendar(2026, 3, 15);
    MonthCalendarModel& model = calendar.Model;
    const double refused[] = {MinDateValue - 1,
                              MaxDateValue + 1,
                              MaxDateValue + 1.5,
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity()};
    for (double value : refused) {
        EXPECT_THROW(model.SetCalendarDate(value), EConvertError) << value;
        EXPECT_EQ(model.CalendarDate(), MakeDate(2026, 3, 15));
    }
    EXPECT_TRUE(calendar.Log.empty());

    model.SetCalendarDate(MakeDate(2026, 3, 15) + 0.75);
    EXPECT_TRUE(calendar.Log.empty()) << "the same day with a time is no change";
    model.SetCalendarDate(MaxDateValue + 0.5);
    EXPECT_EQ(model.CalendarDate(), MaxDateValue);
    model.SetCalendarDate(MinDateValue - 0.5);  // noon of the first day
    EXPECT_EQ(model.CalendarDate(), MinDateValue);
    model.SetCalendarDate(MinDateValue);
    EXPECT_EQ(calendar.ChangeCount(), 2);
    EXPECT_TRUE(model.UseCurrentDate());
}

TEST(MonthCalendarProperties, ChangeComesAfterTheDisplayUpdate) {
    FixedLocalDay today(2026, 3, 15);
    RecordedCalendar calendar(2026, 1, 31);
    MonthCalendarModel& model = calendar.Model;
    std::string titleSeenByChange;
    model.OnChange = [&] {
        calendar.Log.push_back("change");
        titleSeenByChange = model.TitleText();
        EXPECT_FALSE(model.Updating());
    };
    model.OnRefresh = [&](CalendarRefresh refresh) {
        EXPECT_TRUE(model.Updating());
        calendar.Log.push_back(refresh == CalendarRefresh::Full ? "full" : "selection");
    };

    model.NextMonth();
    EXPECT_EQ(titleSeenByChange, "February 2026");
    model.SetDay(3);
    model.SetStartOfWeek(TCalDayOfWeek::dowSunday);
    model.SetWeekends({TCalDayOfWeek::dowSaturday});
    model.SetUseCurrentDate(true);
    model.SetUseCurrentDate(true);
    EXPECT_EQ(model.CalendarDate(), MakeDate(2026, 3, 15));
    EXPECT_EQ(titleSeenByChange, "February 2026") << "turning UseCurrentDate on fires no change";
    model.SetUseCurrentDate(false);
    const std::vector<std::string> expected = {"full", "change", "selection", "change",
                                               "full", "full",   "full"};
    EXPECT_EQ(calendar.Log, expected);
}

TEST(MonthCalendarProperties, AFailingDisplayUpdateStillClearsUpdating) {
    FixedLocalDay today(2026);
    RecordedCalendar calendar(2026, 3, 15);
    calendar.Model.OnRefresh = [](CalendarRefresh) { throw Exception("display gone"); };
    EXPECT_THROW(calendar.Model.UpdateCalendar(), Exception);
    EXPECT_FALSE(calendar.Model.Updating());
}

}  // namespace
}  // namespace quendar
