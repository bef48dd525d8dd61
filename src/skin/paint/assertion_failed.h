#pragma once
// A broken programming contract inside the skin engine (never bad outside
// input, which is refused with its own message).

#include <string>
#include <utility>

#include "framework/exception.h"

namespace quendar {

class EAssertionFailed : public Exception {
public:
    // what() is exactly `message`; the module names where the contract broke.
    EAssertionFailed(const std::string& message, std::string module)
        : Exception(message), module_(std::move(module)) {}
    const std::string& Module() const { return module_; }

private:
    std::string module_;
};

}  // namespace quendar
