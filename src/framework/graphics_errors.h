#pragma once
// Exceptions of the picture classes.

#include "framework/exception.h"

namespace quendar {

// A picture that cannot be read, an unknown picture file extension or class,
// or an operation a picture does not allow.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// Corrupt, truncated, unsupported or oversized JPEG data ("JPEG: ...").
class EJPEG : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

}  // namespace quendar
