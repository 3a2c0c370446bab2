#include "sim/byte_dump.h"

#include <cstdint>

namespace olv {

std::string DumpBytes(std::string_view bytes, size_t max_shown) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  const size_t shown = bytes.size() < max_shown ? bytes.size() : max_shown;
  out.reserve(shown * 3 + 32);
  for (size_t i = 0; i < shown; ++i) {
    const auto byte = static_cast<uint8_t>(bytes[i]);
    if (i > 0) out.push_back(' ');
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 0x0F]);
  }
  if (shown < bytes.size()) {
    out += " ... (" + std::to_string(bytes.size() - shown) + " more, " +
           std::to_string(bytes.size()) + " in all)";
  }
  return out;
}

}  // namespace olv
