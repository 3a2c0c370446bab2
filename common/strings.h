// Small text helpers that every layer uses.
//
// Callers must guarantee: nothing; text is bytes, so an ASCII rule leaves other
// bytes alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace olv {

// The decimal value padded with leading zeros to at least width digits
// (a negative value keeps its sign in front: -0005).
std::string IntToStrZeZerami(long long value, int width);
// True when every character (byte) of text is one of allowed; true for "".
bool ZawieraTylkoZnaki(std::string_view text, std::string_view allowed);
// Two times (or durations) that differ by at most tolerance days.
bool TimesEqual(double a, double b, double tolerance);

// Splits on CR LF, LF or a lone CR; a final line end does not add an empty line.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views into text, for large files read once.
std::vector<std::string_view> SplitLineViews(std::string_view text);
// Every line followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);
// Without the blanks (code 1 to 32) at both ends.
std::string_view TrimBlanks(std::string_view text);
std::string ToUpperAscii(std::string_view text);

}  // namespace olv
