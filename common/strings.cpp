#include "common/strings.h"

#include <cmath>
#include <cstdint>

namespace olv {

std::string IntToStrZeZerami(long long value, int width) {
  const bool negative = value < 0;
  std::string digits = std::to_string(negative ? -static_cast<unsigned long long>(value)
                                               : static_cast<unsigned long long>(value));
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

bool ZawieraTylkoZnaki(std::string_view text, std::string_view allowed) {
  return text.find_first_not_of(allowed) == std::string_view::npos;
}

bool TimesEqual(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

std::vector<std::string_view> SplitLineViews(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
  const std::vector<std::string_view> views = SplitLineViews(text);
  return std::vector<std::string>(views.begin(), views.end());
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  auto blank = [](char c) {
    const auto b = static_cast<uint8_t>(c);
    return b >= 1 && b <= 32;
  };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace olv
