#include "framework/definition_tree.h"

#include <utility>

namespace quendar {

DefinitionValue DefinitionValue::OfInteger(std::int32_t value) {
    DefinitionValue result;
    result.Kind = DefinitionValueKind::dvInteger;
    result.Integer = value;
    return result;
}

DefinitionValue DefinitionValue::OfExtended(const ExtendedFloat& value) {
    DefinitionValue result;
    result.Kind = DefinitionValueKind::dvExtended;
    result.Extended = value;
    return result;
}

DefinitionValue DefinitionValue::OfString(std::string text) {
    DefinitionValue result;
    result.Kind = DefinitionValueKind::dvString;
    result.Text = std::move(text);
    return result;
}

DefinitionValue DefinitionValue::OfIdent(std::string name) {
    DefinitionValue result;
    result.Kind = DefinitionValueKind::dvIdent;
    result.Text = std::move(name);
    return result;
}

DefinitionValue DefinitionValue::OfBoolean(bool value) {
    DefinitionValue result;
    result.Kind = DefinitionValueKind::dvBoolean;
    result.Boolean = value;
    return result;
}

DefinitionValue DefinitionValue::OfNil() { return DefinitionValue(); }

DefinitionValue DefinitionValue::OfBinary(std::vector<std::uint8_t> bytes) {
    DefinitionValue result;
    result.Kind = DefinitionValueKind::dvBinary;
    result.Binary = std::move(bytes);
    return result;
}

DefinitionValue DefinitionValue::OfSet(std::vector<std::string> names) {
    DefinitionValue result;
    result.Kind = DefinitionValueKind::dvSet;
    result.Names = std::move(names);
    return result;
}

DefinitionValue DefinitionValue::OfCollection(std::vector<DefinitionItem> items) {
    DefinitionValue result;
    result.Kind = DefinitionValueKind::dvCollection;
    result.Items = std::move(items);
    return result;
}

bool operator==(const DefinitionValue& a, const DefinitionValue& b) {
    if (a.Kind != b.Kind) return false;
    switch (a.Kind) {
        case DefinitionValueKind::dvInteger:
            return a.Integer == b.Integer;
        case DefinitionValueKind::dvExtended:
            return a.Extended == b.Extended;
        case DefinitionValueKind::dvString:
        case DefinitionValueKind::dvIdent:
            return a.Text == b.Text;
        case DefinitionValueKind::dvBoolean:
            return a.Boolean == b.Boolean;
        case DefinitionValueKind::dvNil:
            return true;
        case DefinitionValueKind::dvBinary:
            return a.Binary == b.Binary;
        case DefinitionValueKind::dvSet:
            return a.Names == b.Names;
        case DefinitionValueKind::dvCollection:
            return a.Items == b.Items;
    }
    return false;
}

bool operator==(const DefinitionItem& a, const DefinitionItem& b) { return a.Properties == b.Properties; }

bool operator==(const DefinitionProperty& a, const DefinitionProperty& b) {
    return a.Name == b.Name && a.Value == b.Value;
}

bool operator==(const DefinitionObject& a, const DefinitionObject& b) {
    return a.ClassName == b.ClassName && a.Name == b.Name && a.Properties == b.Properties &&
           a.Children == b.Children;
}

const char* DescribeValueKind(DefinitionValueKind kind) {
    switch (kind) {
        case DefinitionValueKind::dvInteger:
            return "an integer";
        case DefinitionValueKind::dvExtended:
            return "a floating-point number";
        case DefinitionValueKind::dvString:
            return "a string";
        case DefinitionValueKind::dvIdent:
            return "an identifier";
        case DefinitionValueKind::dvBoolean:
            return "a boolean";
        case DefinitionValueKind::dvNil:
            return "nil";
        case DefinitionValueKind::dvBinary:
            return "binary data";
        case DefinitionValueKind::dvSet:
            return "a set";
        case DefinitionValueKind::dvCollection:
            return "a collection";
    }
    return "a value";
}

}  // namespace quendar
