// cNieodczytanyPlik: an event file, or a whole device folder, of the mirror
// that could not be read, so that its punches are missing from the
// statistics. The operator is told which device and file in words; the path
// and the system's own words go to the log.
//
// Callers must guarantee: nothing.
#pragma once

#include <cstdint>
#include <string>

namespace olv {

class cDevList;

struct cNieodczytanyPlik {
  // The bus ID whose mirror folder holds the file.
  int32_t IDUrzadzenia = 0;
  // The file's name; empty when the folder itself could not be read.
  std::string NazwaPliku;
  std::string Sciezka;
  // The system's words, for the log.
  std::string Blad;
};

// What the operator is told when some files could not be read.
inline constexpr const char* kTekstNieodczytanychPlikow =
    "Nie można odczytać niektórych plików zdarzeń. Statystyka pokazuje dane pozostałych plików.";

// 'urządzenie "Brama" (ID 2), plik 20261103.CSV', or '..., cały folder' when
// the folder could not be read; a device the list lacks has no name.
std::string OpisNieodczytanegoPliku(const cNieodczytanyPlik& plik, const cDevList& urzadzenia);

}  // namespace olv
