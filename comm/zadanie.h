// cZadanie: one step of device or window work, as a task queue holds it. The
// kind says what to do, the parameter with what (often a number written as
// decimal text, often empty), and KonczySieOdRazu whether the queue ends the
// task itself right after its handler returns (true) or waits until someone
// reports the end (false).
//
// Callers must guarantee: nothing.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace olv {

// The values are fixed: logs show them as numbers.
enum class eRodzajZadania : uint8_t {
  Czekaj = 2,                   // parameter: milliseconds
  OtworzEdytorUzytkownikow = 3, // parameter: "" = all devices present, "nah" = not all
  OtworzEdytorUrzadzen = 4,     // as 3
  OtworzPort = 5,               // parameter: port name
  AktywujUrzadzenie = 6,        // parameter: bus ID
  UsunPlik = 7,                 // parameter: device file name
  WyslijPlik = 8,               // parameter: local file path
  SciagnijPlik = 9,             // parameter: device file name
  SciagnijListePlikow = 10,     // parameter: bus ID
  ZamknijPort = 11,
  ZglosPobranieList = 12,       // report: all file lists fetched
  ZglosPobraniePlikow = 13,     // report: all downloads done
  UstawPostep = 14,             // parameter: percent
  ZglosWyslaniePlikow = 15,     // report: all uploads done
  SzukajUrzadzen = 16,
  ZglosKoniecSzukania = 17,     // report: device search finished
  SciagnijKonfiguracje = 18,
  OtworzEdytorDostepu = 19,     // as 3
};

class cZadanie {
 public:
  cZadanie(eRodzajZadania rodzaj, std::string parametr, bool konczy_sie_od_razu)
      : Rodzaj(rodzaj), Parametr(std::move(parametr)), KonczySieOdRazu(konczy_sie_od_razu) {}

  eRodzajZadania Rodzaj;
  std::string Parametr;
  bool KonczySieOdRazu;
};

}  // namespace olv
