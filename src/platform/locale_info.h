#pragma once
// Regional items in the window system's shape (GetLocaleInfo with LOCALE_*
// item numbers), taken from the user's POSIX LC_TIME locale. The process's
// global locale is never changed. Where the locale gives nothing (the C and
// POSIX locales, a locale that is not installed, an empty item) the items
// hold the defaults: US English names, "m/d/yy" with "/", a 12-hour clock
// and Sunday as the first day of the week.

#include <cstdint>
#include <map>
#include <string>

namespace quendar {

using LCID = std::uint32_t;
using LCTYPE = std::uint32_t;

constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;

enum : LCTYPE {
    LOCALE_SDATE = 0x001D,
    LOCALE_SSHORTDATE = 0x001F,
    LOCALE_SLONGDATE = 0x0020,
    LOCALE_ITIME = 0x0023,
    LOCALE_ITLZERO = 0x0025,
    LOCALE_SDAYNAME1 = 0x002A,  // Monday; ..7 = Sunday
    LOCALE_SDAYNAME7 = 0x0030,
    LOCALE_SABBREVDAYNAME1 = 0x0031,
    LOCALE_SABBREVDAYNAME7 = 0x0037,
    LOCALE_SMONTHNAME1 = 0x0038,
    LOCALE_SMONTHNAME12 = 0x0043,
    LOCALE_SABBREVMONTHNAME1 = 0x0044,
    LOCALE_SABBREVMONTHNAME12 = 0x004F,
    LOCALE_ITIMEMARKPOSN = 0x1005,
    LOCALE_IFIRSTDAYOFWEEK = 0x100C,  // "0" = Monday ... "6" = Sunday
};

// A snapshot of one locale's items.
class LocaleInfo {
public:
    // Never fails: a name that is not an installed locale gives the defaults.
    explicit LocaleInfo(const std::string& localeName);

    const std::string& Name() const { return name_; }

    // False when the items are the defaults only.
    bool HasRegionalSettings() const { return regional_; }

    // The item's text; empty for an item this platform does not supply.
    std::string Item(LCTYPE item) const;

private:
    void SetDefaults();
    bool ReadLocale();

    std::string name_;
    bool regional_ = false;
    std::map<LCTYPE, std::string> items_;
};

// The locale that decides the user's date forms: LC_ALL, else LC_TIME, else
// LANG (the first that is set and not empty); "C" when none is.
std::string UserTimeLocaleName();

// An item of the user's locale (LOCALE_USER_DEFAULT or LOCALE_SYSTEM_DEFAULT);
// empty for any other locale identifier or an unknown item. Each call reads
// the environment again, so a changed locale is picked up.
std::string GetLocaleInfo(LCID locale, LCTYPE item);

}  // namespace quendar
