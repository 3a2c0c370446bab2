// The statistics window on a fixed clock: the user list, the panels, the
// counting mode, the work-time editor it opens and "do CSV".
#include "ui/stats/form_statystyka.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <sys/stat.h>

#include <filesystem>

#include "common/dates.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "gtest/gtest.h"
#include "model/dev_list.h"
#include "model/user_list.h"
#include "tests/stats/stats_test_support.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/scripted_message_window.h"
#include "ui/stats/tabela.h"
#include "ui/users/form_edytor_czasu_pracy.h"
#include "ui/users/form_help.h"

namespace olv {
namespace {

class FormStatystykaTest : public ::testing::Test {
 protected:
  FormStatystykaTest()
      : clock(test::Moment("2026-11-18 12:00")),
        form(clock, komunikaty, pomoc, [](const std::string&) {}, folder.Path(),
             folder.Path() + "data/users.txt", [this](const std::string&, std::string*) { return ++zapisy > 0; }) {
    EXPECT_TRUE(uzytkownicy.DodajUzytkownika("Zofia Nowak", 1, "11", ""));
    EXPECT_TRUE(uzytkownicy.DodajUzytkownika("bartek Zieliński", 2, "22", ""));
    // Zofia: a day in October, Monday, and Tuesday with a neutral punch late
    // in the day.
    odbicia.Add("2026-10-07 08:00", 'E').Add("2026-10-07 15:00", 'X');
    odbicia.Add("2026-11-16 08:00", 'E').Add("2026-11-16 16:00", 'X');
    odbicia.Add("2026-11-17 07:55", 'E').Add("2026-11-17 16:05", 'X').Add("2026-11-17 18:00", 'N');
    form.Przygotuj(uzytkownicy, urzadzenia, odbicia.List());
    form.show();
  }

  cTabela* Tabela(const char* nazwa) { return form.findChild<cTabela*>(nazwa); }
  std::string Komorka(const char* tabela, int kolumna, int wiersz) {
    const cKomorka* komorka = Tabela(tabela)->Komorka(kolumna, wiersz);
    return komorka ? komorka->Tekst : "<brak>";
  }
  void Menu(const char* nazwa) { form.findChild<QAction*>(nazwa)->trigger(); }

  test::cTemporaryFolder folder;
  cVirtualClock clock;
  cScriptedMessageWindow komunikaty;
  int zapisy = 0;
  cUserList uzytkownicy{clock};
  cDevList urzadzenia{clock};
  test::cPunches odbicia;
  TFormHelp pomoc;
  TFormStatystyka form;
};

TEST_F(FormStatystykaTest, KeysChooseTheUserAndThePanelsTablesModeAndWorkTimesFollow) {
  QListWidget* lista = form.findChild<QListWidget*>("ListBoxUzytkownicy");
  ASSERT_EQ(lista->count(), 2);
  // Name order ignores the letter case.
  EXPECT_EQ(lista->item(0)->text(), "bartek Zieliński");
  // The focus on the list chooses nobody; the first arrow chooses the first user.
  QFocusEvent fokus(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(lista, &fokus);
  EXPECT_EQ(form.WybranyUzytkownik(), nullptr);
  EXPECT_EQ(form.AktywnyPanel(), ePanelStatystyki::Brak);
  EXPECT_EQ(form.findChild<QLabel*>("LabelOpisAktywnegoPanelu")->text(), "-");
  QTest::keyClick(lista, Qt::Key_Down);
  EXPECT_EQ(form.WybranyUzytkownik(), uzytkownicy.GetUserByID(2));

  // Without punches: today's panel, the sum row alone, no events.
  form.WybierzWiersz(0);
  EXPECT_EQ(form.AktywnyPanel(), ePanelStatystyki::Aktualne);
  EXPECT_TRUE(form.findChild<QWidget*>("PanelDzisiejsze")->isVisible());
  form.findChild<QAbstractButton*>("ImageButtonMiesieczne")->click();
  EXPECT_EQ(Komorka("TabelaMiesieczna", 0, 0) + Komorka("TabelaMiesieczna", 0, 1), "Suma<brak>");
  form.findChild<QAbstractButton*>("ImageButtonZdarzenia")->click();
  EXPECT_EQ(Tabela("TabelaZdarzenia")->LiczbaWierszy(), 0);

  // Typing the start of a name selects the user.
  QTest::keyClick(lista, Qt::Key_Z);
  ASSERT_EQ(form.WybranyUzytkownik(), uzytkownicy.GetUserByID(1));
  EXPECT_EQ(Tabela("TabelaZdarzenia")->LiczbaWierszy(), 7);

  // At the default size, which fits a 1024 x 768 screen, every table shows
  // all its columns: each has room left for its filler.
  EXPECT_LE(form.width(), 1016);
  for (const char* panel : {"MenuZdarzenia", "MenuMiesieczne", "MenuDzienne"}) {
    Menu(panel);
    for (const char* nazwa : {"TabelaZdarzenia", "TabelaDzienna", "TabelaMiesieczna"}) {
      EXPECT_TRUE(!Tabela(nazwa)->isVisible() || Tabela(nazwa)->MaWypelnienie()) << nazwa;
    }
  }
  // A wider window gives the filler the difference.
  cTabela* dzienna = Tabela("TabelaDzienna");
  const int wypelnienie = dzienna->Naglowek()[dzienna->LiczbaKolumn() - 1].Szerokosc;
  form.resize(form.width() + 120, form.height());
  test::RunUntil([&] { return dzienna->Naglowek()[dzienna->LiczbaKolumn() - 1].Szerokosc != wypelnienie; }, 1000);
  EXPECT_EQ(dzienna->Naglowek()[dzienna->LiczbaKolumn() - 1].Szerokosc, wypelnienie + 120);

  // Activity mode counts the neutral punch at 18:00 too.
  ASSERT_EQ(Komorka("TabelaDzienna", 0, 0), "2026-11-17");
  const std::string wejscie_wyjscie = Komorka("TabelaDzienna", 4, 0);
  form.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
  EXPECT_NE(Komorka("TabelaDzienna", 4, 0), wejscie_wyjscie);

  // The work-time editor opens for the selected user and the day is recomputed.
  test::WhenModal([](QWidget* edytor) {
    edytor->findChild<QComboBox*>("ComboBoxPoczatekDoGodzina")->setCurrentIndex(7);
    edytor->findChild<QAbstractButton*>("ButtonZapisz")->click();
  });
  Menu("MenuCzasyPracy");
  EXPECT_EQ(zapisy, 1);
  // Starting at 07:55 is now after the start window: red.
  EXPECT_EQ(dzienna->Komorka(2, 0)->KolorTekstu, QColor(255, 0, 0));
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
  Menu("MenuMiesieczne");
  Menu("MenuDoCSV");  // cancelled
  EXPECT_EQ(dialogi, 1);
  EXPECT_TRUE(komunikaty.Informations().empty());

  const std::string plik = folder.Path() + "miesiace.csv";
  wybrany = plik;
  Menu("MenuDoCSV");
  EXPECT_EQ(komunikaty.Informations(), std::vector<std::string>{"Wyeskportowano dane do pliku."});
  const std::string tekst = ReadWholeFile(plik).value_or("");
  // "Suma" and October, each ended by one line end, each with the filler's empty cell.
  ASSERT_EQ(std::count(tekst.begin(), tekst.end(), '\n'), 2);
  EXPECT_EQ(tekst.substr(0, 5), "Suma;");
  EXPECT_EQ(tekst.substr(tekst.size() - 3), ";\r\n");

  // Every user's monthly balance, whichever panel is active: Zofia's October
  // row of her own table after her name and ID; bartek has no punches.
  wybrany = folder.Path() + "wszyscy.csv";
  Menu("MenuAktualne");
  Menu("MenuWszyscyMiesieczneDoCSV");
  const std::string pazdziernik = tekst.substr(tekst.find("\r\n") + 2);
  const std::string wszyscy = ReadWholeFile(wybrany).value_or("");
  EXPECT_EQ(wszyscy.substr(wszyscy.find("\r\n") + 2),
            "\"Zofia Nowak\";0001;" + pazdziernik.substr(0, pazdziernik.size() - 3) + "\r\n");

  // A FIFO chosen as the file is refused, not replaced; a link to the file
  // already written is written through and stays a link.
  wybrany = folder.Path() + "kolejka.csv";
  ASSERT_EQ(mkfifo(wybrany.c_str(), 0600), 0);
  Menu("MenuDzienne");
  Menu("MenuDoCSV");
  EXPECT_EQ(komunikaty.Informations().back(), "Nie można zapisać pliku kolejka.csv"
                                              ": w miejscu pliku stoi kolejka lub plik urządzenia, a nie zwykły plik.");
  EXPECT_TRUE(std::filesystem::is_fifo(wybrany));
  wybrany = folder.Path() + "lacze.csv";
  std::filesystem::create_symlink(plik, wybrany);
  Menu("MenuDoCSV");
  EXPECT_TRUE(std::filesystem::is_symlink(wybrany));
  EXPECT_NE(ReadWholeFile(plik).value_or(""), tekst);

  // The real save dialog starts empty in the program folder and adds the suffix.
  form.UstawWyborPliku({});
  Menu("MenuZdarzenia");
  QString otwarty;
  test::WhenModal([&](QWidget* okno) {
    auto* dialog = qobject_cast<QFileDialog*>(okno);
    ASSERT_NE(dialog, nullptr);
    otwarty = dialog->selectedFiles().value(0) + "/";
    dialog->selectFile(QString::fromStdString(folder.Path()) + "zdarzenia");
    static_cast<QDialog*>(dialog)->accept();
  });
  Menu("MenuDoCSV");
  EXPECT_EQ(otwarty.toStdString(), folder.Path());
  const std::string zdarzenia = ReadWholeFile(folder.Path() + "zdarzenia.csv").value_or("");
  EXPECT_EQ(std::count(zdarzenia.begin(), zdarzenia.end(), '\n'), 7);
}

class FormEdytorCzasuPracyTest : public ::testing::Test {
 protected:
  FormEdytorCzasuPracyTest()
      : form(komunikaty, "/home/data/users.txt", [this](const std::string& sciezka, std::string*) {
          zapisane.push_back(sciezka);
          // What the file would receive: the user's settings at the moment of writing.
          zapisane_czasy.push_back(uzytkownik.CzasyPracy);
          return zapis_udany;
        }) {
    form.UstawUzytkownika(&uzytkownik);
    form.Wczytaj();
    form.show();
  }

  std::string Tekst(const char* name) { return form.findChild<QLabel*>(name)->text().toStdString(); }
  bool Czerwona(const char* name) {
    return form.findChild<QLabel*>(name)->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
  }
  QComboBox* Combo(const char* name) { return form.findChild<QComboBox*>(name); }
  void Kliknij(const char* name) { form.findChild<QAbstractButton*>(name)->click(); }

  cScriptedMessageWindow komunikaty;
  cUzytkownik uzytkownik{42};
  std::vector<std::string> zapisane;
  std::vector<cCzasyUzytkownika> zapisane_czasy;
  bool zapis_udany = true;
  TFormEdytorCzasuPracy form;
};

TEST_F(FormEdytorCzasuPracyTest, TheValuesFollowTheControlsAndZapiszSavesThemOrTellsWhyNot) {
  // Saturday added and the end moved: the values follow at once. The
  // durations themselves are computed (and tested) in the model.
  EXPECT_FALSE(Czerwona("LabelKoniecOd"));
  form.findChild<QCheckBox*>("CheckBox6")->click();
  Combo("ComboBoxKoniecCzasGodzina")->setCurrentIndex(15);
  Combo("ComboBoxKoniecCzasMinuta")->setCurrentIndex(45);
  EXPECT_EQ(Tekst("LabelCzasPracy") + " " + Tekst("LabelDomyslnyTydzien"), "07:45 46:30");
  // A broken order only colours: the end now lies before its window.
  Combo("ComboBoxKoniecCzasGodzina")->setCurrentIndex(8);
  EXPECT_TRUE(Czerwona("LabelKoniecOd"));
  // No working day makes the week's zero red.
  for (int dzien = 1; dzien <= 6; ++dzien)
    form.findChild<QCheckBox*>(("CheckBox" + std::to_string(dzien)).c_str())->click();
  EXPECT_EQ(Tekst("LabelDomyslnyTydzien"), "00:00");
  EXPECT_TRUE(Czerwona("LabelDomyslnyTydzien"));

  // A failed save is told without a path of this computer; the user keeps
  // what the file holds and the editor stays open with the operator's values.
  zapis_udany = false;
  Kliknij("ButtonZapisz");
  EXPECT_TRUE(form.isVisible());
  ASSERT_EQ(komunikaty.Informations().size(), 1u);
  EXPECT_EQ(komunikaty.Informations()[0].find('/'), std::string::npos);
  EXPECT_EQ(uzytkownik.CzasyPracy.ToString(), "12345");
  EXPECT_EQ(Combo("ComboBoxKoniecCzasGodzina")->currentIndex(), 8);

  zapis_udany = true;
  Kliknij("ButtonZapisz");
  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(zapisane, std::vector<std::string>(2, "/home/data/users.txt"));
  // What the file received: the edited settings.
  EXPECT_EQ(zapisane_czasy[1].ToString(), "");
  EXPECT_EQ(FormatDuration(zapisane_czasy[1].KoniecPracy, false), "08:45");
  EXPECT_TRUE(komunikaty.Questions().empty());
}

TEST_F(FormEdytorCzasuPracyTest, TheCloseBoxAsksEvenWhenNothingChanged) {
  komunikaty.Answer(kOdpowiedzNie);
  form.close();
  ASSERT_EQ(komunikaty.Questions().size(), 1u);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(zapisane.empty());

  // "Zamknij" neither asks nor saves, and drops what was changed.
  form.Wczytaj();
  form.show();
  Combo("ComboBoxPoczatekCzasGodzina")->setCurrentIndex(9);
  Kliknij("ButtonZamknij");
  EXPECT_EQ(komunikaty.Questions().size(), 1u);
  EXPECT_EQ(FormatDuration(uzytkownik.CzasyPracy.PoczatekPracy, false), "08:00");

  // "Anuluj" at Escape's question keeps the editor and its values; "Zapisz" saves.
  form.Wczytaj();
  form.show();
  Combo("ComboBoxPoczatekCzasGodzina")->setCurrentIndex(9);
  komunikaty.Answer(kOdpowiedzAnuluj);
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(Combo("ComboBoxPoczatekCzasGodzina")->currentIndex(), 9);
  komunikaty.Answer(kOdpowiedzTak);
  form.close();
  EXPECT_EQ(zapisane.size(), 1u);
  EXPECT_EQ(FormatDuration(uzytkownik.CzasyPracy.PoczatekPracy, false), "09:00");
  EXPECT_EQ(komunikaty.Unscripted(), 0);
}

}  // namespace
}  // namespace olv
