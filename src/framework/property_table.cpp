#include "framework/property_table.h"

#include "framework/property_stream_values.h"
#include "framework/text_utils.h"

namespace quendar {

namespace property_table_detail {

namespace {

[[noreturn]] void ThrowMismatch(const std::string& expected, const DefinitionValue& value) {
    std::string found = DescribeValueKind(value.Kind);
    if (value.Kind == DefinitionValueKind::dvIdent) found = "'" + value.Text + "'";
    throw EPropertyValueError(expected, found);
}

int IndexOfName(const std::vector<std::string>& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameText(names[i], name)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

void ThrowWrongClass(const TPersistent& object) {
    throw Exception("The property table used for a " + object.ClassName() + " belongs to another class");
}

std::int32_t IntegerFrom(const DefinitionValue& value, std::span<const IntegerIdent> idents) {
    if (value.Kind == DefinitionValueKind::dvInteger) return value.Integer;
    if (value.Kind == DefinitionValueKind::dvIdent) {
        for (const IntegerIdent& ident : idents) {
            if (SameText(ident.Name, value.Text)) return ident.Value;
        }
    }
    ThrowMismatch(idents.empty() ? "an integer" : "an integer or a known name", value);
}

DefinitionValue IntegerTo(std::int32_t value, std::span<const IntegerIdent> idents) {
    for (const IntegerIdent& ident : idents) {
        if (ident.Value == value) return DefinitionValue::OfIdent(std::string(ident.Name));
    }
    return DefinitionValue::OfInteger(value);
}

bool BooleanFrom(const DefinitionValue& value) {
    if (value.Kind != DefinitionValueKind::dvBoolean) ThrowMismatch("a boolean", value);
    return value.Boolean;
}

std::string StringFrom(const DefinitionValue& value) {
    if (value.Kind != DefinitionValueKind::dvString) ThrowMismatch("a string", value);
    return value.Text;
}

int OrdinalFrom(const DefinitionValue& value, const std::vector<std::string>& names) {
    if (value.Kind == DefinitionValueKind::dvIdent) {
        const int index = IndexOfName(names, value.Text);
        if (index >= 0) return index;
    }
    ThrowMismatch("one of the names " + std::string(names.empty() ? "" : names.front()) +
                      (names.size() > 1 ? " ... " + names.back() : ""),
                  value);
}

DefinitionValue OrdinalTo(std::int64_t ordinal, const std::vector<std::string>& names,
                          const std::string& property) {
    if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(names.size()))
        throw EWriteError("The property " + property + " holds the value " + std::to_string(ordinal) +
                          ", which has no stored name");
    return DefinitionValue::OfIdent(names[static_cast<std::size_t>(ordinal)]);
}

std::uint64_t SetBitsFrom(const DefinitionValue& value, const std::vector<std::string>& names) {
    if (value.Kind != DefinitionValueKind::dvSet) ThrowMismatch("a set", value);
    std::uint64_t bits = 0;
    for (const std::string& name : value.Names) {
        const int index = IndexOfName(names, name);
        if (index < 0 || index >= 64) throw EPropertyValueError("a member of the set", "'" + name + "'");
        bits |= std::uint64_t{1} << index;
    }
    return bits;
}

DefinitionValue SetBitsTo(std::uint64_t bits, const std::vector<std::string>& names,
                          const std::string& property) {
    std::vector<std::string> members;
    for (std::size_t i = 0; i < 64 && bits != 0; ++i, bits >>= 1) {
        if ((bits & 1) == 0) continue;
        if (i >= names.size())
            throw EWriteError("The property " + property + " holds member " + std::to_string(i) +
                              ", which has no stored name");
        members.push_back(names[i]);
    }
    return DefinitionValue::OfSet(std::move(members));
}

ExtendedFloat ExtendedFrom(const DefinitionValue& value) {
    if (value.Kind == DefinitionValueKind::dvExtended) return value.Extended;
    if (value.Kind == DefinitionValueKind::dvInteger) return ExtendedFloat::FromDouble(value.Integer);
    ThrowMismatch("a floating-point number", value);
}

std::vector<std::uint8_t> BinaryFrom(const DefinitionValue& value) {
    if (value.Kind != DefinitionValueKind::dvBinary) ThrowMismatch("binary data", value);
    return value.Binary;
}

}  // namespace property_table_detail

PropertyTable& PropertyTable::Add(PublishedProperty property) {
    // A dot would read as the way into a sub-object.
    if (property.Name.empty() || property.Name.size() > 255 || property.Name.find('.') != std::string::npos)
        throw Exception("'" + property.Name + "' is not a valid property name");
    for (PublishedProperty& existing : properties_) {
        if (SameText(existing.Name, property.Name)) {
            existing = std::move(property);
            return *this;
        }
    }
    properties_.push_back(std::move(property));
    return *this;
}

PropertyTable& PropertyTable::AddValue(std::string name,
                                       std::function<DefinitionValue(const TPersistent&)> get,
                                       std::function<void(TPersistent&, const DefinitionValue&)> set,
                                       std::function<bool(const TPersistent&)> isStored) {
    PublishedProperty property;
    property.Name = std::move(name);
    property.Kind = PropertyKind::pkValue;
    property.Get = std::move(get);
    property.Set = std::move(set);
    property.IsStored = std::move(isStored);
    return Add(std::move(property));
}

PropertyTable& PropertyTable::WithoutDefault(std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) SetStoredTest(name, [](const TPersistent&) { return true; });
    return *this;
}

PropertyTable& PropertyTable::SetStoredTest(std::string_view name, std::function<bool(const TPersistent&)> isStored) {
    for (PublishedProperty& property : properties_) {
        if (SameText(property.Name, name)) property.IsStored = isStored;
    }
    return *this;
}

const PublishedProperty* PropertyTable::Find(std::string_view name) const {
    for (const PublishedProperty& property : properties_) {
        if (SameText(property.Name, name)) return &property;
    }
    return nullptr;
}

const PublishedMethod* PropertyTable::FindMethod(std::string_view name) const {
    for (const PublishedMethod& method : methods_) {
        if (SameText(method.Name, name)) return &method;
    }
    return nullptr;
}

TComponent* PropertyTable::ParentOf(const TComponent& component) const {
    return parentOf_ ? parentOf_(component) : nullptr;
}

void PropertyTable::SetParent(TComponent& component, TComponent& container) const {
    if (setParent_) setParent_(component, container);
}

DefinitionValue PropertyTable::ComponentNameOf(const TComponent* component) {
    if (component == nullptr) return DefinitionValue::OfNil();
    if (component->Name().empty())
        throw EWriteError("A reference to an unnamed " + component->ClassName() + " cannot be stored");
    return DefinitionValue::OfIdent(component->Name());
}

}  // namespace quendar
