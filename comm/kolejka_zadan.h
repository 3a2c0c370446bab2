// cKolejkaZadan: puts asynchronous device and window work strictly one step at
// a time. A caller appends tasks and starts the queue; on a later turn of the
// clock the handler gets the first task; when that task has ended (at once, or
// when someone calls ZakonczObecneZadanie) it is removed on a further turn and
// the next one starts. Handler calls never nest.
//
// An entry may be empty (WcisnijZadanieNaPoczatekKolejki(nullptr)): a caller
// that wants its current task run again later inserts the new tasks at the
// front, then an empty entry in front of them, and ends the current task; the
// end removes the empty entry, the new tasks run, then the current one again.
//
// Callers must guarantee: the clock outlives the queue; one thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "comm/zadanie.h"
#include "common/clock.h"
#include "common/logging.h"

namespace olv {

class cKolejkaZadan : public cLogujacy {
 public:
  using TaskHandler = std::function<void(cZadanie&)>;

  explicit cKolejkaZadan(cClock& clock);
  ~cKolejkaZadan() override;
  cKolejkaZadan(const cKolejkaZadan&) = delete;
  cKolejkaZadan& operator=(const cKolejkaZadan&) = delete;

  void UstawFunkcjeLogujaca(LogFunction function) override;
  // Passes prefix + text to the logging function.
  void Log(const std::string& text) const override;
  virtual void UstawPrefiksLogu(std::string prefix);
  virtual void UstawFunkcjeObslugujacaZadanie(TaskHandler handler);

  // The task at position i; null when out of range or for an empty entry.
  virtual cZadanie* ZadanieNaPozycji(int i);
  // The first entry; null when the queue is empty or the entry is empty.
  virtual cZadanie* PierwszeZadanie();
  virtual bool CzyPusta();
  virtual int IloscWpisow();

  // Appends; the queue owns the task from now on. A null task adds an empty
  // entry.
  virtual void DodajZadanie(std::unique_ptr<cZadanie> zadanie);
  virtual void DodajZadanie(eRodzajZadania rodzaj, const std::string& parametr,
                            bool konczy_sie_od_razu);
  // Inserts before all others; a null task inserts an empty entry.
  virtual void WcisnijZadanieNaPoczatekKolejki(std::unique_ptr<cZadanie> zadanie);
  virtual void WcisnijZadanieNaPoczatekKolejki(eRodzajZadania rodzaj,
                                               const std::string& parametr,
                                               bool konczy_sie_od_razu);

  // Removes and destroys the entry at position i (> 0: the current task stays
  // until it ends); false when there is none.
  virtual bool UsunZadanie(int i);

  // Starts working through the queue unless a task is running.
  virtual void ZacznijRobicNastepne();
  // The current task has ended; it is removed on a later turn. Ignored (and
  // logged) while no task is running, so that a late completion cannot remove
  // a task that never ran.
  virtual void ZakonczObecneZadanie();
  // A task has been handed to the handler and has not ended.
  bool CosSieRobi() const { return mCosSieRobi; }

  // One line per entry: "zadanie <kind>, <parameter>", or
  // "HOPELESS ERROR AT <position>" for an empty entry.
  virtual std::vector<std::string> WypiszKolejke();

 protected:
  virtual void TimerZacznijNastepneTimer();
  virtual void TimerZakonczObecneZadanieTimer();

 private:
  std::vector<std::unique_ptr<cZadanie>> mZadania;
  bool mCosSieRobi = false;
  std::string mPrefiksLogu;
  TaskHandler mHandler;
  std::unique_ptr<cTimer> mTimerZacznijNastepne;
  std::unique_ptr<cTimer> mTimerZakonczObecneZadanie;
};

}  // namespace olv
