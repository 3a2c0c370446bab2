// The statistics window on a fixed clock: the user list, the panels, the
// counting mode, the work-time editor and "do CSV".
#include "ui/stats/form_statystyka.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <sys/stat.h>

#include <filesystem>

#include "common/dates.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "gtest/gtest.h"
#include "model/dev_list.h"
#include "model/user_list.h"
#include "stats/lista_odbic.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/scripted_message_window.h"
#include "ui/stats/tabela.h"
#include "ui/users/form_help.h"

namespace olv {
namespace {

using test::WhenModal;

constexpr int32_t kUrzadzenie = 500;
constexpr int32_t kUsunieteUrzadzenie = 999;

class FormStatystykaTest : public ::testing::Test {
 protected:
  FormStatystykaTest()
      : clock(EncodeDateTime(2026, 11, 18, 12, 0, 0)),
        form(clock, komunikaty, pomoc, [](const std::string&) {}, folder.Path(),
             folder.Path() + "data/users.txt", [this](const std::string&, std::string*) { return ++zapisy > 0; }) {
    auto anna = std::make_unique<cUzytkownik>("Zofia Nowak", 1, "", "", 101);
    auto bartek = std::make_unique<cUzytkownik>("bartek Zieliński", 2, "", "", 102);
    uzytkownicy.DodajUzytkownika(std::move(anna));
    uzytkownicy.DodajUzytkownika(std::move(bartek));
    auto urzadzenie = std::make_unique<cUrzadzenie>(kUrzadzenie);
    urzadzenie->Nazwa = "Wejście główne";
    urzadzenia.DodajUrzadzenie(std::move(urzadzenie));
    // Zofia: Monday with a device deleted since, Tuesday with a neutral
    // punch late in the day, and a day in October.
    Odbicie(1, EncodeDateTime(2026, 10, 7, 8, 0, 0), 1);
    Odbicie(1, EncodeDateTime(2026, 10, 7, 15, 0, 0), 2);
    Odbicie(1, EncodeDateTime(2026, 11, 16, 8, 0, 0), 1, kUsunieteUrzadzenie);
    Odbicie(1, EncodeDateTime(2026, 11, 16, 16, 0, 0), 2);
    Odbicie(1, EncodeDateTime(2026, 11, 17, 7, 55, 0), 1);
    Odbicie(1, EncodeDateTime(2026, 11, 17, 16, 5, 0), 2);
    Odbicie(1, EncodeDateTime(2026, 11, 17, 18, 0, 0), 0);
    form.Przygotuj(uzytkownicy, urzadzenia, odbicia);
    form.show();
  }

  void Odbicie(int32_t uzytkownik, double czas, uint8_t kierunek, int32_t urzadzenie = kUrzadzenie) {
    auto odbicie = std::make_unique<cOdbicie>();
    odbicie->IDUzytkownika = uzytkownik;
    odbicie->Czas = czas;
    odbicie->Kierunek = kierunek;
    odbicie->Urzadzenie = urzadzenie;
    odbicia.DodajOdbicie(std::move(odbicie));
  }
  std::string Tekst(const char* nazwa) { return form.findChild<QLabel*>(nazwa)->text().toStdString(); }
  cTabela* Tabela(const char* nazwa) { return form.findChild<cTabela*>(nazwa); }
  std::string Komorka(const char* tabela, int kolumna, int wiersz) {
    const cKomorka* komorka = Tabela(tabela)->Komorka(kolumna, wiersz);
    return komorka ? komorka->Tekst : "<brak>";
  }
  void Menu(const char* nazwa) { form.findChild<QAction*>(nazwa)->trigger(); }
  bool Widoczny(const char* nazwa) { return form.findChild<QWidget*>(nazwa)->isVisible(); }

  test::cTemporaryFolder folder;
  cVirtualClock clock;
  cScriptedMessageWindow komunikaty;
  int zapisy = 0;
  cUserList uzytkownicy{clock};
  cDevList urzadzenia{clock};
  cListaOdbic odbicia;
  TFormHelp pomoc;
  TFormStatystyka form;
};

TEST_F(FormStatystykaTest, AUserWithoutPunchesShowsTodaysHoursAndOnlyTheSumRow) {
  QListWidget* lista = form.findChild<QListWidget*>("ListBoxUzytkownicy");
  ASSERT_EQ(lista->count(), 2);
  // Name order ignores the letter case.
  EXPECT_EQ(lista->item(0)->text(), "bartek Zieliński");
  EXPECT_FALSE(Widoczny("PanelDzisiejsze"));
  // The focus on the list chooses nobody; the first arrow chooses the first user.
  QFocusEvent fokus(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(lista, &fokus);
  EXPECT_EQ(form.WybranyUzytkownik(), nullptr);
  EXPECT_EQ(form.AktywnyPanel(), ePanelStatystyki::Brak);
  EXPECT_EQ(Tekst("LabelOpisAktywnegoPanelu"), "-");
  QKeyEvent w_dol(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(lista, &w_dol);
  EXPECT_EQ(form.WybranyUzytkownik(), uzytkownicy.GetUserByUnique(102));

  form.WybierzWiersz(0);
  EXPECT_EQ(form.AktywnyPanel(), ePanelStatystyki::Aktualne);
  EXPECT_TRUE(Widoczny("PanelDzisiejsze"));
  EXPECT_EQ(Tekst("LabelNazwa"), "bartek Zieliński");

  form.findChild<QAbstractButton*>("ImageButtonMiesieczne")->click();
  EXPECT_EQ(Tabela("TabelaMiesieczna")->LiczbaWierszy(), 1);
  EXPECT_EQ(Komorka("TabelaMiesieczna", 0, 0), "Suma");
  form.findChild<QAbstractButton*>("ImageButtonZdarzenia")->click();
  EXPECT_EQ(Tabela("TabelaZdarzenia")->LiczbaWierszy(), 0);
}

TEST_F(FormStatystykaTest, EventsShowTheDateOncePerDayAndADotForADeletedDevice) {
  // Typing the start of a name selects the user.
  QListWidget* lista = form.findChild<QListWidget*>("ListBoxUzytkownicy");
  lista->setFocus();
  QKeyEvent z(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z");
  QApplication::sendEvent(lista, &z);
  ASSERT_EQ(form.WybranyUzytkownik(), uzytkownicy.GetUserByUnique(101));
  Menu("MenuZdarzenia");
  EXPECT_EQ(Tekst("LabelOpisAktywnegoPanelu"), "Zestawienie zdarzeń dla użytkownika Zofia Nowak");
  cTabela* tabela = Tabela("TabelaZdarzenia");
  ASSERT_EQ(tabela->LiczbaWierszy(), 7);
  // Newest day first, times oldest first within it.
  EXPECT_EQ(Komorka("TabelaZdarzenia", 0, 0), "2026-11-17");
  EXPECT_EQ(Komorka("TabelaZdarzenia", 0, 1), "");
  EXPECT_EQ(Komorka("TabelaZdarzenia", 0, 3), "2026-11-16");
  EXPECT_EQ(Komorka("TabelaZdarzenia", 4, 3), ".");
  EXPECT_EQ(Komorka("TabelaZdarzenia", 4, 4), "Wejście główne");

  // The 650 pixels of columns leave a filler; a wider window gives it the difference.
  ASSERT_TRUE(tabela->MaWypelnienie());
  const int wypelnienie = tabela->Naglowek()[5].Szerokosc;
  form.resize(form.width() + 120, form.height());
  test::RunUntil([&] { return tabela->Naglowek()[5].Szerokosc != wypelnienie; }, 1000);
  EXPECT_EQ(tabela->Naglowek()[5].Szerokosc, wypelnienie + 120);
}

TEST_F(FormStatystykaTest, TheDailyPanelFitsAndFollowsTheModeAndTheWorkTimes) {
  form.WybierzWiersz(1);
  // At the default size, which fits a 1024 x 768 screen, every table shows
  // all its columns: each has room left for its filler.
  EXPECT_LE(form.width(), 1016);
  for (const char* panel : {"MenuZdarzenia", "MenuMiesieczne", "MenuDzienne"}) {
    Menu(panel);
    for (const char* nazwa : {"TabelaZdarzenia", "TabelaDzienna", "TabelaMiesieczna"}) {
      if (Tabela(nazwa)->isVisible()) {
        EXPECT_TRUE(Tabela(nazwa)->MaWypelnienie()) << nazwa;
      }
    }
  }
  Menu("MenuDzienne");
  ASSERT_EQ(Komorka("TabelaDzienna", 0, 0), "2026-11-17");
  const std::string wejscie_wyjscie = Komorka("TabelaDzienna", 4, 0);
  form.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
  // Activity mode counts the neutral punch at 18:00 too.
  EXPECT_NE(Komorka("TabelaDzienna", 4, 0), wejscie_wyjscie);
  EXPECT_EQ(wejscie_wyjscie.find("08:10"), 0u);

  // The work-time editor opens for the selected user and the day is recomputed.
  WhenModal([](QWidget* edytor) {
    edytor->findChild<QComboBox*>("ComboBoxPoczatekDoGodzina")->setCurrentIndex(7);
    edytor->findChild<QAbstractButton*>("ButtonZapisz")->click();
  });
  Menu("MenuCzasyPracy");
  EXPECT_EQ(zapisy, 1);
  // Starting at 07:55 is now after the start window: red.
  EXPECT_EQ(Tabela("TabelaDzienna")->Komorka(2, 0)->KolorTekstu, QColor(255, 0, 0));
}

TEST_F(FormStatystykaTest, ExportWritesTheActiveTableOrTellsWhyNotAndKeepsTheOldFile) {
  int dialogi = 0;
  std::string wybrany;
  form.UstawWyborPliku([&] {
    ++dialogi;
    return wybrany;
  });
  form.WybierzWiersz(1);
  Menu("MenuDoCSV");  // the today panel has no table
  EXPECT_EQ(dialogi, 0);

  Menu("MenuMiesieczne");
  Menu("MenuDoCSV");  // cancelled
  EXPECT_EQ(dialogi, 1);
  EXPECT_TRUE(komunikaty.Informations().empty());

  wybrany = folder.Path() + "miesiace.csv";
  Menu("MenuDoCSV");
  ASSERT_EQ(komunikaty.Informations().size(), 1u);
  EXPECT_EQ(komunikaty.Informations()[0], "Wyeskportowano dane do pliku.");
  const std::string tekst = ReadWholeFile(wybrany).value_or("");
  // "Suma" and October, each ended by one line end, each with the filler's empty cell.
  ASSERT_EQ(std::count(tekst.begin(), tekst.end(), '\n'), 2);
  EXPECT_EQ(tekst.substr(0, 5), "Suma;");
  EXPECT_NE(tekst.find("\r\n2026-10;"), std::string::npos);
  EXPECT_EQ(tekst.substr(tekst.size() - 3), ";\r\n");

  // A FIFO chosen as the file is refused, not replaced; a link to the file
  // already written is written through and stays a link.
  const std::string plik = wybrany;
  wybrany = folder.Path() + "kolejka.csv";
  ASSERT_EQ(mkfifo(wybrany.c_str(), 0600), 0);
  Menu("MenuDzienne");
  Menu("MenuDoCSV");
  ASSERT_EQ(komunikaty.Informations().size(), 2u);
  EXPECT_EQ(komunikaty.Informations()[1], "Nie można zapisać pliku kolejka.csv"
                                              ": w miejscu pliku stoi kolejka lub plik urządzenia, a nie zwykły plik.");
  EXPECT_TRUE(std::filesystem::is_fifo(wybrany));
  wybrany = folder.Path() + "lacze.csv";
  std::filesystem::create_symlink(plik, wybrany);
  Menu("MenuDoCSV");
  EXPECT_TRUE(std::filesystem::is_symlink(wybrany));
  EXPECT_NE(ReadWholeFile(plik).value_or(""), tekst);
}

// Every user's monthly balance, whichever panel is active: Zofia's October
// row of her own table after her name and ID; bartek has no punches.
TEST_F(FormStatystykaTest, AllUsersMonthlyExportHoldsEachUsersOwnRows) {
  const std::string wlasny = folder.Path() + "zofia.csv", wszyscy = folder.Path() + "wszyscy.csv";
  std::string wybrany = wlasny;
  form.UstawWyborPliku([&] { return wybrany; });
  form.WybierzWiersz(1);
  Menu("MenuMiesieczne");
  Menu("MenuDoCSV");
  wybrany = wszyscy;
  Menu("MenuAktualne");
  Menu("MenuWszyscyMiesieczneDoCSV");
  EXPECT_EQ(komunikaty.Informations().back(), "Wyeskportowano dane do pliku.");
  const std::string zofia = ReadWholeFile(wlasny).value_or("");
  const std::string pazdziernik = zofia.substr(zofia.find("\r\n") + 2);
  const std::string tekst = ReadWholeFile(wszyscy).value_or("");
  EXPECT_EQ(tekst.substr(tekst.find("\r\n") + 2), "\"Zofia Nowak\";0001;" + pazdziernik.substr(0, pazdziernik.size() - 3) + "\r\n");

  // The real save dialog starts empty in the program folder and adds the suffix.
  form.UstawWyborPliku({});
  Menu("MenuZdarzenia");
  QString plik;
  WhenModal([&](QWidget* okno) {
    auto* dialog = qobject_cast<QFileDialog*>(okno);
    ASSERT_NE(dialog, nullptr);
    plik = dialog->selectedFiles().value(0) + "/";
    dialog->selectFile(QString::fromStdString(folder.Path()) + "zdarzenia");
    static_cast<QDialog*>(dialog)->accept();
  });
  Menu("MenuDoCSV");
  EXPECT_EQ(plik.toStdString(), folder.Path());
  const std::string zdarzenia = ReadWholeFile(folder.Path() + "zdarzenia.csv").value_or("");
  EXPECT_EQ(std::count(zdarzenia.begin(), zdarzenia.end(), '\n'), 7);
}

}  // namespace
}  // namespace olv
