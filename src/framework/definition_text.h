#pragma once
// The readable text form of a window definition, compiled to the binary
// form at build time and printed back from it for debugging.
//
//   object Form_Quendar: TForm_Quendar     an object: name, colon, class;
//     Left = 685                           "object TTimer" for an unnamed one
//     Caption = 'Brisvane Quendar'         strings in single quotes, '' for a
//     Text = 'one'#13#10'two'              quote, #n for a character code;
//                                          parts join, also across "+" and a
//                                          line break
//     Font.Name = 'Tahoma'                 a property of a sub-object
//     Color = clBtnFace                    an identifier
//     Color = $00F5F2F2                    a hexadecimal integer
//     Visible = False                      True and False are booleans
//     FocusControl = nil
//     Version = 4.81                       a number with "." or an exponent is
//                                          the nearest extended value
//     Version = $ext(83E251B81E85EB990140) the ten raw bytes of an extended
//     Data = {0A0B0C}                      binary data in hexadecimal; blanks
//                                          and line breaks inside are ignored
//     Data = {include 'logo.picture'}      binary data: the bytes of a file,
//                                          found by the caller's resolver
//     Style = [fsBold, fsItalic]           a set; [] is the empty set
//     Items = <                            a collection of items, <> if empty
//       item
//         Name = 'first'
//       end>
//     object Edit1: TEdit                  child objects follow the properties
//     end
//   end
//
// "//" starts a comment to the end of the line. The words object, end, item,
// True, False and nil are matched without regard to case. Integers take the
// smallest tag that holds them, strings longer than 255 bytes become long
// strings, and nesting is limited as in the binary form.
//
// The printer writes exactly this syntax, two blanks per level, so text in
// that layout survives a compile and print unchanged.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/definition_tree.h"
#include "framework/exception.h"

namespace quendar {

// Text that does not follow the syntax. The message is
// "Definition text error at line <l>, column <c>: expected <what>[, found <what>]".
class EDefinitionSyntaxError : public Exception {
public:
    EDefinitionSyntaxError(int line, int column, const std::string& expected, const std::string& found = {});
    int Line() const { return line_; }
    int Column() const { return column_; }

private:
    int line_;
    int column_;
};

// An include that cannot be resolved. The message is "Definition text error
// at line <l>, column <c>: cannot include '<name>': <reason>".
class EDefinitionIncludeError : public Exception {
public:
    EDefinitionIncludeError(int line, int column, const std::string& fileName, const std::string& reason);
    int Line() const { return line_; }
    int Column() const { return column_; }
    const std::string& FileName() const { return fileName_; }

private:
    int line_;
    int column_;
    std::string fileName_;
};

// The bytes of the file an include names. A file that cannot be had is
// reported by throwing a std::exception whose what() says why; the parser
// adds the name and the place of the include.
using DefinitionIncludeResolver = std::function<std::vector<std::uint8_t>(const std::string& name)>;

// Without a resolver every include is refused.
DefinitionObject ParseDefinitionText(std::string_view text, const DefinitionIncludeResolver& resolver = {});
std::string PrintDefinitionText(const DefinitionObject& root);

// Text to the binary form and back.
std::vector<std::uint8_t> CompileDefinitionText(std::string_view text,
                                                const DefinitionIncludeResolver& resolver = {});
std::string DecompileDefinition(std::span<const std::uint8_t> bytes);

// The text of an extended value: the shortest decimal that converts back to
// exactly these bytes, or "$ext(...)" with the raw bytes when none does.
std::string ExtendedToDefinitionText(const ExtendedFloat& value);

}  // namespace quendar
