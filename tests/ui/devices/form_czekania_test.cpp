// The two waiting windows: the progress bar and "Proszę czekać".
#include "ui/devices/form_pasek_postepu.h"
#include "ui/devices/form_prosze_czekac.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

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
