// TsMonthCalendar in a stored window definition: the main window's calendar
// reads back, the parts made by the constructor are never stored, and the
// date is stored only once it was chosen.

#include "app/calendar/month_calendar_registration.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar_test_support.h"
#include "framework/definition_reader.h"
#include "framework/definition_text.h"
#include "framework/definition_writer.h"
#include "framework/property_stream_values.h"
#include "framework/standard_classes.h"
#include "framework/std_button.h"

namespace quendar::testing_support {
namespace {

constexpr const char* MainWindowText = R"(object MainWindow: TForm
  ClientHeight = 200
  ClientWidth = 560
  object First: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    TabOrder = 0
  end
  object sMonthCalendar: TsMonthCalendar
    Left = 354
    Top = 21
    Width = 178
    Height = 139
    BevelWidth = 1
    BorderWidth = 3
    Caption = ' '
    ParentBackground = False
    TabOrder = 1
  end
end
)";

class MonthCalendarRegistrationTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        RegisterStandardClasses(registry);
        RegisterMonthCalendarClasses(registry);
    }
    // The text of the calendar's own object in the written definition.
    std::string WrittenCalendar(const TForm& form) {
        const std::string text = PrintDefinitionText(DefinitionTreeOf(form, registry));
        const std::size_t start = text.find("object sMonthCalendar");
        return start == std::string::npos ? text : text.substr(start);
    }

    FixedLocalDay today{2026, 3, 15};
    ClassRegistry registry;
};

TEST_F(MonthCalendarRegistrationTest, MainWindowCalendarReadsBack) {
    FormPtr form(CreateComponent<TForm>(nullptr));
    ReadDefinition(*form, CompileDefinitionText(MainWindowText), registry);
    auto* calendar = dynamic_cast<TsMonthCalendar*>(form->FindComponent("sMonthCalendar"));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->BoundsRect(), Rect::FromSize(354, 21, 178, 139));
    EXPECT_EQ(calendar->BevelWidth(), 1);
    EXPECT_EQ(calendar->BorderWidth(), 3);
    EXPECT_EQ(calendar->Caption(), " ");
    EXPECT_FALSE(calendar->ParentBackground());
    EXPECT_EQ(calendar->TabOrder(), 1);
    EXPECT_EQ(calendar->Parent(), form.get());
    EXPECT_EQ(form->ComponentCount(), 2);
    EXPECT_EQ(calendar->CalendarDate(), MakeDate(2026, 3, 15));
    EXPECT_TRUE(calendar->UseCurrentDate());
    EXPECT_EQ(calendar->StartOfWeek(), TCalDayOfWeek::dowLocaleDefault);
    EXPECT_EQ(calendar->Weekends(), TDaysOfWeek{TCalDayOfWeek::dowSunday});
    EXPECT_EQ(calendar->WeekendColor(), 255);
    // The parts the constructor made, laid out inside border and bevel.
    EXPECT_EQ(calendar->TitleBar().BoundsRect(), (Rect{4, 4, 174, 24}));
    EXPECT_EQ(calendar->Grid().BoundsRect(), (Rect{4, 24, 174, 135}));
    EXPECT_EQ(calendar->TitleBar().Caption(), "March 2026");
}

TEST_F(MonthCalendarRegistrationTest, WritesOnlyWhatDiffersFromTheDefaults) {
    FormPtr form(CreateComponent<TForm>(nullptr));
    ReadDefinition(*form, CompileDefinitionText(MainWindowText), registry);
    const std::string plain = WrittenCalendar(*form);
    for (const char* absent :
         {" Width =", " Height =", " BevelWidth =", " BorderWidth =", " CalendarDate =", " UseCurrentDate =",
          " StartOfWeek =", " Weekends =", " WeekendColor =", " ShowTitle =", " ShowCurrentDate =",
          " ReadOnly =", "TsDragBar", "TsCalendGrid"})
        EXPECT_EQ(plain.find(absent), std::string::npos) << absent << " in\n" << plain;
    EXPECT_NE(plain.find("Caption = ' '"), std::string::npos) << plain;
}

TEST_F(MonthCalendarRegistrationTest, ChosenSettingsSurviveWritingAndReading) {
    FormPtr form(CreateComponent<TForm>(nullptr));
    ReadDefinition(*form, CompileDefinitionText(MainWindowText), registry);
    auto* calendar = dynamic_cast<TsMonthCalendar*>(form->FindComponent("sMonthCalendar"));
    ASSERT_NE(calendar, nullptr);
    calendar->SetCalendarDate(MakeDate(1999, 12, 31));
    calendar->SetDay(30);  // a chosen day: UseCurrentDate off
    calendar->SetStartOfWeek(TCalDayOfWeek::dowMonday);
    calendar->SetWeekends({TCalDayOfWeek::dowSaturday, TCalDayOfWeek::dowSunday});
    calendar->SetWeekendColor(clBlue);
    calendar->SetShowTitle(false);
    calendar->SetReadOnly(true);
    const std::string written = WrittenCalendar(*form);
    for (const char* present :
         {"StartOfWeek = dowMonday", "Weekends = [dowSaturday, dowSunday]", "UseCurrentDate = False",
          "ShowTitle = False", "ReadOnly = True", "CalendarDate ="})
        EXPECT_NE(written.find(present), std::string::npos) << present << " not in\n" << written;

    FormPtr copy(CreateComponent<TForm>(nullptr));
    ReadDefinition(*copy, CompileDefinitionText(PrintDefinitionText(DefinitionTreeOf(*form, registry))),
                   registry);
    auto* read = dynamic_cast<TsMonthCalendar*>(copy->FindComponent("sMonthCalendar"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->CalendarDate(), MakeDate(1999, 12, 30));
    EXPECT_FALSE(read->UseCurrentDate());
    EXPECT_EQ(read->StartOfWeek(), TCalDayOfWeek::dowMonday);
    EXPECT_EQ(read->Weekends(), (TDaysOfWeek{TCalDayOfWeek::dowSaturday, TCalDayOfWeek::dowSunday}));
    EXPECT_EQ(read->WeekendColor(), clBlue);
    EXPECT_FALSE(read->ShowTitle());
    EXPECT_TRUE(read->ReadOnly());
    EXPECT_EQ(read->TitleBar().Caption(), "December 1999");
}

TEST_F(MonthCalendarRegistrationTest, ImpossibleStoredValuesAreRefused) {
    struct Case {
        const char* Name;
        const char* Line;
    } cases[] = {
        {"date beyond 9999", "CalendarDate = 3000000.000000000000000000"},
        {"date before year 1", "CalendarDate = -700000.000000000000000000"},
        {"unknown weekday", "StartOfWeek = dowFunday"},
        {"weekend of the wrong kind", "Weekends = 5"},
    };
    for (const Case& c : cases) {
        const std::string text =
            std::string("object MainWindow: TForm\n  object sMonthCalendar: TsMonthCalendar\n    ") + c.Line +
            "\n  end\nend\n";
        FormPtr form(CreateComponent<TForm>(nullptr));
        EXPECT_THROW(ReadDefinition(*form, CompileDefinitionText(text), registry), EReadError) << c.Name;
        EXPECT_EQ(form->ComponentCount(), 0) << c.Name;
    }
}

}  // namespace
}  // namespace quendar::testing_support
