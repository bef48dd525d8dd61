#include "framework/persistent.h"

#include "framework/exception.h"

namespace quendar {

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& destination) const {
    throw Exception("Cannot assign a " + ClassName() + " to a " + destination.ClassName());
}

}  // namespace quendar
