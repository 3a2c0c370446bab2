// What olv8-manager is asked to do, decided from its arguments and its
// environment before anything of Qt exists: the help and the version need no
// window, and a window without a graphical session would only end in the
// toolkit's abort. Also the texts it prints for them.
//
// Callers must guarantee: nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace olv {

enum class eTrybProgramu {
  Okno,
  BezOkna,     // --sync
  Pomoc,       // --help, -h
  Wersja,      // --version
  BrakSesji,   // the window was asked for where no display can show it
};

// zmienna: the value of an environment variable, "" when it is not set.
eTrybProgramu WybierzTrybProgramu(const std::vector<std::string>& argumenty,
                                  const std::function<std::string(const char*)>& zmienna);

// The usage, in Polish: the modes, the exit statuses of --sync and the
// environment variables the program reads.
std::string TekstPomocy();
// "olv8-manager " and the version, with a line end.
std::string TekstWersji();
// Why the window does not start without a graphical session, and what runs
// without one.
std::string TekstBrakuSesji();
// "" when the program folder exists; else the refusal, in Polish. olv8_home
// tells whether the folder came from OLV8_HOME.
std::string SprawdzFolderProgramu(const std::string& folder, bool olv8_home);

}  // namespace olv
