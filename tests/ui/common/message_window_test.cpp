#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/qt_message_window.h"
#include "ui/common/scripted_message_window.h"

namespace olv {
namespace {

using test::WhenModal;

QAbstractButton* Button(QWidget* window, const char* name) {
  return window->findChild<QAbstractButton*>(name);
}

TEST(QtMessageWindowTest, QuestionReturns6ForTheFirstButtonAnd7ForTheSecond) {
  cQtMessageWindow window;
  std::string title, text, first, second;
  WhenModal([&](QWidget* modal) {
    title = modal->windowTitle().toStdString();
    text = modal->findChild<QLabel*>("LabelTekst")->text().toStdString();
    first = Button(modal, "ButtonPierwszy")->text().toStdString();
    second = Button(modal, "ButtonDrugi")->text().toStdString();
    Button(modal, "ButtonPierwszy")->click();
  });
  EXPECT_EQ(window.Question("Usuwanie", "Czy usunąć?", "Tak, usuń", "Nie"), 6);
  EXPECT_EQ(title, "Usuwanie");
  EXPECT_EQ(text, "Czy usunąć?");
  EXPECT_EQ(first, "Tak, usuń");
  EXPECT_EQ(second, "Nie");

  WhenModal([](QWidget* modal) { Button(modal, "ButtonDrugi")->click(); });
  EXPECT_EQ(window.Question("", "Czy zapisać?", "Zapisz", "Nie"), 7);
}

TEST(QtMessageWindowTest, QuestionClosedWithEscapeIsARefusal) {
  cQtMessageWindow window;
  WhenModal([](QWidget* modal) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(modal, &escape);
  });
  EXPECT_EQ(window.Question("", "Resetować?", "Resetuj zmiany", "Nie"), 7);
}

TEST(QtMessageWindowTest, InformationShowsTheTextWithOneOkButton) {
  cQtMessageWindow window;
  std::string text;
  int buttons = 0;
  WhenModal([&](QWidget* modal) {
    text = modal->findChild<QLabel*>("LabelTekst")->text().toStdString();
    buttons = static_cast<int>(modal->findChildren<QAbstractButton*>().size());
    EXPECT_EQ(Button(modal, "ButtonOK")->text(), "OK");
    Button(modal, "ButtonOK")->click();
  });
  window.Information("Zapisano.");
  EXPECT_EQ(text, "Zapisano.");
  EXPECT_EQ(buttons, 1);
}

TEST(ScriptedMessageWindowTest, AnswersFromTheScriptAndRefusesUnscriptedQuestions) {
  cScriptedMessageWindow window;
  cMessageWindow& messages = window;
  window.Answer(kOdpowiedzTak);
  EXPECT_EQ(messages.Question("t", "a", "Tak", "Nie"), 6);
  EXPECT_EQ(messages.Question("t", "b", "Tak", "Nie"), 7);
  EXPECT_EQ(window.Unscripted(), 1);
  messages.Information("i");
  ASSERT_EQ(window.Questions().size(), 2u);
  EXPECT_EQ(window.Questions()[1].text, "b");
  EXPECT_EQ(window.Informations(), std::vector<std::string>{"i"});
}

}  // namespace
}  // namespace olv
