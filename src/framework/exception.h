#pragma once
// The framework's exception types. Header-only so that the date rules and the
// command line can use them without linking the GUI libraries.

#include <stdexcept>
#include <string>

namespace quendar {

// Failures carry a message meant for the user; the application's error
// display shows it (with a full stop appended when it lacks one).
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A text that does not convert to the value asked for.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace quendar
