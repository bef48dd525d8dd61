#include "platform/locale_info.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/strftime_translation.h"

namespace quendar {

namespace {

const char* const EnglishMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};
const char* const EnglishMonthsShort[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// Monday first, as the items number them.
const char* const EnglishDays[7] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                    "Friday", "Saturday", "Sunday"};
const char* const EnglishDaysShort[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// glibc's own week reference: its day names start on Sunday 30 November 1997.
constexpr std::uint32_t SundayWeekStart = 19971130;

bool NamesTheCLocale(const std::string& name) {
    return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

// Locale names are also file paths to the C library; only plain names are used.
bool IsPlainLocaleName(const std::string& name) {
    return !name.empty() && name.size() < 256 && name.find('/') == std::string::npos && name != "." &&
           name != "..";
}

struct LocaleHandleDeleter {
    void operator()(locale_t handle) const { freelocale(handle); }
};
using LocaleHandle = std::unique_ptr<std::remove_pointer_t<locale_t>, LocaleHandleDeleter>;

// Locale texts come in the locale's own character set; this program's texts are UTF-8.
class Utf8Converter {
public:
    explicit Utf8Converter(const char* codeset) {
        if (codeset != nullptr && std::strcmp(codeset, "UTF-8") != 0) {
            conversion_ = iconv_open("UTF-8", codeset);
            converts_ = true;
        }
    }
    ~Utf8Converter() {
        if (converts_ && conversion_ != reinterpret_cast<iconv_t>(-1)) iconv_close(conversion_);
    }
    Utf8Converter(const Utf8Converter&) = delete;
    Utf8Converter& operator=(const Utf8Converter&) = delete;

    // Empty when the text cannot be converted.
    std::string operator()(const char* text) const {
        if (text == nullptr) return {};
        if (!converts_) return text;
        if (conversion_ == reinterpret_cast<iconv_t>(-1)) return {};
        iconv(conversion_, nullptr, nullptr, nullptr, nullptr);
        std::string input(text);
        std::string output(input.size() * 4 + 4, '\0');
        char* in = input.data();
        char* out = output.data();
        std::size_t inLeft = input.size(), outLeft = output.size();
        if (iconv(conversion_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) return {};
        output.resize(output.size() - outLeft);
        return output;
    }

private:
    iconv_t conversion_ = reinterpret_cast<iconv_t>(-1);
    bool converts_ = false;
};

// 0 = Sunday ... 6 = Saturday, for a date written as the number YYYYMMDD.
std::optional<int> WeekdayOfDateNumber(std::uint32_t dateNumber) {
    int year = static_cast<int>(dateNumber / 10000);
    const int month = static_cast<int>(dateNumber / 100 % 100);
    const int day = static_cast<int>(dateNumber % 100);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    static constexpr int MonthOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) --year;
    return (year + year / 4 - year / 100 + year / 400 + MonthOffsets[month - 1] + day) % 7;
}

}  // namespace

LocaleInfo::LocaleInfo(const std::string& localeName) : name_(localeName) {
    SetDefaults();
    if (IsPlainLocaleName(name_) && !NamesTheCLocale(name_)) regional_ = ReadLocale();
}

void LocaleInfo::SetDefaults() {
    items_ = {
        {LOCALE_SSHORTDATE, "m/d/yy"}, {LOCALE_SDATE, "/"},   {LOCALE_SLONGDATE, "mmmm d, yyyy"},
        {LOCALE_ITIME, "0"},           {LOCALE_ITLZERO, "0"}, {LOCALE_ITIMEMARKPOSN, "0"},
        {LOCALE_IFIRSTDAYOFWEEK, "6"},
    };
    for (int i = 0; i < 12; ++i) {
        items_.emplace(LOCALE_SMONTHNAME1 + i, EnglishMonths[i]);
        items_.emplace(LOCALE_SABBREVMONTHNAME1 + i, EnglishMonthsShort[i]);
    }
    for (int i = 0; i < 7; ++i) {
        items_.emplace(LOCALE_SDAYNAME1 + i, EnglishDays[i]);
        items_.emplace(LOCALE_SABBREVDAYNAME1 + i, EnglishDaysShort[i]);
    }
}

bool LocaleInfo::ReadLocale() {
    const LocaleHandle handle(
        newlocale(LC_TIME_MASK | LC_CTYPE_MASK, name_.c_str(), static_cast<locale_t>(0)));
    if (!handle) return false;
    locale_t locale = handle.get();
    const Utf8Converter toUtf8(nl_langinfo_l(CODESET, locale));
    auto text = [&](nl_item item) { return toUtf8(nl_langinfo_l(item, locale)); };
    auto keepIfGiven = [&](LCTYPE item, const std::string& value) {
        if (!value.empty()) items_[item] = value;
    };

    const std::string dateFormat = text(D_FMT);
    const std::string separator = DateSeparatorFromStrftime(dateFormat);
    keepIfGiven(LOCALE_SDATE, separator);
    const std::string& patternSeparator = items_[LOCALE_SDATE];
    keepIfGiven(LOCALE_SSHORTDATE, DatePatternFromStrftime(dateFormat, patternSeparator));
    keepIfGiven(LOCALE_SLONGDATE, LongDatePatternFromStrftime(text(D_T_FMT), patternSeparator));

    const StrftimeClock clock = ClockFromStrftime(text(T_FMT), text(T_FMT_AMPM));
    if (clock.HasHour) {
        items_[LOCALE_ITIME] = std::to_string(clock.TwelveHour ? 0 : 1);
        items_[LOCALE_ITLZERO] = std::to_string(clock.LeadingZero ? 1 : 0);
        items_[LOCALE_ITIMEMARKPOSN] = std::to_string(clock.MarkerFirst ? 1 : 0);
    }

    for (int i = 0; i < 12; ++i) {
#ifdef ALTMON_1
        // The stand-alone form where the language has one ("январь", not "января").
        std::string month = text(static_cast<nl_item>(ALTMON_1 + i));
        if (month.empty()) month = text(static_cast<nl_item>(MON_1 + i));
#else
        std::string month = text(static_cast<nl_item>(MON_1 + i));
#endif
        keepIfGiven(LOCALE_SMONTHNAME1 + i, month);
        keepIfGiven(LOCALE_SABBREVMONTHNAME1 + i, text(static_cast<nl_item>(ABMON_1 + i)));
    }

    // The day names begin at the weekday of the locale's week reference date,
    // and the first day of the week counts from that name.
    std::uint32_t weekStart = SundayWeekStart;
    int firstWeekday = 1;
#ifdef __GLIBC__
    const char* weekStartSlot = nl_langinfo_l(_NL_TIME_WEEK_1STDAY, locale);
    std::memcpy(&weekStart, &weekStartSlot, sizeof weekStart);  // a number stored in the pointer's place
    firstWeekday = static_cast<unsigned char>(nl_langinfo_l(_NL_TIME_FIRST_WEEKDAY, locale)[0]);
#endif
    const int firstNameWeekday = WeekdayOfDateNumber(weekStart).value_or(0);
    for (int item = 0; item < 7; ++item) {
        const int sundayBased = (item + 1) % 7;  // item 0 is Monday
        const int nameIndex = (sundayBased - firstNameWeekday + 7) % 7;
        keepIfGiven(LOCALE_SDAYNAME1 + item, text(static_cast<nl_item>(DAY_1 + nameIndex)));
        keepIfGiven(LOCALE_SABBREVDAYNAME1 + item, text(static_cast<nl_item>(ABDAY_1 + nameIndex)));
    }
    if (firstWeekday >= 1 && firstWeekday <= 7) {
        const int sundayBased = (firstNameWeekday + firstWeekday - 1) % 7;
        items_[LOCALE_IFIRSTDAYOFWEEK] = std::to_string((sundayBased + 6) % 7);
    }
    return true;
}

std::string LocaleInfo::Item(LCTYPE item) const {
    const auto found = items_.find(item);
    return found == items_.end() ? std::string() : found->second;
}

std::string UserTimeLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return value;
    }
    return "C";
}

std::string GetLocaleInfo(LCID locale, LCTYPE item) {
    if (locale != LOCALE_USER_DEFAULT && locale != LOCALE_SYSTEM_DEFAULT) return {};
    // Start-up asks for some forty items in a row; they share one reading.
    static std::mutex guard;
    static std::unique_ptr<LocaleInfo> cached;
    const std::string name = UserTimeLocaleName();
    const std::lock_guard<std::mutex> lock(guard);
    if (!cached || cached->Name() != name) cached = std::make_unique<LocaleInfo>(name);
    return cached->Item(item);
}

}  // namespace quendar
