#include "ui/devices/form_pasek_postepu.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

TEST(FormPasekPostepuTest, PercentageInWholeNumbersAndZeroWithoutATotal) {
  EXPECT_EQ(ProcentPostepu(5, 0), 0);
  EXPECT_EQ(ProcentPostepu(0, 5), 0);
  EXPECT_EQ(ProcentPostepu(1, 3), 33);
  EXPECT_EQ(ProcentPostepu(3, 3), 100);
  // Sizes of big transfers do not overflow.
  EXPECT_EQ(ProcentPostepu(3000000000LL, 6000000000LL), 50);
}

TEST(FormPasekPostepuTest, BarIsRedrawnOnlyWhenThePercentageChanges) {
  TFormPasekPostepu form;
  auto* image = form.findChild<QLabel*>("Image1");
  auto* bar = form.findChild<QProgressBar*>("ProgressBar1");
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(bar->isHidden());

  form.UstawPostep(1, 3);
  EXPECT_EQ(form.Procent(), 33);
  EXPECT_EQ(bar->value(), 33);
  const qint64 drawn = image->pixmap().cacheKey();
  form.UstawPostep(2, 6);
  EXPECT_EQ(image->pixmap().cacheKey(), drawn);
  form.UstawPostep(3, 3);
  EXPECT_EQ(form.Procent(), 100);
  EXPECT_NE(image->pixmap().cacheKey(), drawn);
}

TEST(FormPasekPostepuTest, LineUnderTheBarFitsAndIsClearedWhenClosed) {
  TFormPasekPostepu form;
  form.UstawTekst("Trwa pobieranie danych z urządzeń...");
  form.UstawPostep(1, 4);
  form.UstawTekstPodPaskiem("Magazyn Wschodni: ponowienie pobierania 3 z 3");
  auto* line = form.findChild<QLabel*>("Label2");
  EXPECT_EQ(line->text(), "Magazyn Wschodni: ponowienie pobierania 3 z 3");
  EXPECT_LE(line->sizeHint().width(), line->width()) << "the line fits under the bar";
  EXPECT_LE(line->geometry().bottom(), form.height());
  form.grab().save(OLV_BINARY_DIR "/form_pasek_postepu_retry.png");
  form.Zamknij();
  EXPECT_TRUE(line->text().isEmpty());
}

TEST(FormPasekPostepuTest, TicksWhileShownAndForgetsTheTickFunctionWhenClosed) {
  TFormPasekPostepu form;
  form.UstawTekst("Trwa pobieranie danych z urządzeń...");
  EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), "Trwa pobieranie danych z urządzeń...");
  form.UstawPostep(2, 4);

  int ticks = 0;
  form.UstawFunkcjeTaktu([&] {
    ++ticks;
    form.UstawPostep(ticks, 4);
    if (ticks == 3) form.Zamknij();
  });
  bool shown_at_zero = false;
  test::WhenModal([&](QWidget*) { shown_at_zero = form.Procent() == 0; });
  form.Pokaz();
  EXPECT_TRUE(shown_at_zero);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(form.Procent(), 75);
  EXPECT_FALSE(form.findChild<QTimer*>("Timer1")->isActive());
  test::RunFor(250);
  EXPECT_EQ(ticks, 3);
}

TEST(FormPasekPostepuTest, EscapeDoesNotCloseIt) {
  TFormPasekPostepu form;
  bool still_open = false;
  test::WhenModal([&](QWidget* modal) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(modal, &escape);
    test::RunFor(20);
    still_open = form.isVisible();
    form.Zamknij();
  });
  form.Pokaz();
  EXPECT_TRUE(still_open);
}

}  // namespace
}  // namespace olv
