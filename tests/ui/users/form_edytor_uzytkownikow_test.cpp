#include "ui/users/form_edytor_uzytkownikow.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "common/virtual_clock.h"
#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/scripted_message_window.h"
#include "ui/common/tekst_skracany.h"
#include "ui/users/form_dodaj_uzytkownika.h"
#include "ui/users/form_help.h"

namespace olv {
namespace {

class FormEdytorUzytkownikowTest : public ::testing::Test {
 protected:
  FormEdytorUzytkownikowTest() {
    EXPECT_TRUE(master.DodajUzytkownika("Zenon", 1, "11", ""));
    EXPECT_TRUE(master.DodajUzytkownika("adam", 2, "", "123456"));
    EXPECT_TRUE(master.DodajUzytkownika("Ćma", 3, "33", ""));
  }
  // Opens the editor as the main window does.
  void Open(bool read_only) {
    form.UstawTrybTylkoDoOdczytu(read_only);
    form.Wczytaj();
    form.Odswiez();
    form.PokazSzczegoly(0);
  }
  QListWidget* List() { return form.findChild<QListWidget*>("ListBoxListaUzytkownikow"); }
  QString Label(const char* name) { return form.findChild<QLabel*>(name)->text(); }
  QAction* Action(const char* name) { return form.findChild<QAction*>(name); }
  QStringList Rows() {
    QStringList rows;
    for (int i = 0; i < List()->count(); ++i) rows << List()->item(i)->text();
    return rows;
  }

  cVirtualClock clock{45419.375, 5000};
  cUserList master{clock};
  cScriptedMessageWindow messages;
  TFormHelp help;
  int saves = 0;
  TFormEdytorUzytkownikow form{clock, master, messages, help, [] { return std::string("4321"); },
                               [this] { ++saves; }};
};

TEST_F(FormEdytorUzytkownikowTest, RowsFollowTheNamesAndShowTheirUsersDetails) {
  Open(false);
  EXPECT_EQ(Rows(), (QStringList{"adam", "Ćma", "Zenon"}));
  EXPECT_EQ(Label("LabelNazwa") + Label("LabelID") + Label("LabelPIN") + Label("LabelKarta"), "----");
  List()->setCurrentRow(0);
  EXPECT_EQ(Label("LabelID") + Label("LabelKarta"), "000200000001193046 (018,13398)");

  // Adding through the dialog selects the new user; the keyboard is back on the list.
  form.show();
  form.setFocus();
  test::WhenModal([](QWidget* dialog) {
    dialog->findChild<QLineEdit*>("EditNazwa")->setText("Bożena");
    dialog->findChild<QAbstractButton*>("ButtonUstawPin")->click();
    dialog->findChild<QAbstractButton*>("ButtonZapisz")->click();
  });
  Action("MenuDodajUzytkownika")->trigger();
  EXPECT_EQ(Rows(), (QStringList{"adam", "Bożena", "Ćma", "Zenon"}));
  EXPECT_EQ(List()->currentRow(), 1);
  EXPECT_EQ(form.focusWidget(), List());
  EXPECT_EQ(Label("LabelID"), "0004");
  EXPECT_EQ(master.CountUsers(), 3);  // nothing reaches the main list yet

  // A long name is cut visibly in the details; its tooltip and its row's are whole.
  const QString dluga = "Krzysztofa Grzegorzewska-Źdźbłońska Gałązkowa";
  ASSERT_TRUE(form.KopiaRobocza().DodajUzytkownika(dluga.toStdString(), 77, "", "77"));
  form.WybierzUzytkownika(form.KopiaRobocza().GetUserByID(77)->Unique);
  auto* nazwa = form.findChild<cEtykietaSkracana*>("LabelNazwa");
  nazwa->grab();
  EXPECT_TRUE(nazwa->Skrocona());
  EXPECT_EQ(nazwa->toolTip(), dluga);
  EXPECT_EQ(List()->currentItem()->toolTip(), dluga);
  EXPECT_EQ(messages.Unscripted(), 0);
}

TEST_F(FormEdytorUzytkownikowTest, DeletingAsksKeepsASensibleRowAndTheCloseQuestionDecidesTheEdits) {
  Open(false);
  form.show();
  form.reject();
  EXPECT_TRUE(messages.Questions().empty());
  EXPECT_FALSE(form.isVisible());

  Open(false);
  form.show();
  List()->setCurrentRow(2);
  messages.Answer(kOdpowiedzNie);
  Action("MenuUsunUzytkownika")->trigger();
  ASSERT_EQ(messages.Questions().size(), 1u);
  EXPECT_NE(messages.Questions()[0].text.find("\"Zenon\""), std::string::npos);
  // The last row: the new last row is selected.
  messages.Answer(kOdpowiedzTak);
  Action("MenuUsunUzytkownika")->trigger();
  EXPECT_EQ(Rows(), (QStringList{"adam", "Ćma"}));
  EXPECT_EQ(List()->currentRow(), 1);
  EXPECT_EQ(Label("LabelNazwa"), "Ćma");
  // "Anuluj" (Escape, the close box) keeps the editor open with the edits.
  messages.Answer(kOdpowiedzAnuluj);
  form.reject();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(Rows().size(), 2);
  messages.Answer(kOdpowiedzNie);
  form.reject();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(master.CountUsers(), 3);

  // The only user deleted: nothing is left to show; reset brings the main list back.
  Open(false);
  for (int i = 0; i < 3; ++i) {
    List()->setCurrentRow(0);
    messages.Answer(kOdpowiedzTak);
    Action("MenuUsunUzytkownika")->trigger();
  }
  EXPECT_EQ(List()->count(), 0);
  messages.Answer(kOdpowiedzTak);
  Action("MenuResetuj")->trigger();
  EXPECT_EQ(Rows().size(), 3);
  EXPECT_EQ(saves, 0);

  List()->setCurrentRow(0);
  messages.Answer(kOdpowiedzTak);
  Action("MenuUsunUzytkownika")->trigger();
  messages.Answer(kOdpowiedzTak);
  form.reject();
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(master.CountUsers(), 2);
  EXPECT_EQ(master.GetUserByID(2), nullptr);
  EXPECT_EQ(messages.Unscripted(), 0);

  // Read-only: browsing only; the keyboard shortcuts and activating a row do nothing.
  Open(true);
  EXPECT_EQ(messages.Informations().size(), 1u);
  List()->setCurrentRow(1);
  QTest::keyClick(List(), Qt::Key_Delete);
  QTest::keyClick(List(), Qt::Key_Return);
  EXPECT_EQ(messages.Questions().size(), 10u);
  EXPECT_EQ(form.KopiaRobocza().CountUsers(), 2);
}

// "Informacje" shows the help window on the users' topic until "Zamknij".
TEST_F(FormEdytorUzytkownikowTest, InformacjeShowsTheHelpOnItsTopicAndTheTextFollowsTheList) {
  auto* list = help.findChild<QListWidget*>("ListBox1");
  auto* memo = help.findChild<QPlainTextEdit*>("Memo1");
  QString shown;
  test::WhenModal([&](QWidget* modal) {
    shown = memo->toPlainText().section('\n', 0, 0);
    list->setCurrentRow(kPomocDostepy);
    shown += "|" + memo->toPlainText().section('\n', 0, 0);
    modal->findChild<QAbstractButton*>("ButtonZamknij")->click();
  });
  Action("MenuInformacje")->trigger();
  EXPECT_EQ(shown.toStdString(), TekstPomocy(kPomocUzytkownicy)[0] + "|" + TekstPomocy(kPomocDostepy)[0]);
  EXPECT_FALSE(help.isVisible());
}

}  // namespace
}  // namespace olv
