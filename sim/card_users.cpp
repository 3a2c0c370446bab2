#include "sim/card_users.h"

namespace olv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::vector<sCardUser>> ReadCardUsers(std::string_view bytes,
                                                    const std::array<uint8_t, 256>& pin_table,
                                                    std::string* error) {
  std::vector<sCardUser> users;
  size_t at = 0;
  auto broken = [&](const std::string& why) -> std::optional<std::vector<sCardUser>> {
    if (error) {
      *error = "record " + std::to_string(users.size() + 1) + " broken at byte " +
               std::to_string(at) + ": " + why;
    }
    return std::nullopt;
  };
  while (at < bytes.size()) {
    sCardUser user;
    if (bytes.size() - at < 14) return broken("too short");
    user.card_field = std::string(bytes.substr(at, 8));
    const std::string_view id = bytes.substr(at + 8, 4);
    for (char c : id) {
      if (!IsDigit(c)) return broken("user ID not four digits");
    }
    user.id = (id[0] - '0') * 1000 + (id[1] - '0') * 100 + (id[2] - '0') * 10 + (id[3] - '0');
    if (bytes[at + 12] != 'u' || bytes[at + 13] != '\0') return broken("no 'u' 0x00 after the ID");
    at += 14;
    while (at < bytes.size() && bytes[at] != '\0') {
      if (user.pin.size() == kMaxCardUserPin) return broken("PIN too long");
      user.pin.push_back(static_cast<char>('0' + pin_table[static_cast<uint8_t>(bytes[at])] % 10));
      ++at;
    }
    if (at == bytes.size()) return broken("PIN not ended");
    ++at;
    const size_t end = bytes.find("\r\n", at);
    if (end == std::string_view::npos) return broken("name not ended by CR LF");
    if (end - at > kMaxCardUserName) return broken("name too long");
    user.name = std::string(bytes.substr(at, end - at));
    at = end + 2;
    users.push_back(std::move(user));
  }
  return users;
}

}  // namespace olv
