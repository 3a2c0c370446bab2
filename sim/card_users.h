// The users a simulated device admits, read from the USERS.txt on its card as
// the device firmware reads it: per record the 8-byte card field, the user ID
// as four ASCII digits, 'u', 0x00, the PIN (one scrambled byte per digit,
// decoded through the PIN table shared with the manager), 0x00, the name in
// code page 1250, CR LF.
//
// Callers must guarantee nothing: any bytes are read without overrun, and a
// file that breaks the layout is refused as a whole with the place it broke.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olv {

struct sCardUser {
  // The eight bytes as stored: card bytes last pair first, padded with 0x20.
  std::string card_field;
  int id = 0;
  // Decoded digits; empty for a user without a PIN.
  std::string pin;
  // Code page 1250 bytes.
  std::string name;

  bool operator==(const sCardUser&) const = default;
};

// The longest PIN and name a record may hold; longer ones mean a broken file.
inline constexpr size_t kMaxCardUserPin = 16;
inline constexpr size_t kMaxCardUserName = 255;

std::optional<std::vector<sCardUser>> ReadCardUsers(std::string_view bytes,
                                                    const std::array<uint8_t, 256>& pin_table,
                                                    std::string* error = nullptr);

}  // namespace olv
