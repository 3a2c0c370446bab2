// The user and access editors on their working copies: rows and details,
// the dialogs they open, deleting and checking, the close question,
// read-only mode and the help.
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
#include "ui/users/form_edytor_dostepow.h"
#include "ui/users/form_edytor_uzytkownikow.h"
#include "ui/users/form_help.h"

namespace olv {
namespace {

constexpr int kMagazyn = 2, kBrama = 3;

class FormEdytoryTest : public ::testing::Test {
 protected:
  FormEdytoryTest() {
    EXPECT_TRUE(users.DodajUzytkownika("Zenon", 1, "11", ""));
    EXPECT_TRUE(users.DodajUzytkownika("adam", 2, "", "123456"));
    EXPECT_TRUE(users.DodajUzytkownika("Ćma", 3, "33", ""));
    EXPECT_TRUE(devices.DodajUrzadzenie("Magazyn", kMagazyn, cCzytnik("We", 1), cCzytnik("Wy", 2), false, {}));
    EXPECT_TRUE(devices.DodajUrzadzenie("Brama", kBrama, cCzytnik("We", 1), cCzytnik("Wy", 2), false, {}));
    Dostepy(devices, kBrama).Dodaj(User(1));
  }
  // Opens an editor as the main window does.
  void Open(bool read_only) {
    form.UstawTrybTylkoDoOdczytu(read_only);
    form.Wczytaj();
    form.Odswiez();
    form.PokazSzczegoly(0);
  }
  void OpenAccess(bool read_only) {
    access.UstawTrybTylkoDoOdczytu(read_only);
    access.Wczytaj();
    access.Odswiez();
    access.PokazListeDostepu(0);
  }
  QListWidget* List() { return form.findChild<QListWidget*>("ListBoxListaUzytkownikow"); }
  QString Label(const char* name) { return form.findChild<QLabel*>(name)->text(); }
  QAction* Action(const char* name, QWidget* editor = nullptr) {
    return (editor ? editor : &form)->findChild<QAction*>(name);
  }
  QStringList Rows() {
    QStringList rows;
    for (int i = 0; i < List()->count(); ++i) rows << List()->item(i)->text();
    return rows;
  }
  static cListaDostepow& Dostepy(const cDevList& list, int id) { return list.GetDeviceByID(id)->ListaDostepow; }
  int32_t User(int id) { return users.GetUserByID(id)->Unique; }
  QListWidget* Devices() { return access.findChild<QListWidget*>("ListBoxListaUrzadzen"); }
  QListWidget* Checks() { return access.findChild<QListWidget*>("CheckListBox1"); }
  QString Checked() {
    QString text;
    for (int i = 0; i < Checks()->count(); ++i)
      text += Checks()->item(i)->text() + (Checks()->item(i)->checkState() == Qt::Checked ? "+ " : "- ");
    return text;
  }
  // Clicks the check box of row as the operator does.
  void ClickCheck(int row) {
    const QRect rect = Checks()->visualItemRect(Checks()->item(row));
    QTest::mouseClick(Checks()->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 10, rect.center().y()));
  }

  cVirtualClock clock{45419.375, 5000};
  cUserList users{clock};
  cDevList devices{clock};
  cScriptedMessageWindow messages;
  TFormHelp help;
  int saves = 0;
  std::vector<std::vector<int32_t>> saved;
  TFormEdytorUzytkownikow form{clock, users, messages, help, [] { return std::string("4321"); }, [this] { ++saves; }};
  TFormEdytorDostepow access{clock, devices, users, messages, help,
                             [this](const std::vector<int32_t>& keys) { saved.push_back(keys); }};
};

TEST_F(FormEdytoryTest, RowsFollowTheNamesAndShowTheirUsersDetailsAndTheHelp) {
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
  EXPECT_EQ(users.CountUsers(), 3);  // nothing reaches the main list yet

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

  // "Informacje" shows the help window on the users' topic until "Zamknij";
  // its text follows its list.
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

TEST_F(FormEdytoryTest, DeletingAsksKeepsASensibleRowAndTheCloseQuestionDecidesTheEdits) {
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
  EXPECT_EQ(users.CountUsers(), 3);

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
  EXPECT_EQ(users.CountUsers(), 2);
  EXPECT_EQ(users.GetUserByID(2), nullptr);
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

TEST_F(FormEdytoryTest, ChecksRebuildTheSelectedDevicesAccessListAndSavingTakesTheCopy) {
  OpenAccess(false);
  access.show();
  ASSERT_EQ(Devices()->count(), 2);
  EXPECT_EQ(Devices()->item(0)->text(), "Brama");
  EXPECT_EQ(Checks()->count(), 0);

  Devices()->setCurrentRow(0);
  EXPECT_EQ(Checked(), "adam- Ćma- Zenon+ ");
  ClickCheck(0);
  ClickCheck(1);
  EXPECT_EQ(Checked(), "adam+ Ćma+ Zenon+ ");
  const cListaDostepow& brama = Dostepy(access.KopiaRobocza(), kBrama);
  EXPECT_EQ(brama.ToString(), std::to_string(User(2)) + "#" + std::to_string(User(3)) + "#" + std::to_string(User(1)));
  // The keyboard: space on the current item.
  Checks()->setCurrentRow(2);
  QTest::keyClick(Checks(), Qt::Key_Space);
  EXPECT_EQ(Checked(), "adam+ Ćma+ Zenon- ");
  ClickCheck(0);
  ClickCheck(1);
  EXPECT_EQ(brama.Count(), 0);
  EXPECT_EQ(Dostepy(devices, kBrama).Count(), 1);  // the main list waits for the save

  Devices()->setCurrentRow(1);
  ClickCheck(1);
  // Saving: the main list takes the copy; the devices go in row order.
  Action("MenuZapiszISynchronizuj", &access)->trigger();
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0], (std::vector<int32_t>{devices.GetDeviceByID(kBrama)->Unique,
                                            devices.GetDeviceByID(kMagazyn)->Unique}));
  EXPECT_EQ(Dostepy(devices, kBrama).Count(), 0);
  EXPECT_EQ(Dostepy(devices, kMagazyn).ToString(), std::to_string(User(3)));
  access.reject();
  EXPECT_TRUE(messages.Questions().empty());
  EXPECT_EQ(messages.Unscripted(), 0);
}

TEST_F(FormEdytoryTest, ResetTheClosePromptAndReadOnly) {
  OpenAccess(false);
  Devices()->setCurrentRow(0);
  Checks()->item(0)->setCheckState(Qt::Checked);
  messages.Answer(kOdpowiedzTak);
  Action("MenuResetuj", &access)->trigger();
  EXPECT_EQ(Checks()->count(), 0);
  EXPECT_TRUE(access.KopiaRobocza().RownaLiscie(devices));

  // "Anuluj" at the close question keeps the editor and its edits, "Nie" drops them, "Tak" saves.
  Devices()->setCurrentRow(1);
  Checks()->item(2)->setCheckState(Qt::Checked);
  access.show();
  messages.Answer(kOdpowiedzAnuluj);
  access.reject();
  EXPECT_TRUE(access.isVisible());
  EXPECT_FALSE(access.KopiaRobocza().RownaLiscie(devices));
  messages.Answer(kOdpowiedzNie);
  access.reject();
  EXPECT_FALSE(access.isVisible());
  EXPECT_TRUE(saved.empty());
  EXPECT_FALSE(Dostepy(devices, kMagazyn).Zawiera(User(1)));
  OpenAccess(false);
  Devices()->setCurrentRow(1);
  Checks()->item(2)->setCheckState(Qt::Checked);
  messages.Answer(kOdpowiedzTak);
  access.reject();
  EXPECT_EQ(saved.size(), 1u);
  EXPECT_TRUE(Dostepy(devices, kMagazyn).Zawiera(User(1)));
  EXPECT_EQ(messages.Questions().size(), 4u);
  EXPECT_EQ(messages.Unscripted(), 0);

  OpenAccess(true);
  ASSERT_EQ(messages.Informations().size(), 1u);
  EXPECT_FALSE(Checks()->isEnabled() || Action("MenuZapiszISynchronizuj", &access)->isEnabled() ||
               Action("MenuResetuj", &access)->isEnabled());
  // With no device there is nothing to be read-only about: no message.
  devices.Wyczysc();
  OpenAccess(true);
  EXPECT_EQ(messages.Informations().size(), 1u);
}

}  // namespace
}  // namespace olv
