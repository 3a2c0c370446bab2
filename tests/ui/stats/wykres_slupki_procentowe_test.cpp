// The bar chart as drawn: a bar's top edge and the scroll bar in the strip.
#include "ui/stats/wykres_slupki_procentowe.h"

#include <QScrollBar>
#include <QTest>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

const QColor kZielony(175, 255, 175);
const cKolor kZielonyBarwa{175, 255, 175};

TEST(WykresSlupkiProcentowe, AnEightHourBarStandsAtFiveSeventhsOfAMaximumOfOnePointFourTimesEight) {
  cWykresSlupkiProcentowe wykres;
  wykres.resize(400, 300);
  wykres.UstawMaksimum(1.4 * 8 * 3600);
  wykres.DodajSlupek({"", "", 8 * 3600, kZielonyBarwa});
  wykres.DodajSlupek({"", "", 12 * 3600, kZielonyBarwa});
  wykres.AktualizujPasekPrzewijania();
  // Usable height 300 - 2 x 20 - 16 = 244; 244 x 5 / 7 = 174.3.
  const QRect slupek = wykres.ProstokatSlupka(0);
  EXPECT_EQ(slupek, QRect(40, 300 - 20 - 16 - 174, 50, 174));
  const QImage obraz = wykres.grab().toImage();
  EXPECT_EQ(obraz.pixelColor(41, 90), kZielony);
  // A value over the maximum rises above the usable height, not cut.
  EXPECT_EQ(wykres.ProstokatSlupka(1).height(), 244 * 12 / 8 * 5 / 7);
  EXPECT_EQ(obraz.pixelColor(111, 19), kZielony);
}

TEST(WykresSlupkiProcentowe, BarsWiderThanThePlotScrollInTheStrip) {
  cWykresSlupkiProcentowe wykres;
  wykres.resize(400, 300);
  wykres.show();
  EXPECT_EQ(wykres.SzerokoscDlaSlupkow(7), (400 - 40 - 8 * 20) / 7);
  for (int i = 0; i < 7; ++i) wykres.DodajSlupek({"", "", 50, kZielonyBarwa});
  wykres.UstawSzerokoscIOdstep(wykres.SzerokoscDlaSlupkow(7), 20);
  wykres.AktualizujPasekPrzewijania();
  EXPECT_FALSE(wykres.PasekPrzewijania()->isVisible());

  wykres.WyczyscSlupki();
  for (int i = 0; i < 30; ++i) wykres.DodajSlupek({"", "", 50, kZielonyBarwa});
  wykres.UstawSzerokoscIOdstep(60, 10);
  wykres.AktualizujPasekPrzewijania();
  QScrollBar* pasek = wykres.PasekPrzewijania();
  ASSERT_TRUE(pasek->isVisible());
  EXPECT_EQ(pasek->maximum(), 70 * 30 + 10 - 360);
  // The keys move the bars as the bar's own keys do.
  const auto klawisz = [&](Qt::Key key) {
    QTest::keyClick(&wykres, key);
    return pasek->value();
  };
  EXPECT_TRUE(wykres.focusPolicy() & Qt::TabFocus);
  EXPECT_EQ(klawisz(Qt::Key_Right), 70);
  EXPECT_EQ(klawisz(Qt::Key_End), pasek->maximum());
  EXPECT_EQ(klawisz(Qt::Key_PageUp), pasek->maximum() - 360);
  EXPECT_EQ(klawisz(Qt::Key_Home), 0);
  pasek->setValue(75);
  EXPECT_EQ(wykres.ProstokatSlupka(1).left(), 20 + 10 + 70 - 75);
  // A bar scrolled past the left margin is cut there; guide lines lie over the bars.
  wykres.UstawLiniePomocnicze(150, 60);
  const QImage obraz = wykres.grab().toImage();
  EXPECT_EQ(obraz.pixelColor(60, 100), cWykresSlupkiProcentowe::kLiniePomocnicze);
  EXPECT_EQ(obraz.pixelColor(21, 200), cWykresSlupkiProcentowe::kTlo);
  EXPECT_EQ(obraz.pixelColor(26, 200), kZielony);
}

}  // namespace
}  // namespace olv
