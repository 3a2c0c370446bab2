// The PIN substitution table that the manager and the OLV devices share. A PIN
// travels in USERS.txt as one byte per digit; the byte is drawn at random among
// those the table maps to the digit, so the same PIN gives different bytes in
// every file while the device (or the simulator) reads the digit back through
// the same table.
//
// Callers must guarantee: the random source outlives the call; it is not shared
// between threads.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace olv {

// Maps every byte value to a digit 0-9. Entry 0 is never written (a 0x00 byte
// ends the PIN in a USERS.txt record); each digit owns 25 or 26 of the others.
const std::array<uint8_t, 256>& PinTable();

// The digit 0-9 that a PIN byte stands for.
int DecodePinByte(uint8_t byte);
// Every byte decoded: "1234" for the bytes of a scrambled 1234.
std::string DecodePin(std::string_view bytes);

// A byte 1-255 that the table maps to digit; a value outside 0-9 is written as
// the digit 0. Each of the bytes the table maps to digit is equally likely.
uint8_t ScramblePinDigit(int digit, std::mt19937& random);
// One scrambled byte per character of pin; a character that is not a decimal
// digit is written as the digit 0.
std::string ScramblePin(std::string_view pin, std::mt19937& random);

}  // namespace olv
