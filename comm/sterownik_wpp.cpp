#include "comm/sterownik_wpp.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "common/cp1250.h"
#include "common/device_file_name.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/record_line.h"
#include "common/strings.h"

namespace olv {

namespace {

constexpr const char* kKonfout = "KONFOUT.TXT";
constexpr uint32_t kDomyslneCzekanieMs = 100;
// A file whose size is not known yet is given the bound of a file this size.
constexpr uint64_t kRozmiarNieznanegoPliku = 64 * 1024;
// Sizes beyond this are not believed when setting a bound.
constexpr uint64_t kNajwiekszyRozmiarDoLimitu = 16 * 1024 * 1024;

// Calls a handler that is unset once called; moved out first, so a handler
// that starts the next job of the same kind may set a new one.
void WywolajJednorazowo(std::function<void()>& handler) {
  auto f = std::move(handler);
  handler = nullptr;
  if (f) f();
}

}  // namespace

cSterownikWPP::cSterownikWPP(cClock& clock, std::unique_ptr<cSerialLink> port,
                             std::string program_folder)
    : mClock(clock),
      mWPP(clock, std::move(port)),
      mKolejka(clock),
      mFolderProgramu(std::move(program_folder)),
      mTimerZamknijPort(clock.CreateTimer(1, [this] { TimerZamknijPortTimer(); })),
      mTimerTimeoutSciaganiaPliku(
          clock.CreateTimer(kCzasBezPostepuMs, [this] { TimerTimeoutSciaganiaPlikuTimer(); })),
      mTimerBrakuOdpowiedzi(
          clock.CreateTimer(kCzasBezPostepuMs, [this] { TimerBrakuOdpowiedziTimer(); })),
      mTimerLimituCzasu(clock.CreateTimer(kLimitCzasuListyMs, [this] { TimerLimituCzasuTimer(); })),
      mTimerCzekaj(clock.CreateTimer(kDomyslneCzekanieMs, [this] { TimerCzekajTimer(); })) {
  mKolejka.UstawFunkcjeObslugujacaZadanie([this](cZadanie& zadanie) { RobZadanie(zadanie); });
  // Each completion ends the task only while that task is the current one, so
  // a late event after a give-up cannot end another task.
  mWPP.OnDeviceActivated = [this] {
    if (mBiezacyRodzaj == eRodzajZadania::AktywujUrzadzenie) ZakonczZadanie();
  };
  mWPP.OnFileDeleted = [this] {
    if (mBiezacyRodzaj == eRodzajZadania::UsunPlik) ZakonczZadanie();
  };
  mWPP.OnFileSent = [this] {
    if (mBiezacyRodzaj == eRodzajZadania::WyslijPlik) ZakonczZadanie();
  };
  // Progress keeps a transfer's time-out away: new payload of a download (the
  // engine reports only that), an acknowledged upload frame, a file-list
  // line not received before. A device repeating itself makes none.
  mWPP.OnProgress = [this](uint32_t, uint32_t) {
    if (mTimerTimeoutSciaganiaPliku->IsActive()) mTimerTimeoutSciaganiaPliku->Start();
    if (mTimerBrakuOdpowiedzi->IsActive()) mTimerBrakuOdpowiedzi->Start();
  };
  mWPP.OnFileListLine = [this] {
    if (mTimerBrakuOdpowiedzi->IsActive() && mLinieListy.insert(mWPP.OstatniaLiniaListy()).second) {
      mTimerBrakuOdpowiedzi->Start();
    }
  };
  // A file that cannot be right: fetch it again at once.
  mWPP.OnDownloadAbandoned = [this] {
    if (mBiezacyRodzaj == eRodzajZadania::SciagnijPlik ||
        mBiezacyRodzaj == eRodzajZadania::SciagnijKonfiguracje) {
      PonowPobieranie("Urządzenie przesyła plik o innym rozmiarze niż podany na liście plików");
    }
  };
}

cSterownikWPP::~cSterownikWPP() = default;

void cSterownikWPP::UstawFunkcjeLogujaca(LogFunction function) {
  cLogujacy::UstawFunkcjeLogujaca(function);
  Log("Sterownik WPP: UstawFunkcjeLogujaca");
  mKolejka.UstawFunkcjeLogujaca(function);
  mWPP.UstawFunkcjeLogujaca(std::move(function));
}

void cSterownikWPP::DodajPlikDoSciagniecia(const std::string& port, int id, int64_t rozmiar,
                                           const std::string& nazwa) {
  Log("Sterownik WPP: DodajPlikDoSciagniecia");
  mDoSciagniecia.push_back({port, id, nazwa, rozmiar});
}

void cSterownikWPP::WyczyscListePlikowDoSciagniecia() {
  Log("Sterownik WPP: WyczyscListePlikowDoSciagniecia");
  mDoSciagniecia.clear();
}

int64_t cSterownikWPP::SumujRozmiarPlikowNaLiscieDoSciagniecia() {
  Log("Sterownik WPP: SumujRozmiarPlikowNaLiscieDoSciagniecia");
  int64_t suma = 0;
  for (const auto& plik : mDoSciagniecia) suma += std::max<int64_t>(plik.Rozmiar, 0);
  return suma;
}

std::optional<cSterownikWPP::cPonawianie> cSterownikWPP::PonawianePobieranie() const {
  if (mPobierane == nullptr || mPonowienia == 0) return std::nullopt;
  cPonawianie ponawianie = mUrzadzeniePobierania;
  ponawianie.Ponowienie = mPonowienia;
  return ponawianie;
}

std::optional<cSterownikWPP::cUrzadzenieNaSzynie> cSterownikWPP::BiezaceUrzadzenie() {
  if (mBiezaceId == 0 || mKolejka.CzyPusta()) return std::nullopt;
  return cUrzadzenieNaSzynie{mBiezacyPort, mBiezaceId};
}

uint32_t cSterownikWPP::LimitCzasuPobieraniaMs(uint64_t rozmiar) {
  const uint64_t bajty_na_sekunde = kPredkosc / 10;
  const uint64_t czas_linii_ms = std::min(rozmiar, kNajwiekszyRozmiarDoLimitu) * 1000 / bajty_na_sekunde;
  return static_cast<uint32_t>(30000 + 4 * czas_linii_ms);
}

int cSterownikWPP::ZwrocIloscPlikowNaLiscieDoSciagniecia() {
  Log("Sterownik WPP: ZwrocIloscPlikowNaLiscieDoSciagniecia");
  return static_cast<int>(mDoSciagniecia.size());
}

void cSterownikWPP::SciagnijPliki() {
  Log("Sterownik WPP: SciagnijPliki");
  for (size_t i = 0; i < mDoSciagniecia.size(); ++i) {
    const auto& plik = mDoSciagniecia[i];
    mKolejka.DodajZadanie(eRodzajZadania::OtworzPort, plik.Port, true);
    mKolejka.DodajZadanie(eRodzajZadania::AktywujUrzadzenie, std::to_string(plik.Id), false);
    mKolejka.DodajZadanie(eRodzajZadania::SciagnijPlik, plik.NazwaPliku, false);
    mKolejka.DodajZadanie(eRodzajZadania::ZamknijPort, "", false);
    mKolejka.DodajZadanie(eRodzajZadania::UstawPostep,
                          std::to_string((i + 1) * 100 / mDoSciagniecia.size()), true);
    mRozmiaryZList.push_back(plik);
  }
  mKolejka.DodajZadanie(eRodzajZadania::ZglosPobraniePlikow, "", true);
  mDoSciagniecia.clear();
  mKolejka.ZacznijRobicNastepne();
}

void cSterownikWPP::DodajUrzadzenieDoSciagnieciaListyPlikow(const std::string& port, int id) {
  Log("Sterownik WPP: DodajUrzadzenieDoSciagnieciaListyPlikow");
  mDoListy.push_back({port, id});
}

void cSterownikWPP::WyczyscListeUrzadzenDoSciagnieciaListyPlikow() {
  Log("Sterownik WPP: WyczyscListeUrzadzenDoSciagnieciaListyPlikow");
  mDoListy.clear();
}

void cSterownikWPP::SciagnijListyPlikowZUrzadzen() {
  Log("Sterownik WPP: SciagnijListyPlikowZUrzadzen");
  mListyPlikow.clear();
  for (const auto& urzadzenie : mDoListy) {
    const std::string id = std::to_string(urzadzenie.Id);
    mKolejka.DodajZadanie(eRodzajZadania::OtworzPort, urzadzenie.Port, true);
    mKolejka.DodajZadanie(eRodzajZadania::AktywujUrzadzenie, id, false);
    mKolejka.DodajZadanie(eRodzajZadania::SciagnijListePlikow, id, false);
    mKolejka.DodajZadanie(eRodzajZadania::ZamknijPort, "", false);
  }
  mKolejka.DodajZadanie(eRodzajZadania::ZglosPobranieList, "", true);
  mDoListy.clear();
  mKolejka.ZacznijRobicNastepne();
}

void cSterownikWPP::DodajPlikDoWyslania(const std::string& sciezka, const std::string& port,
                                        int id) {
  Log("Sterownik WPP: DodajPlikDoWyslania");
  mDoWyslania.push_back({port, id, sciezka});
}

void cSterownikWPP::WyczyscListePlikowDoWyslania() {
  Log("Sterownik WPP: WyczyscListePlikowDoWyslania");
  mDoWyslania.clear();
}

void cSterownikWPP::WyslijPliki() {
  Log("Sterownik WPP: WyslijPliki");
  for (const auto& plik : mDoWyslania) {
    mKolejka.DodajZadanie(eRodzajZadania::OtworzPort, plik.Port, true);
    mKolejka.DodajZadanie(eRodzajZadania::AktywujUrzadzenie, std::to_string(plik.Id), false);
    mKolejka.DodajZadanie(eRodzajZadania::UsunPlik, FileNameOf(plik.Sciezka), false);
    mKolejka.DodajZadanie(eRodzajZadania::WyslijPlik, plik.Sciezka, false);
    mKolejka.DodajZadanie(eRodzajZadania::ZamknijPort, "", false);
    mKolejka.DodajZadanie(eRodzajZadania::Czekaj, "1200", false);
  }
  mKolejka.DodajZadanie(eRodzajZadania::ZglosWyslaniePlikow, "", true);
  mDoWyslania.clear();
  mKolejka.ZacznijRobicNastepne();
}

void cSterownikWPP::SzukajUrzadzen() {
  Log("Sterownik WPP: SzukajUrzadzen");
  std::vector<std::string> porty;
  mWPP.ListaPortow(porty);
  SzukajNaPortach(porty);
}

void cSterownikWPP::SzukajUrzadzen(const std::string& porty) {
  Log("Sterownik WPP: SzukajUrzadzen (AnsiString)");
  SzukajNaPortach(DecodeRecordLine(porty));
}

void cSterownikWPP::SzukajNaPortach(const std::vector<std::string>& porty) {
  mZnalezione.clear();
  for (const std::string& port : porty) {
    if (port.empty()) continue;
    mKolejka.DodajZadanie(eRodzajZadania::OtworzPort, port, true);
    mKolejka.DodajZadanie(eRodzajZadania::SzukajUrzadzen, "", false);
    mKolejka.DodajZadanie(eRodzajZadania::ZamknijPort, "", false);
  }
  mKolejka.DodajZadanie(eRodzajZadania::ZglosKoniecSzukania, "", true);
  mKolejka.ZacznijRobicNastepne();
}

void cSterownikWPP::WyczyscListeZnalezionychUrzadzen() {
  Log("Sterownik WPP: WyczyscListeZnalezionychUrzadzen");
  mZnalezione.clear();
}

bool cSterownikWPP::CzyUrzadzenieJestNaLiscieZnalezionych(const std::string& port, int id) {
  Log("Sterownik WPP: CzyUrzadzenieJestNaLiscieZnalezionych");
  for (const auto& urzadzenie : mZnalezione) {
    if (urzadzenie.Port == port && urzadzenie.Id == id) return true;
  }
  return false;
}

void cSterownikWPP::UstawFunkcjeObslugujacaKonfiguracje(KonfiguracjaHandler handler) {
  Log("Sterownik WPP: UstawFunkcjeObslugujacaKonfiguracje");
  mFunkcjaKonfiguracji = std::move(handler);
}

void cSterownikWPP::UstawUrzadzenieKonfiguracji(const std::string& port, int id) {
  Log("Sterownik WPP: UstawUrzadzenieKonfiguracji");
  mPortKonfiguracji = port;
  mIdKonfiguracji = id;
}

void cSterownikWPP::PobierzKonfiguracje() {
  Log("Sterownik WPP: PobierzKonfiguracje");
  mKolejka.DodajZadanie(eRodzajZadania::OtworzPort, mPortKonfiguracji, true);
  mKolejka.DodajZadanie(eRodzajZadania::AktywujUrzadzenie, std::to_string(mIdKonfiguracji), false);
  mKolejka.DodajZadanie(eRodzajZadania::SciagnijKonfiguracje, "", false);
  mKolejka.DodajZadanie(eRodzajZadania::ZamknijPort, "", false);
  mKolejka.ZacznijRobicNastepne();
}

bool cSterownikWPP::CzyKolejkaZadanPusta() {
  Log("Sterownik WPP: CzyKolejkaZadanPusta");
  return mKolejka.CzyPusta();
}

void cSterownikWPP::WyczyscNiepowodzenia() {
  Log("Sterownik WPP: WyczyscNiepowodzenia");
  mNiepowodzenia.clear();
}

void cSterownikWPP::RobZadanie(cZadanie& zadanie) {
  mBiezacyRodzaj = zadanie.Rodzaj;
  const std::string& parametr = zadanie.Parametr;
  switch (zadanie.Rodzaj) {
    case eRodzajZadania::OtworzPort: {
      Log("Sterownik WPP: RobZadanie: Otworz port");
      mBiezacyPort = parametr;
      mBiezaceId = 0;
      mBiezacyPlik.clear();
      if (mWPP.OtworzPort(parametr, kPredkosc)) break;
      // A device job has lost its device; a search cannot tell whether the
      // devices behind the port are there, which is not the same as silence.
      const cZadanie* nastepne = mKolejka.ZadanieNaPozycji(1);
      if (nastepne == nullptr) break;
      if (nastepne->Rodzaj == eRodzajZadania::AktywujUrzadzenie) {
        mBiezaceId = ParseInt(nastepne->Parametr).value_or(0);
        PorzucUrzadzenie("Nie można otworzyć portu szeregowego");
      } else if (nastepne->Rodzaj == eRodzajZadania::SzukajUrzadzen) {
        PorzucUrzadzenie("Nie można otworzyć portu szeregowego");
      }
      break;
    }
    case eRodzajZadania::AktywujUrzadzenie:
      Log("Sterownik WPP: RobZadanie: Aktywuj z parametrem \"" + parametr + "\"");
      mBiezaceId = ParseInt(parametr).value_or(0);
      if (!mWPP.AktywujUrzadzenie(mBiezaceId)) {
        PorzucUrzadzenie(mWPP.Port().IsOpen() ? "Niepoprawny numer urządzenia " + parametr
                                               : std::string("Port szeregowy nie jest otwarty"));
        ZakonczZadanie();
      }
      break;
    case eRodzajZadania::ZamknijPort:
      Log("Sterownik WPP: RobZadanie: Zamknij port");
      mTimerZamknijPort->Start();
      break;
    case eRodzajZadania::SciagnijListePlikow:
      Log("Sterownik WPP: RobZadanie: Sciagnij liste plikow");
      mBiezacyPlik.clear();
      mLinieListy.clear();
      mWPP.OnFileListReceived = [this](const std::vector<std::string>& linie) {
        DodajListePlikowDoListyListPlikow(linie);
      };
      if (mWPP.SciagnijListePlikowZUrzadzenia()) {
        mTimerBrakuOdpowiedzi->Start();
        mTimerLimituCzasu->SetInterval(kLimitCzasuListyMs);
        mTimerLimituCzasu->Start();
      } else {
        mWPP.OnFileListReceived = nullptr;
        PorzucUrzadzenie("Port " + mBiezacyPort + " nie jest otwarty");
        ZakonczZadanie();
      }
      break;
    case eRodzajZadania::SciagnijPlik:
      Log("Sterownik WPP: RobZadanie: Sciagnij plik");
      SciagnijPlik(zadanie);
      break;
    case eRodzajZadania::ZglosPobranieList:
      if (FunkcjaPoSciagnieciuList) FunkcjaPoSciagnieciuList();
      break;
    case eRodzajZadania::ZglosPobraniePlikow:
      if (FunkcjaPoSciagnieciuPlikow) FunkcjaPoSciagnieciuPlikow();
      mPostep = 0;
      break;
    case eRodzajZadania::UstawPostep:
      mPostep = ParseInt(parametr).value_or(0);
      break;
    case eRodzajZadania::UsunPlik:
      Log("Sterownik WPP: RobZadanie: Usun plik");
      mBiezacyPlik = parametr;
      if (!mWPP.UsunPlikZUrzadzenia(parametr)) {
        if (mWPP.Port().IsOpen()) {
          // A name without an 8.3 form (the factory configuration file) cannot
          // be deleted; the upload that follows replaces the file anyway.
          Log("Sterownik WPP: RobZadanie: Usun plik: pomijam \"" + Cp1250ToUtf8(parametr) + "\"");
        } else {
          PorzucUrzadzenie("Port " + mBiezacyPort + " nie jest otwarty");
        }
        ZakonczZadanie();
      }
      break;
    case eRodzajZadania::WyslijPlik:
      Log("Sterownik WPP: RobZadanie: Wyslij Plik");
      mBiezacyPlik = parametr;
      if (mWPP.WyslijPlik(parametr)) {
        mTimerBrakuOdpowiedzi->Start();
      } else {
        // The failure names the file already; the path is in the log line.
        PorzucUrzadzenie(mWPP.Port().IsOpen() ? std::string("Nie można odczytać pliku")
                                               : std::string("Port szeregowy nie jest otwarty"));
        ZakonczZadanie();
      }
      break;
    case eRodzajZadania::ZglosWyslaniePlikow:
      WywolajJednorazowo(FunkcjaPoWyslaniuPlikow);
      break;
    case eRodzajZadania::SzukajUrzadzen:
      Log("Sterownik WPP: RobZadanie: Szukaj Urzadzen na szynie");
      mWPP.OnDevicesFound = [this](const std::vector<std::string>& linie) {
        DodajZnalezioneUrzadzeniaDoListy(linie);
      };
      mWPP.RozglosSkanowanie();
      break;
    case eRodzajZadania::ZglosKoniecSzukania:
      Log("Sterownik WPP: RobZadanie: zakoncz wyszukiwanie urzadzen");
      WywolajJednorazowo(FunkcjaPoWyszukaniuUrzadzen);
      break;
    case eRodzajZadania::SciagnijKonfiguracje:
      Log("Sterownik WPP: RobZadanie: Sciagnij konfiguracje");
      SciagnijPlik(zadanie);
      break;
    case eRodzajZadania::Czekaj:
      Log("Sterownik WPP: RobZadanie: Czekaj");
      mTimerCzekaj->SetInterval(
          static_cast<uint32_t>(std::max(0, ParseInt(parametr).value_or(kDomyslneCzekanieMs))));
      mTimerCzekaj->Start();
      break;
    default:
      break;
  }
}

void cSterownikWPP::ZakonczZadanie() {
  mTimerTimeoutSciaganiaPliku->Stop();
  mTimerBrakuOdpowiedzi->Stop();
  mTimerLimituCzasu->Stop();
  mLinieListy.clear();
  mBiezacyRodzaj.reset();
  mKolejka.ZakonczObecneZadanie();
}

void cSterownikWPP::PorzucUrzadzenie(const std::string& powod) {
  Log("Sterownik WPP: PorzucUrzadzenie: " + mBiezacyPort + ", " + std::to_string(mBiezaceId) +
      ", \"" + Cp1250ToUtf8(mBiezacyPlik) + "\": " + powod);
  mNiepowodzenia.push_back({mBiezacyPort, mBiezaceId, Cp1250ToUtf8(mBiezacyPlik), powod});
  PominZadaniaUrzadzenia(powod);
}

void cSterownikWPP::PominZadanie(int pozycja, const std::string& powod) {
  const cZadanie* zadanie = mKolejka.ZadanieNaPozycji(pozycja);
  const bool konfiguracja =
      zadanie != nullptr && zadanie->Rodzaj == eRodzajZadania::SciagnijKonfiguracje;
  // Every file of a download job that is not stored is on the failure list,
  // so the caller can say which ones are missing.
  if (zadanie != nullptr && zadanie->Rodzaj == eRodzajZadania::SciagnijPlik) {
    mNiepowodzenia.push_back({mBiezacyPort, mBiezaceId, Cp1250ToUtf8(zadanie->Parametr), powod});
    WezRozmiarZListy(mBiezacyPort, mBiezaceId, zadanie->Parametr);
  }
  // A later task may be given this one's memory: it must not inherit its
  // restart count.
  if (zadanie == mPobierane) mPobierane = nullptr;
  mKolejka.UsunZadanie(pozycja);
  // Whoever waits for the configuration learns that it will not come.
  if (konfiguracja && mFunkcjaKonfiguracji) mFunkcjaKonfiguracji(kKonfout, std::nullopt);
}

void cSterownikWPP::PominZadaniaUrzadzenia(const std::string& powod) {
  auto rodzaj_na = [this](int i) -> std::optional<eRodzajZadania> {
    const cZadanie* zadanie = mKolejka.ZadanieNaPozycji(i);
    if (zadanie == nullptr) return std::nullopt;
    return zadanie->Rodzaj;
  };
  // The rest of the current device's tasks, up to the closing of its port.
  while (mKolejka.IloscWpisow() > 1 && rodzaj_na(1) != eRodzajZadania::ZamknijPort) {
    PominZadanie(1, powod);
  }
  // Later work for the same device in this job.
  int i = 1;
  while (i + 1 < mKolejka.IloscWpisow()) {
    const cZadanie* otworz = mKolejka.ZadanieNaPozycji(i);
    const cZadanie* aktywuj = mKolejka.ZadanieNaPozycji(i + 1);
    const bool to_samo_urzadzenie =
        otworz != nullptr && aktywuj != nullptr && otworz->Rodzaj == eRodzajZadania::OtworzPort &&
        otworz->Parametr == mBiezacyPort && aktywuj->Rodzaj == eRodzajZadania::AktywujUrzadzenie &&
        ParseInt(aktywuj->Parametr).value_or(0) == mBiezaceId;
    if (!to_samo_urzadzenie) {
      ++i;
      continue;
    }
    while (i < mKolejka.IloscWpisow() && rodzaj_na(i) != eRodzajZadania::ZamknijPort) {
      PominZadanie(i, powod);
    }
    if (i < mKolejka.IloscWpisow()) PominZadanie(i, powod);
  }
}

int64_t cSterownikWPP::WezRozmiarZListy(const std::string& port, int id, const std::string& nazwa) {
  const auto plik = std::find_if(mRozmiaryZList.begin(), mRozmiaryZList.end(), [&](const auto& p) {
    return p.Port == port && p.Id == id && p.NazwaPliku == nazwa;
  });
  if (plik == mRozmiaryZList.end()) return -1;
  const int64_t rozmiar = plik->Rozmiar;
  mRozmiaryZList.erase(plik);
  return rozmiar;
}

bool cSterownikWPP::UzbrojLimitPobierania() {
  const uint64_t rozmiar =
      mRozmiarZListy >= 0 ? static_cast<uint64_t>(mRozmiarZListy)
                          : std::max<uint64_t>(mWPP.RozmiarPobieranego(), kRozmiarNieznanegoPliku);
  const uint32_t minelo = mClock.GetTickCount() - mPoczatekPobierania;
  const uint32_t limit = LimitCzasuPobieraniaMs(rozmiar);
  if (minelo >= limit) return false;
  mTimerLimituCzasu->SetInterval(limit - minelo);
  mTimerLimituCzasu->Start();
  return true;
}

void cSterownikWPP::SciagnijPlik(cZadanie& zadanie) {
  const bool konfiguracja = zadanie.Rodzaj == eRodzajZadania::SciagnijKonfiguracje;
  mBiezacyPlik = konfiguracja ? kKonfout : zadanie.Parametr;
  if (mPobierane != &zadanie) {
    mPobierane = &zadanie;
    mPonowienia = 0;
    mPoczatekPobierania = mClock.GetTickCount();
    mRozmiarZListy = konfiguracja ? -1 : WezRozmiarZListy(mBiezacyPort, mBiezaceId, mBiezacyPlik);
    mPowodPonowienia.clear();
    mUrzadzeniePobierania = {mBiezacyPort, mBiezaceId, 0};
  }
  std::string cel;
  if (konfiguracja) {
    mWPP.OnFileReceived = [this](const std::string&, const std::string& dane) {
      if (mBiezacyRodzaj == eRodzajZadania::SciagnijKonfiguracje) {
        WewnetrznaObslugaSciaganiaKonfiguracji(dane);
      }
    };
  } else {
    // The name becomes part of a local path: only a plain 8.3 name may.
    if (!IsPlain83Name(mBiezacyPlik)) {
      Log("Sterownik WPP: RobZadanie: Sciagnij plik: odrzucam nazwę \"" +
          Cp1250ToUtf8(mBiezacyPlik) + "\"");
      mNiepowodzenia.push_back(
          {mBiezacyPort, mBiezaceId, Cp1250ToUtf8(mBiezacyPlik), "Niedozwolona nazwa pliku"});
      mPobierane = nullptr;
      ZakonczZadanie();
      return;
    }
    cel = mFolderProgramu + "data/extSD/" + IntToStrZeZerami(mWPP.AktywneUrzadzenie(), 8) + "/" +
          mBiezacyPlik;
    mWPP.OnFileReceived = [this](const std::string& target, const std::string& dane) {
      if (mBiezacyRodzaj == eRodzajZadania::SciagnijPlik) ZapiszSciagnietyPlik(target, dane);
    };
  }
  std::optional<uint32_t> rozmiar;
  if (mRozmiarZListy >= 0 && mRozmiarZListy <= int64_t{UINT32_MAX}) {
    rozmiar = static_cast<uint32_t>(mRozmiarZListy);
  }
  if (!UzbrojLimitPobierania()) {
    mWPP.OnFileReceived = nullptr;
    mPobierane = nullptr;
    PorzucUrzadzenie("Urządzenie przesyłało plik dłużej, niż pozwala jego rozmiar");
    if (konfiguracja && mFunkcjaKonfiguracji) mFunkcjaKonfiguracji(kKonfout, std::nullopt);
    ZakonczZadanie();
    return;
  }
  if (mWPP.SciagnijPlik(mBiezacyPlik, cel, rozmiar)) {
    mTimerTimeoutSciaganiaPliku->Start();
    return;
  }
  mWPP.OnFileReceived = nullptr;
  mPobierane = nullptr;
  if (mWPP.Port().IsOpen()) {
    mNiepowodzenia.push_back(
        {mBiezacyPort, mBiezaceId, Cp1250ToUtf8(mBiezacyPlik), "Niedozwolona nazwa pliku"});
    ZakonczZadanie();
    return;
  }
  PorzucUrzadzenie("Port " + mBiezacyPort + " nie jest otwarty");
  if (konfiguracja && mFunkcjaKonfiguracji) mFunkcjaKonfiguracji(kKonfout, std::nullopt);
  ZakonczZadanie();
}

void cSterownikWPP::DodajListePlikowDoListyListPlikow(const std::vector<std::string>& linie) {
  mWPP.OnFileListReceived = nullptr;
  if (mBiezacyRodzaj != eRodzajZadania::SciagnijListePlikow) return;
  mListyPlikow.push_back({linie, mWPP.ObecnyPort(), mWPP.AktywneUrzadzenie()});
  ZakonczZadanie();
}

void cSterownikWPP::ZapiszSciagnietyPlik(const std::string& cel, const std::string& dane) {
  mWPP.OnFileReceived = nullptr;
  mTimerTimeoutSciaganiaPliku->Stop();
  mPobierane = nullptr;
  if (mRozmiarZListy >= 0 && static_cast<int64_t>(dane.size()) != mRozmiarZListy) {
    Log("Sterownik WPP: ZapiszSciagnietyPlik: \"" + cel + "\" ma " + std::to_string(dane.size()) +
        " B zamiast " + std::to_string(mRozmiarZListy) + " B, nie zapisuję");
    mNiepowodzenia.push_back({mBiezacyPort, mBiezaceId, Cp1250ToUtf8(mBiezacyPlik),
                              "Urządzenie przesłało plik o innym rozmiarze niż podany na liście plików"});
    ZakonczZadanie();
    return;
  }
  std::string blad;
  eBladPliku rodzaj = eBladPliku::kInny;
  if (!WriteFileAtomically(cel, dane, &blad, &rodzaj)) {
    Log("Sterownik WPP: ZapiszSciagnietyPlik: nie udało się zapisać \"" + cel + "\": " + blad);
    mNiepowodzenia.push_back({mBiezacyPort, mBiezaceId, Cp1250ToUtf8(mBiezacyPlik),
                              "Nie można zapisać pliku: " + OpisBleduPliku(rodzaj)});
  }
  ZakonczZadanie();
}

void cSterownikWPP::WewnetrznaObslugaSciaganiaKonfiguracji(const std::string& dane) {
  mWPP.OnFileReceived = nullptr;
  mTimerTimeoutSciaganiaPliku->Stop();
  mPobierane = nullptr;
  if (mFunkcjaKonfiguracji) mFunkcjaKonfiguracji(kKonfout, dane);
  ZakonczZadanie();
}

void cSterownikWPP::DodajZnalezioneUrzadzeniaDoListy(const std::vector<std::string>& linie) {
  mWPP.OnDevicesFound = nullptr;
  for (const std::string& linia : linie) {
    const size_t dwukropek = linia.find(':');
    const int id =
        dwukropek == std::string::npos ? 0 : ParseInt(linia.substr(0, dwukropek)).value_or(0);
    const std::string tekst = dwukropek == std::string::npos ? linia : linia.substr(dwukropek + 1);
    mZnalezione.push_back({Cp1250ToUtf8(tekst), mWPP.ObecnyPort(), id, false});
  }
  if (mBiezacyRodzaj == eRodzajZadania::SzukajUrzadzen) ZakonczZadanie();
}

void cSterownikWPP::TimerZamknijPortTimer() {
  mTimerZamknijPort->Stop();
  mWPP.ZamknijPort();
  ZakonczZadanie();
}

void cSterownikWPP::TimerTimeoutSciaganiaPlikuTimer() {
  mTimerTimeoutSciaganiaPliku->Stop();
  if (mBiezacyRodzaj != eRodzajZadania::SciagnijPlik &&
      mBiezacyRodzaj != eRodzajZadania::SciagnijKonfiguracje) {
    Log("SterownikWPP: TimerTimeoutSciaganiaPlikuTimer *********** BŁĄD ŚCIĄGANIA PLIKU - "
        "WYMUSZONA RETRANSMISJA");
    return;
  }
  PonowPobieranie("");
}

void cSterownikWPP::PonowPobieranie(const std::string& powod_porzucenia) {
  mTimerTimeoutSciaganiaPliku->Stop();
  Log("SterownikWPP: TimerTimeoutSciaganiaPlikuTimer *********** BŁĄD ŚCIĄGANIA PLIKU - "
      "WYMUSZONA RETRANSMISJA");
  mPowodPonowienia = powod_porzucenia;
  const bool konfiguracja = mBiezacyRodzaj == eRodzajZadania::SciagnijKonfiguracje;
  if (++mPonowienia > kMaksPonowienSciagania) {
    mWPP.OnFileReceived = nullptr;
    mPobierane = nullptr;
    PorzucUrzadzenie(!mPowodPonowienia.empty()
                         ? mPowodPonowienia
                         : "Urządzenie nie przesłało pliku mimo " +
                               std::to_string(kMaksPonowienSciagania) + " ponowień");
    if (konfiguracja && mFunkcjaKonfiguracji) mFunkcjaKonfiguracji(kKonfout, std::nullopt);
    ZakonczZadanie();
    return;
  }
  // Reopen, activate and run the same download again: the empty entry in
  // front is what the end of this task removes.
  const std::string port = mBiezacyPort;
  const int id = mBiezaceId;
  mWPP.ZamknijPort();
  mKolejka.WcisnijZadanieNaPoczatekKolejki(eRodzajZadania::AktywujUrzadzenie, std::to_string(id),
                                           false);
  mKolejka.WcisnijZadanieNaPoczatekKolejki(eRodzajZadania::OtworzPort, port, true);
  mKolejka.WcisnijZadanieNaPoczatekKolejki(nullptr);
  ZakonczZadanie();
}

void cSterownikWPP::TimerBrakuOdpowiedziTimer() {
  mTimerBrakuOdpowiedzi->Stop();
  Log("Sterownik WPP: TimerBrakuOdpowiedziTimer: urządzenie nie odpowiada");
  if (mBiezacyRodzaj == eRodzajZadania::SciagnijListePlikow) {
    mWPP.OnFileListReceived = nullptr;
    PorzucUrzadzenie("Urządzenie nie przesłało listy plików");
  } else if (mBiezacyRodzaj == eRodzajZadania::WyslijPlik) {
    PorzucUrzadzenie("Urządzenie nie potwierdziło odbioru pliku");
  } else {
    return;
  }
  ZakonczZadanie();
}

void cSterownikWPP::TimerLimituCzasuTimer() {
  mTimerLimituCzasu->Stop();
  if (mBiezacyRodzaj == eRodzajZadania::SciagnijListePlikow) {
    Log("Sterownik WPP: TimerLimituCzasuTimer: lista plików trwa zbyt długo");
    mWPP.OnFileListReceived = nullptr;
    PorzucUrzadzenie("Urządzenie przesyłało listę plików zbyt długo");
    ZakonczZadanie();
    return;
  }
  if (mBiezacyRodzaj != eRodzajZadania::SciagnijPlik &&
      mBiezacyRodzaj != eRodzajZadania::SciagnijKonfiguracje) {
    return;
  }
  // The header may have told a size larger than the one the bound was set for.
  if (UzbrojLimitPobierania()) return;
  Log("Sterownik WPP: TimerLimituCzasuTimer: pobieranie trwa zbyt długo");
  const bool konfiguracja = mBiezacyRodzaj == eRodzajZadania::SciagnijKonfiguracje;
  mWPP.OnFileReceived = nullptr;
  mPobierane = nullptr;
  PorzucUrzadzenie("Urządzenie przesyłało plik dłużej, niż pozwala jego rozmiar");
  if (konfiguracja && mFunkcjaKonfiguracji) mFunkcjaKonfiguracji(kKonfout, std::nullopt);
  ZakonczZadanie();
}

void cSterownikWPP::TimerCzekajTimer() {
  mTimerCzekaj->Stop();
  ZakonczZadanie();
}

}  // namespace olv
