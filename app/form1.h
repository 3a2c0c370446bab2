// TForm1, the program's main window: the five actions, the overview of up to
// eight registered devices, the run's log, the debug switch, the data folders,
// and the small windows (connection, progress, please-wait) that it drives on
// behalf of the other windows.
//
// It owns the master lists, its own task queue (whose tasks open the editors),
// the function launcher and the WPP driver. Every action first checks which
// registered devices answer, with the please-wait window shown meanwhile.
// The synchronisation with the devices is cSynchronizacja's; the window is its
// side (form1_synchronizacja.cpp): it asks the question and shows the
// please-wait window, the progress and the messages.
// The side of the device windows is in form1_urzadzenia.cpp, of the editors in
// form1_edytory.cpp, of the statistics in form1_statystyka.cpp.
//
// Callers must guarantee: a QApplication exists; the clock and the message
// window outlive the window; program_folder ends with "/".
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/log_file.h"
#include "app/synchronizacja.h"
#include "comm/kolejka_zadan.h"
#include "comm/odpalacz_funkcji.h"
#include "comm/serial_link.h"
#include "comm/sterownik_wpp.h"
#include "common/clock.h"
#include "common/logging.h"
#include "model/dev_list.h"
#include "model/user_list.h"
#include "model/wlasciwosci_polaczenia.h"
#include "stats/lista_odbic.h"
#include "ui/common/window_look.h"
#include "ui/devices/form_wybierz_polaczenie.h"
#include "ui/devices/uslugi_urzadzen.h"

class QCheckBox;
class QLabel;

namespace olv {

class cMessageWindow;
class TFormEdytorUrzadzen;
class TFormEdytorDostepow;
class TFormEdytorUzytkownikow;
class TFormHelp;
class TFormPasekPostepu;
class TFormProszeCzekac;
class TFormStatystyka;
class TFormWprowadzPin;

class TForm1 : public QWidget {
 public:
  // One device slot as drawn: the device's name and whether it answered.
  struct cSlotUrzadzenia {
    std::string nazwa;
    bool aktywne = false;
  };

  static constexpr int kSzerokoscOkna = 652;
  static constexpr int kPoczatkowaWysokoscOkna = 192;
  static constexpr int kMinimalnaWysokoscOkna = 180;
  static constexpr int kLiczbaSlotow = 8;

  // arguments: the command line without the program's name; port: the serial
  // link the driver talks through (TCOMSocket in the program).
  TForm1(cClock& clock, cMessageWindow& komunikaty, const std::vector<std::string>& arguments,
         std::string program_folder, std::unique_ptr<cSerialLink> port, QWidget* parent = nullptr);
  ~TForm1() override;

  // The logging function: writes "time text" to the run's log file.
  void Log(const std::string& text);
  LogFunction FunkcjaLogujaca();
  const std::string& SciezkaLogu() const { return mLog.Sciezka(); }
  uint32_t StartowyTick() const { return mStartowyTick; }

  bool Debug() const { return mDebug; }

  // The master lists, which every editor copies from and back to.
  cUserList& UserList() { return *mUserList; }
  cDevList& DevList() { return *mDevList; }
  cKolejkaZadan& Kolejka() { return *mKolejka; }
  cSterownikWPP& Sterownik() { return *mSterownik; }
  // Write the master lists to path; false (file untouched) on failure, and
  // error then says why in Polish. A data file that was there at start-up but
  // could not be read is never written over: the lists in memory do not hold
  // what it holds.
  bool ZapiszUzytkownikow(const std::string& path, std::string* error = nullptr);
  bool ZapiszUrzadzenia(const std::string& path, std::string* error = nullptr);
  // Takes out of every device's access list each entry that names no user.
  void UsunNieistniejacychZDostepow();

  // Redraws the device slots from the master device list in name order; with
  // wszystkie_aktywne every shown device is drawn active.
  void OdswiezUrzadzenia(bool wszystkie_aktywne);

  // Searches the bus on the registered devices' ports; po_sprawdzeniu runs
  // when the search has ended. With pokaz_prosze_czekac the please-wait window
  // is shown meanwhile (po_sprawdzeniu closes it when it is done with it).
  void SprawdzAktywnoscUrzadzen(std::function<void()> po_sprawdzeniu, bool pokaz_prosze_czekac);
  // Whether the device was found by the last search: its port and ID.
  bool UrzadzenieOdpowiada(const cUrzadzenie& urzadzenie);
  // Every registered device answered the last search (true with none).
  bool WszystkieUrzadzeniaObecne();

  // Draws the slots for devices, already in name order: slot i shows the i-th
  // device, "aktywne" with the active picture when it answered, "nieaktywne"
  // otherwise; no devices shows "brak zapisanych urządzeń". The client height
  // follows the number of slots shown.
  void PokazUrzadzenia(const std::vector<cSlotUrzadzenia>& urzadzenia);

  // "VCL: WybierzPolaczenie": the connection dialog preset with the current
  // connection; an empty port (and speed 0) when the operator cancelled.
  cWlasciwosciPolaczenia WybierzPolaczenie(const cWlasciwosciPolaczenia& obecne);

  // The please-wait window: Pokaz returns when it is closed. PokazProszeCzekacPozniej
  // shows it through the function launcher once the current event has returned,
  // unless ZamknijProszeCzekac came first.
  void PokazProszeCzekac();
  // As PokazProszeCzekac, the window naming the device the driver sends to.
  void PokazProszeCzekacPrzyWysylaniu();
  void PokazProszeCzekacPozniej();
  void ZamknijProszeCzekac();

  // The progress window: Pokaz returns when it is closed.
  void PokazPasekPostepu();
  void UstawPostep(int64_t done, int64_t total);
  // The driver's download progress, out of 100.
  void UstawPostepZeSterownika();
  void UstawTekstPostepu(const std::string& text);
  // tick runs every 100 ms while the progress window is shown.
  void UstawFunkcjeTaktuPostepu(std::function<void()> tick);
  void ZamknijPasekPostepu();

  // Runs once when start-up has finished and the device slots are drawn.
  void UstawObslugeKoncaStartu(std::function<void()> handler) { mObslugaKoncaStartu = std::move(handler); }

  // The synchronisation (cSynchronizacja). Synchronizuj is the
  // "Synchronizacja danych" action: it goes on to F_SciagnijListyPlikowZUrzadzen
  // only when every registered device answers. The chain ends when the
  // operator declines, or when the downloads have ended and what could not be
  // fetched has been told; then the handler of UstawObslugeKoncaSynchronizacji
  // runs.
  void Synchronizuj();
  void F_SciagnijListyPlikowZUrzadzen();
  void UstawObslugeKoncaSynchronizacji(std::function<void()> handler);

  // Write USERS.txt and konfig.txt for the device with that Unique into its
  // sent folder; the written file's path, or "" when no device has that Unique
  // or the file cannot be written (then error says why, when given).
  std::string ZapiszUsersUrzadzenia(int32_t unique, std::string* error = nullptr);
  std::string ZapiszKonfigUrzadzenia(int32_t unique, std::string* error = nullptr);

  // The device editor (form1_urzadzenia.cpp), opened as the task handler
  // does: read-only unless mozna_synchronizowac; returns when it is closed.
  void F_PokazFormEdytorUrzadzen(bool mozna_synchronizowac);
  TFormEdytorUrzadzen& FormEdytorUrzadzen() { return *mFormEdytorUrzadzen; }
  // Saves a picture of the device editor showing the first device by name.
  bool ZapiszZdjecieEdytoraUrzadzen(const std::string& path);
  // The statistics (form1_statystyka.cpp): "Statystyka" reloads the punches
  // from the mirror folders (WczytajOdbicia, which returns the files it could
  // not read) and shows the statistics window modally on them.
  void F_PokazFormStatystyka();
  std::vector<cNieodczytanyPlik> WczytajOdbicia();
  cListaOdbic& ListaOdbic() { return *mListaOdbic; }
  TFormStatystyka& FormStatystyka() { return *mFormStatystyka; }

  // The user and access editors (form1_edytory.cpp). "VCL: WprowadzPinDialog":
  // the PIN the operator confirmed in the PIN dialog, "" when cancelled.
  std::string WprowadzPin();
  void F_PokazFormEdytorUzytkownikow(bool tylko_do_odczytu);
  void F_PokazFormEdytorDostepow(bool tylko_do_odczytu);
  // What the editors' "Zapisz i synchronizuj" does once the master list holds
  // their changes: save the data files, write each device's USERS.txt and send
  // it with the please-wait window shown. A device that did not get its file
  // is told to the operator; what was saved stays saved.
  void ZapiszISynchronizujUzytkownikow();
  void ZapiszISynchronizujDostepy(const std::vector<int32_t>& urzadzenia);
  // A picture of the user editor, as it opens, with the first user in name
  // order selected; false when it cannot be saved.
  bool ZapiszObrazEdytoraUzytkownikow(const std::string& path);
  // True when every device of urzadzenia (Unique values) got its USERS.txt.
  bool WyslijUsersDoUrzadzen(const std::vector<int32_t>& urzadzenia);

  TFormHelp& FormHelp() { return *mFormHelp; }
  TFormWprowadzPin& FormWprowadzPin() { return *mFormWprowadzPin; }
  TFormEdytorUzytkownikow& FormEdytorUzytkownikow() { return *mFormEdytorUzytkownikow; }
  TFormEdytorDostepow& FormEdytorDostepow() { return *mFormEdytorDostepow; }
  TFormWybierzPolaczenie& FormWybierzPolaczenie() { return *mFormWybierzPolaczenie; }
  TFormPasekPostepu& FormPasekPostepu() { return *mFormPasekPostepu; }
  TFormProszeCzekac& FormProszeCzekac() { return *mFormProszeCzekac; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  friend class cUslugiUrzadzenFormy1;

  struct cSlot {
    QLabel* obraz = nullptr;
    QLabel* nazwa = nullptr;
    QLabel* aktywnosc = nullptr;
  };

  void UtworzPrzyciski();
  void UtworzSloty();
  void UtworzFoldery();
  void UtworzOknaUrzadzen();
  void UtworzStatystyke();
  void TimerStartTimer();
  void WczytajDane();
  // True (and error says why) when path is a data file that could not be read.
  bool CzyNieczytelny(const std::string& path, std::string* error);
  void PoSprawdzeniuNaStarcie();
  void ZglosNiepowodzeniaSzukania();
  // The user, device and access editor actions: check, then queue kind.
  void OtworzEdytorPoSprawdzeniu(eRodzajZadania rodzaj);
  void ObslugujZadanie(cZadanie& zadanie);
  void ZglosBladLogu(const std::string& path);
  void UtworzEdytory();
  // The user and access editors' tasks open their editor on a later turn.
  void OtworzEdytorPozniej(const cZadanie& zadanie);
  // Saves data/users.txt (or data/devices.txt); a failure is told.
  bool ZapiszDoPliku(bool uzytkownicy);

  // The window as the synchronisation's side.
  class cStronaOkna;
  void UtworzSynchronizacje();
  void PokazPasekPostepuPozniej();
  void UstawWysokoscKlienta(int wysokosc);

  cClock& mClock;
  cMessageWindow& mKomunikaty;
  std::string mFolder;
  cWindowLook mStyl;
  bool mDebug = false;
  uint32_t mStartowyTick = 0;
  cLogFile mLog;
  bool mPierwszePokazanie = true;
  // Data files that exist but could not be read at start-up.
  std::vector<std::string> mNieczytelnePliki;
  std::unique_ptr<cUserList> mUserList;
  std::unique_ptr<cDevList> mDevList;
  std::unique_ptr<cKolejkaZadan> mKolejka;
  std::unique_ptr<cOdpalaczFunkcji> mOdpalacz;
  std::unique_ptr<cSterownikWPP> mSterownik;
  std::unique_ptr<cListaOdbic> mListaOdbic;
  // The please-wait window is wanted: a deferred show still due shows it.
  bool mProszeCzekacZamowione = false;
  bool mPasekPostepuZamowiony = false;
  // One source for the PINs of every USERS.txt written in this run.
  std::mt19937 mLosowe{std::random_device{}()};
  std::unique_ptr<cStronaSynchronizacji> mStronaOkna;
  std::unique_ptr<cSynchronizacja> mSynchronizacja;

  std::array<cSlot, kLiczbaSlotow> mSloty{};
  QLabel* mImageOLVBrak = nullptr;
  QLabel* mImageOLVJest = nullptr;
  QCheckBox* mCheckBoxDebug = nullptr;
  std::unique_ptr<cTimer> mTimerStart;
  std::unique_ptr<cTimer> mTimerBleduLogu;

  TFormWybierzPolaczenie* mFormWybierzPolaczenie = nullptr;
  TFormPasekPostepu* mFormPasekPostepu = nullptr;
  TFormProszeCzekac* mFormProszeCzekac = nullptr;
  std::unique_ptr<cUslugiUrzadzen> mUslugiUrzadzen;
  TFormEdytorUrzadzen* mFormEdytorUrzadzen = nullptr;
  TFormStatystyka* mFormStatystyka = nullptr;
  TFormHelp* mFormHelp = nullptr;
  TFormWprowadzPin* mFormWprowadzPin = nullptr;
  TFormEdytorUzytkownikow* mFormEdytorUzytkownikow = nullptr;
  TFormEdytorDostepow* mFormEdytorDostepow = nullptr;
  std::unique_ptr<cTimer> mTimerEdytora;
  // USERS.txt files are being sent; the driver's done-handler clears it.
  bool mWysylanieTrwa = false;
  std::function<void()> mObslugaKoncaStartu;
};

// Debug mode: exactly one argument that reads "DEBUG" in any case.
bool CzyTrybDebug(const std::vector<std::string>& arguments);

}  // namespace olv
