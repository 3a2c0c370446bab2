// olv8-report: the statistics of a program folder as CSV, for scripts and
// payroll. Exits 0 with the report written; 1 with one Polish line on standard
// error when the folder has no data, the user is unknown or the output cannot
// be written (nothing partial is left); 1 as well, with the report of the rest
// written, when event files or device folders could not be read, each named on
// standard error; 2 on a wrong command line.
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/loop_clock.h"
#include "common/program_folder.h"
#include "stats/raport.h"

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto opcje = olv::CzytajOpcjeRaportu(args, &error);
  if (!opcje) {
    std::fprintf(stderr, "olv8-report: %s\n%s", error.c_str(), olv::UzycieRaportu().c_str());
    return 2;
  }
  if (opcje->Pomoc) {
    std::printf("%s", olv::UzycieRaportu().c_str());
    return 0;
  }
  const olv::cLoopClock zegar;
  const std::string folder = opcje->Folder.empty() ? olv::ProgramFolder() : opcje->Folder;
  const olv::cWynikRaportu wynik = olv::UtworzRaport(*opcje, folder, zegar.Now());
  for (const std::string& opis : wynik.Nieodczytane) {
    std::fprintf(stderr, "Nie można odczytać: %s.\n", opis.c_str());
  }
  if (!wynik.Bajty) {
    std::fprintf(stderr, "%s\n", wynik.Blad.c_str());
    return 1;
  }
  const int kod = wynik.Nieodczytane.empty() ? 0 : 1;
  if (opcje->Plik.empty()) {
    const std::string& bajty = *wynik.Bajty;
    if (std::fwrite(bajty.data(), 1, bajty.size(), stdout) != bajty.size() ||
        std::fflush(stdout) != 0) {
      std::fprintf(stderr, "Nie można zapisać raportu na standardowe wyjście.\n");
      return 1;
    }
    return kod;
  }
  olv::eBladPliku rodzaj = olv::eBladPliku::kInny;
  if (!olv::WriteFileAtomically(opcje->Plik, *wynik.Bajty, nullptr, &rodzaj)) {
    std::fprintf(stderr, "Nie można zapisać pliku \"%s\": %s.\n", opcje->Plik.c_str(),
                 olv::OpisBleduPliku(rodzaj).c_str());
    return 1;
  }
  return kod;
}
