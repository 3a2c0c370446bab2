#include "model/users_file.h"

#include <unordered_set>

#include "common/cp1250.h"
#include "model/device_folder.h"
#include "model/pin_table.h"

namespace olv {
namespace {

constexpr size_t kCardFieldSize = 8;
constexpr size_t kIdSize = 4;

// c is an upper-case hexadecimal digit.
int HexDigit(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

void Report(const cLogujacy& logger, std::string* error, const std::string& message) {
  logger.Log("Devlist: ZapiszUsers: " + message);
  if (error) *error = message;
}

}  // namespace

std::string PoleKartyUsers(const cKartaRFID& karta) {
  // GetHex has at least ten hexadecimal digits; a number above 40 bits keeps
  // only its first ten.
  const std::string hex = karta.GetHex().substr(0, 10);
  std::string field;
  for (size_t at = 8;; at -= 2) {
    const int byte = HexDigit(hex[at]) * 16 + HexDigit(hex[at + 1]);
    if (byte != 0) field += static_cast<char>(byte);
    if (at == 0) break;
  }
  field.resize(kCardFieldSize, ' ');
  return field;
}

std::optional<std::string> UtworzRekordUsers(const cUzytkownik& user, std::mt19937& random,
                                             std::string* error) {
  if (user.ID < 0 || user.ID > 9999) {
    if (error) *error = "Użytkownik o ID " + user.GetIDString() + " ma ID spoza zakresu 0-9999";
    return std::nullopt;
  }
  const std::optional<std::string> name = Utf8ToCp1250(user.Nazwa);
  if (!name || name->find_first_of("\r\n") != std::string::npos) {
    if (error) {
      *error = "Użytkownik o ID " + user.GetIDString() + " ma nazwę, której nie da się zapisać w pliku USERS.txt";
    }
    return std::nullopt;
  }
  std::string record = PoleKartyUsers(user.Karta);
  record += user.GetIDString();
  record += 'u';
  record += '\0';
  record += ScramblePin(user.PIN, random);
  record += '\0';
  record += *name;
  record += "\r\n";
  return record;
}

std::optional<std::string> UtworzUsers(const cUrzadzenie& device, const cUserList& users,
                                       std::mt19937& random, std::string* error) {
  std::unordered_set<std::string> admitted;
  for (int i = 0; i < device.ListaDostepow.Count(); ++i) {
    admitted.insert(device.ListaDostepow.GetWpis(i));
  }
  std::string content;
  // A record is 16 bytes and the PIN and the name: this is enough for most.
  content.reserve(admitted.size() * 48);
  bool ok = true;
  users.DlaKazdegoUzytkownika([&](const cUzytkownik& user) {
    if (!ok || !admitted.contains(user.GetUniqueString())) return;
    const std::optional<std::string> record = UtworzRekordUsers(user, random, error);
    if (record) {
      content += *record;
    } else {
      ok = false;
    }
  });
  if (!ok) return std::nullopt;
  return content;
}

std::string ZapiszUsers(const std::string& program_folder, const cDevList& devices,
                        const cUserList& users, int32_t unique, std::mt19937& random,
                        std::string* error) {
  const cUrzadzenie* device = devices.GetDeviceByUnique(unique);
  if (!device) return {};
  std::string why;
  const std::optional<std::string> content = UtworzUsers(*device, users, random, &why);
  if (!content) {
    Report(devices, error, why);
    return {};
  }
  const std::string path =
      ZapiszDoFolderuWyslanych(program_folder, device->ID, "USERS.txt", *content, why);
  if (path.empty()) Report(devices, error, why);
  return path;
}

std::optional<std::vector<cRekordUsers>> OdczytajUsers(std::string_view bytes) {
  std::vector<cRekordUsers> records;
  while (!bytes.empty()) {
    constexpr size_t kFixed = kCardFieldSize + kIdSize + 2;
    if (bytes.size() < kFixed || bytes[kFixed - 2] != 'u' || bytes[kFixed - 1] != '\0') {
      return std::nullopt;
    }
    cRekordUsers record;
    record.PoleKarty = std::string(bytes.substr(0, kCardFieldSize));
    record.ID = std::string(bytes.substr(kCardFieldSize, kIdSize));
    bytes.remove_prefix(kFixed);
    const size_t pin_end = bytes.find('\0');
    if (pin_end == std::string_view::npos) return std::nullopt;
    record.PIN = DecodePin(bytes.substr(0, pin_end));
    bytes.remove_prefix(pin_end + 1);
    const size_t name_end = bytes.find("\r\n");
    if (name_end == std::string_view::npos) return std::nullopt;
    record.Nazwa = Cp1250ToUtf8(bytes.substr(0, name_end));
    bytes.remove_prefix(name_end + 2);
    records.push_back(std::move(record));
  }
  return records;
}

}  // namespace olv
