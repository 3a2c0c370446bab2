#include "app/wiersz_polecen.h"

#include <algorithm>

#include "common/files.h"

namespace olv {

eTrybProgramu WybierzTrybProgramu(const std::vector<std::string>& argumenty,
                                  const std::function<std::string(const char*)>& zmienna) {
  const auto podano = [&argumenty](const char* argument) {
    return std::find(argumenty.begin(), argumenty.end(), argument) != argumenty.end();
  };
  if (podano("--help") || podano("-h")) return eTrybProgramu::Pomoc;
  if (podano("--version")) return eTrybProgramu::Wersja;
  if (podano("--sync")) return eTrybProgramu::BezOkna;
  // A platform named outright (offscreen for the tests and the demo) needs no
  // display of the session.
  if (zmienna("DISPLAY").empty() && zmienna("WAYLAND_DISPLAY").empty() && zmienna("QT_QPA_PLATFORM").empty())
    return eTrybProgramu::BrakSesji;
  return eTrybProgramu::Okno;
}

std::string TekstPomocy() {
  return "Użycie: olv8-manager [DEBUG | --sync | --help | --version]\n"
         "Zarządza urządzeniami kontroli dostępu OLV (do ośmiu na jednej szynie):\n"
         "użytkownicy, karty i PIN-y, dostępy, synchronizacja danych, czas pracy.\n"
         "\n"
         "Tryby:\n"
         "  (bez argumentów)  okno programu\n"
         "  DEBUG             okno w trybie debug: edytory pozwalają zapisywać także\n"
         "                    wtedy, gdy nie wszystkie urządzenia odpowiadają\n"
         "  --sync            jedna synchronizacja danych bez okna i bez pytania\n"
         "                    (dla zegara systemd lub crona); pobiera z urządzeń,\n"
         "                    które odpowiadają, i wymienia te, które nie odpowiedziały.\n"
         "                    Kod wyjścia: 0 wszystko pobrane, 1 nie wszystko pobrane,\n"
         "                    2 synchronizacja nie została rozpoczęta\n"
         "  --help            ten tekst\n"
         "  --version         wersja programu\n"
         "\n"
         "Zmienne środowiskowe:\n"
         "  OLV8_HOME         folder programu (dane, kopie plików urządzeń, dzienniki);\n"
         "                    musi istnieć. Bez niej zainstalowany program używa\n"
         "                    $XDG_DATA_HOME/olv8-manager (domyślnie\n"
         "                    ~/.local/share/olv8-manager)\n"
         "  OLV8_EXTRA_PORTS  dodatkowe porty szeregowe, rozdzielone dwukropkami\n"
         "  DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM\n"
         "                    sesja graficzna, w której otwiera się okno\n"
         "\n"
         "Dzienniki starsze niż 90 dni są usuwane przy każdym uruchomieniu.\n";
}

std::string TekstWersji() { return std::string("olv8-manager ") + OLV_VERSION + "\n"; }

std::string TekstBrakuSesji() {
  return "Okno programu wymaga sesji graficznej (nie ustawiono DISPLAY ani WAYLAND_DISPLAY).\n"
         "Synchronizację bez okna uruchamia: olv8-manager --sync\n";
}

std::string SprawdzFolderProgramu(const std::string& folder, bool olv8_home) {
  if (DirectoryExists(folder)) return "";
  return olv8_home ? "Folder programu wskazany przez zmienną OLV8_HOME nie istnieje. Program nie zostanie uruchomiony."
                   : "Nie można utworzyć folderu programu. Program nie zostanie uruchomiony.";
}

}  // namespace olv
