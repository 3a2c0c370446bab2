// The user editor "Edytor Użytkowników": the operator browses, adds, edits and
// deletes users on a working copy of the main user list. Nothing reaches the
// main list, the disk or the devices until "Zapisz i synchronizuj urządzenia"
// or "Tak" at the close prompt. In read-only mode only browsing, "Zamknij"
// and "Informacje" act.
//
// The main window opens it with, in order: UstawTrybTylkoDoOdczytu, its log
// line, Wczytaj, Odswiez, PokazSzczegoly(0), Pokaz.
//
// Callers must guarantee: a QApplication exists; the clock, the main list, the
// message window and the help window outlive the editor; wprowadz_pin returns
// the PIN the operator confirmed ("" for none); zapisz_i_synchronizuj saves the
// main list (and the devices) and sends the devices their user files.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/clock.h"
#include "model/user_list.h"

class QAction;
class QLabel;
class QListWidget;

namespace olv {

class cMessageWindow;
class TFormDodajUzytkownika;
class TFormEdytujUzytkownika;
class TFormHelp;

class TFormEdytorUzytkownikow : public QDialog {
 public:
  TFormEdytorUzytkownikow(cClock& clock, cUserList& lista_glowna, cMessageWindow& komunikaty, TFormHelp& pomoc,
                          std::function<std::string()> wprowadz_pin, std::function<void()> zapisz_i_synchronizuj,
                          QWidget* parent = nullptr);
  ~TFormEdytorUzytkownikow() override;

  // With tylko_do_odczytu the operator is told first; the editing items are
  // disabled, and enabled again without it.
  void UstawTrybTylkoDoOdczytu(bool tylko_do_odczytu);
  // The working copy becomes a copy of the main list.
  void Wczytaj();
  // Refills the rows from the working copy in name order.
  void Odswiez();
  // The details of the user with that Unique; "-" in all four for none.
  void PokazSzczegoly(int32_t unique);
  // Refreshes, selects the row of the user with that Unique and shows the
  // user's details.
  void WybierzUzytkownika(int32_t unique);
  // Centres the editor and shows it modally.
  void Pokaz();

  // "Zapisz i synchronizuj urządzenia": the main list takes the working copy,
  // then it is saved and sent.
  void ZapiszISynchronizuj();

  cUserList& KopiaRobocza() { return *mKopiaRobocza; }
  // Entry i: the Unique of the user in row i.
  const std::vector<std::string>& Klucze() const { return mKlucze; }
  TFormDodajUzytkownika& FormDodajUzytkownika() { return *mFormDodaj; }
  TFormEdytujUzytkownika& FormEdytujUzytkownika() { return *mFormEdytuj; }

  // Closing asks about unsaved changes first; "Anuluj" keeps the editor open.
  void reject() override;

 private:
  void Dodaj();
  void Edytuj();
  void Usun();
  void Resetuj();
  int32_t KluczWiersza(int wiersz) const;
  // The selected row when it stands for a user, else -1.
  int WybranyWiersz() const;

  cUserList& mListaGlowna;
  cMessageWindow& mKomunikaty;
  TFormHelp& mPomoc;
  std::function<void()> mZapiszISynchronizuj;
  std::unique_ptr<cUserList> mKopiaRobocza;
  std::vector<std::string> mKlucze;

  QListWidget* mListBoxListaUzytkownikow;
  QLabel* mLabelNazwa;
  QLabel* mLabelID;
  QLabel* mLabelPIN;
  QLabel* mLabelKarta;
  // The items that change data; disabled in read-only mode.
  std::vector<QAction*> mEdycja;
  TFormDodajUzytkownika* mFormDodaj;
  TFormEdytujUzytkownika* mFormEdytuj;
};

}  // namespace olv
