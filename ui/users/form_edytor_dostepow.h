// The access editor "Edytor dostępów": for each device, the operator checks
// the users it admits. The changes are made on a working copy of the main
// device list; "Zapisz i sychronizuj dostępy" (or "Tak" at the close prompt)
// hands it to the main list, which is saved and whose devices are sent their
// user files; "Anuluj" at the close prompt keeps the editor open. In read-only
// mode the check list stays disabled.
//
// The main window opens it with, in order: UstawTrybTylkoDoOdczytu, its log
// line, Wczytaj, Odswiez, PokazListeDostepu(0), Pokaz.
//
// Callers must guarantee: a QApplication exists; the clock, the main lists,
// the message window and the help window outlive the editor;
// zapisz_i_synchronizuj(keys) saves the main device list and sends the user
// file to each device whose Unique is in keys, in that order.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/clock.h"
#include "model/dev_list.h"
#include "model/user_list.h"

class QAction;
class QLabel;
class QListWidget;

namespace olv {

class cMessageWindow;
class TFormHelp;

class TFormEdytorDostepow : public QDialog {
 public:
  using ZapiszISynchronizujFn = std::function<void(const std::vector<int32_t>& urzadzenia)>;

  TFormEdytorDostepow(cClock& clock, cDevList& lista_glowna, const cUserList& uzytkownicy,
                      cMessageWindow& komunikaty, TFormHelp& pomoc, ZapiszISynchronizujFn zapisz_i_synchronizuj,
                      QWidget* parent = nullptr);
  ~TFormEdytorDostepow() override;

  // Read-only (the devices could not be reached): the operator is told first
  // when there is any device, and the check list and the saving items are
  // disabled.
  void UstawTrybTylkoDoOdczytu(bool tylko_do_odczytu);
  void Wczytaj();
  // Refills the device rows and the users' order.
  void Odswiez();
  // The check list of the device with that Unique; empty for none.
  void PokazListeDostepu(int32_t unique);
  void Pokaz();

  // "Zapisz i sychronizuj dostępy".
  void ZapiszISynchronizuj();

  cDevList& KopiaRobocza() { return *mKopiaRobocza; }
  const std::vector<std::string>& KluczeUrzadzen() const { return mKluczeUrzadzen; }
  const std::vector<std::string>& KluczeUzytkownikow() const { return mKluczeUzytkownikow; }

  void reject() override;

 private:
  void Resetuj();
  // The selected row's device in the working copy; null when none.
  cUrzadzenie* WybraneUrzadzenie() const;
  void PoZmianieZaznaczenia();

  cDevList& mListaGlowna;
  const cUserList& mUzytkownicy;
  cMessageWindow& mKomunikaty;
  TFormHelp& mPomoc;
  ZapiszISynchronizujFn mZapiszISynchronizuj;
  std::unique_ptr<cDevList> mKopiaRobocza;
  std::vector<std::string> mKluczeUrzadzen;
  std::vector<std::string> mKluczeUzytkownikow;
  std::vector<std::string> mNazwyUzytkownikow;

  QListWidget* mListBoxListaUrzadzen;
  QLabel* mLabelListaDostepu;
  QListWidget* mCheckListBox1;
  std::vector<QAction*> mZapisywanie;
};

}  // namespace olv
