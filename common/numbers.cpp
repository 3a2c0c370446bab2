#include "common/numbers.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <string>

#include "common/strings.h"

namespace olv {

char DecimalSeparator() {
  const lconv* conv = std::localeconv();
  return conv && conv->decimal_point && conv->decimal_point[0] ? conv->decimal_point[0] : '.';
}

std::string FormatNumber(double value, char decimal_separator) {
  if (!std::isfinite(value)) return "0";
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == '.') c = decimal_separator;
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string FormatNumber(double value) { return FormatNumber(value, DecimalSeparator()); }

std::optional<double> ParseAnyNumber(std::string_view text) {
  std::string s(TrimBlanks(text));
  if (!s.empty() && s[0] == '+') s.erase(0, 1);
  for (char& c : s) {
    if (c == ',') c = '.';
  }
  if (s.empty()) return std::nullopt;
  double value = 0;
  const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
  // A number beyond what a double holds ("1E999", "1E-999") is a number all
  // the same, one that no range takes.
  if (result.ec == std::errc::result_out_of_range && result.ptr == s.data() + s.size()) return NAN;
  if (result.ec != std::errc() || result.ptr != s.data() + s.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseNumber(std::string_view text) {
  const std::optional<double> value = ParseAnyNumber(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

std::optional<int> ParseInt(std::string_view text) {
  std::string_view s = TrimBlanks(text);
  if (!s.empty() && s[0] == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  int value = 0;
  const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
  if (result.ec != std::errc() || result.ptr != s.data() + s.size()) return std::nullopt;
  return value;
}

}  // namespace olv
