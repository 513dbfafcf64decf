#pragma once
// Conversions of single field texts used all over the program: a satellite's degree
// between its stored form ("1234", "-0750") and its display form ("E123.4", "W075.0"),
// decimal and hexadecimal parsing, and blank trimming. They tell nobody anything: a text
// they cannot convert gives no value, and the caller shows the message below (it alone
// knows whether a person is there to read it).
#include <array>
#include <optional>
#include <string>

namespace lumoscope {

// What the person is told when a conversion fails.
inline constexpr const char* kDegreeConversionMessage = "ERROR in converting degree format!!!";
inline constexpr const char* kHexConversionMessage = "Conversion form Hex string to Int is failed";
// The value a failed hexadecimal conversion stands for where a number is needed anyway.
inline constexpr int kHexConversionFailed = 65535;

// toDisplay: stored -> display form; otherwise display -> stored form. `value` is
// trimmed (and upper-cased for display -> stored) in place, as the dialogs expect.
// Nothing when the first character is none of the allowed ones.
std::optional<std::string> DegreeToDisplay(std::string& value, bool toDisplay);

// Base 10 or 16; any other base gives 0. Upper-cases `text` in place. Nothing only for a
// hexadecimal text with a character that is no digit.
std::optional<long> ParseNumber(std::string& text, int base);

// The decimal value of a field as the receiver's numbers are read: leading blanks and a
// sign allowed, it stops at the first non-digit, no digits give 0 (and so does a number
// too large for a long).
long DecimalValue(const std::string& text);

// Upper-case hexadecimal digits only; an empty text is 0. Nothing for any other
// character.
std::optional<long> HexToInt(const std::string& text);

// Removes leading and trailing blanks in place; a text longer than 255 characters is
// left as it is and the result is false.
bool TrimSpaces(std::string& text);

// Trimmed copy and trimmed upper-case copy, for comparisons.
std::string Trimmed(const std::string& text);
std::string TrimmedUpper(const std::string& text);

// TrimmedUpper for many texts in a row, such as every name of a list: the C library's
// case mapping is read once into a table, instead of once per character. The program
// sets its locale once at start, so the table stays what the library would answer.
class TrimmedUpperCase {
 public:
  TrimmedUpperCase();
  std::string operator()(const std::string& text) const;

 private:
  std::array<char, 256> upper_{};
};

}  // namespace lumoscope
