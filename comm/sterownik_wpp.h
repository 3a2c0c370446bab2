// cSterownikWPP: the WPP driver. It turns the jobs of the system (search the
// bus, fetch the file lists of several devices, download files, upload files,
// read a device's configuration) into tasks on its own queue and carries each
// task out on the protocol engine. The main window fills the work lists,
// sets a done-handler and starts a job; when the job's last task has run the
// handler is called, and the results are read from the driver.
//
// No task waits for ever: a port that does not open, a device that does not
// answer, a file list that brings no new line for 5 s, an upload that stops
// for 5 s, a download that brings no new payload through 3 restarts or whose
// header keeps announcing another size than the file list gave, and a
// download or file list that outlasts its whole-time bound (LimitCzasu...)
// gives up on that device: the device's
// remaining tasks of the job are skipped (its port is still closed), the
// failure is added to Niepowodzenia(), and the job goes on to its end, so its
// done-handler always runs. Each download skipped so is on Niepowodzenia()
// too, with the same reason. A port that a search cannot open is recorded
// there with ID 0: the devices behind it were not asked.
//
// Downloaded files are stored under <program folder>data/extSD/<bus ID as 8
// digits>/ only when the device gave a plain 8.3 name and, when the file list
// gave the size, only with that size; written to a temporary file and renamed.
//
// Callers must guarantee: the clock outlives the driver; one thread; the
// folders of the download targets exist.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "comm/kolejka_zadan.h"
#include "comm/serial_link.h"
#include "comm/sterownik_wpp_listy.h"
#include "comm/wpp.h"
#include "common/clock.h"
#include "common/logging.h"

namespace olv {

class cSterownikWPP : public cLogujacy {
 public:
  // The line speed of the OLV bus.
  static constexpr uint32_t kPredkosc = 115200;
  // Without progress for this long a task gives up (a download restarts).
  static constexpr uint32_t kCzasBezPostepuMs = 5000;
  static constexpr int kMaksPonowienSciagania = 3;
  // The whole time a file list may take: 20 000 lines of 60 bytes at the
  // line rate, with room to spare.
  static constexpr uint32_t kLimitCzasuListyMs = 120000;

  // The whole time a download of that many bytes may take, restarts
  // included: four times the line time, so that a line that makes every
  // tenth frame go again still finishes well within it, plus 30 s, in which a
  // device that sends nothing uses up its restarts first.
  static uint32_t LimitCzasuPobieraniaMs(uint64_t rozmiar);

  // name: the device file name; data: its contents, or empty when the device
  // did not deliver it.
  using KonfiguracjaHandler =
      std::function<void(const std::string& name, const std::optional<std::string>& data)>;

  // program_folder ends with "/"; downloads go below it.
  cSterownikWPP(cClock& clock, std::unique_ptr<cSerialLink> port, std::string program_folder);
  ~cSterownikWPP() override;
  cSterownikWPP(const cSterownikWPP&) = delete;
  cSterownikWPP& operator=(const cSterownikWPP&) = delete;

  // Installs the function in the driver, its queue and its engine.
  void UstawFunkcjeLogujaca(LogFunction function) override;

  // rozmiar: as the device's file list gave it; negative when unknown.
  void DodajPlikDoSciagniecia(const std::string& port, int id, int64_t rozmiar,
                              const std::string& nazwa);
  void WyczyscListePlikowDoSciagniecia();
  // The known sizes summed.
  int64_t SumujRozmiarPlikowNaLiscieDoSciagniecia();
  int ZwrocIloscPlikowNaLiscieDoSciagniecia();
  // Downloads every file of the list into the mirror folders; then
  // FunkcjaPoSciagnieciuPlikow.
  void SciagnijPliki();

  void DodajUrzadzenieDoSciagnieciaListyPlikow(const std::string& port, int id);
  void WyczyscListeUrzadzenDoSciagnieciaListyPlikow();
  // Fetches the file list of every device of the list into ListyPlikow(); then
  // FunkcjaPoSciagnieciuList.
  void SciagnijListyPlikowZUrzadzen();

  void DodajPlikDoWyslania(const std::string& sciezka, const std::string& port, int id);
  void WyczyscListePlikowDoWyslania();
  // Uploads every file of the list (deleting the device's file of that name
  // first, and keeping the port closed 1 200 ms after each); then
  // FunkcjaPoWyslaniuPlikow, which is unset afterwards.
  void WyslijPliki();

  // Scans every serial port of the machine, or the ports of a record line
  // (comma-separated, quoted where needed), into ZnalezioneUrzadzenia(); then
  // FunkcjaPoWyszukaniuUrzadzen, which is unset afterwards.
  void SzukajUrzadzen();
  void SzukajUrzadzen(const std::string& porty);
  void WyczyscListeZnalezionychUrzadzen();
  bool CzyUrzadzenieJestNaLiscieZnalezionych(const std::string& port, int id);

  void UstawFunkcjeObslugujacaKonfiguracje(KonfiguracjaHandler handler);
  void UstawUrzadzenieKonfiguracji(const std::string& port, int id);
  // Downloads KONFOUT.TXT of the configuration device and hands it to the
  // configuration handler (with no data when the device did not deliver).
  void PobierzKonfiguracje();

  bool CzyKolejkaZadanPusta();

  std::function<void()> FunkcjaPoSciagnieciuList;
  std::function<void()> FunkcjaPoSciagnieciuPlikow;
  std::function<void()> FunkcjaPoWyslaniuPlikow;
  std::function<void()> FunkcjaPoWyszukaniuUrzadzen;

  const std::vector<cListaPlikowZUrzadzenia>& ListyPlikow() const { return mListyPlikow; }
  const std::vector<cZnalezioneUrzadzenie>& ZnalezioneUrzadzenia() const { return mZnalezione; }
  std::vector<cZnalezioneUrzadzenie>& ZnalezioneUrzadzenia() { return mZnalezione; }
  // Download progress in percent.
  int Postep() const { return mPostep; }
  // The download being retried: its device and which restart this is (1 to
  // kMaksPonowienSciagania).
  struct cPonawianie {
    std::string Port;
    int Id = 0;
    int Ponowienie = 0;
  };
  // Empty while no download is being retried.
  std::optional<cPonawianie> PonawianePobieranie() const;
  // The device the running job works with now (its port and bus ID); empty
  // while no job runs or between devices.
  struct cUrzadzenieNaSzynie {
    std::string Port;
    int Id = 0;
  };
  std::optional<cUrzadzenieNaSzynie> BiezaceUrzadzenie();
  // What failed since the list was last emptied.
  const std::vector<cNieudaneZadanie>& Niepowodzenia() const { return mNiepowodzenia; }
  void WyczyscNiepowodzenia();

  cWPP& WPP() { return mWPP; }
  cKolejkaZadan& Kolejka() { return mKolejka; }

 private:
  // The tasks of a search of these ports (empty names skipped).
  void SzukajNaPortach(const std::vector<std::string>& porty);
  void RobZadanie(cZadanie& zadanie);
  void ZakonczZadanie();
  // Gives up on the device of the current task: records why, skips the rest
  // of its tasks in this job (but not the closing of its port) and ends the
  // current task.
  void PorzucUrzadzenie(const std::string& powod);
  // A skipped download is recorded as failed for powod.
  void PominZadaniaUrzadzenia(const std::string& powod);
  void PominZadanie(int pozycja, const std::string& powod);
  // Takes the listed size of a queued download off the list of those sizes;
  // negative when unknown.
  int64_t WezRozmiarZListy(const std::string& port, int id, const std::string& nazwa);
  // Arms the whole-time bound of the download under way; false when it has
  // passed already.
  bool UzbrojLimitPobierania();
  void PonowPobieranie(const std::string& powod_porzucenia);

  void SciagnijPlik(cZadanie& zadanie);
  void DodajListePlikowDoListyListPlikow(const std::vector<std::string>& linie);
  void ZapiszSciagnietyPlik(const std::string& cel, const std::string& dane);
  void WewnetrznaObslugaSciaganiaKonfiguracji(const std::string& dane);
  void DodajZnalezioneUrzadzeniaDoListy(const std::vector<std::string>& linie);

  void TimerZamknijPortTimer();
  void TimerTimeoutSciaganiaPlikuTimer();
  void TimerBrakuOdpowiedziTimer();
  void TimerLimituCzasuTimer();
  void TimerCzekajTimer();

  cClock& mClock;
  cWPP mWPP;
  cKolejkaZadan mKolejka;
  std::string mFolderProgramu;

  std::vector<cPlikDoSciagniecia> mDoSciagniecia;
  // The downloads queued and not yet started, with their listed sizes.
  std::vector<cPlikDoSciagniecia> mRozmiaryZList;
  int mPostep = 0;
  std::vector<cUrzadzenieDoSciagnieciaListyPlikow> mDoListy;
  std::vector<cListaPlikowZUrzadzenia> mListyPlikow;
  std::vector<cPlikDoWyslania> mDoWyslania;
  std::vector<cZnalezioneUrzadzenie> mZnalezione;
  std::string mPortKonfiguracji;
  int mIdKonfiguracji = 0;
  KonfiguracjaHandler mFunkcjaKonfiguracji;
  std::vector<cNieudaneZadanie> mNiepowodzenia;

  // The task being carried out and the device and file it concerns.
  std::optional<eRodzajZadania> mBiezacyRodzaj;
  std::string mBiezacyPort;
  int mBiezaceId = 0;
  std::string mBiezacyPlik;
  // The download task being restarted, how often it was, when it first
  // started (tick), the size its file list gave (negative when unknown), and
  // why it was last abandoned (empty: it stopped bringing data).
  const cZadanie* mPobierane = nullptr;
  int mPonowienia = 0;
  uint32_t mPoczatekPobierania = 0;
  int64_t mRozmiarZListy = -1;
  std::string mPowodPonowienia;
  // Its device (the port and ID stay while it is reopened and reactivated).
  cPonawianie mUrzadzeniePobierania;
  // The distinct lines of the file list being received.
  std::unordered_set<std::string> mLinieListy;

  std::unique_ptr<cTimer> mTimerZamknijPort;
  std::unique_ptr<cTimer> mTimerTimeoutSciaganiaPliku;
  std::unique_ptr<cTimer> mTimerBrakuOdpowiedzi;
  std::unique_ptr<cTimer> mTimerLimituCzasu;
  std::unique_ptr<cTimer> mTimerCzekaj;
};

}  // namespace olv
