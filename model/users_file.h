// USERS.txt: the users a device admits, as the device reads them. Binary, one
// record per admitted user in user-list order, no header or trailer:
//   8 bytes  card field (see PoleKartyUsers)
//   4 bytes  the user ID as four ASCII digits ("0007")
//   'u' 0x00
//   n bytes  the PIN, one scrambled byte per digit (model/pin_table.h)
//   0x00
//   m bytes  the name in CP1250
//   0x0D 0x0A
//
// Callers must guarantee: program_folder ends with "/"; one thread.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "model/dev_list.h"
#include "model/karta_rfid.h"
#include "model/user_list.h"
#include "model/uzytkownik.h"

namespace olv {

// The first ten digits of the card's hexadecimal text cut into five byte
// pairs, last pair first, bytes of value 0 left out, padded to 8 bytes with
// 0x20: 0A0B0C0D0E gives 0E 0D 0C 0B 0A 20 20 20; no card gives eight 0x20.
std::string PoleKartyUsers(const cKartaRFID& karta);

// One record. Empty (and error set, when given) when the name does not fit
// CP1250 or holds a line break, or the ID is outside 0-9999.
std::optional<std::string> UtworzRekordUsers(const cUzytkownik& user, std::mt19937& random,
                                             std::string* error = nullptr);
// The whole file for device: every user of users whose Unique its access list
// holds. Empty (and error set) when a record cannot be made.
std::optional<std::string> UtworzUsers(const cUrzadzenie& device, const cUserList& users,
                                       std::mt19937& random, std::string* error = nullptr);

// Writes USERS.txt for the device with that Unique into its sent folder
// (created when missing) and returns the file's path. Returns "" when no
// device has that Unique (nothing written) or when the file cannot be made or
// written (logged through the device list, the old file left whole).
std::string ZapiszUsers(const std::string& program_folder, const cDevList& devices,
                        const cUserList& users, int32_t unique, std::mt19937& random,
                        std::string* error = nullptr);

// One record as a device reads it back.
struct cRekordUsers {
  std::string PoleKarty;  // the 8 bytes as stored
  std::string ID;         // the four ID characters
  std::string PIN;        // decoded digits; empty for no PIN
  std::string Nazwa;      // UTF-8
};

// Reads the records of a USERS.txt; empty when the bytes are not a sequence of
// whole records.
std::optional<std::vector<cRekordUsers>> OdczytajUsers(std::string_view bytes);

}  // namespace olv
