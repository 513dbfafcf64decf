#pragma once
// Conversions of single field texts used all over the program: a satellite's degree
// between its stored form ("1234", "-0750") and its display form ("E123.4", "W075.0"),
// decimal and hexadecimal parsing, and blank trimming.
#include <string>

namespace lumoscope {

class IReporter;

inline constexpr int kHexConversionFailed = 65535;

// toDisplay: stored -> display form; otherwise display -> stored form. `value` is
// trimmed (and upper-cased for display -> stored) in place, as the dialogs expect.
// On a bad first character shows "ERROR in converting degree format!!!", leaves
// `result` unchanged and returns false.
bool DegreeToDisplay(std::string& value, std::string& result, bool toDisplay, IReporter& reporter);

// Base 10 or 16; any other base gives 0. Upper-cases `text` in place.
long ParseNumber(std::string& text, int base, IReporter& reporter);

// Upper-case hexadecimal digits only; an empty text is 0. Any other character shows
// "Conversion form Hex string to Int is failed" and gives 65535.
long HexToInt(const std::string& text, IReporter& reporter);

// Removes leading and trailing blanks in place; a text longer than 255 characters is
// left as it is and the result is false.
bool TrimSpaces(std::string& text);

// Trimmed copy and trimmed upper-case copy, for comparisons.
std::string Trimmed(const std::string& text);
std::string TrimmedUpper(const std::string& text);

}  // namespace lumoscope
