#pragma once
// The user's regional date settings, read from the platform's locale items.
// Free of window code: the command line and the window both call it at
// start-up, and the window again when the system announces new settings.

#include "app/dates/date_settings.h"
#include "app/dates/regional_date_items.h"

namespace quendar {

// The date items of the user's default locale as the platform gives them;
// an item the locale does not supply is empty.
RegionalDateItems UserRegionalDateItems();

// Refills LocaleDateSettings() from the user's locale as it stands now.
// Never fails: items the locale lacks keep their defaults.
void LoadLocaleDateSettings();

// Makes the month calendar take its first day of the week from the user's
// locale (asked again on every use, so a changed locale shows at once).
void UseUserLocaleFirstDayOfWeek();

}  // namespace quendar
