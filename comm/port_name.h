// Port names as the operator and the data files give them: "COMn" (n from 1),
// which stands for /dev/ttyS<n-1>, or an absolute device path (/dev/ttyUSB0,
// /dev/serial/by-id/..., a pseudo-terminal). The "COM" prefix is compared with
// its case, so "com3" is not a port name.
//
// Callers must guarantee: nothing: any text is read or refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olv {

struct cPortName {
  // n of "COMn"; for a device path the number that ends it (0 when none).
  int Number = 0;
  std::string DevicePath;
};

// Empty when name is neither "COMn" with n >= 1 nor an absolute path.
std::optional<cPortName> ParsePortName(std::string_view name);

// The decimal number that ends name (ttyUSB10 -> 10), 0 when it ends otherwise.
int ClosingNumber(std::string_view name);

// Sorts by closing number, so COM2 comes before COM10 and ttyUSB2 before
// ttyUSB10; names with equal numbers keep their alphabetical order.
void SortByClosingNumber(std::vector<std::string>& names);

}  // namespace olv
