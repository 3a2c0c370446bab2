// TForm1's synchronisation: check that every registered device answers, fetch
// their file lists, ask the operator about the files the mirror lacks, and
// download them with the progress window shown; and the writers of the files
// sent to a device.
#include "app/form1.h"
#include "app/plan_synchronizacji.h"
#include "common/cp1250.h"
#include "model/data_files.h"
#include "model/konfig_file.h"
#include "model/users_file.h"
#include "ui/common/message_window.h"
#include "ui/devices/form_pasek_postepu.h"

namespace olv {

namespace {

const char* const kTekstPostepu = "Trwa pobieranie danych z urządzeń...";

}  // namespace

void TForm1::Synchronizuj() {
  Log("Form1: Synchronizuj");
  SprawdzAktywnoscUrzadzen([this] { PoSprawdzeniuPrzedSynchronizacja(); }, true);
}

void TForm1::PoSprawdzeniuPrzedSynchronizacja() {
  // The slots show what this search found, before the operator is told.
  OdswiezUrzadzenia(false);
  if (WszystkieUrzadzeniaObecne()) {
    F_SciagnijListyPlikowZUrzadzen();
  } else {
    ZamknijProszeCzekac();
    std::vector<std::string> nieobecne;
    const int ile = mDevList->CountDevices();
    for (int i = 0; i < ile; ++i) {
      const cUrzadzenie* urzadzenie = mDevList->GetDeviceByIndex(i);
      if (urzadzenie && !UrzadzenieOdpowiada(*urzadzenie))
        nieobecne.push_back(OpisUrzadzenia(urzadzenie->Nazwa, urzadzenie->Polaczenie.Port, urzadzenie->ID));
    }
    mKomunikaty.Information(TekstOdmowySynchronizacji(nieobecne));
    ZglosNiepowodzeniaSzukania();
    ZakonczSynchronizacjePozniej("");
  }
  mKolejka->ZacznijRobicNastepne();
}

void TForm1::F_SciagnijListyPlikowZUrzadzen() {
  Log("Form1: F_SciagnijListyPlikowZUrzadzen");
  PokazProszeCzekacPozniej();
  mSterownik->WyczyscNiepowodzenia();
  mSterownik->WyczyscListeUrzadzenDoSciagnieciaListyPlikow();
  const int ile = mDevList->CountDevices();
  for (int i = 0; i < ile; ++i) {
    const cUrzadzenie* urzadzenie = mDevList->GetDeviceByIndex(i);
    if (urzadzenie)
      mSterownik->DodajUrzadzenieDoSciagnieciaListyPlikow(urzadzenie->Polaczenie.Port, urzadzenie->ID);
  }
  mSterownik->FunkcjaPoSciagnieciuList = [this] { PoSciagnieciuListPlikow(); };
  mSterownik->FunkcjaPoSciagnieciuPlikow = [this] { PoSciagnieciuPlikow(); };
  mSterownik->SciagnijListyPlikowZUrzadzen();
}

void TForm1::PoSciagnieciuListPlikow() {
  Log("Form1: PoSciagnieciuListPlikow");
  const cPlanSciagania plan = ZaplanujSciaganie(mSterownik->ListyPlikow(), mFolder);
  for (const cOdrzuconaNazwa& odrzucona : plan.Odrzucone) {
    Log("Form1: PoSciagnieciuListPlikow: pomijam niedozwoloną nazwę \"" + odrzucona.Nazwa +
        "\" z urządzenia " + std::to_string(odrzucona.Id) + " na porcie " + odrzucona.Port);
  }
  for (const cPlikDoSciagniecia& plik : plan.Pliki) {
    mSterownik->DodajPlikDoSciagniecia(plik.Port, plik.Id, plik.Rozmiar, plik.NazwaPliku);
  }
  ZamknijProszeCzekac();
  // The question waits for the operator: asked after this step of the
  // driver's work has returned, not inside it.
  mTimerPytania->Start();
}

void TForm1::ZapytajOSciagniecie() {
  mTimerPytania->Stop();
  // A device that answered the search but sent no list has no files on the
  // list: the operator learns it before deciding about the others.
  if (!mSterownik->Niepowodzenia().empty()) {
    mKomunikaty.Information(
        TekstNiepowodzen("Nie udało się pobrać listy plików z urządzeń:", mSterownik->Niepowodzenia(),
                         [this](const std::string& port, int id) { return NazwaUrzadzenia(port, id); }) +
        "\nPliki z tych urządzeń nie zostaną teraz pobrane.");
    mSterownik->WyczyscNiepowodzenia();
  }
  const int ilosc = mSterownik->ZwrocIloscPlikowNaLiscieDoSciagniecia();
  const int64_t rozmiar = mSterownik->SumujRozmiarPlikowNaLiscieDoSciagniecia();
  if (mKomunikaty.Question("", TekstPytaniaOSciagniecie(ilosc, rozmiar), "Tak", "Nie") != kOdpowiedzTak) {
    mSterownik->WyczyscListePlikowDoSciagniecia();
    ZakonczSynchronizacjePozniej("");
    return;
  }
  UstawTekstPostepu(kTekstPostepu);
  UstawFunkcjeTaktuPostepu([this] {
    UstawPostepZeSterownika();
    const auto ponawiane = mSterownik->PonawianePobieranie();
    mFormPasekPostepu->UstawTekstPodPaskiem(
        ponawiane ? TekstPonawiania(NazwaUrzadzenia(ponawiane->Port, ponawiane->Id), ponawiane->Id,
                                    ponawiane->Ponowienie, cSterownikWPP::kMaksPonowienSciagania)
                  : "");
  });
  PokazPasekPostepuPozniej();
  mIloscPobieranychPlikow = ilosc;
  mSterownik->SciagnijPliki();
  const double teraz = mClock.Now();
  const int ile = mDevList->CountDevices();
  for (int i = 0; i < ile; ++i) {
    if (cUrzadzenie* urzadzenie = mDevList->GetDeviceByIndex(i))
      urzadzenie->DataOstatniejAktualizacji = teraz;
  }
  const std::string sciezka = mFolder + "data/devices.txt";
  std::string blad;
  if (!ZapiszUrzadzenia(sciezka, &blad)) {
    Log("Form1: ZapytajOSciagniecie: nie zapisano " + sciezka + ": " + blad);
    mRaportSynchronizacji =
        "Nie udało się zapisać czasu synchronizacji w pliku " + sciezka + ": " + blad + ".";
  }
}

void TForm1::PoSciagnieciuPlikow() {
  Log("Form1: PoSciagnieciuPlikow");
  mPasekPostepuZamowiony = false;
  ZamknijPasekPostepu();
  if (!mSterownik->Niepowodzenia().empty()) {
    const auto nazwa = [this](const std::string& port, int id) { return NazwaUrzadzenia(port, id); };
    mRaportPobierania = PodsumowanieNiepowodzen(mIloscPobieranychPlikow, mSterownik->Niepowodzenia(), nazwa);
    mSzczegolyPobierania = TekstNiepowodzen("Nie udało się pobrać tych plików z urządzeń:",
                                            mSterownik->Niepowodzenia(), nazwa);
    mSterownik->WyczyscNiepowodzenia();
  }
  ZakonczSynchronizacjePozniej("");
}

void TForm1::ZakonczSynchronizacjePozniej(const std::string& raport) {
  if (!raport.empty()) mRaportSynchronizacji += (mRaportSynchronizacji.empty() ? "" : "\n\n") + raport;
  mTimerKoncaSynchronizacji->Start();
}

void TForm1::KoniecSynchronizacji() {
  mTimerKoncaSynchronizacji->Stop();
  const std::string raport = std::move(mRaportSynchronizacji);
  mRaportSynchronizacji.clear();
  const std::string pobieranie = std::move(mRaportPobierania);
  const std::string szczegoly = std::move(mSzczegolyPobierania);
  mRaportPobierania.clear();
  mSzczegolyPobierania.clear();
  if (!raport.empty()) mKomunikaty.Information(raport);
  // A report of many files: its summary stays short, the list scrolls.
  if (!pobieranie.empty()) mKomunikaty.InformationWithDetails(pobieranie, szczegoly);
  if (mObslugaKoncaSynchronizacji) mObslugaKoncaSynchronizacji();
}

void TForm1::PokazPasekPostepuPozniej() {
  mPasekPostepuZamowiony = true;
  // Downloads of nothing end before the launcher fires; the window must then
  // not open, as nothing would close it.
  mOdpalacz->Odpal([this] {
    if (mPasekPostepuZamowiony && !mFormPasekPostepu->isVisible()) PokazPasekPostepu();
  });
}

std::string TForm1::ZapiszUsersUrzadzenia(int32_t unique, std::string* error) {
  return ZapiszUsers(mFolder, *mDevList, *mUserList, unique, mLosowe, error);
}

std::string TForm1::ZapiszKonfigUrzadzenia(int32_t unique, std::string* error) {
  return ZapiszKonfig(mFolder, *mDevList, unique, mClock.Now(), error);
}

}  // namespace olv
