#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/virtual_clock.h"
#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/scripted_message_window.h"
#include "ui/common/window_look.h"
#include "ui/users/form_dodaj_uzytkownika.h"
#include "ui/users/form_edytuj_uzytkownika.h"

namespace olv {
namespace {

class FormDaneUzytkownikaTest : public ::testing::Test {
 protected:
  FormDaneUzytkownikaTest() {
    for (int id : {1, 2, 4}) EXPECT_TRUE(users.DodajUzytkownika("U" + std::to_string(id), id, "", "A" + std::to_string(id)));
  }
  static QLineEdit* Edit(QWidget* w, const char* name) { return w->findChild<QLineEdit*>(name); }
  static QString Text(QWidget* w, const char* name) { return Edit(w, name)->text(); }
  static void Type(QWidget* w, const char* name, const QString& text) {
    Edit(w, name)->clear();
    QTest::keyClicks(Edit(w, name), text);
  }
  static bool Highlighted(QWidget* w, const char* name) {
    return Edit(w, name)->palette().color(QPalette::Base) == WindowLook().invalidInput;
  }
  static void Click(QWidget* w, const char* name) { w->findChild<QAbstractButton*>(name)->click(); }

  cVirtualClock clock{45419.375, 5000};
  cUserList users{clock};
  cScriptedMessageWindow messages;
  std::vector<std::string> pins;  // what the PIN dialog gives, in turn
  std::function<std::string()> pin_dialog = [this] {
    if (pins.empty()) return std::string();
    std::string pin = pins.front();
    pins.erase(pins.begin());
    return pin;
  };
};

TEST_F(FormDaneUzytkownikaTest, AddingHighlightsWhatIsInvalidSavesOnlyWhatPassesAndEnterSaves) {
  TFormDodajUzytkownika form(users, messages, pin_dialog);
  form.Resetuj();
  EXPECT_EQ(Text(&form, "EditID"), "0003");  // the first free ID
  Type(&form, "EditKarta3rdByte", "001");
  EXPECT_EQ(Text(&form, "EditKartaFull"), "00000000065536");
  // The keystroke that makes 65536 changes nothing but the highlight.
  Type(&form, "EditKartaLast2Bytes", "6553");
  const QString before = Text(&form, "EditKartaFull");
  QTest::keyClick(Edit(&form, "EditKartaLast2Bytes"), Qt::Key_6);
  EXPECT_TRUE(Highlighted(&form, "EditKartaLast2Bytes"));
  EXPECT_EQ(Text(&form, "EditKartaFull"), before);
  Type(&form, "EditKartaLast2Bytes", "65535");
  EXPECT_FALSE(Highlighted(&form, "EditKartaLast2Bytes"));
  EXPECT_EQ(Text(&form, "EditKartaFull"), "00000000131071");
  // No check numbers under a number that is none.
  Type(&form, "EditKartaFull", "1099511627776");
  EXPECT_TRUE(Highlighted(&form, "EditKartaFull"));
  EXPECT_EQ(Text(&form, "EditKarta3rdByte") + Text(&form, "EditKartaLast2Bytes"), "");
  Type(&form, "EditKarta3rdByte", "7");
  EXPECT_FALSE(Highlighted(&form, "EditKartaFull"));

  Type(&form, "EditID", "10000");
  EXPECT_EQ(Text(&form, "EditID"), "1000");  // at most 4 characters
  Type(&form, "EditID", "0");
  EXPECT_TRUE(Highlighted(&form, "EditID"));
  Click(&form, "ButtonID");
  EXPECT_EQ(Text(&form, "EditID"), "0003");
  EXPECT_FALSE(Highlighted(&form, "EditID"));

  Type(&form, "EditKartaFull", "");
  Type(&form, "EditNazwa", "  Nowak Jan ");
  Click(&form, "ButtonZapisz");
  EXPECT_EQ(messages.Informations(), std::vector<std::string>{"Użytkownik musi posiadać numer karty lub/i numer PIN"});
  EXPECT_EQ(users.CountUsers(), 3);

  pins = {"", "1234"};
  Click(&form, "ButtonUstawPin");  // cancelled: still no PIN
  EXPECT_FALSE(form.findChild<QPushButton*>("ButtonCzyscPin")->isEnabled());
  Click(&form, "ButtonUstawPin");

  // With a PIN, a card that is not a number is refused, not saved as none.
  // Enter saves from a field, and the button drawn as Enter's is "Zapisz".
  Type(&form, "EditKartaFull", "12x45");
  QStringList defaults;
  test::WhenModal([&](QWidget* modal) {
    for (auto* button : modal->findChildren<QPushButton*>())
      if (button->isDefault()) defaults << button->objectName();
    QTest::keyClick(Edit(modal, "EditNazwa"), Qt::Key_Return);
    Type(modal, "EditKartaFull", "");
    QTest::keyClick(Edit(modal, "EditNazwa"), Qt::Key_Return);
  });
  const int32_t unique = form.Pokaz();
  EXPECT_EQ(defaults, QStringList());
  ASSERT_EQ(messages.Informations().size(), 2u);
  EXPECT_EQ(messages.Informations()[1], "Podany numer karty ma zły format");
  const cUzytkownik* user = users.GetUserByUnique(unique);
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(user->Nazwa + "|" + std::to_string(user->ID) + "|" + user->PIN + "|" +
                std::to_string(user->Karta.GetWartosc()),
            "Nowak Jan|3|1234|0");

  // Escape cancels, with nothing added.
  form.Resetuj();
  test::WhenModal([&](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  EXPECT_EQ(form.Pokaz(), 0);
  EXPECT_EQ(users.CountUsers(), 4);
  EXPECT_EQ(form.Pin(), "");
}

TEST_F(FormDaneUzytkownikaTest, EditingChangesTheLoadedUserOnly) {
  TFormEdytujUzytkownika form(users, messages, pin_dialog);
  const int32_t u2 = users.GetUserByID(2)->Unique;
  users.GetUserByID(2)->Karta.UstawWartosc(1193046);
  users.GetUserByID(2)->PIN = "777";
  form.Wczytaj(u2);
  EXPECT_EQ(Text(&form, "EditNazwa") + Text(&form, "EditID"), "U20002");
  EXPECT_EQ(Text(&form, "EditKarta3rdByte") + "," + Text(&form, "EditKartaLast2Bytes"), "018,13398");

  Type(&form, "EditID", "4");
  Click(&form, "ButtonZapisz");
  EXPECT_EQ(messages.Informations().size(), 1u);
  Click(&form, "ButtonID");  // "przywróć obecne"
  EXPECT_EQ(Text(&form, "EditID"), "0002");
  Type(&form, "EditID", "12345");  // no length limit here
  EXPECT_EQ(Text(&form, "EditID"), "12345");
  Type(&form, "EditID", "9999");
  Type(&form, "EditKartaLast2Bytes", "1");
  Click(&form, "ButtonCzyscPin");
  Click(&form, "ButtonZapisz");
  EXPECT_EQ(form.Wynik(), u2);
  const cUzytkownik* user = users.GetUserByUnique(u2);
  EXPECT_EQ(std::to_string(user->ID) + "|" + user->PIN + "|" + std::to_string(user->Karta.GetWartosc()),
            "9999||" + std::to_string((1193046u & ~0xFFFFu) | 1u));
  EXPECT_EQ(users.CountUsers(), 3);

  // A key no user has: the defaults, and saving changes nobody.
  form.Wczytaj(424242);
  EXPECT_EQ(form.EdytowanyUnique(), 0);
  pins = {"55"};
  Click(&form, "ButtonUstawPin");
  Click(&form, "ButtonZapisz");
  EXPECT_EQ(form.Wynik(), 0);
  EXPECT_EQ(users.CountUsers(), 3);
}

}  // namespace
}  // namespace olv
