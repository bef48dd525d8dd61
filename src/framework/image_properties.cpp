#include "framework/image_properties.h"

#include "framework/control_properties.h"
#include "framework/image.h"

namespace quendar {

const PropertyTable& ImageProperties() {
    using I = TImage;
    static const PropertyTable table =
        PropertyTable(ControlProperties())
            .Boolean<I>("AutoSize", &I::AutoSize, &I::SetAutoSize, false)
            .Boolean<I>("Center", &I::Center, &I::SetCenter, false)
            .Object<I>("Picture", [](I& image) -> TPersistent* { return &image.Picture(); })
            .Boolean<I>("Stretch", &I::Stretch, &I::SetStretch, false)
            .Boolean<I>("Transparent", &I::Transparent, &I::SetTransparent, false);
    return table;
}

void RegisterImageClasses(ClassRegistry& registry) {
    registry.RegisterComponentClass<TImage>("TImage", ImageProperties());
}

}  // namespace quendar
