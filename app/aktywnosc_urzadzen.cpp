#include "app/aktywnosc_urzadzen.h"

#include "app/plan_synchronizacji.h"

namespace olv {

void SzukajZarejestrowanychUrzadzen(cSterownikWPP& sterownik, const cDevList& urzadzenia,
                                    std::function<void()> po_sprawdzeniu) {
  const std::string porty = urzadzenia.GetUzywanePorty();
  sterownik.WyczyscNiepowodzenia();
  sterownik.FunkcjaPoWyszukaniuUrzadzen = std::move(po_sprawdzeniu);
  sterownik.SzukajUrzadzen(porty);
}

bool UrzadzenieOdpowiada(cSterownikWPP& sterownik, const cUrzadzenie& urzadzenie) {
  return sterownik.CzyUrzadzenieJestNaLiscieZnalezionych(urzadzenie.Polaczenie.Port, urzadzenie.ID);
}

bool WszystkieUrzadzeniaObecne(cSterownikWPP& sterownik, const cDevList& urzadzenia) {
  const int ile = urzadzenia.CountDevices();
  for (int i = 0; i < ile; ++i) {
    const cUrzadzenie* urzadzenie = urzadzenia.GetDeviceByIndex(i);
    if (urzadzenie && !UrzadzenieOdpowiada(sterownik, *urzadzenie)) return false;
  }
  return true;
}

std::string NazwaUrzadzenia(const cDevList& urzadzenia, const std::string& port, int id) {
  const int ile = urzadzenia.CountDevices();
  for (int i = 0; i < ile; ++i) {
    const cUrzadzenie* urzadzenie = urzadzenia.GetDeviceByIndex(i);
    if (urzadzenie && urzadzenie->Polaczenie.Port == port && urzadzenie->ID == id) return urzadzenie->Nazwa;
  }
  return "";
}

std::vector<std::string> NieodpowiadajaceUrzadzenia(cSterownikWPP& sterownik, const cDevList& urzadzenia) {
  std::vector<std::string> nieobecne;
  const int ile = urzadzenia.CountDevices();
  for (int i = 0; i < ile; ++i) {
    const cUrzadzenie* urzadzenie = urzadzenia.GetDeviceByIndex(i);
    if (urzadzenie && !UrzadzenieOdpowiada(sterownik, *urzadzenie))
      nieobecne.push_back(OpisUrzadzenia(urzadzenie->Nazwa, urzadzenie->ID));
  }
  return nieobecne;
}

std::string TekstNiepowodzenSzukania(const std::vector<cNieudaneZadanie>& niepowodzenia,
                                     cSterownikWPP& sterownik, const cDevList& urzadzenia) {
  if (niepowodzenia.empty()) return "";
  std::string tekst = "Nie udało się przeszukać szyny:";
  // The port itself is a path the operator need not know: its devices name it.
  for (const cNieudaneZadanie& niepowodzenie : niepowodzenia) {
    std::string nazwy;
    for (int i = 0; i < urzadzenia.CountDevices(); ++i) {
      const cUrzadzenie* urzadzenie = urzadzenia.GetDeviceByIndex(i);
      if (urzadzenie && urzadzenie->Polaczenie.Port == niepowodzenie.Port)
        nazwy += (nazwy.empty() ? "" : ", ") + OpisUrzadzenia(urzadzenie->Nazwa, urzadzenie->ID);
    }
    tekst += "\n  " + niepowodzenie.Powod + (nazwy.empty() ? "" : " (" + nazwy + ")");
  }
  const std::vector<std::string> nieobecne = NieodpowiadajaceUrzadzenia(sterownik, urzadzenia);
  if (!nieobecne.empty()) tekst += "\nNie odpowiedziały urządzenia:";
  for (const std::string& opis : nieobecne) tekst += "\n  " + opis;
  return tekst;
}

}  // namespace olv
