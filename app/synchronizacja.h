// cSynchronizacja: the synchronisation of the PC with the devices, without a
// window. It checks that every registered device answers, fetches their file
// lists, plans the files the mirror lacks, has the driver download them and
// saves the last-synchronisation time of every device it fetched from. The
// main window and olv8-manager --sync run this one flow; they differ only in
// the side they give it (cStronaSynchronizacji): whether the devices that
// answered are fetched when others did not, who answers the question and who
// shows the progress and the messages.
//
// Callers must guarantee: the clock, the driver, the device list and the side
// outlive the object; one thread; program_folder ends with "/"; one
// synchronisation at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "comm/sterownik_wpp.h"
#include "common/clock.h"
#include "common/logging.h"
#include "model/dev_list.h"

namespace olv {

// What the window and the run without a window do differently.
class cStronaSynchronizacji {
 public:
  virtual ~cStronaSynchronizacji() = default;
  // A sign that the bus is being searched or the lists fetched. It may appear
  // after the call has returned; ZamknijProszeCzekac takes it away, also when
  // it has not appeared yet.
  virtual void PokazProszeCzekac() = 0;
  virtual void ZamknijProszeCzekac() = 0;
  // The search has ended: which registered devices answered is known.
  virtual void PokazObecnoscUrzadzen() = 0;
  // Whether the devices that answered are fetched from when others did not.
  // An operator at the window is rather told to mend the connection; a run
  // that nobody watches fetches what it can.
  virtual bool SciagacZOdpowiadajacych() const = 0;
  // Whether to download what the question describes.
  virtual bool CzySciagnac(const std::string& pytanie) = 0;
  // The downloads run: their progress is the driver's Postep() until
  // ZamknijPostep.
  virtual void PokazPostep() = 0;
  virtual void ZamknijPostep() = 0;
  // What the operator must learn: a refusal, what could not be done; with
  // szczegoly, a short text and the full list it sums up.
  virtual void Powiadom(const std::string& tekst) = 0;
  virtual void Powiadom(const std::string& tekst, const std::string& szczegoly) = 0;
};

// What one synchronisation achieved.
struct cWynikSynchronizacji {
  // Not every registered device answered the search and nothing was fetched.
  bool Odmowa = false;
  // A port could not be searched (missing, or taken by another program).
  bool SzynaNieprzeszukana = false;
  // A device did not answer, a file list or a file could not be had, or the
  // times could not be saved.
  bool Niepelna = false;
  int PobranePliki = 0;
  int64_t PobraneBajty = 0;
};

class cSynchronizacja : public cLogujacy {
 public:
  // Writes the device list to the path; false, with the reason in Polish in
  // error, when it could not.
  using ZapisUrzadzen = std::function<bool(const std::string& path, std::string* error)>;

  cSynchronizacja(cClock& clock, cSterownikWPP& sterownik, cDevList& urzadzenia, std::string program_folder,
                  ZapisUrzadzen zapisz_urzadzenia, cStronaSynchronizacji& strona);
  ~cSynchronizacja() override;

  // The whole flow, from the activity check on.
  void Synchronizuj();
  // From the file lists on, every registered device taken as answering.
  void F_SciagnijListyPlikowZUrzadzen();

  // Runs when the activity check of Synchronizuj has ended, after the refusal
  // was told when there was one.
  std::function<void()> FunkcjaPoSprawdzeniu;
  // Runs once the chain has ended and everything was told.
  std::function<void(const cWynikSynchronizacji&)> FunkcjaPoZakonczeniu;

 private:
  void PoSprawdzeniu();
  // tylko_odpowiadajace: only the devices that answered the last search.
  void SciagnijListyPlikow(bool tylko_odpowiadajace);
  void PoSciagnieciuListPlikow();
  void ZapytajOSciagniecie();
  void PoSciagnieciuPlikow();
  void ZapiszCzasySynchronizacji();
  std::string TekstNiepowodzenSterownika(const std::string& naglowek);
  // After the current event: tells raport and what was kept for the end, when
  // anything was, then ends the synchronisation.
  void ZakonczPozniej(const std::string& raport);
  void Koniec();

  cClock& mClock;
  cSterownikWPP& mSterownik;
  cDevList& mUrzadzenia;
  std::string mFolder;
  ZapisUrzadzen mZapiszUrzadzenia;
  cStronaSynchronizacji& mStrona;
  cWynikSynchronizacji mWynik;
  // The devices whose file lists were asked for: their times are saved.
  std::vector<const cUrzadzenie*> mUczestnicy;
  // The files handed to the driver, to tell the fetched from the failed.
  std::vector<cPlikDoSciagniecia> mZaplanowane;
  // What the operator is told when the synchronisation ends: the failures of
  // the flow, and of the downloads a summary with the full list.
  std::string mRaport;
  std::string mRaportPobierania;
  std::string mSzczegolyPobierania;
  std::unique_ptr<cTimer> mTimerPytania;
  std::unique_ptr<cTimer> mTimerKonca;
};

}  // namespace olv
