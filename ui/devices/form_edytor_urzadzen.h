// The device editor ("Edytor Urządzeń"): the registered devices with the
// details of the chosen one, editing and deleting them, searching the bus for
// devices and registering new ones (the found-devices window), and
// "Zapisz i synchronizuj ustawienia", which sends every device its konfig.txt
// and then makes the working list the master list and saves data/devices.txt.
//
// It works on a working copy of the master device list. Until the working copy
// is saved nothing else changes: a deleted device's downloaded files stay
// until its deletion is saved, and a new ID stays pending until the device got
// its settings. A device that did not get them keeps answering to its current
// ID, with the new one still pending, and the operator is told.
//
// The main window opens it: UstawTrybTylkoDoOdczytu, Wczytaj, Odswiez,
// PokazSzczegoly(0), UruchomTimerPomocy, then exec.
//
// Callers must guarantee: a QApplication exists; the services, message window
// and clock outlive the window.
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "comm/sterownik_wpp_listy.h"
#include "common/clock.h"
#include "model/dev_list.h"

class QAction;
class QLabel;
class QListWidget;

namespace olv {

class cMessageWindow;
class cUslugiUrzadzen;
class TFormEdytujUrzadzenie;
class TFormWyszukaneUrzadzenia;

class TFormEdytorUrzadzen : public QDialog {
 public:
  static constexpr uint32_t kCzekanieNaUrzadzeniaMs = 2000;

  TFormEdytorUrzadzen(cUslugiUrzadzen& uslugi, cMessageWindow& komunikaty, cClock& clock,
                      QWidget* parent = nullptr);
  ~TFormEdytorUrzadzen() override;

  // mozna_synchronizowac: every registered device answered. Without it (and
  // with devices registered) the operator is told that the editor is read-only;
  // only looking is then possible.
  void UstawTrybTylkoDoOdczytu(bool mozna_synchronizowac);
  // The working copy becomes a copy of the master list.
  void Wczytaj();
  // Refills the list in name order (no row chosen).
  void Odswiez();
  // The details of the device with that Unique; "-" everywhere for none.
  void PokazSzczegoly(int32_t unique);
  // Starts TimerPokazHelp4: with no device registered, the help on adding
  // devices opens once the editor is up.
  void UruchomTimerPomocy();
  // "Zapisz i synchronizuj ustawienia"; returns when it is done. False when
  // refused (a device still has ID 1).
  bool Zapisz();

  // Closing (also Escape and the close box): refused while a device is to
  // keep ID 1; with changes, asks whether to save them ("Anuluj" keeps it open).
  void reject() override;

  cDevList& RoboczaLista() { return *mRobocza; }
  TFormEdytujUrzadzenie& FormEdytujUrzadzenie() { return *mFormEdytujUrzadzenie; }
  TFormWyszukaneUrzadzenia& FormWyszukaneUrzadzenia() { return *mFormWyszukaneUrzadzenia; }

 private:
  int32_t KluczWiersza(int wiersz) const;
  // The chosen row when it stands for a device, else -1.
  int WybranyWiersz() const;
  void ZaznaczUrzadzenie(int32_t unique);
  void UstawMenu();
  void EdytujUrzadzenie();
  void UsunUrzadzenie();
  void WyszukajUrzadzenie();
  void PoWyszukaniu();
  void TimerPokazWyszukaneUrzadzeniaTimer();
  void Resetuj();
  void TimerPokazHelp4Timer();
  // After the sending: applies the new IDs of the devices that got their
  // settings and returns what the operator is told about the others.
  std::string PoWyslaniu(const std::vector<int32_t>& niezapisane, const std::string& bledy_zapisu);

  cUslugiUrzadzen& mUslugi;
  cMessageWindow& mKomunikaty;
  std::unique_ptr<cDevList> mRobocza;
  // The devices' Unique values in the order of the list's rows.
  std::vector<std::string> mKlucze;
  bool mMoznaSynchronizowac = false;

  QListWidget* mListBoxListaUrzadzen;
  QLabel* mLabelNazwa;
  QLabel* mLabelID;
  QLabel* mLabelTrybPrzycisku;
  QLabel* mLabelNazwaCzytnika1;
  QLabel* mLabelTrybCzytnika1;
  QLabel* mLabelNazwaCzytnika2;
  QLabel* mLabelTrybCzytnika2;
  QLabel* mLabelPolaczenie;
  QAction* mWyszukaj;
  QAction* mEdytuj;
  QAction* mUsun;
  QAction* mZapisz;
  QAction* mResetuj;

  TFormEdytujUrzadzenie* mFormEdytujUrzadzenie;
  TFormWyszukaneUrzadzenia* mFormWyszukaneUrzadzenia;
  std::unique_ptr<cTimer> mTimerPokazWyszukaneUrzadzenia;
  std::unique_ptr<cTimer> mTimerZaczekajPoWyslaniuConfigu;
  // The sending's failures, kept before the search after it forgets them.
  std::vector<cNieudaneZadanie> mNiepowodzeniaWysylania;
  std::unique_ptr<cTimer> mTimerPokazHelp4;
};

}  // namespace olv
