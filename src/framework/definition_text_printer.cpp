// Definition tree to text form, and the compile and decompile shortcuts.

#include <cmath>
#include <cstdio>
#include <string>

#include "framework/definition_binary.h"
#include "framework/definition_text.h"
#include "framework/text_utils.h"

namespace quendar {

namespace {

constexpr int BinaryBytesPerLine = 32;

std::string Indent(int level) { return std::string(static_cast<std::size_t>(level) * 2, ' '); }

std::string HexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) text += IntToHex(byte, 2);
    return text;
}

// Printable ASCII and every byte from 128 up stay inside quotes, so UTF-8
// text reads as written; control characters become #n.
std::string QuoteString(std::string_view text) {
    if (text.empty()) return "''";
    std::string result;
    bool inQuotes = false;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        const bool printable = code >= 32 && code != 127;
        if (printable != inQuotes) {
            result += '\'';
            inQuotes = printable;
        }
        if (!printable) {
            result += '#';
            result += std::to_string(code);
        } else {
            result += c;
            if (c == '\'') result += '\'';
        }
    }
    if (inQuotes) result += '\'';
    return result;
}

class Printer {
public:
    std::string Print(const DefinitionObject& root) {
        PrintObject(root, 0);
        return std::move(text_);
    }

private:
    void PrintObject(const DefinitionObject& object, int level) {
        text_ += Indent(level) + "object ";
        if (!object.Name.empty()) text_ += object.Name + ": ";
        text_ += object.ClassName + "\n";
        PrintProperties(object.Properties, level + 1);
        for (const DefinitionObject& child : object.Children) PrintObject(child, level + 1);
        text_ += Indent(level) + "end\n";
    }

    void PrintProperties(const std::vector<DefinitionProperty>& properties, int level) {
        for (const DefinitionProperty& property : properties) {
            text_ += Indent(level) + property.Name + " = ";
            PrintValue(property.Value, level);
            text_ += "\n";
        }
    }

    void PrintValue(const DefinitionValue& value, int level) {
        switch (value.Kind) {
            case DefinitionValueKind::dvInteger:
                text_ += std::to_string(value.Integer);
                return;
            case DefinitionValueKind::dvExtended:
                text_ += ExtendedToDefinitionText(value.Extended);
                return;
            case DefinitionValueKind::dvString:
                text_ += QuoteString(value.Text);
                return;
            case DefinitionValueKind::dvIdent:
                text_ += value.Text;
                return;
            case DefinitionValueKind::dvBoolean:
                text_ += value.Boolean ? "True" : "False";
                return;
            case DefinitionValueKind::dvNil:
                text_ += "nil";
                return;
            case DefinitionValueKind::dvBinary:
                PrintBinary(value.Binary, level);
                return;
            case DefinitionValueKind::dvSet:
                text_ += "[";
                for (std::size_t i = 0; i < value.Names.size(); ++i) {
                    if (i > 0) text_ += ", ";
                    text_ += value.Names[i];
                }
                text_ += "]";
                return;
            case DefinitionValueKind::dvCollection:
                PrintCollection(value.Items, level);
                return;
        }
    }

    void PrintBinary(const std::vector<std::uint8_t>& bytes, int level) {
        text_ += "{";
        for (std::size_t start = 0; start < bytes.size(); start += BinaryBytesPerLine) {
            const std::size_t count = std::min<std::size_t>(BinaryBytesPerLine, bytes.size() - start);
            text_ += '\n';
            text_ += Indent(level + 1);
            text_ += HexBytes(std::span(bytes).subspan(start, count));
        }
        text_ += "}";
    }

    void PrintCollection(const std::vector<DefinitionItem>& items, int level) {
        text_ += "<";
        for (const DefinitionItem& item : items) {
            text_ += '\n';
            text_ += Indent(level + 1);
            text_ += "item\n";
            PrintProperties(item.Properties, level + 2);
            text_ += Indent(level + 1) + "end";
        }
        text_ += ">";
    }

    std::string text_;
};

}  // namespace

std::string ExtendedToDefinitionText(const ExtendedFloat& value) {
    const double approximation = value.ToDouble();
    if (std::isfinite(approximation)) {
        for (int digits = 1; digits <= 21; ++digits) {
            char buffer[48];
            std::snprintf(buffer, sizeof buffer, "%.*g", digits, approximation);
            std::string text = buffer;
            // Without "." or an exponent the text would read as an integer.
            if (text.find_first_of(".e") == std::string::npos) text += ".0";
            try {
                if (ExtendedFloat::FromDecimalText(text) == value) return text;
            } catch (const EConvertError&) {
            }
        }
    }
    return "$ext(" + HexBytes(value.RawBytes()) + ")";
}

std::string PrintDefinitionText(const DefinitionObject& root) { return Printer().Print(root); }

std::vector<std::uint8_t> CompileDefinitionText(std::string_view text,
                                                const DefinitionIncludeResolver& resolver) {
    return EncodeDefinition(ParseDefinitionText(text, resolver));
}

std::string DecompileDefinition(std::span<const std::uint8_t> bytes) {
    return PrintDefinitionText(DecodeDefinition(bytes));
}

}  // namespace quendar
