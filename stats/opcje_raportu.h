// The command line of olv8-report: which report, of which program folder and
// user, in which counting mode, at which moment, with which separator, and
// where to.
//
// Callers must guarantee: nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "stats/tryb_zliczania.h"

namespace olv {

enum class eRodzajRaportu : uint8_t {
  Aktualne,
  Zdarzenia,
  Dzienne,
  Miesieczne,
  Srednie,
  Odbicia,
};

struct cOpcjeRaportu {
  eRodzajRaportu Rodzaj = eRodzajRaportu::Aktualne;
  // Empty: the program folder as the program finds it. Else ends with "/".
  std::string Folder;
  // ID or Unique; empty when not given.
  std::string Uzytkownik;
  // --all: every user, for miesieczne and dzienne.
  bool Wszyscy = false;
  // --month "YYYY-MM": the month of --all dzienne; empty otherwise.
  std::string Miesiac;
  eTrybZliczania Tryb = eTrybZliczania::WejscieWyjscie;
  // Empty: now.
  std::optional<double> Moment;
  int Separator = 0;
  // Empty: standard output.
  std::string Plik;
  bool Pomoc = false;
};

// Empty, with the reason in Polish in error, when the arguments (without the
// program name) cannot be taken.
std::optional<cOpcjeRaportu> CzytajOpcjeRaportu(const std::vector<std::string>& args,
                                                std::string* error);
std::string UzycieRaportu();

}  // namespace olv
