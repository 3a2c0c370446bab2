#include "model/widok_uzytkownikow.h"

#include <unordered_map>
#include <unordered_set>

#include "common/numbers.h"
#include "common/strings.h"

namespace olv {

cWiersze WierszeUzytkownikow(const cUserList& users) {
  cWiersze wiersze;
  users.WpiszPosortowanaAlfabetycznieListeUniqueUzytkownikow(wiersze.Klucze);
  // One pass for the names: looking each key up in turn costs a walk of the
  // whole list per row.
  std::unordered_map<int32_t, const std::string*> nazwy;
  nazwy.reserve(wiersze.Klucze.size());
  users.DlaKazdegoUzytkownika([&](const cUzytkownik& user) { nazwy.emplace(user.Unique, &user.Nazwa); });
  wiersze.Nazwy.reserve(wiersze.Klucze.size());
  for (const std::string& klucz : wiersze.Klucze) {
    const auto found = nazwy.find(ParseInt(klucz).value_or(0));
    wiersze.Nazwy.push_back(found == nazwy.end() ? std::string() : *found->second);
  }
  return wiersze;
}

std::string OpisKarty(const cKartaRFID& karta) {
  return karta.GetDec() + " (" + karta.GetTrzeciBajtDec() + "," + karta.GetOstatnieDwaBajtyDec() + ")";
}

cSzczegolyUzytkownika SzczegolyUzytkownika(const cUserList& users, int32_t unique) {
  const cUzytkownik* user = users.GetUserByUnique(unique);
  if (!user) return {};
  return {user->Nazwa, user->GetIDString(), user->GetPIN().empty() ? "brak" : "jest", OpisKarty(user->Karta)};
}

int WierszPoUsunieciu(int wiersz, int pozostalo) {
  if (pozostalo <= 0) return -1;
  return wiersz >= pozostalo ? pozostalo - 1 : wiersz;
}

std::string PierwszeWolneID(const cUserList& users) {
  std::unordered_set<int32_t> zajete;
  users.DlaKazdegoUzytkownika([&](const cUzytkownik& user) { zajete.insert(user.ID); });
  for (int32_t id = 1; id <= 9999; ++id) {
    if (!zajete.count(id)) return IntToStrZeZerami(id, 4);
  }
  return IntToStrZeZerami(0, 4);
}

}  // namespace olv
