// The window reads the regional settings again when the system announces a change.

#include <locale.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "app/dates/calendar_day_of_week.h"
#include "app/regional/regional_settings.h"
#include "app/window/quendar_form.h"
#include "platform/message_queue.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "quendar_form_test_support.h"

namespace quendar::testing_support {
namespace {

// Sets LC_ALL while it lives.
class ScopedLcAll {
public:
    explicit ScopedLcAll(const char* value) {
        if (const char* old = std::getenv("LC_ALL")) previous_ = old;
        setenv("LC_ALL", value, 1);
    }
    ~ScopedLcAll() {
        if (previous_) {
            setenv("LC_ALL", previous_->c_str(), 1);
        } else {
            unsetenv("LC_ALL");
        }
    }

private:
    std::optional<std::string> previous_;
};

bool LocaleInstalled(const char* name) {
    locale_t locale = newlocale(LC_TIME_MASK, name, nullptr);
    if (locale == nullptr) return false;
    freelocale(locale);
    return true;
}

TEST_F(QuendarFormTest, SettingsChangeAndNewTaskbarRereadTheDateForms) {
    if (!LocaleInstalled("de_DE.UTF-8")) GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    for (UINT message : {static_cast<UINT>(WM_WININICHANGE), RegisterWindowMessage("TaskbarCreated")}) {
        DateFormatSettings us;
        us.ShortDatePattern = "M/d/yyyy";
        LocaleDateSettings() = us;
        ScopedLcAll german("de_DE.UTF-8");
        SendMessage(form->Handle(), message, 0, 0);
        EXPECT_EQ(LocaleDateSettings().ShortDatePattern, "dd.MM.yyyy");
        EXPECT_EQ(LocaleDateSettings().DateSep, '.');
        ClickCentre(*form->sButton_UseCalendar);
        EXPECT_EQ(form->sEdit_StartDate->Text(), "15.03.2026");
        TypeInto(*form->sEdit_CompleteDate, "1.4.2026");
        EXPECT_EQ(form->sEdit_DurationDays->Text(), "17");
        TypeInto(*form->sEdit_StartDate, "");
    }
}

TEST_F(QuendarFormTest, CalendarWeekStartsOnTheLocalesFirstDay) {
    const LocaleFirstDaySource previous = SetLocaleFirstDaySource({});
    UseUserLocaleFirstDayOfWeek();
    struct Case {
        const char* Locale;
        std::string FirstColumn;
    };
    for (const Case& c : {Case{"de_DE.UTF-8", "Mo"}, Case{"en_US.UTF-8", "Sun"}, Case{"C", "Sun"}}) {
        if (!LocaleInstalled(c.Locale)) continue;
        ScopedLcAll locale(c.Locale);
        SendMessage(form->Handle(), WM_WININICHANGE, 0, 0);
        EXPECT_EQ(form->sMonthCalendar->CellText(0, 0), c.FirstColumn) << c.Locale;
    }
    SetLocaleFirstDaySource(previous);
}

}  // namespace
}  // namespace quendar::testing_support
