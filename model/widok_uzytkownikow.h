// What the user editor shows, computed from its working list: the rows of the
// user list (names in alphabetical order, each with its user's Unique as the
// key that row stands for), the four detail texts of a user, and which row
// stays selected after one is deleted.
//
// Callers must guarantee: one thread; the list is not changed meanwhile.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/karta_rfid.h"
#include "model/user_list.h"

namespace olv {

// The rows of a list of records: entry i of Klucze is the decimal Unique of
// the record whose name is row i.
struct cWiersze {
  std::vector<std::string> Klucze;
  std::vector<std::string> Nazwy;
};

// The users ordered by name (Polish alphabet, letter case ignored).
cWiersze WierszeUzytkownikow(const cUserList& users);

struct cSzczegolyUzytkownika {
  std::string Nazwa = "-";
  std::string ID = "-";
  std::string PIN = "-";
  std::string Karta = "-";
};

// "-" in all four for a Unique no user has; otherwise the name, the 4-digit
// ID, "jest" or "brak" for the PIN, and the card as OpisKarty gives it.
cSzczegolyUzytkownika SzczegolyUzytkownika(const cUserList& users, int32_t unique);

// The full number in 14 digits, then the check numbers: 1193046 gives
// "00000001193046 (018,13398)".
std::string OpisKarty(const cKartaRFID& karta);

// The row to select after deleting row wiersz, leaving pozostalo rows: the
// same row, or the new last one; -1 when no row is left.
int WierszPoUsunieciu(int wiersz, int pozostalo);

// The first ID from 1 to 9999 that no user has, in four digits; "0000" when
// every one is taken.
std::string PierwszeWolneID(const cUserList& users);

}  // namespace olv
