#include "framework/standard_classes.h"

#include "framework/class_registry.h"
#include "framework/control_properties.h"
#include "framework/graphics_properties.h"
#include "framework/grid_properties.h"
#include "framework/image_properties.h"
#include "framework/menu_properties.h"
#include "framework/std_buttons_registration.h"
#include "framework/std_edit_properties.h"
#include "framework/timer_properties.h"

namespace quendar {

void RegisterStandardClasses(ClassRegistry& registry) {
    RegisterGraphicsClasses(registry);
    RegisterControlClasses(registry);
    RegisterEditClasses(registry);
    RegisterButtonClasses(registry);
    RegisterGridClasses(registry);
    RegisterImageClasses(registry);
    RegisterTimerClasses(registry);
    RegisterMenuClasses(registry);
}

}  // namespace quendar
