#include "ui/devices/form_prosze_czekac.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

TEST(FormProszeCzekacTest, ShowsWhatTheWorkSaysUntilItClosesTheWindowAndEscapeDoesNot) {
  TFormProszeCzekac form;
  auto* label = form.findChild<QLabel*>("Label1");
  int takty = 0;
  form.UstawFunkcjeTaktu([&] { form.UstawTekst(QString("Wysyłanie do urządzenia %1...").arg(++takty)); });
  bool escape_ignored = false;
  QString shown;
  test::WhenModal([&](QWidget* modal) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(modal, &escape);
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
