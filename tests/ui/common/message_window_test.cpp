// The message window and the image buttons it answers with; the two waiting
// windows: the progress bar and "Proszę czekać".
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/image_button.h"
#include "ui/common/pictures.h"
#include "ui/common/qt_message_window.h"
#include "ui/devices/form_pasek_postepu.h"
#include "ui/devices/form_prosze_czekac.h"

namespace olv {
namespace {

using tAct = std::function<void(QWidget*)>;

void Press(QWidget* modal, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(modal->focusWidget() ? modal->focusWidget() : modal, &press);
}
tAct Keys(std::vector<Qt::Key> keys) {
  return [keys](QWidget* modal) {
    for (Qt::Key key : keys) Press(modal, key);
  };
}
tAct Click(const char* name) {
  return [name](QWidget* modal) { modal->findChild<QAbstractButton*>(name)->click(); };
}

// The answer act gives to a question whose first button is first, with
// "Anuluj" when cancel.
int Ask(const tAct& act, bool cancel = false, const std::string& first = "Tak") {
  cQtMessageWindow window;
  test::WhenModal(act);
  return cancel ? window.QuestionOrCancel("", "?", first, "Nie") : window.Question("", "?", first, "Nie");
}

TEST(QtMessageWindowTest, ButtonsKeysAndTheCloseBoxAnswerAndEnterNeverDeletes) {
  EXPECT_EQ(Ask(Click("ButtonPierwszy")), kOdpowiedzTak);
  EXPECT_EQ(Ask(Keys({Qt::Key_Escape})), kOdpowiedzNie);
  // With "Anuluj": Escape and the close box go back, the others answer.
  EXPECT_EQ(Ask(Keys({Qt::Key_Escape}), true), kOdpowiedzAnuluj);
  EXPECT_EQ(Ask([](QWidget* modal) { modal->close(); }, true), kOdpowiedzAnuluj);
  EXPECT_EQ(Ask(Click("ButtonDrugi"), true), kOdpowiedzNie);
  EXPECT_EQ(Ask(Keys({Qt::Key_Return}), true), kOdpowiedzTak);
  // Enter presses the focused button; focus starts on the first button, but
  // on "Nie" when the first one deletes or resets; Tab reaches the other one.
  const std::vector<std::pair<std::string, int>> cases = {
      {"Tak", 6}, {"Zapisz", 6}, {"Usuń", 7}, {"Tak, usuń", 7}, {"Resetuj zmiany", 7}};
  for (const auto& [first, answer] : cases) EXPECT_EQ(Ask(Keys({Qt::Key_Return}), false, first), answer) << first;
  EXPECT_EQ(Ask(Keys({Qt::Key_Tab, Qt::Key_Enter}), false, "Usuń"), kOdpowiedzTak);
  // Escape closes an information.
  test::WhenModal(Keys({Qt::Key_Escape}));
  cQtMessageWindow().Information("Zapisano.");
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
  test::WhenModal([&](QWidget* modal) {
    size = modal->size();
    ok = modal->findChild<QAbstractButton*>("ButtonOK")->geometry();
    shown = modal->findChild<QPlainTextEdit*>("MemoSzczegoly")->toPlainText().toStdString();
    Press(modal, Qt::Key_Return);
  });
  window.InformationWithDetails("Nie udało się pobrać 400 plików z 1 urządzenia.", details);
  EXPECT_TRUE(shown == details) << "the whole list is in the box";
  EXPECT_LE(size.height(), 700);
  EXPECT_LE(size.width(), 1000);
  EXPECT_LE(ok.bottom(), size.height());
}

TEST(ImageButtonTest, ClicksLikeAPlainButtonByEnterAndSpaceUnlessDisabled) {
  cImageButton button("Statystyka", Picture(ePicture::kStatystyka));
  int clicks = 0;
  QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
  button.click();
  QTest::keyClick(&button, Qt::Key_Return);
  QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(&button, Qt::Key_Space);
  QTest::keyClick(&button, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(clicks, 4);
  button.setEnabled(false);
  button.click();
  QTest::keyClick(&button, Qt::Key_Return);
  EXPECT_EQ(clicks, 4);
}

TEST(FormPasekPostepuTest, WholePercentagesRedrawOnChangeAndTicksUntilTheWorkEnds) {
  EXPECT_EQ(ProcentPostepu(5, 0), 0);
  EXPECT_EQ(ProcentPostepu(0, 5), 0);
  // Sizes of big transfers do not overflow.
  EXPECT_EQ(ProcentPostepu(3000000000LL, 6000000000LL), 50);
  TFormPasekPostepu form;
  auto* image = form.findChild<QLabel*>("Image1");
  form.UstawPostep(1, 3);
  EXPECT_EQ(form.Procent(), 33);
  const qint64 drawn = image->pixmap().cacheKey();
  form.UstawPostep(2, 6);
  EXPECT_EQ(image->pixmap().cacheKey(), drawn);
  form.UstawPostep(3, 3);
  EXPECT_EQ(form.Procent(), 100);
  EXPECT_NE(image->pixmap().cacheKey(), drawn);

  // Ticks while shown and forgets the tick function when closed.
  int ticks = 0;
  form.UstawFunkcjeTaktu([&] {
    ++ticks;
    form.UstawPostep(ticks, 4);
    if (ticks == 3) form.Zamknij();
  });
  // Shown at 0; Escape does not close it, only the work's end does.
  bool at_zero_after_escape = false;
  test::WhenModal([&](QWidget* modal) {
    const bool at_zero = form.Procent() == 0;
    QTest::keyClick(modal, Qt::Key_Escape);
    at_zero_after_escape = at_zero && form.isVisible();
  });
  form.Pokaz();
  EXPECT_TRUE(at_zero_after_escape);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(form.Procent(), 75);
  EXPECT_FALSE(form.findChild<QTimer*>("Timer1")->isActive());
  test::RunFor(250);
  EXPECT_EQ(ticks, 3);
}

TEST(FormProszeCzekacTest, ShowsWhatTheWorkSaysUntilItClosesTheWindowAndEscapeDoesNot) {
  TFormProszeCzekac form;
  auto* label = form.findChild<QLabel*>("Label1");
  int takty = 0;
  form.UstawFunkcjeTaktu([&] { form.UstawTekst(QString("Wysyłanie do urządzenia %1...").arg(++takty)); });
  bool escape_ignored = false;
  QString shown;
  test::WhenModal([&](QWidget* modal) {
    QTest::keyClick(modal, Qt::Key_Escape);
    escape_ignored = form.isVisible();
    // The end of the queued work, on a later turn, after a few ticks.
    QTimer::singleShot(250, &form, [&] {
      shown = label->text();
      form.Zamknij();
    });
  });
  form.Pokaz();
  EXPECT_TRUE(escape_ignored);
  EXPECT_FALSE(form.isVisible());
  EXPECT_GE(takty, 2);
  EXPECT_EQ(shown, QString("Wysyłanie do urządzenia %1...").arg(takty));
  // The next showing starts plain, without the old work's ticks.
  EXPECT_EQ(label->text(), "Proszę czekać...");
  test::WhenModal([&](QWidget*) { QTimer::singleShot(150, &form, [&] { form.Zamknij(); }); });
  form.Pokaz();
  EXPECT_EQ(label->text(), "Proszę czekać...");
}

}  // namespace
}  // namespace olv
