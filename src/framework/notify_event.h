#pragma once
// The event type of the framework's "something happened" events (OnChange,
// OnClick, ...): a handler that takes the component that raised the event,
// and the name of the form method it stands for when the window definition
// bound it, so that writing the definition back keeps the binding.

#include <functional>
#include <string>
#include <utility>

namespace quendar {

class TComponent;

struct TNotifyEvent {
    TNotifyEvent() = default;
    TNotifyEvent(std::function<void(TComponent* sender)> handler, std::string methodName = {})
        : Handler(std::move(handler)), MethodName(std::move(methodName)) {}

    std::function<void(TComponent* sender)> Handler;
    // Empty for a handler bound in code.
    std::string MethodName;

    explicit operator bool() const { return static_cast<bool>(Handler); }
    void operator()(TComponent* sender) const {
        if (Handler) Handler(sender);
    }
};

}  // namespace quendar
