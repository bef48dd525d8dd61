#pragma once
// The window program's start-up, in its fixed order:
//   1. the regional date settings are read (the calendar's first day of the
//      week too, asked anew on every use); the messages "TaskbarCreated"
//      and "SM_ALPHACMD" are registered; the JPEG picture format is
//      registered (the stored logo is one); the program's icon is fetched
//      in small and large size for frames that have none of their own;
//   2. the main window is made from its stored definition and becomes the
//      application's main form.
// The backend (real window or headless) is installed before, by the caller.

#include <string>

namespace quendar {

class ClassRegistry;
class TForm_Quendar;

// Step 1. `programPath` gives the application title ("quendar" gives
// "Quendar").
void InitializeQuendarProgram(const std::string& programPath);

// Step 2: the main window, owned by Application. Registers the window's
// classes in `registry` first.
TForm_Quendar* CreateQuendarMainWindow(ClassRegistry& registry);

}  // namespace quendar
