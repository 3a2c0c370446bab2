// The user data dialogs (adding, editing) and the PIN dialog they open.
#include <QAbstractButton>
#include <QCheckBox>
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
#include "ui/users/form_wprowadz_pin.h"

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
  static QLineEdit* Pin1(QWidget* w) { return w->findChild<QLineEdit*>("EditPIN1"); }
  static QLineEdit* Pin2(QWidget* w) { return w->findChild<QLineEdit*>("EditPIN2"); }
  static QCheckBox* Pokaz(QWidget* w) { return w->findChild<QCheckBox*>("CheckBoxPokazPin"); }
  // Opens the PIN dialog, types pin and repeat, then act; returns what Pokaz gave.
  std::string Enter(const QString& pin, const QString& repeat, std::function<void(QWidget*)> act) {
    test::WhenModal([&, act](QWidget* modal) {
      opened_empty = Pin1(modal)->text().isEmpty() && Pin2(modal)->text().isEmpty() &&
                     Pin1(modal)->echoMode() == QLineEdit::Password && Pin2(modal)->isEnabled();
      QTest::keyClicks(Pin1(modal), pin);
      QTest::keyClicks(Pin2(modal), repeat);
      act(modal);
    });
    return pin_form.Pokaz();
  }

  cVirtualClock clock{45419.375, 5000};
  cUserList users{clock};
  cScriptedMessageWindow messages;
  std::vector<std::string> pins;  // what the PIN dialog gives, from the back
  std::function<std::string()> pin_dialog = [this] {
    const std::string pin = pins.empty() ? "" : pins.back();
    if (!pins.empty()) pins.pop_back();
    return pin;
  };
  TFormWprowadzPin pin_form{messages};
  bool opened_empty = false;
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
  // No check numbers under a number that is none.
  Type(&form, "EditKartaFull", "1099511627776");
  EXPECT_TRUE(Highlighted(&form, "EditKartaFull"));
  EXPECT_EQ(Text(&form, "EditKarta3rdByte") + Text(&form, "EditKartaLast2Bytes"), "");

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

  pins = {"1234", ""};
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
  Click(&form, "ButtonZapisz");
  EXPECT_EQ(form.Wynik(), 0);
  EXPECT_EQ(users.CountUsers(), 3);
}

TEST_F(FormDaneUzytkownikaTest, ThePinDialogAcceptsTwoToSevenDigitsAndTellsTheFirstBrokenRule) {
  // Each refusal keeps the dialog open: the test then cancels it.
  const struct {
    const char *pin, *repeat, *message;
  } refused[] = {{"1", "1", "PIN powinien mieć długość 2 - 7 cyfr"},
                 {"12345678", "12345678", "PIN powinien mieć długość 2 - 7 cyfr"},
                 {"12a", "12a", "PIN powinien składać się wyłącznie z cyfr"},
                 {"", "", "PIN powinien mieć długość 2 - 7 cyfr"},
                 {"12", "13", "Podane PINy różnią się"},
                 // Different entries are told before what is wrong with the first.
                 {"12a", "12", "Podane PINy różnią się"}};
  for (const auto& r : refused) {
    bool stayed_open = false;
    const std::string pin = Enter(r.pin, r.repeat, [&](QWidget* modal) {
      Click(modal, "ButtonZatwierdz");
      stayed_open = modal->isVisible();
      Click(modal, "ButtonAnuluj");
    });
    EXPECT_TRUE(opened_empty && stayed_open) << r.pin;
    EXPECT_EQ(pin, "") << r.pin;
    EXPECT_EQ(messages.Informations().empty() ? "" : messages.Informations().back(), r.message) << r.pin;
  }
  const size_t told = messages.Informations().size();
  EXPECT_EQ(Enter("12", "12", [&](QWidget* modal) { Click(modal, "ButtonZatwierdz"); }), "12");
  EXPECT_TRUE(opened_empty);
  // Enter confirms too.
  EXPECT_EQ(Enter("1234567", "1234567", [&](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); }),
            "1234567");
  EXPECT_EQ(messages.Informations().size(), told);
}

TEST_F(FormDaneUzytkownikaTest, AShownPinIgnoresTheRepeatAndEveryCancelOfThePinDialogGivesNone) {
  bool shown_plain = false;
  const std::string pin = Enter("4321", "99x", [&](QWidget* modal) {
    EXPECT_TRUE(Highlighted(modal, "EditPIN2"));
    EXPECT_FALSE(Highlighted(modal, "EditPIN1"));
    Pokaz(modal)->click();
    shown_plain = !Pin2(modal)->isEnabled() && Pin1(modal)->echoMode() == QLineEdit::Normal;
    Click(modal, "ButtonZatwierdz");
  });
  EXPECT_TRUE(shown_plain);
  EXPECT_EQ(pin, "4321");
  EXPECT_TRUE(messages.Informations().empty());
  // The next opening is masked again, with both fields empty.
  EXPECT_EQ(Enter("", "", [&](QWidget* modal) { modal->close(); }), "");
  EXPECT_TRUE(opened_empty);
  EXPECT_FALSE(Pokaz(&pin_form)->isChecked());

  // The close box, Escape or Enter on "Anuluj" give an empty PIN after a valid one.
  EXPECT_EQ(Enter("55", "55", [&](QWidget* modal) { modal->close(); }), "");
  EXPECT_EQ(Enter("55", "55", [&](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); }), "");
  // Enter on the focused "Anuluj" cancels rather than confirms.
  EXPECT_EQ(Enter("55", "55",
                  [&](QWidget* modal) {
                    auto* anuluj = modal->findChild<QWidget*>("ButtonAnuluj");
                    anuluj->setFocus();
                    QTest::keyClick(anuluj, Qt::Key_Return);
                  }),
            "");
  // Unchecking "pokaż PIN" re-evaluates the repeat field.
  Pin2(&pin_form)->setText("7a");
  Pokaz(&pin_form)->setChecked(true);
  Pokaz(&pin_form)->setChecked(false);
  EXPECT_TRUE(Highlighted(&pin_form, "EditPIN2"));
}

}  // namespace
}  // namespace olv
