#include "app/synchronizacja_bez_okna.h"

#include <vector>

#include "app/blokada_programu.h"
#include "app/log_file.h"
#include "app/stare_dzienniki.h"
#include "app/synchronizacja.h"
#include "comm/sterownik_wpp.h"
#include "common/files.h"
#include "model/data_files.h"
#include "model/dev_list.h"
#include "model/device_folder.h"

namespace olv {

namespace {

// Nobody to ask and nothing to show: the question is answered yes, and what
// the window would tell is kept for the summary.
class cStronaBezOkna : public cStronaSynchronizacji {
 public:
  explicit cStronaBezOkna(std::vector<std::string>& komunikaty) : mKomunikaty(komunikaty) {}
  void PokazProszeCzekac() override {}
  void ZamknijProszeCzekac() override {}
  void PokazObecnoscUrzadzen() override {}
  bool SciagacZOdpowiadajacych() const override { return true; }
  bool CzySciagnac(const std::string&) override { return true; }
  void PokazPostep() override {}
  void ZamknijPostep() override {}
  void Powiadom(const std::string& tekst) override { mKomunikaty.push_back(tekst); }
  // A summary read later, in a log or a mail, keeps its full list.
  void Powiadom(const std::string& tekst, const std::string& szczegoly) override {
    mKomunikaty.push_back(tekst);
    mKomunikaty.push_back(szczegoly);
  }

 private:
  std::vector<std::string>& mKomunikaty;
};

cSynchronizacjaBezOkna NieRozpoczeta(const std::string& komunikat) {
  return {eWynikBezOkna::NieRozpoczeta, komunikat + "\n"};
}

}  // namespace

cSynchronizacjaBezOkna SynchronizujBezOkna(cLoopClock& clock, std::unique_ptr<cSerialLink> port,
                                           const std::string& program_folder) {
  std::string komunikat;
  const std::unique_ptr<cBlokadaProgramu> blokada = cBlokadaProgramu::Zajmij(program_folder, &komunikat);
  if (!blokada) return NieRozpoczeta(komunikat);

  std::vector<std::string> komunikaty;
  CreateDirectory(program_folder + "log");
  cLogFile log(LogFilePath(program_folder, clock.GetTickCount()), clock);
  log.UstawObslugeBledu([&komunikaty](const std::string& path, const std::string&) {
    komunikaty.push_back("Nie można zapisać dziennika programu w pliku " + FileNameOf(path) + ".");
  });
  const LogFunction loguj = [&log](const std::string& text) { log.Zapisz(text); };
  loguj("Form1: SynchronizujBezOkna");
  UsunStareDzienniki(program_folder, clock.Now(), loguj);
  const auto nie_rozpoczeta = [&loguj](const std::string& powod) {
    loguj("Form1: SynchronizujBezOkna: " + powod);
    return NieRozpoczeta(powod);
  };
  for (int id = 1; id <= 9; ++id) UtworzFolderWyslanychPlikow(program_folder, id);

  cDevList urzadzenia(clock);
  urzadzenia.UstawFunkcjeLogujaca(loguj);
  const std::string sciezka = program_folder + "data/devices.txt";
  const cWynikWczytania wczytanie = WczytajUrzadzenia(sciezka, urzadzenia);
  if (!wczytanie.Wczytano) {
    return nie_rozpoczeta(FileExists(sciezka) || DirectoryExists(sciezka)
                             ? "Nie można odczytać pliku devices.txt. Synchronizacja nie została rozpoczęta."
                             : "Brak zapisanych urządzeń: nie ma pliku devices.txt.");
  }
  if (urzadzenia.CountDevices() == 0) return nie_rozpoczeta("Brak zapisanych urządzeń w pliku devices.txt.");
  // Devices left out of an unreadable line are not synchronised: the run is
  // not a full success, whatever it fetches.
  const std::string nieczytelne = KomunikatONieczytelnychLiniach("pliku urządzeń devices.txt", wczytanie);
  if (!nieczytelne.empty()) komunikaty.push_back(nieczytelne);

  cSterownikWPP sterownik(clock, std::move(port), program_folder);
  sterownik.UstawFunkcjeLogujaca(loguj);
  cStronaBezOkna strona(komunikaty);
  cSynchronizacja synchronizacja(
      clock, sterownik, urzadzenia, program_folder,
      [&urzadzenia](const std::string& path, std::string* error) { return ZapiszUrzadzenia(path, urzadzenia, error); },
      strona);
  synchronizacja.UstawFunkcjeLogujaca(loguj);
  cWynikSynchronizacji wynik;
  synchronizacja.FunkcjaPoZakonczeniu = [&](const cWynikSynchronizacji& w) {
    wynik = w;
    clock.Quit();
  };
  synchronizacja.Synchronizuj();
  clock.Run();

  cSynchronizacjaBezOkna podsumowanie;
  podsumowanie.Wynik = wynik.SzynaNieprzeszukana                  ? eWynikBezOkna::NieRozpoczeta
                       : wynik.Odmowa || wynik.Niepelna || !nieczytelne.empty() ? eWynikBezOkna::NieWszystkoPobrane
                                                        : eWynikBezOkna::WszystkoPobrane;
  podsumowanie.Podsumowanie = "Pobrane pliki: " + std::to_string(wynik.PobranePliki) + ", razem " +
                              std::to_string(wynik.PobraneBajty) + " B.\n";
  for (const std::string& tekst : komunikaty) podsumowanie.Podsumowanie += tekst + "\n";
  loguj("Form1: SynchronizujBezOkna: " + podsumowanie.Podsumowanie);
  return podsumowanie;
}

}  // namespace olv
