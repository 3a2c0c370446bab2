#include "ui/users/form_wprowadz_pin.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/scripted_message_window.h"
#include "ui/common/window_look.h"

namespace olv {
namespace {

class FormWprowadzPinTest : public ::testing::Test {
 protected:
  QLineEdit* Pin1(QWidget* w) { return w->findChild<QLineEdit*>("EditPIN1"); }
  QLineEdit* Pin2(QWidget* w) { return w->findChild<QLineEdit*>("EditPIN2"); }
  QCheckBox* Pokaz(QWidget* w) { return w->findChild<QCheckBox*>("CheckBoxPokazPin"); }
  void Click(QWidget* w, const char* name) { w->findChild<QAbstractButton*>(name)->click(); }
  bool Highlighted(QLineEdit* edit) { return edit->palette().color(QPalette::Base) == WindowLook().invalidInput; }

  // Opens the dialog, types pin and repeat, then act; returns what Pokaz gave.
  std::string Enter(const QString& pin, const QString& repeat, std::function<void(QWidget*)> act) {
    test::WhenModal([&, act](QWidget* modal) {
      opened_empty = Pin1(modal)->text().isEmpty() && Pin2(modal)->text().isEmpty() &&
                     Pin1(modal)->echoMode() == QLineEdit::Password && Pin2(modal)->isEnabled();
      QTest::keyClicks(Pin1(modal), pin);
      QTest::keyClicks(Pin2(modal), repeat);
      act(modal);
    });
    return form.Pokaz();
  }

  cScriptedMessageWindow messages;
  TFormWprowadzPin form{messages};
  bool opened_empty = false;
};

TEST_F(FormWprowadzPinTest, AcceptsTwoToSevenDigitsAndTellsTheFirstBrokenRule) {
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
    EXPECT_TRUE(opened_empty) << r.pin;
    EXPECT_TRUE(stayed_open) << r.pin;
    EXPECT_EQ(pin, "") << r.pin;
    ASSERT_FALSE(messages.Informations().empty());
    EXPECT_EQ(messages.Informations().back(), r.message) << r.pin;
  }
  const size_t told = messages.Informations().size();
  EXPECT_EQ(Enter("12", "12", [&](QWidget* modal) { Click(modal, "ButtonZatwierdz"); }), "12");
  EXPECT_TRUE(opened_empty);
  // Enter confirms too.
  EXPECT_EQ(Enter("1234567", "1234567", [&](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); }),
            "1234567");
  EXPECT_EQ(messages.Informations().size(), told);
}

TEST_F(FormWprowadzPinTest, ShownPinIgnoresTheRepeatAndEveryCancelGivesNone) {
  bool repeat_disabled = false;
  bool clear_text = false;
  const std::string pin = Enter("4321", "99x", [&](QWidget* modal) {
    EXPECT_TRUE(Highlighted(Pin2(modal)));
    EXPECT_FALSE(Highlighted(Pin1(modal)));
    Pokaz(modal)->click();
    repeat_disabled = !Pin2(modal)->isEnabled();
    clear_text = Pin1(modal)->echoMode() == QLineEdit::Normal;
    Click(modal, "ButtonZatwierdz");
  });
  EXPECT_TRUE(repeat_disabled);
  EXPECT_TRUE(clear_text);
  EXPECT_EQ(pin, "4321");
  EXPECT_TRUE(messages.Informations().empty());
  // The next opening is masked again, with both fields empty.
  EXPECT_EQ(Enter("", "", [&](QWidget* modal) { modal->close(); }), "");
  EXPECT_TRUE(opened_empty);
  EXPECT_FALSE(Pokaz(&form)->isChecked());

  // The close box, Escape or Enter on "Anuluj" give an empty PIN after a valid one.
  EXPECT_EQ(Enter("55", "55", [&](QWidget* modal) { modal->close(); }), "");
  EXPECT_EQ(Enter("55", "55", [&](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); }), "");
  // Enter on the focused "Anuluj" cancels rather than confirms.
  EXPECT_EQ(Enter("55", "55",
                  [&](QWidget* modal) {
                    modal->findChild<QWidget*>("ButtonAnuluj")->setFocus();
                    QTest::keyClick(modal->findChild<QWidget*>("ButtonAnuluj"), Qt::Key_Return);
                  }),
            "");
  // Unchecking "pokaż PIN" re-evaluates the repeat field.
  Pin2(&form)->setText("7a");
  Pokaz(&form)->setChecked(true);
  Pokaz(&form)->setChecked(false);
  EXPECT_TRUE(Highlighted(Pin2(&form)));
}

}  // namespace
}  // namespace olv
