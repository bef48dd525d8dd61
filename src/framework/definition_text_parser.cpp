// Text form to definition tree: a small lexer and a recursive-descent parser
// over the syntax described in definition_text.h.

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "framework/conversions.h"
#include "framework/definition_text.h"
#include "framework/text_utils.h"

namespace quendar {

EDefinitionSyntaxError::EDefinitionSyntaxError(int line, int column, const std::string& expected,
                                               const std::string& found)
    : Exception("Definition text error at line " + std::to_string(line) + ", column " +
                std::to_string(column) + ": expected " + expected +
                (found.empty() ? std::string() : ", found " + found)),
      line_(line),
      column_(column) {}

EDefinitionIncludeError::EDefinitionIncludeError(int line, int column, const std::string& fileName,
                                                 const std::string& reason)
    : Exception("Definition text error at line " + std::to_string(line) + ", column " +
                std::to_string(column) + ": cannot include '" + fileName + "': " + reason),
      line_(line),
      column_(column),
      fileName_(fileName) {}

namespace {

enum class TokenKind { tkEnd, tkIdent, tkInteger, tkExtended, tkString, tkBinary, tkSymbol };

struct Token {
    TokenKind Kind = TokenKind::tkEnd;
    std::string Text;  // identifier, symbol or string value; the source text of a number
    std::int32_t Integer = 0;
    ExtendedFloat Extended;
    std::vector<std::uint8_t> Binary;
    int Line = 1;
    int Column = 1;
};

bool IsIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsIdentPart(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '.'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Built by appending: GCC 12 warns falsely on "'" + std::string(1, c).
std::string QuoteCharacter(char c) {
    std::string text(1, '\'');
    text += c;
    text += '\'';
    return text;
}

std::string Describe(const Token& token) {
    switch (token.Kind) {
        case TokenKind::tkEnd:
            return "the end of the text";
        case TokenKind::tkIdent:
        case TokenKind::tkSymbol:
            return "'" + token.Text + "'";
        case TokenKind::tkInteger:
        case TokenKind::tkExtended:
            return "the number " + token.Text;
        case TokenKind::tkString:
            return "a string";
        case TokenKind::tkBinary:
            return "binary data";
    }
    return "something else";
}

class Lexer {
public:
    Lexer(std::string_view text, const DefinitionIncludeResolver& resolver)
        : text_(text), resolver_(resolver) {}

    Token Next() {
        SkipBlanks();
        Token token;
        token.Line = line_;
        token.Column = column_;
        if (AtEnd()) return token;
        const char c = Peek();
        if (IsIdentStart(c)) {
            token.Kind = TokenKind::tkIdent;
            while (!AtEnd() && IsIdentPart(Peek())) token.Text += Take();
        } else if (IsDigit(c) || ((c == '-' || c == '+') && IsDigit(PeekAt(1)))) {
            LexNumber(token);
        } else if (c == '$') {
            LexDollar(token);
        } else if (c == '\'' || c == '#') {
            LexString(token);
        } else if (c == '{') {
            LexBinary(token);
        } else if (std::string_view("=:[],<>").find(c) != std::string_view::npos) {
            token.Kind = TokenKind::tkSymbol;
            token.Text = std::string(1, Take());
        } else {
            Fail("a property, a value or a keyword",
                 c >= 33 && c <= 126 ? QuoteCharacter(c) : "the byte " + std::to_string(c & 0xFF));
        }
        return token;
    }

    [[noreturn]] void Fail(const std::string& expected, const std::string& found = {}) const {
        throw EDefinitionSyntaxError(line_, column_, expected, found);
    }

private:
    bool AtEnd() const { return position_ >= text_.size(); }
    char Peek() const { return text_[position_]; }
    char PeekAt(std::size_t ahead) const {
        return position_ + ahead < text_.size() ? text_[position_ + ahead] : '\0';
    }
    char Take() {
        const char c = text_[position_++];
        if (c == '\n') {
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
        return c;
    }

    void SkipBlanks() {
        while (!AtEnd()) {
            const char c = Peek();
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                Take();
            } else if (c == '/' && PeekAt(1) == '/') {
                while (!AtEnd() && Peek() != '\n') Take();
            } else {
                return;
            }
        }
    }

    void LexNumber(Token& token) {
        if (Peek() == '-' || Peek() == '+') token.Text += Take();
        bool isExtended = false;
        while (!AtEnd()) {
            const char c = Peek();
            if (IsDigit(c)) {
                token.Text += Take();
            } else if (c == '.' || c == 'e' || c == 'E') {
                isExtended = true;
                token.Text += Take();
                if ((c == 'e' || c == 'E') && !AtEnd() && (Peek() == '-' || Peek() == '+'))
                    token.Text += Take();
            } else {
                break;
            }
        }
        try {
            if (isExtended) {
                token.Kind = TokenKind::tkExtended;
                token.Extended = ExtendedFloat::FromDecimalText(token.Text);
            } else {
                token.Kind = TokenKind::tkInteger;
                token.Integer = StrToInt(token.Text);
            }
        } catch (const EConvertError&) {
            throw EDefinitionSyntaxError(token.Line, token.Column,
                                         isExtended ? "a floating-point number" : "a 32-bit integer",
                                         "'" + token.Text + "'");
        }
    }

    void LexDollar(Token& token) {
        token.Text += Take();
        while (!AtEnd() && (HexDigitValue(Peek()) >= 0 || IsIdentStart(Peek()))) token.Text += Take();
        if (SameText(token.Text, "$ext") && !AtEnd() && Peek() == '(') {
            Take();
            std::vector<std::uint8_t> bytes =
                ReadHex(')', "the 20 hexadecimal digits of an extended value and ')'");
            if (bytes.size() != 10)
                throw EDefinitionSyntaxError(token.Line, token.Column, "exactly 10 bytes in $ext(...)",
                                             std::to_string(bytes.size()));
            ExtendedFloat::Bytes raw{};
            std::copy(bytes.begin(), bytes.end(), raw.begin());
            token.Kind = TokenKind::tkExtended;
            token.Extended = ExtendedFloat(raw);
            return;
        }
        if (!TryStrToInt(token.Text, token.Integer))
            throw EDefinitionSyntaxError(token.Line, token.Column,
                                         "a hexadecimal integer of at most 8 digits", "'" + token.Text + "'");
        token.Kind = TokenKind::tkInteger;
    }

    // Reads hexadecimal digit pairs up to `closing`, ignoring blanks.
    std::vector<std::uint8_t> ReadHex(char closing, const char* expected) {
        std::vector<std::uint8_t> bytes;
        int high = -1;
        for (;;) {
            SkipBlanks();
            if (AtEnd()) Fail(expected, "the end of the text");
            const char c = Peek();
            if (c == closing) break;
            const int digit = HexDigitValue(c);
            if (digit < 0) Fail(expected, QuoteCharacter(c));
            Take();
            if (high < 0) {
                high = digit;
            } else {
                bytes.push_back(static_cast<std::uint8_t>(high << 4 | digit));
                high = -1;
            }
        }
        if (high >= 0) Fail("an even number of hexadecimal digits", QuoteCharacter(closing));
        Take();
        return bytes;
    }

    void LexBinary(Token& token) {
        Take();
        token.Kind = TokenKind::tkBinary;
        SkipBlanks();
        if (AtWord("include")) {
            token.Binary = ReadInclude();
            return;
        }
        token.Binary = ReadHex('}', "hexadecimal digits and '}'");
    }

    // The word at the current position, whole and in any case.
    bool AtWord(std::string_view word) const {
        if (text_.size() - position_ < word.size()) return false;
        if (!SameText(text_.substr(position_, word.size()), word)) return false;
        return !IsIdentPart(PeekAt(word.size()));
    }

    // "include 'name'}" after the opening brace: the bytes of the named file.
    std::vector<std::uint8_t> ReadInclude() {
        for (std::size_t i = 0; i < std::string_view("include").size(); ++i) Take();
        SkipBlanks();
        if (AtEnd() || Peek() != '\'') Fail("a file name in quotes after 'include'");
        const int line = line_;
        const int column = column_;
        std::string name;
        LexQuoted(name);
        if (name.empty()) throw EDefinitionSyntaxError(line, column, "a file name", "''");
        SkipBlanks();
        if (AtEnd() || Peek() != '}') Fail("'}' after the file name");
        Take();
        if (!resolver_)
            throw EDefinitionIncludeError(line, column, name, "included files are not available here");
        try {
            return resolver_(name);
        } catch (const std::exception& error) {
            throw EDefinitionIncludeError(line, column, name, error.what());
        }
    }

    void LexString(Token& token) {
        token.Kind = TokenKind::tkString;
        for (;;) {
            if (!AtEnd() && Peek() == '\'') {
                LexQuoted(token.Text);
            } else if (!AtEnd() && Peek() == '#') {
                LexCharacterCode(token.Text);
            } else {
                // A "+" joins the next part, which may stand on the next line.
                SkipBlanks();
                if (AtEnd() || Peek() != '+') return;
                Take();
                SkipBlanks();
                if (AtEnd() || (Peek() != '\'' && Peek() != '#')) Fail("a string after '+'");
                continue;
            }
            SkipSpacesOnLine();
        }
    }

    void SkipSpacesOnLine() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t')) Take();
    }

    void LexQuoted(std::string& text) {
        Take();
        for (;;) {
            if (AtEnd() || Peek() == '\n' || Peek() == '\r') Fail("a closing quote");
            const char c = Take();
            if (c != '\'') {
                text += c;
            } else if (!AtEnd() && Peek() == '\'') {
                text += Take();
            } else {
                return;
            }
        }
    }

    void LexCharacterCode(std::string& text) {
        Take();
        std::string digits;
        while (!AtEnd() && IsDigit(Peek()) && digits.size() < 4) digits += Take();
        int code = -1;
        if (!digits.empty()) code = std::stoi(digits);
        if (code < 0 || code > 255)
            Fail("a character code from 0 to 255 after '#'", digits.empty() ? "" : digits);
        text += static_cast<char>(code);
    }

    std::string_view text_;
    const DefinitionIncludeResolver& resolver_;
    std::size_t position_ = 0;
    int line_ = 1;
    int column_ = 1;
};

class Parser {
public:
    Parser(std::string_view text, const DefinitionIncludeResolver& resolver) : lexer_(text, resolver) {
        Advance();
    }

    DefinitionObject ParseDefinition() {
        DefinitionObject root = ParseObject(0);
        if (current_.Kind != TokenKind::tkEnd) FailAtToken("the end of the text after the last 'end'");
        return root;
    }

private:
    void Advance() { current_ = lexer_.Next(); }

    [[noreturn]] void FailAtToken(const std::string& expected) const {
        throw EDefinitionSyntaxError(current_.Line, current_.Column, expected, Describe(current_));
    }

    bool AtWord(std::string_view word) const {
        return current_.Kind == TokenKind::tkIdent && SameText(current_.Text, word);
    }
    bool AtSymbol(char symbol) const {
        return current_.Kind == TokenKind::tkSymbol && current_.Text[0] == symbol;
    }

    void ExpectWord(std::string_view word) {
        if (!AtWord(word)) FailAtToken("'" + std::string(word) + "'");
        Advance();
    }
    void ExpectSymbol(char symbol) {
        if (!AtSymbol(symbol)) FailAtToken(QuoteCharacter(symbol));
        Advance();
    }

    // An identifier that the binary form can hold as a short string.
    std::string TakeName(const std::string& what) {
        if (current_.Kind != TokenKind::tkIdent) FailAtToken(what);
        if (current_.Text.size() > 255) FailAtToken(what + " of at most 255 characters");
        std::string name = std::move(current_.Text);
        Advance();
        return name;
    }

    void CheckDepth(int depth) const {
        if (depth >= MaxDefinitionNesting)
            FailAtToken("at most " + std::to_string(MaxDefinitionNesting) +
                        " nested objects and collections");
    }

    DefinitionObject ParseObject(int depth) {
        CheckDepth(depth);
        ExpectWord("object");
        DefinitionObject object;
        std::string first = TakeName("an object name or class name");
        if (AtSymbol(':')) {
            Advance();
            object.Name = std::move(first);
            object.ClassName = TakeName("a class name");
        } else {
            object.ClassName = std::move(first);
        }
        while (!AtWord("object") && !AtWord("end")) {
            if (current_.Kind != TokenKind::tkIdent) FailAtToken("a property name, 'object' or 'end'");
            object.Properties.push_back(ParseProperty(depth));
        }
        while (AtWord("object")) object.Children.push_back(ParseObject(depth + 1));
        if (!AtWord("end")) FailAtToken("'object' or 'end' (properties come before child objects)");
        Advance();
        return object;
    }

    DefinitionProperty ParseProperty(int depth) {
        DefinitionProperty property;
        property.Name = TakeName("a property name");
        ExpectSymbol('=');
        property.Value = ParseValue(depth);
        return property;
    }

    DefinitionValue ParseValue(int depth) {
        DefinitionValue value;
        switch (current_.Kind) {
            case TokenKind::tkInteger:
                value = DefinitionValue::OfInteger(current_.Integer);
                break;
            case TokenKind::tkExtended:
                value = DefinitionValue::OfExtended(current_.Extended);
                break;
            case TokenKind::tkString:
                value = DefinitionValue::OfString(std::move(current_.Text));
                break;
            case TokenKind::tkBinary:
                value = DefinitionValue::OfBinary(std::move(current_.Binary));
                break;
            case TokenKind::tkIdent:
                if (SameText(current_.Text, "True") || SameText(current_.Text, "False")) {
                    value = DefinitionValue::OfBoolean(SameText(current_.Text, "True"));
                } else if (SameText(current_.Text, "nil")) {
                    value = DefinitionValue::OfNil();
                } else {
                    return DefinitionValue::OfIdent(TakeName("an identifier"));
                }
                break;
            case TokenKind::tkSymbol:
                if (AtSymbol('[')) return ParseSet();
                if (AtSymbol('<')) return ParseCollection(depth + 1);
                FailAtToken("a value");
            case TokenKind::tkEnd:
                FailAtToken("a value");
        }
        Advance();
        return value;
    }

    DefinitionValue ParseSet() {
        Advance();
        std::vector<std::string> names;
        if (!AtSymbol(']')) {
            names.push_back(TakeName("a set element"));
            while (AtSymbol(',')) {
                Advance();
                names.push_back(TakeName("a set element"));
            }
        }
        ExpectSymbol(']');
        return DefinitionValue::OfSet(std::move(names));
    }

    DefinitionValue ParseCollection(int depth) {
        CheckDepth(depth);
        Advance();
        std::vector<DefinitionItem> items;
        while (AtWord("item")) {
            Advance();
            DefinitionItem item;
            while (!AtWord("end")) {
                if (current_.Kind != TokenKind::tkIdent) FailAtToken("a property name or 'end'");
                item.Properties.push_back(ParseProperty(depth));
            }
            Advance();
            items.push_back(std::move(item));
        }
        if (!AtSymbol('>')) FailAtToken("'item' or '>'");
        Advance();
        return DefinitionValue::OfCollection(std::move(items));
    }

    Lexer lexer_;
    Token current_;
};

}  // namespace

DefinitionObject ParseDefinitionText(std::string_view text, const DefinitionIncludeResolver& resolver) {
    return Parser(text, resolver).ParseDefinition();
}

}  // namespace quendar
