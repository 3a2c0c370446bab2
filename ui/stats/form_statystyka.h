// TFormStatystyka ("Statystyka"): one user's punches and work time at a time,
// on five panels: today's summary, the events, the daily table, the monthly
// balance and the charts of average work time. The operator picks the user in
// the list (typing the start of a name finds it), the counting mode in the
// combo and the panel with the image buttons or the "Widok" menu; "Edycja" →
// "Czasy pracy" edits the user's planned hours, "Eksport" → "do CSV" writes the
// active table to a file and "Wszyscy użytkownicy - miesięczne do CSV" every
// user's monthly balance, "Informacje" opens the help on the counting modes.
//
// Everything shown is computed by stats/; the window copies it into its labels,
// tables and charts. It reads the lists it is given and changes nothing but a
// user's work-time settings, through the work-time editor.
//
// Callers must guarantee: a QApplication exists; the clock and the message
// window outlive the window; the lists given to Przygotuj outlive the showing
// and are not changed by anyone else meanwhile; program_folder ends with "/".
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/logging.h"
#include "model/uzytkownik.h"
#include "stats/tryb_zliczania.h"
#include "stats/widok_listy_odbic.h"
#include "stats/zawartosc_tabeli.h"
#include "ui/users/form_edytor_czasu_pracy.h"

class QComboBox;
class QLabel;
class QListWidget;
class QVBoxLayout;

namespace olv {

class cCSV;
class cDevList;
class cListaOdbic;
class cMessageWindow;
class cTabela;
class cUserList;
class cWykresSlupkiProcentowe;
class TFormHelp;

enum class ePanelStatystyki { Brak, Aktualne, Zdarzenia, Dzienne, Miesieczne, Srednie };

class TFormStatystyka : public QDialog {
 public:
  // zapisz_uzytkownikow writes the user list given to Przygotuj (the work-time
  // editor's "Zapisz"); sciezka_uzytkownikow is that file. pomoc is the
  // program's help window, which must outlive this one.
  TFormStatystyka(cClock& clock, cMessageWindow& komunikaty, TFormHelp& pomoc, LogFunction log,
                  std::string program_folder, std::string sciezka_uzytkownikow,
                  TFormEdytorCzasuPracy::tZapis zapisz_uzytkownikow, QWidget* parent = nullptr);
  ~TFormStatystyka() override;

  // Before each showing: no user, no panel, the user list filled in name
  // order, the title "-".
  void Przygotuj(cUserList& uzytkownicy, const cDevList& urzadzenia, const cListaOdbic& odbicia);
  // Shows the window modally; returns when it is closed.
  void Pokaz();

  // What the list box, the buttons and the menu do: select the user of the
  // list line (none for -1), open a panel.
  void WybierzWiersz(int wiersz);
  void UruchomPanel(ePanelStatystyki panel);
  // "do CSV": the active table to a file the operator chooses.
  void EksportujDoCSV();
  // "Wszyscy użytkownicy - miesięczne do CSV": every user's monthly balance in
  // the chosen counting mode, whichever panel is active.
  void EksportujMiesieczneWszystkichDoCSV();
  // Stands in for the save dialog (tests): returns the chosen path, "" for cancel.
  void UstawWyborPliku(std::function<std::string()> wybor) { mWyborPliku = std::move(wybor); }

  ePanelStatystyki AktywnyPanel() const { return mAktywnyPanel; }
  const cUzytkownik* WybranyUzytkownik() const { return mWybranyUzytkownik; }
  TFormEdytorCzasuPracy& EdytorCzasuPracy() { return *mEdytorCzasuPracy; }

 private:
  QWidget* UtworzPanelDzisiejszy();
  QWidget* UtworzPanelTabeli(const char* nazwa, cTabela*& tabela, const char* nazwa_tabeli);
  QWidget* UtworzPanelCzasPracy();
  void UtworzMenu(QVBoxLayout* uklad);
  // Re-selects the user of the chosen list line: recomputes the active panel.
  void OdswiezUzytkownika();
  // The chosen (selected) list line, -1 for none.
  int WybranaLinia() const;
  void PokazAktywnyPanel();
  void WypelnijPanel();
  void WypelnijTabele(int indeks, cZawartoscTabeli zawartosc);
  void UstawTryb(int indeks);
  void OtworzEdytorCzasuPracy();
  std::string WybierzPlik();
  // Asks for a file, fills a CSV with wypelnij, writes it there and says how
  // it went; nothing at all when the operator cancels.
  void ZapiszCSV(const std::function<void(cCSV&)>& wypelnij);
  QWidget* PanelAktywny() const;

  cClock& mClock;
  cMessageWindow& mKomunikaty;
  TFormHelp& mPomoc;
  LogFunction mLog;
  std::string mFolder;
  cUserList* mUzytkownicy = nullptr;
  const cDevList* mUrzadzenia = nullptr;
  const cListaOdbic* mOdbicia = nullptr;
  std::vector<int32_t> mUnique;
  cUzytkownik* mWybranyUzytkownik = nullptr;
  // Stands for "no user" where a computation needs a user record.
  cUzytkownik mBrakUzytkownika{0};
  ePanelStatystyki mAktywnyPanel = ePanelStatystyki::Brak;
  eTrybZliczania mTryb = eTrybZliczania::WejscieWyjscie;
  cWidokListyOdbic mWidokUzytkownika;
  // What the three tables show, kept for the export: events, daily, monthly.
  std::array<cZawartoscTabeli, 3> mZawartosci;
  std::function<std::string()> mWyborPliku;

  QListWidget* mListBoxUzytkownicy = nullptr;
  QLabel* mLabelOpisAktywnegoPanelu = nullptr;
  QComboBox* mComboBox1 = nullptr;
  QWidget* mPanelDzisiejsze = nullptr;
  QWidget* mPanelZdarzenia = nullptr;
  QWidget* mPanelDzienne = nullptr;
  QWidget* mPanelMiesieczne = nullptr;
  QWidget* mPanelCzasPracy = nullptr;
  QWidget* mPanelProszeCzekac = nullptr;
  std::array<cTabela*, 3> mTabele{};
  cWykresSlupkiProcentowe* mWykresTydzien = nullptr;
  cWykresSlupkiProcentowe* mWykresMiesiac = nullptr;
  cWykresSlupkiProcentowe* mWykresDzienTygodnia = nullptr;
  QLabel* mLabelNazwa = nullptr;
  QLabel* mLabelGodzinyPracy = nullptr;
  QLabel* mLabelPrzyjscie = nullptr;
  QLabel* mLabelWyjscie = nullptr;
  QLabel* mLabelPrzepracowano = nullptr;
  QLabel* mLabelPowinnoByc = nullptr;
  QLabel* mLabelRoznica = nullptr;
  TFormEdytorCzasuPracy* mEdytorCzasuPracy = nullptr;
};

}  // namespace olv
