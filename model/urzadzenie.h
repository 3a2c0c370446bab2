// cUrzadzenie: one OLV device record: name, bus ID, a pending new bus ID, the
// two readers, the push-button flag, the last synchronisation time, how the PC
// reaches it, the users it admits, and the record's lifelong identity Unique.
// Text fields hold UTF-8; the record line is UTF-8 until a file is written.
//
// Callers must guarantee: nothing: any record line reads (a missing or
// unreadable field takes a fixed default).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/czytnik.h"
#include "model/lista_dostepow.h"
#include "model/wlasciwosci_polaczenia.h"

namespace olv {

class cUrzadzenie {
 public:
  // Empty names, ID and NoweID 0, neutral readers, no button, date 0, default
  // connection, empty access list.
  explicit cUrzadzenie(int32_t unique);
  cUrzadzenie(std::string nazwa, int32_t id, const cCzytnik& czytnik0, const cCzytnik& czytnik1,
              bool przycisk, const cWlasciwosciPolaczenia& polaczenie, int32_t unique);
  virtual ~cUrzadzenie() = default;
  cUrzadzenie(const cUrzadzenie&) = delete;
  cUrzadzenie& operator=(const cUrzadzenie&) = delete;

  virtual std::string GetIDString() const;
  virtual std::string GetUniqueString() const;
  // "1" with a push button, else "0".
  virtual std::string GetPrzyciskJakoTekst() const;
  // The record line: name, ID, reader 0 name and mode, reader 1 name and mode,
  // button, last update (decimal separator of the process locale), port,
  // speed, access list, Unique. NoweID is not stored.
  virtual std::string ToString() const;
  // An empty line changes nothing. Otherwise every field present is applied,
  // without clearing first; a number that cannot be read becomes 0 (the date
  // 1.0); the date accepts "," and "." alike; only "1" sets the button.
  virtual void FromString(std::string_view line);
  // Every field, NoweID and the access list included.
  virtual void CopyTo(cUrzadzenie& other) const;
  virtual bool RowneUrzadzeniu(const cUrzadzenie& other) const;
  // The configuration line for konfig.txt, in the record line encoding: the
  // seven lines "DeviceID=", "port1=", "port0=", "button=", "data:", "time:",
  // "RSID=" as fields. now: the PC's local date-time; RSID is NoweID when set,
  // else ID.
  virtual std::string GetKonfiguracja(double now) const;

  std::string Nazwa;
  int32_t ID = 0;
  int32_t NoweID = 0;
  cCzytnik Czytnik0;
  cCzytnik Czytnik1;
  bool Przycisk = false;
  double DataOstatniejAktualizacji = 0;
  cWlasciwosciPolaczenia Polaczenie;
  cListaDostepow ListaDostepow;
  int32_t Unique = 0;
};

}  // namespace olv
