#pragma once

#include <stdexcept>
#include <string>

namespace quendar {

// Raised by platform services for bad input (a corrupt bitmap file, an
// impossible size) and for failures of the system below them.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quendar
