// cUzytkownik: one user record: name, user ID (1-9999), PIN (empty or 2-7
// digits), card, the record's lifelong identity Unique, and the work-time
// settings. Text fields hold UTF-8; the record line of ToString/FromString is
// UTF-8 too and becomes CP1250 only when a file is written.
//
// Callers must guarantee: nothing: any record line reads (a missing or
// unreadable field takes a fixed default).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/czasy_uzytkownika.h"
#include "model/karta_rfid.h"

namespace olv {

class cUzytkownik {
 public:
  // Empty name and PIN, ID 0, no card, default work times.
  explicit cUzytkownik(int32_t unique);
  // card_hex: hexadecimal card number ("0x" optional); not a number -> no card.
  cUzytkownik(std::string nazwa, int32_t id, std::string pin, std::string_view card_hex,
              int32_t unique);
  virtual ~cUzytkownik() = default;
  cUzytkownik(const cUzytkownik&) = delete;
  cUzytkownik& operator=(const cUzytkownik&) = delete;

  // The ID padded with "0" to 4 digits ("0007").
  virtual std::string GetIDString() const;
  virtual std::string GetPIN() const;
  virtual std::string GetUniqueString() const;
  // Clears name, PIN, ID, Unique and card; the work times stay.
  virtual void Wyczysc();
  // The record line: name, ID, PIN, card (10 hex digits), Unique, the six
  // times (decimal separator of the process locale), working days.
  virtual std::string ToString() const;
  // An empty line changes nothing. Otherwise the record is cleared and every
  // field present is applied; fields missing at the end keep their values, so
  // a short line keeps the work times. A number that cannot be read becomes 0
  // (ID, card, Unique) or 1.0 (times); times accept "," and "." alike.
  virtual void FromString(std::string_view line);
  // False when a planned time in the record line is a number outside 0.0 to
  // 1.0 (00:00 to 24:00), infinite or NaN: such a line cannot be read (a time
  // that is no number at all still reads as 1.0).
  static bool CzasyWZakresie(std::string_view line);
  virtual void CopyTo(cUzytkownik& other) const;
  // The planned work time of the month holding date, in days.
  virtual double WymaganyCzasPracyWMiesiacu(double date) const;

  bool RownyUzytkownikowi(const cUzytkownik& other) const;

  std::string Nazwa;
  int32_t ID = 0;
  std::string PIN;
  cKartaRFID Karta;
  int32_t Unique = 0;
  cCzasyUzytkownika CzasyPracy;
};

}  // namespace olv
