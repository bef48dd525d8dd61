#include "app/window/program_startup.h"

#include "app/regional/regional_settings.h"
#include "app/window/quendar_form.h"
#include "framework/application.h"
#include "framework/class_registry.h"
#include "framework/jpeg_image.h"
#include "platform/message_queue.h"
#include "platform/program_icon.h"

namespace quendar {

void InitializeQuendarProgram(const std::string& programPath) {
    Application.SetExeName(programPath);
    LoadLocaleDateSettings();
    UseUserLocaleFirstDayOfWeek();
    RegisterWindowMessage("TaskbarCreated");
    RegisterWindowMessage("SM_ALPHACMD");
    RegisterJpegImageFormat();
    GetProgramIcon(16);
    GetProgramIcon(32);
    Application.Initialize();
}

TForm_Quendar* CreateQuendarMainWindow(ClassRegistry& registry) {
    RegisterQuendarWindowClasses(registry);
    return Application.CreateForm<TForm_Quendar>(registry);
}

}  // namespace quendar
