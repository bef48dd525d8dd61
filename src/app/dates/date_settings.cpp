#include "app/dates/date_settings.h"

namespace quendar {

OneBasedNames<12> DateFormatSettings::EnglishMonthNamesShort() {
    return OneBasedNames<12>(
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"});
}

OneBasedNames<12> DateFormatSettings::EnglishMonthNamesLong() {
    return OneBasedNames<12>({"January", "February", "March", "April", "May", "June", "July", "August",
                              "September", "October", "November", "December"});
}

OneBasedNames<7> DateFormatSettings::EnglishDayNamesShort() {
    return OneBasedNames<7>({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
}

OneBasedNames<7> DateFormatSettings::EnglishDayNamesLong() {
    return OneBasedNames<7>({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"});
}

DateFormatSettings& LocaleDateSettings() {
    static DateFormatSettings settings;
    return settings;
}

}  // namespace quendar
