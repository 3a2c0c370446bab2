#include "model/dane_uzytkownika.h"

#include <optional>

#include "common/cp1250.h"
#include "common/numbers.h"
#include "common/strings.h"
#include "model/karta_rfid.h"
#include "model/pola_karty.h"

namespace olv {
namespace {

const char* const kPustaNazwa = "Nazwa użytkownika nie może być pusta";
const char* const kNiezapisywalnaNazwa =
    "Nazwa użytkownika zawiera znaki, których nie można zapisać w urządzeniu";
const char* const kNieZapisano = "Nie udało się zapisać użytkownika";

// Unique 0: a new user.
cWynikZapisuUzytkownika Zapisz(cUserList& users, int32_t unique, const cDaneUzytkownika& dane) {
  const std::optional<std::string> karta_hex = KartaHexZPelnegoNumeru(dane.KartaPelna);
  int kod = users.SprawdzPoprawnoscDanych(dane.ID, dane.PIN, karta_hex.value_or("0"));
  // A full number beyond 40 bits is as badly formed as one with other characters.
  if (!karta_hex && (kod == 0 || kod == 5)) kod = 6;
  if (kod != 0) return {KomunikatPoprawnosciDanych(kod), 0};

  const int32_t id = ParseInt(dane.ID).value_or(0);
  const uint64_t karta = HexTextToCardValue(*karta_hex);
  kod = unique == 0 ? users.SprawdzKonfliktZUzytkownikiemNaLiscie(id, dane.PIN, karta)
                    : users.SprawdzKonfliktZUzytkownikiemNaLiscieExclude(id, dane.PIN, karta, unique);
  if (kod != 0) return {KomunikatKonfliktu(kod), 0};

  const std::string nazwa(TrimBlanks(dane.Nazwa));
  if (nazwa.empty()) return {kPustaNazwa, 0};
  // A device stores the name in CP1250, one record a line.
  if (!FitsCp1250(nazwa) || nazwa.find_first_of("\r\n") != std::string::npos) return {kNiezapisywalnaNazwa, 0};

  const bool zapisano = unique == 0 ? users.DodajUzytkownika(nazwa, dane.ID, dane.PIN, *karta_hex)
                                    : users.EdytujUzytkownika(unique, nazwa, dane.ID, dane.PIN, *karta_hex);
  if (!zapisano) return {kNieZapisano, 0};
  const cUzytkownik* user = users.GetUserByID(id);
  return {"", user ? user->Unique : 0};
}

}  // namespace

std::string KomunikatPoprawnosciDanych(int kod) {
  switch (kod) {
    case 1:
      return "ID użytkownika musi składać się wyłącznie z cyfr";
    case 2:
      return "ID użytkownika musi mieścić się w zakresie 1-9999";
    case 3:
      return "Podany PIN musi składać się wyłącznie z cyfr";
    case 4:
      return "PIN powinien mieć długość 2-7 cyfr";
    case 5:
      return "Użytkownik musi posiadać numer karty lub/i numer PIN";
    case 6:
      return "Podany numer karty ma zły format";
    default:
      return "";
  }
}

std::string KomunikatKonfliktu(int kod) {
  switch (kod) {
    case 1:
      return "Wybrane ID jest już zarejestrowane";
    case 2:
      return "Wybrany numer PIN jest już zarejestrowany";
    case 3:
      return "Wybrany numer karty jest już zarejestrowany";
    default:
      return "";
  }
}

cWynikZapisuUzytkownika DodajUzytkownikaZDialogu(cUserList& users, const cDaneUzytkownika& dane) {
  return Zapisz(users, 0, dane);
}

cWynikZapisuUzytkownika EdytujUzytkownikaZDialogu(cUserList& users, int32_t unique, const cDaneUzytkownika& dane) {
  // A dialog loaded for a user that is gone holds key 0: nothing to change.
  if (unique == 0 || !users.GetUserByUnique(unique)) return {kNieZapisano, 0};
  return Zapisz(users, unique, dane);
}

}  // namespace olv
