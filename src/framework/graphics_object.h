#pragma once
// TGraphicsObject: the common part of fonts, brushes and pens.
//
// Every setter compares first; only a real change bumps the change count and
// calls OnChange, once per change (an Assign that changes several properties
// calls it once). The count lets a canvas notice that its font, brush or pen
// needs selecting into its device context again, without taking OnChange,
// which stays free for the owner (a control watching its font).

#include <cstdint>
#include <functional>

#include "framework/persistent.h"

namespace quendar {

// Called after the object changed; `sender` is the object.
using TChangeEvent = std::function<void(TPersistent* sender)>;

class TGraphicsObject : public TPersistent {
public:
    TChangeEvent OnChange;

    // Grows by one with every change.
    std::uint64_t ChangeCount() const { return changeCount_; }

protected:
    void Changed();

private:
    std::uint64_t changeCount_ = 0;
};

}  // namespace quendar
