#include "model/pin_table.h"

#include <vector>

namespace olv {
namespace {

// Fixed for good: every USERS.txt written, and every device that reads one,
// depends on these values.
constexpr std::array<uint8_t, 256> kPinTable = {
    0, 9, 9, 9, 8, 5, 0, 0, 7, 0, 0, 5, 1, 5, 6, 2,
    3, 2, 4, 0, 0, 0, 8, 3, 8, 7, 6, 0, 7, 6, 6, 0,
    8, 8, 0, 4, 6, 5, 7, 6, 4, 3, 9, 5, 0, 8, 4, 2,
    4, 7, 5, 5, 7, 5, 8, 9, 5, 5, 5, 9, 4, 3, 8, 6,
    6, 1, 8, 9, 0, 2, 2, 3, 2, 0, 7, 3, 9, 5, 6, 1,
    1, 1, 5, 3, 1, 7, 4, 5, 3, 2, 9, 5, 4, 1, 9, 4,
    3, 7, 0, 9, 4, 1, 9, 9, 2, 7, 5, 2, 0, 9, 3, 6,
    9, 1, 7, 7, 5, 3, 1, 6, 6, 9, 2, 2, 4, 0, 6, 1,
    6, 8, 7, 3, 6, 5, 0, 1, 8, 2, 0, 3, 1, 0, 9, 9,
    1, 2, 1, 4, 8, 1, 9, 1, 2, 8, 4, 0, 2, 3, 1, 3,
    2, 2, 6, 7, 0, 3, 5, 8, 4, 4, 5, 7, 1, 4, 7, 3,
    3, 4, 3, 5, 6, 2, 8, 5, 8, 2, 1, 8, 7, 1, 2, 3,
    4, 2, 4, 6, 8, 9, 4, 7, 2, 5, 9, 8, 0, 6, 3, 9,
    2, 7, 1, 1, 3, 4, 4, 6, 8, 4, 0, 6, 9, 3, 7, 1,
    1, 8, 4, 1, 0, 3, 8, 5, 4, 7, 6, 7, 9, 7, 2, 7,
    8, 6, 5, 0, 7, 8, 2, 9, 4, 2, 3, 6, 3, 6, 0, 8,
};

}  // namespace

const std::array<uint8_t, 256>& PinTable() { return kPinTable; }

int DecodePinByte(uint8_t byte) { return kPinTable[byte]; }

std::string DecodePin(std::string_view bytes) {
  std::string digits;
  digits.reserve(bytes.size());
  for (char c : bytes) digits += static_cast<char>('0' + DecodePinByte(static_cast<uint8_t>(c)));
  return digits;
}

uint8_t ScramblePinDigit(int digit, std::mt19937& random) {
  // The bytes of each digit, gathered once: drawing bytes until one fits took
  // about ten draws a digit, most of the time of writing a large USERS.txt.
  static const std::array<std::vector<uint8_t>, 10> kBajtyCyfr = [] {
    std::array<std::vector<uint8_t>, 10> bajty;
    for (int byte = 1; byte < 256; ++byte) bajty[kPinTable[byte]].push_back(static_cast<uint8_t>(byte));
    return bajty;
  }();
  if (digit < 0 || digit > 9) digit = 0;
  const std::vector<uint8_t>& bajty = kBajtyCyfr[static_cast<size_t>(digit)];
  return bajty[std::uniform_int_distribution<size_t>(0, bajty.size() - 1)(random)];
}

std::string ScramblePin(std::string_view pin, std::mt19937& random) {
  std::string bytes;
  bytes.reserve(pin.size());
  for (char c : pin) {
    const int digit = (c >= '0' && c <= '9') ? c - '0' : 0;
    bytes += static_cast<char>(ScramblePinDigit(digit, random));
  }
  return bytes;
}

}  // namespace olv
