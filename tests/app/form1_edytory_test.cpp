// The user and access editors end to end, in real time against olv8-sim on a
// pseudo-terminal: what the operator types reaches data/users.txt,
// data/devices.txt and exactly the devices that admit the user, as each
// device decodes its USERS.txt; a device that cannot be reached is named, and
// the next save reaches it. "Statystyka" then reads the punches fresh from
// the mirrors at each opening and opens modally on them.
#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "common/cp1250.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "model/pin_table.h"
#include "model/users_file.h"
#include "sim/card_users.h"
#include "sim/event_line.h"
#include "sim/sd_card.h"
#include "tests/app/form1_fixture.h"
#include "ui/devices/form_prosze_czekac.h"
#include "ui/stats/form_statystyka.h"

namespace olv {
namespace {

using test::RunUntil;
using test::WhenModalNamed;

class EdytoryTest : public test::cForm1Fixture {
 protected:
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
  ASSERT_TRUE(InWindow(form, "Button1", "FormEdytorUzytkownikow", [&](QWidget*) {
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
    Trigger(*QApplication::activeModalWidget(), "MenuDodajUzytkownika");
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
  ASSERT_TRUE(InWindow(form, "Button4", "FormEdytorDostepow", [&](QWidget* editor) {
    for (const char* device : {"Brama", "Biuro"}) {
      SelectRow(editor, "ListBoxListaUrzadzen", device);
      editor->findChild<QListWidget*>("CheckListBox1")->item(0)->setCheckState(Qt::Checked);
    }
    Trigger(*editor, "MenuZapiszISynchronizuj");
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
    EXPECT_EQ(held[0].card_field + " " + std::to_string(held[0].id) + " " + held[0].pin + " " + held[0].name,
              PoleKartyUsers(user.Karta) + " 1 2468 " + *Utf8ToCp1250("Łukasz Żółw"));
  }

  // "Biuro" falls silent after the editor has opened, and "Magazyn" has a
  // file where its sent folder belongs: the save names both and keeps what it
  // saved; the next save reaches them.
  ASSERT_TRUE(InWindow(form, "Button1", "FormEdytorUzytkownikow", [&](QWidget* editor) {
    SelectRow(editor, "ListBoxListaUzytkownikow", "Łukasz Żółw");
    WhenModalNamed("FormEdytujUzytkownika", [](QWidget* dialog) {
      dialog->findChild<QLineEdit*>("EditNazwa")->setText("Łukasz Żółwik");
      dialog->findChild<QAbstractButton*>("ButtonZapisz")->click();
    });
    Trigger(*editor, "MenuEdytujUzytkownika");
    RestartSimulator({2, 3, 4}, {"--silent", "4"});
    std::filesystem::remove_all(Mirror(3) + "sent");
    ASSERT_TRUE(WriteFileAtomically(Mirror(3) + "sent", "x"));
    Trigger(*editor, "MenuZapiszISynchronizuj");
    ASSERT_EQ(messages.Informations().size(), 1u);
    const std::string& told = messages.Informations()[0];
    EXPECT_NE(told.find("Biuro (ID 4)"), std::string::npos) << told;
    EXPECT_NE(told.find("Magazyn (ID 3):\n  USERS.txt – nie udało się zapisać pliku: "), std::string::npos) << told;
    // Neither the port nor the sent file's folder: no path of this computer.
    EXPECT_EQ(told.find('/'), std::string::npos) << told;
    EXPECT_EQ(told.find("Brama"), std::string::npos) << told;
    EXPECT_EQ(NameOnCard(2), *Utf8ToCp1250("Łukasz Żółwik"));
    EXPECT_NE(NameOnCard(4), *Utf8ToCp1250("Łukasz Żółwik"));

    RestartSimulator();
    ASSERT_TRUE(DeleteFile(Mirror(3) + "sent") && CreateDirectory(Mirror(3) + "sent"));
    Trigger(*editor, "MenuZapiszISynchronizuj");
  }));
  EXPECT_EQ(messages.Informations().size(), 1u);
  EXPECT_EQ(NameOnCard(4), *Utf8ToCp1250("Łukasz Żółwik"));
  ASSERT_TRUE(WczytajUzytkownikow(folder + "data/users.txt", users).Wczytano);
  EXPECT_EQ(users.GetUserByIndex(0)->Nazwa, "Łukasz Żółwik");
  EXPECT_EQ(messages.Questions().size(), 1u);
  EXPECT_EQ(messages.Unscripted(), 0);
  EXPECT_FALSE(form.FormProszeCzekac().isVisible());

  const auto punch = [](int day, int hour, const char* reader) {
    sDeviceEvent event;
    event.user_id = 1;
    event.when = cDateTimeFields{2026, 11, day, hour, 0, 0, 0};
    event.reader_name = reader;
    return FormatEventLine(event);
  };
  int rows = -1;
  const auto statistics_opened = [&](const char* button) {
    bool modal = false;
    test::WhenModal([&](QWidget* window) {
      modal = window == &form.FormStatystyka();
      rows = window->findChild<QListWidget*>("ListBoxUzytkownicy")->count();
      window->close();
    });
    form.findChild<QAbstractButton*>(button)->click();
    return modal;
  };
  ASSERT_TRUE(WriteFileAtomically(Mirror(2) + "20261117.CSV", punch(17, 8, "We") + punch(17, 16, "Wy")));
  EXPECT_TRUE(statistics_opened("ImageStatystyka"));
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(form.ListaOdbic().GetLiczbaOdbic(), 2);
  // Opened again: nothing doubles, a new file counts, one that cannot be read
  // is named and the window opens on the rest.
  ASSERT_TRUE(WriteFileAtomically(Mirror(2) + "20261118.CSV", punch(18, 8, "We")));
  ASSERT_TRUE(CreateDirectory(Mirror(2) + "20261119.CSV"));
  EXPECT_TRUE(statistics_opened("Button5"));
  EXPECT_EQ(form.ListaOdbic().GetLiczbaOdbic(), 3);
  EXPECT_EQ(messages.Details(), std::vector<std::string>{"urządzenie \"Brama\" (ID 2), plik 20261119.CSV"});
}

}  // namespace
}  // namespace olv
