// olv8-report's work without its input and output: loads a program folder's
// users, devices and event files, finds the user, computes the report and
// returns its bytes (code page 1250, CR LF), the same CSV that "do CSV"
// writes for a table (without a filler column). Event files that cannot be
// read leave their punches out of the report and are named.
//
// Callers must guarantee: program_folder ends with "/".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "stats/opcje_raportu.h"

namespace olv {

struct cWynikRaportu {
  // Empty on failure.
  std::optional<std::string> Bajty;
  // One Polish line saying why (no data, unknown user).
  std::string Blad;
  // The event files and device folders that could not be read, each said in
  // Polish ('urządzenie "Brama" (ID 2), plik 20261103.CSV').
  std::vector<std::string> Nieodczytane;
};

// teraz: the moment when the options give none.
cWynikRaportu UtworzRaport(const cOpcjeRaportu& opcje, const std::string& program_folder,
                           double teraz);

}  // namespace olv
