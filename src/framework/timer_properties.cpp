#include "framework/timer_properties.h"

#include "framework/timer_component.h"

namespace quendar {

const PropertyTable& TimerProperties() {
    using T = TTimer;
    static const PropertyTable table =
        PropertyTable()
            .Boolean<T>("Enabled", &T::Enabled, &T::SetEnabled, true)
            .Integer<T>(
                "Interval", [](const T& t) { return static_cast<std::int32_t>(t.Interval()); },
                // A negative stored interval stops the timer rather than meaning days.
                [](T& t, std::int32_t value) { t.SetInterval(value > 0 ? static_cast<unsigned>(value) : 0); },
                1000)
            .Integer<T>(
                "Tag", [](const T& t) { return static_cast<std::int32_t>(t.Tag()); },
                [](T& t, std::int32_t value) { t.SetTag(value); })
            .Event<T>("OnTimer", &T::OnTimer);
    return table;
}

void RegisterTimerClasses(ClassRegistry& registry) {
    registry.RegisterComponentClass<TTimer>("TTimer", TimerProperties());
}

}  // namespace quendar
