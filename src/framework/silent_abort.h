#pragma once
// EAbort: the silent failure. It ends the handler it escapes from like any
// error, but the application's error display shows nothing for it.

#include "framework/exception.h"

namespace quendar {

class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
    using Exception::Exception;
};

[[noreturn]] inline void Abort() { throw EAbort(); }

}  // namespace quendar
