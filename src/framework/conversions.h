#pragma once
// Conversions between text and numbers. They are strict and independent of
// the user's locale: the skin files and the window definition are written
// with "." as the decimal separator whatever the user's settings are.
//
// Integer text: an optional "+" or "-", then either decimal digits or a
// hexadecimal number introduced by "$", "0x" or "0X". No blanks anywhere;
// callers trim. Decimal text must fit a 32-bit signed integer; hexadecimal
// text may use all 32 bits ("$FFFFFFFF" is -1), as colour values are written
// that way.
//
// Floating-point text: an optional sign, digits with at most one ".", at least
// one digit, and an optional exponent ("e" or "E", optional sign, digits).
// No blanks, no "inf" or "nan"; a value beyond the double range is refused.

#include <optional>
#include <string>
#include <string_view>

namespace quendar {

// Raises EConvertError "'<text>' is not a valid integer value".
int StrToInt(std::string_view text);
int StrToIntDef(std::string_view text, int defaultValue);
bool TryStrToInt(std::string_view text, int& value);

// Raises EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text);
double StrToFloatDef(std::string_view text, double defaultValue);
bool TryStrToFloat(std::string_view text, double& value);

// The shortest of the 15-significant-digit forms: 4.81 gives "4.81", 2.0
// gives "2".
std::string FloatToStr(double value);

}  // namespace quendar
