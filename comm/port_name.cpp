#include "comm/port_name.h"

#include <algorithm>
#include <climits>

#include "common/numbers.h"

namespace olv {

std::optional<cPortName> ParsePortName(std::string_view name) {
  if (name.size() > 1 && name.front() == '/') {
    return cPortName{ClosingNumber(name), std::string(name)};
  }
  if (name.substr(0, 3) != "COM") return std::nullopt;
  const auto number = ParseInt(name.substr(3));
  if (!number || *number < 1) return std::nullopt;
  return cPortName{*number, "/dev/ttyS" + std::to_string(*number - 1)};
}

int ClosingNumber(std::string_view name) {
  size_t start = name.size();
  while (start > 0 && name[start - 1] >= '0' && name[start - 1] <= '9') --start;
  long long value = 0;
  for (size_t i = start; i < name.size(); ++i) {
    value = value * 10 + (name[i] - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

void SortByClosingNumber(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const int na = ClosingNumber(a);
    const int nb = ClosingNumber(b);
    return na != nb ? na < nb : a < b;
  });
}

}  // namespace olv
