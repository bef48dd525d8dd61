#pragma once
// Base of every object that can copy its state from another and be written
// to or read from the window definition.

#include <string>

namespace quendar {

class TPersistent {
public:
    TPersistent() = default;
    TPersistent(const TPersistent&) = delete;
    TPersistent& operator=(const TPersistent&) = delete;
    virtual ~TPersistent() = default;

    // Copies the state of `source`. A class that knows its sources overrides
    // Assign; one that knows how to fill other classes overrides AssignTo.
    // When neither knows the pair, raises Exception
    // "Cannot assign a <source class> to a <this class>".
    virtual void Assign(const TPersistent& source);

    // The registered class name, also used in error messages; every class
    // that is created by name from a window definition overrides it.
    virtual std::string ClassName() const { return "TPersistent"; }

    // The object this one belongs to (a component's owner, an item's
    // collection, a collection's owner), or nullptr.
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    virtual void AssignTo(TPersistent& destination) const;
};

}  // namespace quendar
