// Numbers as the data files write them: general decimal form with up to 15
// significant digits and the decimal separator of the process locale. Reading
// accepts "," and "." alike, so a file written under other regional settings
// keeps its values.
//
// Callers must guarantee: nothing: any text is read or refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace olv {

// The decimal separator of the process locale (LC_NUMERIC).
char DecimalSeparator();
std::string FormatNumber(double value, char decimal_separator);
std::string FormatNumber(double value);
// Blanks around the number are ignored; empty when the text is not a number.
std::optional<double> ParseNumber(std::string_view text);
// As ParseNumber, but "inf" and "nan" read as numbers too, and a number beyond
// what a double holds reads as NaN: for a reader that must tell a value out
// of range from text that is no number at all.
std::optional<double> ParseAnyNumber(std::string_view text);
// A decimal integer that fits in int; blanks around it are ignored.
std::optional<int> ParseInt(std::string_view text);

}  // namespace olv
