#include "comm/kolejka_zadan.h"

#include <utility>

namespace olv {

cKolejkaZadan::cKolejkaZadan(cClock& clock)
    : mTimerZacznijNastepne(clock.CreateTimer(1, [this] { TimerZacznijNastepneTimer(); })),
      mTimerZakonczObecneZadanie(
          clock.CreateTimer(1, [this] { TimerZakonczObecneZadanieTimer(); })) {}

cKolejkaZadan::~cKolejkaZadan() = default;

void cKolejkaZadan::UstawFunkcjeLogujaca(LogFunction function) {
  cLogujacy::UstawFunkcjeLogujaca(std::move(function));
  Log("Queue: UstawFunkcjeLogujaca");
}

void cKolejkaZadan::Log(const std::string& text) const {
  if (FunkcjaLogujaca()) FunkcjaLogujaca()(mPrefiksLogu + text);
}

void cKolejkaZadan::UstawPrefiksLogu(std::string prefix) {
  Log("Queue: UstawPrefiksLogu");
  mPrefiksLogu = std::move(prefix);
}

void cKolejkaZadan::UstawFunkcjeObslugujacaZadanie(TaskHandler handler) {
  Log("Queue: UstawFunkcjeObslugujacaZadanie");
  mHandler = std::move(handler);
}

cZadanie* cKolejkaZadan::ZadanieNaPozycji(int i) {
  Log("Queue: ZadanieNaPozycji");
  if (i < 0 || static_cast<size_t>(i) >= mZadania.size()) return nullptr;
  return mZadania[static_cast<size_t>(i)].get();
}

cZadanie* cKolejkaZadan::PierwszeZadanie() {
  Log("Queue: PierwszeZadanie");
  return mZadania.empty() ? nullptr : mZadania.front().get();
}

bool cKolejkaZadan::CzyPusta() {
  Log("Queue: CzyPusta");
  return mZadania.empty();
}

int cKolejkaZadan::IloscWpisow() {
  Log("Queue: IloscWpisow");
  return static_cast<int>(mZadania.size());
}

void cKolejkaZadan::DodajZadanie(std::unique_ptr<cZadanie> zadanie) {
  Log("Queue: DodajZadanie(cZadanie*)");
  mZadania.push_back(std::move(zadanie));
}

void cKolejkaZadan::DodajZadanie(eRodzajZadania rodzaj, const std::string& parametr,
                                 bool konczy_sie_od_razu) {
  Log("Queue: DodajZadanie(eRodzajZadania, AnsiString, bool)");
  mZadania.push_back(std::make_unique<cZadanie>(rodzaj, parametr, konczy_sie_od_razu));
}

void cKolejkaZadan::WcisnijZadanieNaPoczatekKolejki(std::unique_ptr<cZadanie> zadanie) {
  Log("Queue: WcisnijZadanieNaPoczatekKolejki(cZadanie*)");
  mZadania.insert(mZadania.begin(), std::move(zadanie));
}

void cKolejkaZadan::WcisnijZadanieNaPoczatekKolejki(eRodzajZadania rodzaj,
                                                    const std::string& parametr,
                                                    bool konczy_sie_od_razu) {
  Log("Queue: WcisnijZadanieNaPoczatekKolejki(eRodzajZadania, AnsiString, bool)");
  mZadania.insert(mZadania.begin(),
                  std::make_unique<cZadanie>(rodzaj, parametr, konczy_sie_od_razu));
}

bool cKolejkaZadan::UsunZadanie(int i) {
  Log("Queue: UsunZadanie");
  if (i <= 0 || static_cast<size_t>(i) >= mZadania.size()) return false;
  mZadania.erase(mZadania.begin() + i);
  return true;
}

void cKolejkaZadan::ZacznijRobicNastepne() {
  Log("Queue: ZacznijRobicNastepne");
  if (mCosSieRobi) {
    Log("Queue: ZacznijRobicNastepne: Nie zaczynam, bo CosSieRobi");
    return;
  }
  mCosSieRobi = true;
  mTimerZacznijNastepne->Start();
}

void cKolejkaZadan::TimerZacznijNastepneTimer() {
  Log("Queue: TimerZacznijNastepneTimer");
  mTimerZacznijNastepne->Stop();
  if (mZadania.empty()) {
    Log("Queue: TimerZacznijNastepneTimer: kolejka zatrzymana z powodu, ze brak zadań");
    mCosSieRobi = false;
    return;
  }
  cZadanie* zadanie = mZadania.front().get();
  if (zadanie == nullptr) {
    // An empty entry left at the front has nothing to run: it ends at once.
    Log("Queue: TimerZacznijNastepneTimer: pusty wpis, pomijam");
    ZakonczObecneZadanie();
    return;
  }
  // The handler may insert tasks in front, but only the end timer removes
  // entries, so the task stays alive until it has ended.
  if (mHandler) mHandler(*zadanie);
  if (zadanie->KonczySieOdRazu) ZakonczObecneZadanie();
}

void cKolejkaZadan::ZakonczObecneZadanie() {
  Log("Queue: ZakonczObecneZadanie");
  if (!mCosSieRobi) {
    Log("Queue: ZakonczObecneZadanie: nic sie nie robi, ignoruje");
    return;
  }
  mTimerZakonczObecneZadanie->Start();
}

void cKolejkaZadan::TimerZakonczObecneZadanieTimer() {
  Log("Queue: TimerZakonczObecneZadanieTimer");
  mCosSieRobi = false;
  mTimerZakonczObecneZadanie->Stop();
  if (!mZadania.empty()) mZadania.erase(mZadania.begin());
  ZacznijRobicNastepne();
}

std::vector<std::string> cKolejkaZadan::WypiszKolejke() {
  Log("Queue: WypiszKolejke");
  std::vector<std::string> lines;
  lines.reserve(mZadania.size());
  for (size_t i = 0; i < mZadania.size(); ++i) {
    const cZadanie* zadanie = mZadania[i].get();
    if (zadanie == nullptr) {
      lines.push_back("HOPELESS ERROR AT " + std::to_string(i));
    } else {
      lines.push_back("zadanie " + std::to_string(static_cast<int>(zadanie->Rodzaj)) + ", " +
                      zadanie->Parametr);
    }
  }
  return lines;
}

}  // namespace olv
