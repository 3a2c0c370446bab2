// The bar chart as drawn: a bar's top edge, its caption inside or above, and
// the scroll bar in the strip.
#include "ui/stats/wykres_slupki_procentowe.h"

#include <QKeyEvent>
#include <QScrollBar>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

const QColor kZielony(175, 255, 175);
const cKolor kZielonyBarwa{175, 255, 175};

bool MaKolorW(const QImage& obraz, const QRect& obszar, const QColor& kolor) {
  for (int y = obszar.top(); y <= obszar.bottom(); ++y)
    for (int x = obszar.left(); x <= obszar.right(); ++x)
      if (obraz.pixelColor(x, y) == kolor) return true;
  return false;
}

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
  EXPECT_EQ(obraz.pixelColor(41, 89), cWykresSlupkiProcentowe::kTlo);
  EXPECT_EQ(obraz.pixelColor(41, 264), cWykresSlupkiProcentowe::kTlo);  // the strip below the foot
  // A value over the maximum rises above the usable height, not cut.
  EXPECT_EQ(wykres.ProstokatSlupka(1).height(), 244 * 12 / 8 * 5 / 7);
  EXPECT_EQ(obraz.pixelColor(111, 19), kZielony);
}

TEST(WykresSlupkiProcentowe, TheCaptionGoesInsideATallBarAndAboveTheLabelOfAShortOne) {
  cWykresSlupkiProcentowe wykres;
  wykres.resize(400, 300);
  wykres.UstawMaksimum(100);
  wykres.DodajSlupek({"08:00:00", "Pon", 90, kZielonyBarwa});
  wykres.DodajSlupek({"00:10:00", "Wt", 2, kZielonyBarwa});
  wykres.AktualizujPasekPrzewijania();
  const QImage obraz = wykres.grab().toImage();
  const int wysokosc_tekstu = QFontMetrics(wykres.font()).height();

  const QRect wysoki = wykres.ProstokatSlupka(0);
  const QRect pod_stopa(wysoki.left(), wysoki.bottom() - 3 - wysokosc_tekstu, wysoki.width(), wysokosc_tekstu);
  EXPECT_TRUE(MaKolorW(obraz, pod_stopa, cWykresSlupkiProcentowe::kTekstWewnetrzny));
  const QRect nad_slupkiem(wysoki.left(), wysoki.top() - wysokosc_tekstu, wysoki.width(), wysokosc_tekstu);
  EXPECT_TRUE(MaKolorW(obraz, nad_slupkiem, cWykresSlupkiProcentowe::kTekstZewnetrzny));
  // Nothing yellow two lines up: the caption is inside.
  EXPECT_FALSE(MaKolorW(obraz, nad_slupkiem.translated(0, -wysokosc_tekstu - 4),
                        cWykresSlupkiProcentowe::kTekstZewnetrzny));

  const QRect niski = wykres.ProstokatSlupka(1);
  const QRect nad_etykieta(niski.left(), niski.top() - 2 * wysokosc_tekstu - 4, niski.width(), wysokosc_tekstu);
  EXPECT_TRUE(MaKolorW(obraz, nad_etykieta, cWykresSlupkiProcentowe::kTekstZewnetrzny));
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
    QKeyEvent zdarzenie(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&wykres, &zdarzenie);
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
