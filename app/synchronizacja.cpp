#include "app/synchronizacja.h"

#include <algorithm>

#include "app/aktywnosc_urzadzen.h"
#include "app/plan_synchronizacji.h"
#include "common/cp1250.h"
#include "common/files.h"
#include "model/device_folder.h"

namespace olv {

cSynchronizacja::cSynchronizacja(cClock& clock, cSterownikWPP& sterownik, cDevList& urzadzenia,
                                 std::string program_folder, ZapisUrzadzen zapisz_urzadzenia,
                                 cStronaSynchronizacji& strona)
    : mClock(clock),
      mSterownik(sterownik),
      mUrzadzenia(urzadzenia),
      mFolder(std::move(program_folder)),
      mZapiszUrzadzenia(std::move(zapisz_urzadzenia)),
      mStrona(strona) {
  // The question waits for the operator and the end tells what failed: both
  // come after the driver's step that led to them has returned, not inside it.
  mTimerPytania = mClock.CreateTimer(1, [this] { ZapytajOSciagniecie(); });
  mTimerKonca = mClock.CreateTimer(1, [this] { Koniec(); });
}

cSynchronizacja::~cSynchronizacja() = default;

void cSynchronizacja::Synchronizuj() {
  Log("Form1: Synchronizuj");
  mWynik = {};
  SzukajZarejestrowanychUrzadzen(mSterownik, mUrzadzenia, [this] { PoSprawdzeniu(); });
  mStrona.PokazProszeCzekac();
}

void cSynchronizacja::PoSprawdzeniu() {
  // Which devices answered is shown before the operator is told anything.
  mStrona.PokazObecnoscUrzadzen();
  const std::vector<std::string> nieobecne = NieodpowiadajaceUrzadzenia(mSterownik, mUrzadzenia);
  if (nieobecne.empty()) {
    F_SciagnijListyPlikowZUrzadzen();
  } else if (mStrona.SciagacZOdpowiadajacych() && mSterownik.Niepowodzenia().empty() &&
             static_cast<int>(nieobecne.size()) < mUrzadzenia.CountDevices()) {
    mStrona.Powiadom(TekstNieodpowiadajacych(nieobecne) + "\nPliki z tych urządzeń nie zostały pobrane.");
    SciagnijListyPlikow(true);
    mWynik.Niepelna = true;
  } else {
    mWynik.Odmowa = true;
    mWynik.SzynaNieprzeszukana = !mSterownik.Niepowodzenia().empty();
    mStrona.ZamknijProszeCzekac();
    mStrona.Powiadom(TekstOdmowySynchronizacji(nieobecne));
    // A port that could not be searched is told with its reason.
    const std::string niepowodzenia =
        TekstNiepowodzenSzukania(mSterownik.Niepowodzenia(), mSterownik, mUrzadzenia);
    if (!niepowodzenia.empty()) {
      mSterownik.WyczyscNiepowodzenia();
      mStrona.Powiadom(niepowodzenia);
    }
    ZakonczPozniej("");
  }
  if (FunkcjaPoSprawdzeniu) FunkcjaPoSprawdzeniu();
}

void cSynchronizacja::F_SciagnijListyPlikowZUrzadzen() { SciagnijListyPlikow(false); }

void cSynchronizacja::SciagnijListyPlikow(bool tylko_odpowiadajace) {
  Log("Form1: F_SciagnijListyPlikowZUrzadzen");
  mWynik = {};
  mStrona.PokazProszeCzekac();
  mSterownik.WyczyscNiepowodzenia();
  mSterownik.WyczyscListeUrzadzenDoSciagnieciaListyPlikow();
  mUczestnicy.clear();
  const int ile = mUrzadzenia.CountDevices();
  for (int i = 0; i < ile; ++i) {
    const cUrzadzenie* urzadzenie = mUrzadzenia.GetDeviceByIndex(i);
    if (!urzadzenie || (tylko_odpowiadajace && !UrzadzenieOdpowiada(mSterownik, *urzadzenie))) continue;
    mUczestnicy.push_back(urzadzenie);
    mSterownik.DodajUrzadzenieDoSciagnieciaListyPlikow(urzadzenie->Polaczenie.Port, urzadzenie->ID);
  }
  mSterownik.FunkcjaPoSciagnieciuList = [this] { PoSciagnieciuListPlikow(); };
  mSterownik.FunkcjaPoSciagnieciuPlikow = [this] { PoSciagnieciuPlikow(); };
  mSterownik.SciagnijListyPlikowZUrzadzen();
}

void cSynchronizacja::PoSciagnieciuListPlikow() {
  Log("Form1: PoSciagnieciuListPlikow");
  const cPlanSciagania plan = ZaplanujSciaganie(mSterownik.ListyPlikow(), mFolder);
  for (const cOdrzuconaNazwa& odrzucona : plan.Odrzucone) {
    Log("Form1: PoSciagnieciuListPlikow: pomijam niedozwoloną nazwę \"" + odrzucona.Nazwa +
        "\" z urządzenia " + std::to_string(odrzucona.Id) + " na porcie " + odrzucona.Port);
  }
  mZaplanowane = plan.Pliki;
  for (const cPlikDoSciagniecia& plik : plan.Pliki) {
    mSterownik.DodajPlikDoSciagniecia(plik.Port, plik.Id, plik.Rozmiar, plik.NazwaPliku);
  }
  mStrona.ZamknijProszeCzekac();
  mTimerPytania->Start();
}

std::string cSynchronizacja::TekstNiepowodzenSterownika(const std::string& naglowek) {
  return TekstNiepowodzen(naglowek, mSterownik.Niepowodzenia(), [this](const std::string& port, int id) {
    return NazwaUrzadzenia(mUrzadzenia, port, id);
  });
}

void cSynchronizacja::ZapytajOSciagniecie() {
  mTimerPytania->Stop();
  // A device that answered the search but sent no list has no files on the
  // list: the operator learns it before deciding about the others.
  if (!mSterownik.Niepowodzenia().empty()) {
    mWynik.Niepelna = true;
    // A device whose list did not come is not synchronised: its time stays.
    for (const cNieudaneZadanie& n : mSterownik.Niepowodzenia()) {
      std::erase_if(mUczestnicy, [&](const cUrzadzenie* u) { return u->Polaczenie.Port == n.Port && u->ID == n.Id; });
    }
    mStrona.Powiadom(TekstNiepowodzenSterownika("Nie udało się pobrać listy plików z urządzeń:") +
                     "\nPliki z tych urządzeń nie zostaną teraz pobrane.");
    mSterownik.WyczyscNiepowodzenia();
  }
  const int ilosc = mSterownik.ZwrocIloscPlikowNaLiscieDoSciagniecia();
  const int64_t rozmiar = mSterownik.SumujRozmiarPlikowNaLiscieDoSciagniecia();
  if (!mStrona.CzySciagnac(TekstPytaniaOSciagniecie(ilosc, rozmiar))) {
    mSterownik.WyczyscListePlikowDoSciagniecia();
    mZaplanowane.clear();
    ZakonczPozniej("");
    return;
  }
  mStrona.PokazPostep();
  mSterownik.SciagnijPliki();
  ZapiszCzasySynchronizacji();
}

void cSynchronizacja::ZapiszCzasySynchronizacji() {
  const double teraz = mClock.Now();
  const int ile = mUrzadzenia.CountDevices();
  for (int i = 0; i < ile; ++i) {
    cUrzadzenie* urzadzenie = mUrzadzenia.GetDeviceByIndex(i);
    if (urzadzenie && std::find(mUczestnicy.begin(), mUczestnicy.end(), urzadzenie) != mUczestnicy.end())
      urzadzenie->DataOstatniejAktualizacji = teraz;
  }
  const std::string sciezka = mFolder + "data/devices.txt";
  std::string blad;
  if (!mZapiszUrzadzenia(sciezka, &blad)) {
    Log("Form1: ZapytajOSciagniecie: nie zapisano " + sciezka + ": " + blad);
    mWynik.Niepelna = true;
    mRaport = "Nie udało się zapisać czasu synchronizacji w pliku devices.txt: " + blad + ".";
  }
}

void cSynchronizacja::PoSciagnieciuPlikow() {
  Log("Form1: PoSciagnieciuPlikow");
  mStrona.ZamknijPostep();
  const std::vector<cNieudaneZadanie>& niepowodzenia = mSterownik.Niepowodzenia();
  for (const cPlikDoSciagniecia& plik : mZaplanowane) {
    const bool nieudany = std::any_of(niepowodzenia.begin(), niepowodzenia.end(), [&](const cNieudaneZadanie& n) {
      return n.Port == plik.Port && n.Id == plik.Id && n.Plik == Cp1250ToUtf8(plik.NazwaPliku);
    });
    if (nieudany) continue;
    ++mWynik.PobranePliki;
    mWynik.PobraneBajty += std::max<int64_t>(0, FileSize(FolderUrzadzenia(mFolder, plik.Id) + plik.NazwaPliku));
  }
  if (!niepowodzenia.empty()) {
    mWynik.Niepelna = true;
    mRaportPobierania = PodsumowanieNiepowodzen(
        static_cast<int>(mZaplanowane.size()), niepowodzenia,
        [this](const std::string& port, int id) { return NazwaUrzadzenia(mUrzadzenia, port, id); });
    mSzczegolyPobierania = TekstNiepowodzenSterownika("Nie udało się pobrać tych plików z urządzeń:");
    mSterownik.WyczyscNiepowodzenia();
  }
  mZaplanowane.clear();
  ZakonczPozniej("");
}

void cSynchronizacja::ZakonczPozniej(const std::string& raport) {
  if (!raport.empty()) mRaport += (mRaport.empty() ? "" : "\n\n") + raport;
  mTimerKonca->Start();
}

void cSynchronizacja::Koniec() {
  mTimerKonca->Stop();
  const std::string raport = std::move(mRaport);
  const std::string pobieranie = std::move(mRaportPobierania);
  const std::string szczegoly = std::move(mSzczegolyPobierania);
  mRaport.clear();
  mRaportPobierania.clear();
  mSzczegolyPobierania.clear();
  if (!raport.empty()) mStrona.Powiadom(raport);
  // A report of many files: its summary stays short, the list goes beside it.
  if (!pobieranie.empty()) mStrona.Powiadom(pobieranie, szczegoly);
  if (FunkcjaPoZakonczeniu) FunkcjaPoZakonczeniu(mWynik);
}

}  // namespace olv
