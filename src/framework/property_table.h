#pragma once
// The published properties of one class, in the order the window definition
// stores them, each with its accessors and its declared default.
//
// A class builds its table once and hands it to the class registry:
//
//   const PropertyTable& TEdit::PublishedProperties() {
//       static const PropertyTable table = PropertyTable(TControl::PublishedProperties())
//           .String<TEdit>("Text", &TEdit::Text, &TEdit::SetText)
//           .Event<TEdit>("OnChange", &TEdit::OnChange);
//       return table;
//   }
//
// Copying a table is inheritance: the derived class starts from its parent's
// entries and appends its own; declaring a name again replaces the parent's
// entry in place (a different default, say) and keeps its position.
//
// Reading sets every property through the class's setter, so setters that
// compare first see each stored value exactly once. A value equal to its
// declared default is not written; neither are empty binary data and nil
// references. Collections are always written, empty ones too.
//
// Contract: an accessor of class T is only ever called on objects of class
// T or one derived from it (checked; a wrongly registered table raises
// Exception instead of misreading an object).

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/collection.h"
#include "framework/component.h"
#include "framework/definition_tree.h"
#include "framework/exception.h"
#include "framework/notify_event.h"

namespace quendar {

enum class PropertyKind {
    pkValue,       // integers, booleans, strings, enumerations, sets, floats, binary data
    pkObject,      // a sub-object with properties of its own ("Font.Name")
    pkCollection,  // items made by the collection's own item factory
    pkComponent,   // a reference to a component of the same form, by name
    pkEvent,       // a method of the form, by name
};

// A stored value of the wrong kind, or a name the property does not know.
// The reader turns it into an EReadError with the place and the property.
class EPropertyValueError : public Exception {
public:
    EPropertyValueError(std::string expected, std::string found)
        : Exception("expected " + expected + ", found " + found),
          Expected(std::move(expected)),
          Found(std::move(found)) {}
    std::string Expected;
    std::string Found;
};

// A name that an integer property also accepts and writes ("clBtnFace").
struct IntegerIdent {
    std::string_view Name;
    std::int32_t Value;
};

struct PublishedProperty {
    std::string Name;
    PropertyKind Kind = PropertyKind::pkValue;
    // pkValue: the value in stored form; pkComponent and pkEvent: the name or nil.
    std::function<DefinitionValue(const TPersistent&)> Get;
    // False when the value is at its declared default, so it is not written.
    std::function<bool(const TPersistent&)> IsStored;
    // pkValue; raises EPropertyValueError for a value it cannot take.
    std::function<void(TPersistent&, const DefinitionValue&)> Set;
    // pkObject: the sub-object; pkCollection: the collection.
    std::function<TPersistent*(TPersistent&)> SubObject;
    // pkComponent; raises EPropertyValueError for a component of the wrong class.
    std::function<void(TPersistent&, TComponent*)> SetComponent;
    std::function<void(TPersistent&, TNotifyEvent)> SetEvent;
};

// A form method that events in the definition may name.
struct PublishedMethod {
    std::string Name;
    std::function<void(TComponent& form, TComponent* sender)> Call;
};

namespace property_table_detail {

[[noreturn]] void ThrowWrongClass(const TPersistent& object);

template <class T>
T& As(TPersistent& object) {
    auto* typed = dynamic_cast<T*>(&object);
    if (typed == nullptr) ThrowWrongClass(object);
    return *typed;
}

template <class T>
const T& As(const TPersistent& object) {
    return As<T>(const_cast<TPersistent&>(object));
}

template <class V>
std::uint64_t ToBits(V value) {
    if constexpr (std::is_enum_v<V>)
        return static_cast<std::uint64_t>(static_cast<std::underlying_type_t<V>>(value));
    else
        return static_cast<std::uint64_t>(value);
}

template <class V>
V FromBits(std::uint64_t bits) {
    if constexpr (std::is_enum_v<V>)
        return static_cast<V>(static_cast<std::underlying_type_t<V>>(bits));
    else
        return static_cast<V>(bits);
}

// Conversions from stored values; each raises EPropertyValueError.
std::int32_t IntegerFrom(const DefinitionValue& value, std::span<const IntegerIdent> idents);
DefinitionValue IntegerTo(std::int32_t value, std::span<const IntegerIdent> idents);
bool BooleanFrom(const DefinitionValue& value);
std::string StringFrom(const DefinitionValue& value);
int OrdinalFrom(const DefinitionValue& value, const std::vector<std::string>& names);
DefinitionValue OrdinalTo(std::int64_t ordinal, const std::vector<std::string>& names,
                          const std::string& property);
std::uint64_t SetBitsFrom(const DefinitionValue& value, const std::vector<std::string>& names);
DefinitionValue SetBitsTo(std::uint64_t bits, const std::vector<std::string>& names,
                          const std::string& property);
ExtendedFloat ExtendedFrom(const DefinitionValue& value);
std::vector<std::uint8_t> BinaryFrom(const DefinitionValue& value);

}  // namespace property_table_detail

class PropertyTable {
public:
    template <class T, class V>
    using Getter = std::function<V(const T&)>;
    template <class T, class V>
    using Setter = std::function<void(T&, V)>;

    // `idents` are names the value may also be stored as; they must outlive
    // the table (a static array).
    template <class T>
    PropertyTable& Integer(std::string name, Getter<T, std::int32_t> get, Setter<T, std::int32_t> set,
                           std::int32_t defaultValue = 0, std::span<const IntegerIdent> idents = {}) {
        using namespace property_table_detail;
        return AddValue(
            std::move(name), [get, idents](const TPersistent& o) { return IntegerTo(get(As<T>(o)), idents); },
            [set, idents](TPersistent& o, const DefinitionValue& v) {
                set(As<T>(o), IntegerFrom(v, idents));
            },
            [get, defaultValue](const TPersistent& o) { return get(As<T>(o)) != defaultValue; });
    }

    template <class T>
    PropertyTable& Boolean(std::string name, Getter<T, bool> get, Setter<T, bool> set, bool defaultValue) {
        using namespace property_table_detail;
        return AddValue(
            std::move(name),
            [get](const TPersistent& o) { return DefinitionValue::OfBoolean(get(As<T>(o))); },
            [set](TPersistent& o, const DefinitionValue& v) { set(As<T>(o), BooleanFrom(v)); },
            [get, defaultValue](const TPersistent& o) { return get(As<T>(o)) != defaultValue; });
    }

    template <class T>
    PropertyTable& String(std::string name, Getter<T, std::string> get, Setter<T, std::string> set,
                          std::string defaultValue = {}) {
        using namespace property_table_detail;
        return AddValue(
            std::move(name), [get](const TPersistent& o) { return DefinitionValue::OfString(get(As<T>(o))); },
            [set](TPersistent& o, const DefinitionValue& v) { set(As<T>(o), StringFrom(v)); },
            [get, defaultValue](const TPersistent& o) { return get(As<T>(o)) != defaultValue; });
    }

    // `names` holds the stored name of each value, indexed by its ordinal.
    template <class T, class E>
    PropertyTable& Enum(std::string name, Getter<T, E> get, Setter<T, E> set, E defaultValue,
                        std::vector<std::string> names) {
        using namespace property_table_detail;
        return AddValue(
            name,
            [get, names, name](const TPersistent& o) {
                return OrdinalTo(static_cast<std::int64_t>(ToBits(get(As<T>(o)))), names, name);
            },
            [set, names](TPersistent& o, const DefinitionValue& v) {
                set(As<T>(o), FromBits<E>(static_cast<std::uint64_t>(OrdinalFrom(v, names))));
            },
            [get, defaultValue](const TPersistent& o) { return get(As<T>(o)) != defaultValue; });
    }

    // `names[i]` is the stored name of the member whose bit is 1 << i.
    template <class T, class S>
    PropertyTable& Set(std::string name, Getter<T, S> get, Setter<T, S> set, S defaultValue,
                       std::vector<std::string> names) {
        using namespace property_table_detail;
        return AddValue(
            name,
            [get, names, name](const TPersistent& o) {
                return SetBitsTo(ToBits(get(As<T>(o))), names, name);
            },
            [set, names](TPersistent& o, const DefinitionValue& v) {
                set(As<T>(o), FromBits<S>(SetBitsFrom(v, names)));
            },
            [get, defaultValue](const TPersistent& o) {
                return ToBits(get(As<T>(o))) != ToBits(defaultValue);
            });
    }

    // Stored as extended; reading rounds to the nearest double.
    template <class T>
    PropertyTable& Float(std::string name, Getter<T, double> get, Setter<T, double> set,
                         double defaultValue = 0) {
        using namespace property_table_detail;
        return AddValue(
            std::move(name),
            [get](const TPersistent& o) {
                return DefinitionValue::OfExtended(ExtendedFloat::FromDouble(get(As<T>(o))));
            },
            [set](TPersistent& o, const DefinitionValue& v) { set(As<T>(o), ExtendedFrom(v).ToDouble()); },
            [get, defaultValue](const TPersistent& o) {
                return ExtendedFloat::FromDouble(get(As<T>(o))) != ExtendedFloat::FromDouble(defaultValue);
            });
    }

    // Keeps the ten stored bytes, so a value is written back unchanged.
    template <class T>
    PropertyTable& Extended(std::string name, Getter<T, ExtendedFloat> get, Setter<T, ExtendedFloat> set,
                            ExtendedFloat defaultValue = {}) {
        using namespace property_table_detail;
        return AddValue(
            std::move(name),
            [get](const TPersistent& o) { return DefinitionValue::OfExtended(get(As<T>(o))); },
            [set](TPersistent& o, const DefinitionValue& v) { set(As<T>(o), ExtendedFrom(v)); },
            [get, defaultValue](const TPersistent& o) { return get(As<T>(o)) != defaultValue; });
    }

    // Data the class saves and loads itself (a picture, a bitmap file);
    // nothing is written while `save` returns no bytes.
    template <class T>
    PropertyTable& Binary(std::string name, Getter<T, std::vector<std::uint8_t>> save,
                          Setter<T, std::span<const std::uint8_t>> load) {
        using namespace property_table_detail;
        return AddValue(
            std::move(name),
            [save](const TPersistent& o) { return DefinitionValue::OfBinary(save(As<T>(o))); },
            [load](TPersistent& o, const DefinitionValue& v) {
                std::vector<std::uint8_t> bytes = BinaryFrom(v);
                load(As<T>(o), bytes);
            },
            [save](const TPersistent& o) { return !save(As<T>(o)).empty(); });
    }

    // The sub-object's own properties follow its class's table, found in
    // the registry by its class name.
    template <class T>
    PropertyTable& Object(std::string name, std::function<TPersistent*(T&)> subObject) {
        using namespace property_table_detail;
        PublishedProperty property;
        property.Name = std::move(name);
        property.Kind = PropertyKind::pkObject;
        property.SubObject = [subObject](TPersistent& o) { return subObject(As<T>(o)); };
        return Add(std::move(property));
    }

    // Reading clears the collection and adds one item per stored item.
    template <class T>
    PropertyTable& Collection(std::string name, std::function<TCollection*(T&)> collection) {
        using namespace property_table_detail;
        PublishedProperty property;
        property.Name = std::move(name);
        property.Kind = PropertyKind::pkCollection;
        property.SubObject = [collection](TPersistent& o) -> TPersistent* { return collection(As<T>(o)); };
        return Add(std::move(property));
    }

    // Resolved by name once the whole definition is read, so a reference
    // may name a component that comes later.
    template <class T, class C = TComponent>
    PropertyTable& Component(std::string name, std::type_identity_t<Getter<T, C*>> get,
                             std::type_identity_t<Setter<T, C*>> set) {
        using namespace property_table_detail;
        PublishedProperty property;
        property.Name = std::move(name);
        property.Kind = PropertyKind::pkComponent;
        property.Get = [get](const TPersistent& o) { return ComponentNameOf(get(As<T>(o))); };
        property.IsStored = [get](const TPersistent& o) { return get(As<T>(o)) != nullptr; };
        property.SetComponent = [set](TPersistent& o, TComponent* target) {
            C* typed = nullptr;
            if (target != nullptr) {
                typed = dynamic_cast<C*>(target);
                if (typed == nullptr)
                    throw EPropertyValueError("a component of a fitting class",
                                              "the " + target->ClassName() + " " + target->Name());
            }
            set(As<T>(o), typed);
        };
        return Add(std::move(property));
    }

    template <class T>
    PropertyTable& Event(std::string name, Getter<T, TNotifyEvent> get, Setter<T, TNotifyEvent> set) {
        using namespace property_table_detail;
        PublishedProperty property;
        property.Name = std::move(name);
        property.Kind = PropertyKind::pkEvent;
        property.Get = [get](const TPersistent& o) {
            return DefinitionValue::OfIdent(get(As<T>(o)).MethodName);
        };
        property.IsStored = [get](const TPersistent& o) { return !get(As<T>(o)).MethodName.empty(); };
        property.SetEvent = [set](TPersistent& o, TNotifyEvent event) { set(As<T>(o), std::move(event)); };
        return Add(std::move(property));
    }

    template <class T>
    PropertyTable& Event(std::string name, TNotifyEvent T::*field) {
        return Event<T>(
            std::move(name), [field](const T& o) { return o.*field; },
            [field](T& o, TNotifyEvent event) { o.*field = std::move(event); });
    }

    // A method of the form class T that events may name.
    template <class T>
    PropertyTable& Method(std::string name, void (T::*method)(TComponent* sender)) {
        using namespace property_table_detail;
        methods_.push_back({std::move(name), [method](TComponent& form, TComponent* sender) {
                                (As<T>(static_cast<TPersistent&>(form)).*method)(sender);
                            }});
        return *this;
    }

    // How components of class T nest in the definition: `parentOf` names the
    // component whose object encloses theirs (nullptr: the form's), and
    // `setParent` is told the enclosing component when they are read, before
    // their properties.
    template <class T>
    PropertyTable& Nesting(std::function<TComponent*(const T&)> parentOf,
                           std::function<void(T&, TComponent&)> setParent) {
        using namespace property_table_detail;
        parentOf_ = [parentOf](const TComponent& c) {
            return parentOf(As<T>(static_cast<const TPersistent&>(c)));
        };
        setParent_ = [setParent](TComponent& c, TComponent& container) {
            setParent(As<T>(static_cast<TPersistent&>(c)), container);
        };
        return *this;
    }

    // The named property is written exactly when `stored` says so, whatever
    // its value (a date that only counts while a flag is off, say).
    template <class T>
    PropertyTable& StoredWhen(std::string_view name, std::function<bool(const T&)> stored) {
        using namespace property_table_detail;
        return SetStoredTest(name, [stored](const TPersistent& o) { return stored(As<T>(o)); });
    }

    // The named properties have no declared default: they are written
    // whatever their value (a false, a 0 or a black included).
    PropertyTable& WithoutDefault(std::initializer_list<std::string_view> names);

    const std::vector<PublishedProperty>& Properties() const { return properties_; }
    // Property names match without regard to case.
    const PublishedProperty* Find(std::string_view name) const;
    const PublishedMethod* FindMethod(std::string_view name) const;

    TComponent* ParentOf(const TComponent& component) const;
    void SetParent(TComponent& component, TComponent& container) const;

private:
    static DefinitionValue ComponentNameOf(const TComponent* component);

    PropertyTable& Add(PublishedProperty property);
    PropertyTable& SetStoredTest(std::string_view name, std::function<bool(const TPersistent&)> isStored);
    PropertyTable& AddValue(std::string name, std::function<DefinitionValue(const TPersistent&)> get,
                            std::function<void(TPersistent&, const DefinitionValue&)> set,
                            std::function<bool(const TPersistent&)> isStored);

    std::vector<PublishedProperty> properties_;
    std::vector<PublishedMethod> methods_;
    std::function<TComponent*(const TComponent&)> parentOf_;
    std::function<void(TComponent&, TComponent&)> setParent_;
};

}  // namespace quendar
