#include "app/regional/regional_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "app/dates/total_days.h"

namespace quendar {
namespace {

// Sets the locale variables for one test and puts the old ones back.
class LocaleEnvironment : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
            const char* value = std::getenv(name);
            savedVariables_[name] = value ? std::optional<std::string>(value) : std::nullopt;
            unsetenv(name);
        }
        savedSettings_ = LocaleDateSettings();
    }
    void TearDown() override {
        for (const auto& [name, value] : savedVariables_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        LocaleDateSettings() = savedSettings_;
    }
    static void Use(const char* name, const char* value) { setenv(name, value, 1); }

private:
    std::map<std::string, std::optional<std::string>> savedVariables_;
    DateFormatSettings savedSettings_;
};

using RegionalSettings = LocaleEnvironment;

TEST_F(RegionalSettings, LocalesWithoutRegionalFormsGiveTheDefaults) {
    for (const char* locale : {"C", "POSIX", "C.UTF-8", "xx_XX.UTF-8", "../../etc/passwd"}) {
        Use("LC_ALL", locale);
        LocaleDateSettings().ShortDatePattern = "stale";
        LoadLocaleDateSettings();
        EXPECT_EQ(LocaleDateSettings(), DateFormatSettings()) << locale;
    }
}

struct LocaleCase {
    const char* Locale;
    const char* ShortDatePattern;
    char DateSep;
    const char* LongTimePattern;
    const char* March;
    const char* Sunday;  // weekday 1
    const char* ShortMonday;
    const char* FifteenthOfJanuary;
    const char* FirstOfFebruary;
    const char* ForeignForm;  // a valid date in the other locale's form
};

TEST_F(RegionalSettings, InstalledLocalesGiveTheirForms) {
    const LocaleCase cases[] = {
        {"en_US.UTF-8", "MM/dd/yyyy", '/', "hh:mm:ss AMPM", "March", "Sunday", "Mon", "1/15/2026", "2/1/2026",
         "15.01.2026"},
        {"de_DE.UTF-8", "dd.MM.yyyy", '.', "hh:mm:ss", "M\xC3\xA4rz", "Sonntag", "Mo", "15.01.2026",
         "1.2.2026", "1/15/2026"},
    };
    for (const LocaleCase& c : cases) {
        Use("LC_ALL", c.Locale);
        LoadLocaleDateSettings();
        const DateFormatSettings& settings = LocaleDateSettings();
        EXPECT_EQ(settings.ShortDatePattern, c.ShortDatePattern) << c.Locale;
        EXPECT_EQ(settings.DateSep, c.DateSep) << c.Locale;
        EXPECT_EQ(settings.LongTimePattern, c.LongTimePattern) << c.Locale;
        EXPECT_EQ(settings.MonthNamesLong[3], c.March) << c.Locale;
        EXPECT_EQ(settings.DayNamesLong[1], c.Sunday) << c.Locale;
        EXPECT_EQ(settings.DayNamesShort[2], c.ShortMonday) << c.Locale;
        EXPECT_EQ(settings.YearWindow, 50);
        EXPECT_EQ(RecalculatedTotalDays(c.FifteenthOfJanuary, c.FirstOfFebruary), "17") << c.Locale;
        EXPECT_EQ(RecalculatedTotalDays(c.ForeignForm, c.FirstOfFebruary), "Enter valid dates")
            << "a date of another form is not guessed: " << c.Locale;
    }
}

TEST_F(RegionalSettings, LoadedSettingsDriveTheDayCount) {
    Use("LC_ALL", "de_DE.UTF-8");
    LoadLocaleDateSettings();
    EXPECT_EQ(RecalculatedTotalDays("01.01.2026", "15.01.2026"), "14");
    EXPECT_EQ(RecalculatedTotalDays("1/1/2026", "1/15/2026"), "Enter valid dates");
}

struct VariableCase {
    const char* LcAll;
    const char* LcTime;
    const char* Lang;
    char ExpectedSeparator;
};

TEST_F(RegionalSettings, LcAllThenLcTimeThenLangDecides) {
    const VariableCase cases[] = {
        {"de_DE.UTF-8", "en_US.UTF-8", "en_US.UTF-8", '.'},
        {nullptr, "de_DE.UTF-8", "en_US.UTF-8", '.'},
        {"", "de_DE.UTF-8", "C", '.'},  // an empty variable counts as unset
        {nullptr, nullptr, "de_DE.UTF-8", '.'},
        {nullptr, "C", "de_DE.UTF-8", '/'},
        {nullptr, nullptr, nullptr, '/'},
    };
    for (const VariableCase& c : cases) {
        for (auto [name, value] : {std::pair{"LC_ALL", c.LcAll}, {"LC_TIME", c.LcTime}, {"LANG", c.Lang}}) {
            if (value)
                Use(name, value);
            else
                unsetenv(name);
        }
        LoadLocaleDateSettings();
        EXPECT_EQ(LocaleDateSettings().DateSep, c.ExpectedSeparator)
            << (c.LcAll ? c.LcAll : "-") << " " << (c.LcTime ? c.LcTime : "-") << " "
            << (c.Lang ? c.Lang : "-");
    }
}

TEST_F(RegionalSettings, ItemsComeMondayFirstAsThePlatformNumbersThem) {
    Use("LC_ALL", "de_DE.UTF-8");
    const RegionalDateItems items = UserRegionalDateItems();
    EXPECT_EQ(items.DayNames[0], "Montag");
    EXPECT_EQ(items.DayNames[6], "Sonntag");
    EXPECT_EQ(items.AbbreviatedMonthNames[11], "Dez");
    EXPECT_EQ(items.DateSeparator, ".");
    EXPECT_EQ(items.TimeClock, "1");
}

}  // namespace
}  // namespace quendar
