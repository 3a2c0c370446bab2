// The user and access editors end to end, in real time against olv8-sim on a
// pseudo-terminal: what the operator types reaches data/users.txt,
// data/devices.txt and exactly the devices that admit the user, as each
// device decodes its USERS.txt; a device that cannot be reached is named, and
// the next save reaches it.
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "common/cp1250.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "model/pin_table.h"
#include "model/users_file.h"
#include "sim/card_users.h"
#include "sim/sd_card.h"
#include "tests/app/form1_fixture.h"
#include "ui/devices/form_prosze_czekac.h"

namespace olv {
namespace {

using test::RunUntil;
using test::WhenModalNamed;

class EdytoryTest : public test::cForm1Fixture {
 protected:
  // Presses the editor's button and runs act in the open editor; true once
  // the editor has closed again.
  bool InEditor(TForm1& form, const char* button, const char* editor, std::function<void(QWidget*)> act) {
    bool done = false;
    WhenModalNamed(editor, [&, act](QWidget* window) {
      act(window);
      window->close();
      done = true;
    });
    form.findChild<QPushButton*>(button)->click();
    return RunUntil([&] { return done && !QApplication::activeModalWidget(); }, 60000);
  }
  // The users a simulated device holds, decoded from its card as it decodes them.
  std::vector<sCardUser> CardUsers(int id) {
    const auto bytes = cSdCard(Card(id)).Read("USERS.TXT");
    if (!bytes) return {};
    return ReadCardUsers(*bytes, PinTable()).value_or(std::vector<sCardUser>{{"damaged", -1, "", ""}});
  }
  // The name the device holds for its only user; "" unless it holds one.
  std::string NameOnCard(int id) {
    const std::vector<sCardUser> held = CardUsers(id);
    return held.size() == 1 ? held[0].name : "";
  }
  static void Trigger(QWidget* window, const char* action) { window->findChild<QAction*>(action)->trigger(); }
  static void SelectRow(QWidget* window, const char* list_name, const QString& text) {
    auto* list = window->findChild<QListWidget*>(list_name);
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->text() == text) list->setCurrentRow(i);
  }

};

TEST_F(EdytoryTest, AUserWithCardAndPinReachesExactlyTheDevicesThatAdmitHim) {
  WriteDevices({"Brama", "Magazyn", "Biuro"}, StartSimulator());
  auto window = Make();
  TForm1& form = *window;
  StartUp(form);

  // The user editor: a new user with a card and a PIN, saved at the close
  // prompt. Every device is sent a USERS.txt; none admits him yet.
  messages.Answer(kOdpowiedzTak);
  ASSERT_TRUE(InEditor(form, "Button1", "FormEdytorUzytkownikow", [&](QWidget*) {
    WhenModalNamed("FormDodajUzytkownika", [&](QWidget* dialog) {
      dialog->findChild<QLineEdit*>("EditNazwa")->setText("Łukasz Żółw");
      auto* card = dialog->findChild<QLineEdit*>("EditKartaFull");
      card->clear();
      QTest::keyClicks(card, "1193046");
      WhenModalNamed("FormWprowadzPin", [](QWidget* pin) {
        QTest::keyClicks(pin->findChild<QLineEdit*>("EditPIN1"), "2468");
        QTest::keyClicks(pin->findChild<QLineEdit*>("EditPIN2"), "2468");
        pin->findChild<QAbstractButton*>("ButtonZatwierdz")->click();
      });
      dialog->findChild<QAbstractButton*>("ButtonUstawPin")->click();
      dialog->findChild<QAbstractButton*>("ButtonZapisz")->click();
    });
    Trigger(QApplication::activeModalWidget(), "MenuDodajUzytkownika");
  }));
  ASSERT_EQ(messages.Questions().size(), 1u);
  EXPECT_TRUE(messages.Informations().empty());
  cVirtualClock reload_clock;
  cUserList users(reload_clock);
  ASSERT_TRUE(WczytajUzytkownikow(folder + "data/users.txt", users).Wczytano);
  ASSERT_EQ(users.CountUsers(), 1);
  const cUzytkownik& user = *users.GetUserByIndex(0);
  EXPECT_EQ(user.Karta.GetWartosc(), 1193046u);
  for (int id = 2; id <= 4; ++id) {
    EXPECT_TRUE(cSdCard(Card(id)).Read("USERS.TXT")) << id;
    EXPECT_TRUE(CardUsers(id).empty()) << id;
  }

  // The access editor: he may pass "Brama" and "Biuro".
  ASSERT_TRUE(InEditor(form, "Button4", "FormEdytorDostepow", [&](QWidget* editor) {
    for (const char* device : {"Brama", "Biuro"}) {
      SelectRow(editor, "ListBoxListaUrzadzen", device);
      editor->findChild<QListWidget*>("CheckListBox1")->item(0)->setCheckState(Qt::Checked);
    }
    Trigger(editor, "MenuZapiszISynchronizuj");
  }));
  EXPECT_EQ(messages.Questions().size(), 1u);
  EXPECT_TRUE(messages.Informations().empty());
  cDevList devices(reload_clock);
  ASSERT_TRUE(WczytajUrzadzenia(folder + "data/devices.txt", devices).Wczytano);
  for (int id = 2; id <= 4; ++id)
    EXPECT_EQ(devices.GetDeviceByID(id)->ListaDostepow.Zawiera(user.Unique), id != 3) << id;
  EXPECT_TRUE(CardUsers(3).empty());
  for (int id : {2, 4}) {
    const std::vector<sCardUser> held = CardUsers(id);
    ASSERT_EQ(held.size(), 1u) << id;
    EXPECT_EQ(held[0].card_field, PoleKartyUsers(user.Karta));
    EXPECT_EQ(held[0].id, 1);
    EXPECT_EQ(held[0].pin, "2468");
    EXPECT_EQ(held[0].name, *Utf8ToCp1250("Łukasz Żółw"));
  }

  // "Biuro" falls silent after the editor has opened: the save names it and
  // keeps what it saved; the next save reaches it.
  ASSERT_TRUE(InEditor(form, "Button1", "FormEdytorUzytkownikow", [&](QWidget* editor) {
    SelectRow(editor, "ListBoxListaUzytkownikow", "Łukasz Żółw");
    WhenModalNamed("FormEdytujUzytkownika", [](QWidget* dialog) {
      dialog->findChild<QLineEdit*>("EditNazwa")->setText("Łukasz Żółwik");
      dialog->findChild<QAbstractButton*>("ButtonZapisz")->click();
    });
    Trigger(editor, "MenuEdytujUzytkownika");
    RestartSimulator({2, 3, 4}, {"--silent", "4"});
    Trigger(editor, "MenuZapiszISynchronizuj");
    ASSERT_EQ(messages.Informations().size(), 1u);
    const std::string& told = messages.Informations()[0];
    EXPECT_NE(told.find("Biuro (ID 4)"), std::string::npos) << told;
    // Neither the port nor the sent file's folder: no path of this computer.
    EXPECT_EQ(told.find('/'), std::string::npos) << told;
    EXPECT_EQ(told.find("Brama"), std::string::npos) << told;
    EXPECT_EQ(told.find("Magazyn"), std::string::npos) << told;
    EXPECT_EQ(NameOnCard(2), *Utf8ToCp1250("Łukasz Żółwik"));
    EXPECT_NE(NameOnCard(4), *Utf8ToCp1250("Łukasz Żółwik"));

    RestartSimulator();
    Trigger(editor, "MenuZapiszISynchronizuj");
  }));
  EXPECT_EQ(messages.Informations().size(), 1u);
  EXPECT_EQ(NameOnCard(4), *Utf8ToCp1250("Łukasz Żółwik"));
  ASSERT_TRUE(WczytajUzytkownikow(folder + "data/users.txt", users).Wczytano);
  EXPECT_EQ(users.GetUserByIndex(0)->Nazwa, "Łukasz Żółwik");
  EXPECT_EQ(messages.Questions().size(), 1u);
  EXPECT_EQ(messages.Unscripted(), 0);
  EXPECT_FALSE(form.FormProszeCzekac().isVisible());
}

}  // namespace
}  // namespace olv
