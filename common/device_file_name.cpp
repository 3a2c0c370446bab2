#include "common/device_file_name.h"

namespace olv {
namespace {

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '~';
}

bool IsPart(std::string_view part, size_t max_length) {
  if (part.empty() || part.size() > max_length) return false;
  for (char c : part) {
    if (!IsNameChar(c)) return false;
  }
  return true;
}

}  // namespace

bool IsPlain83Name(std::string_view name) {
  const size_t dot = name.find('.');
  if (dot == std::string_view::npos) return IsPart(name, 8);
  return IsPart(name.substr(0, dot), 8) && IsPart(name.substr(dot + 1), 3);
}

}  // namespace olv
