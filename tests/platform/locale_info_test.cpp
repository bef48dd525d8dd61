#include "platform/locale_info.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace quendar {
namespace {

struct ItemCase {
    LCTYPE Item;
    const char* Text;
};

void ExpectItems(const LocaleInfo& info, std::initializer_list<ItemCase> cases) {
    for (const ItemCase& c : cases)
        EXPECT_EQ(info.Item(c.Item), c.Text) << info.Name() << ", item 0x" << std::hex << c.Item;
}

bool IsInstalled(const char* name) {
    locale_t handle = newlocale(LC_TIME_MASK, name, static_cast<locale_t>(0));
    if (handle == static_cast<locale_t>(0)) return false;
    freelocale(handle);
    return true;
}

// Sets locale variables for one test and puts the old values back.
class ScopedLocaleEnvironment {
public:
    ScopedLocaleEnvironment(const char* all, const char* time, const char* lang) {
        const char* values[] = {all, time, lang};
        for (int i = 0; i < 3; ++i) {
            const char* old = std::getenv(Names[i]);
            saved_.push_back(old ? std::optional<std::string>(old) : std::nullopt);
            if (values[i])
                setenv(Names[i], values[i], 1);
            else
                unsetenv(Names[i]);
        }
    }
    ~ScopedLocaleEnvironment() {
        for (int i = 0; i < 3; ++i) {
            if (saved_[i])
                setenv(Names[i], saved_[i]->c_str(), 1);
            else
                unsetenv(Names[i]);
        }
    }

private:
    static constexpr const char* Names[3] = {"LC_ALL", "LC_TIME", "LANG"};
    std::vector<std::optional<std::string>> saved_;
};

TEST(LocaleInfo, WithoutRegionalSettingsTheDefaultsHold) {
    for (const char* name : {"C", "POSIX", "C.UTF-8", "C.utf8", "", "xx_NONE.UTF-8", "../de_DE.UTF-8"}) {
        const LocaleInfo info(name);
        EXPECT_FALSE(info.HasRegionalSettings()) << name;
        ExpectItems(info, {
                              {LOCALE_SSHORTDATE, "m/d/yy"},
                              {LOCALE_SDATE, "/"},
                              {LOCALE_SLONGDATE, "mmmm d, yyyy"},
                              {LOCALE_ITIME, "0"},
                              {LOCALE_ITLZERO, "0"},
                              {LOCALE_ITIMEMARKPOSN, "0"},
                              {LOCALE_IFIRSTDAYOFWEEK, "6"},
                              {LOCALE_SMONTHNAME1, "January"},
                              {LOCALE_SMONTHNAME12, "December"},
                              {LOCALE_SABBREVMONTHNAME1 + 4, "May"},
                              {LOCALE_SABBREVMONTHNAME12, "Dec"},
                              {LOCALE_SDAYNAME1, "Monday"},
                              {LOCALE_SDAYNAME7, "Sunday"},
                              {LOCALE_SABBREVDAYNAME1, "Mon"},
                              {LOCALE_SABBREVDAYNAME7, "Sun"},
                              {0x7777, ""},
                          });
    }
}

TEST(LocaleInfo, UnitedStatesEnglish) {
    if (!IsInstalled("en_US.UTF-8")) GTEST_SKIP() << "en_US.UTF-8 is not generated (scripts/setup-deps)";
    const LocaleInfo info("en_US.UTF-8");
    EXPECT_TRUE(info.HasRegionalSettings());
    ExpectItems(info, {
                          {LOCALE_SSHORTDATE, "MM/dd/yyyy"},
                          {LOCALE_SDATE, "/"},
                          {LOCALE_SLONGDATE, "ddd dd MMM yyyy"},
                          {LOCALE_ITIME, "0"},
                          {LOCALE_ITLZERO, "1"},
                          {LOCALE_ITIMEMARKPOSN, "0"},
                          {LOCALE_IFIRSTDAYOFWEEK, "6"},
                          {LOCALE_SMONTHNAME1 + 2, "March"},
                          {LOCALE_SABBREVMONTHNAME1 + 8, "Sep"},
                          {LOCALE_SDAYNAME1, "Monday"},
                          {LOCALE_SDAYNAME7, "Sunday"},
                          {LOCALE_SABBREVDAYNAME1 + 5, "Sat"},
                      });
}

TEST(LocaleInfo, German) {
    if (!IsInstalled("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not generated (scripts/setup-deps)";
    const LocaleInfo info("de_DE.UTF-8");
    EXPECT_TRUE(info.HasRegionalSettings());
    ExpectItems(info, {
                          {LOCALE_SSHORTDATE, "dd.MM.yyyy"},
                          {LOCALE_SDATE, "."},
                          {LOCALE_SLONGDATE, "ddd dd MMM yyyy"},
                          {LOCALE_ITIME, "1"},
                          {LOCALE_ITLZERO, "1"},
                          {LOCALE_ITIMEMARKPOSN, "0"},
                          {LOCALE_IFIRSTDAYOFWEEK, "0"},
                          {LOCALE_SMONTHNAME1 + 2, "M\xC3\xA4rz"},
                          {LOCALE_SABBREVMONTHNAME1 + 2, "M\xC3\xA4r"},
                          {LOCALE_SABBREVMONTHNAME1 + 9, "Okt"},
                          {LOCALE_SDAYNAME1, "Montag"},
                          {LOCALE_SDAYNAME7, "Sonntag"},
                          {LOCALE_SABBREVDAYNAME1, "Mo"},
                          {LOCALE_SABBREVDAYNAME7, "So"},
                      });
}

TEST(LocaleInfo, UserLocaleComesFromTheEnvironmentInPosixOrder) {
    struct Case {
        const char *All, *Time, *Lang, *Expected;
    };
    const Case cases[] = {
        {"de_DE.UTF-8", "en_US.UTF-8", "en_US.UTF-8", "de_DE.UTF-8"},
        {"", "de_DE.UTF-8", "en_US.UTF-8", "de_DE.UTF-8"},
        {nullptr, nullptr, "en_US.UTF-8", "en_US.UTF-8"},
        {"", "", "", "C"},
        {nullptr, nullptr, nullptr, "C"},
    };
    for (const Case& c : cases) {
        ScopedLocaleEnvironment environment(c.All, c.Time, c.Lang);
        EXPECT_EQ(UserTimeLocaleName(), c.Expected);
    }
}

TEST(LocaleInfo, GetLocaleInfoFollowsTheUserLocale) {
    if (!IsInstalled("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not generated (scripts/setup-deps)";
    {
        ScopedLocaleEnvironment environment(nullptr, "de_DE.UTF-8", nullptr);
        EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE), "dd.MM.yyyy");
        EXPECT_EQ(GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SDATE), ".");
        EXPECT_EQ(GetLocaleInfo(0x0407, LOCALE_SDATE), "");
        EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, 0x7777), "");
    }
    ScopedLocaleEnvironment environment(nullptr, nullptr, nullptr);
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE), "m/d/yy");
}

}  // namespace
}  // namespace quendar
