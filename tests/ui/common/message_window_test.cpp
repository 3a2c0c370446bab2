// The message window and the image buttons it answers with.
#include <QAbstractButton>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/image_button.h"
#include "ui/common/pictures.h"
#include "ui/common/qt_message_window.h"

namespace olv {
namespace {

using test::WhenModal;

QAbstractButton* Button(QWidget* window, const char* name) {
  return window->findChild<QAbstractButton*>(name);
}

void Press(QWidget* modal, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(modal->focusWidget() ? modal->focusWidget() : modal, &press);
}

TEST(QtMessageWindowTest, QuestionReturns6ForTheFirstButtonAndEscapeRefuses) {
  cQtMessageWindow window;
  WhenModal([&](QWidget* modal) { Button(modal, "ButtonPierwszy")->click(); });
  EXPECT_EQ(window.Question("Usuwanie", "Czy usunąć?", "Tak, usuń", "Nie"), 6);
  WhenModal([](QWidget* modal) { Press(modal, Qt::Key_Escape); });
  EXPECT_EQ(window.Question("", "Czy zapisać?", "Zapisz", "Nie"), 7);
  // With "Anuluj": Escape and the close box go back, the others answer.
  WhenModal([](QWidget* modal) { Press(modal, Qt::Key_Escape); });
  EXPECT_EQ(window.QuestionOrCancel("", "Czy chcesz zapisać zmiany?", "Tak", "Nie"), kOdpowiedzAnuluj);
  WhenModal([](QWidget* modal) { modal->close(); });
  EXPECT_EQ(window.QuestionOrCancel("", "?", "Tak", "Nie"), kOdpowiedzAnuluj);
  WhenModal([](QWidget* modal) { Button(modal, "ButtonDrugi")->click(); });
  EXPECT_EQ(window.QuestionOrCancel("", "?", "Tak", "Nie"), kOdpowiedzNie);
  WhenModal([](QWidget* modal) { Press(modal, Qt::Key_Return); });
  EXPECT_EQ(window.QuestionOrCancel("", "?", "Tak", "Nie"), kOdpowiedzTak);
}

// Enter presses the focused button; focus starts on the first button, but on
// "Nie" when the first one deletes or resets; Escape closes an information.
TEST(QtMessageWindowTest, KeyboardAloneAnswersAndNeverDeletesByEnter) {
  cQtMessageWindow window;
  const std::vector<std::pair<std::string, int>> cases = {
      {"Tak", 6}, {"Zapisz", 6}, {"Usuń", 7}, {"Tak, usuń", 7}, {"Resetuj zmiany", 7}};
  for (const auto& [first, answer] : cases) {
    std::string focused;
    WhenModal([&](QWidget* modal) {
      focused = modal->focusWidget() ? modal->focusWidget()->objectName().toStdString() : "";
      Press(modal, Qt::Key_Return);
    });
    EXPECT_EQ(window.Question("", "?", first, "Nie"), answer) << first;
    EXPECT_EQ(focused, answer == 6 ? "ButtonPierwszy" : "ButtonDrugi") << first;
  }
  WhenModal([](QWidget* modal) {
    Press(modal, Qt::Key_Tab);
    Press(modal, Qt::Key_Enter);
  });
  EXPECT_EQ(window.Question("", "?", "Usuń", "Nie"), 6) << "Tab reaches the other button";
  // Escape closes an information.
  WhenModal([](QWidget* modal) { Press(modal, Qt::Key_Escape); });
  window.Information("Zapisano.");
}

// A report of hundreds of lines: its summary stays short, the list scrolls,
// and the whole window, OK included, fits a 1024×768 screen.
TEST(QtMessageWindowTest, LongDetailsScrollAndOkStaysOnTheScreen) {
  cQtMessageWindow window;
  std::string details;
  for (int i = 0; i < 400; ++i) details += "Brama (ID 2): 21" + std::to_string(100000 + i) + ".CSV\n";
  QSize size;
  QRect ok;
  std::string shown;
  WhenModal([&](QWidget* modal) {
    size = modal->size();
    ok = Button(modal, "ButtonOK")->geometry();
    shown = modal->findChild<QPlainTextEdit*>("MemoSzczegoly")->toPlainText().toStdString();
    Press(modal, Qt::Key_Return);
  });
  window.InformationWithDetails("Nie udało się pobrać 400 plików z 1 urządzenia.", details);
  EXPECT_TRUE(shown == details) << "the whole list is in the box";
  EXPECT_LE(size.height(), 700);
  EXPECT_LE(size.width(), 1000);
  EXPECT_LE(ok.bottom(), size.height());
}

TEST(ImageButtonTest, HighlightFollowsTheMouseAndItClicksLikeAPlainButton) {
  cImageButton button("Statystyka", Picture(ePicture::kStatystyka));
  button.resize(193, 25);
  button.show();
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&button, &enter);
  EXPECT_TRUE(button.IsHighlighted());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_FALSE(button.IsHighlighted());

  int clicks = 0;
  QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
  const auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, k, modifiers);
      QApplication::sendEvent(&button, &event);
    }
  };
  button.click();
  key(Qt::Key_Return);
  key(Qt::Key_Enter, Qt::KeypadModifier);
  key(Qt::Key_Space);
  key(Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(clicks, 4);
  button.setEnabled(false);
  button.click();
  key(Qt::Key_Return);
  EXPECT_EQ(clicks, 4);
}

}  // namespace
}  // namespace olv
