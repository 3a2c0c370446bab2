// The table: the filler, the pressed and pointed rows, scrolling;
// and the bar chart.
#include "ui/stats/tabela.h"
#include "ui/stats/wykres_slupki_procentowe.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

constexpr int kKrok = 21;

QImage Obraz(cTabela& tabela) { return tabela.grab().toImage(); }

// A table of rows x two columns (widths 100, 80) on a 400 x height image.
void Wypelnij(cTabela& tabela, int wiersze, int wysokosc) {
  cZawartoscTabeli zawartosc;
  zawartosc.DodajKolumne("Data", 100);
  zawartosc.DodajKolumne("Czas", 80);
  for (int w = 0; w < wiersze; ++w) zawartosc.DodajWiersz().Komorki[0].Tekst = std::to_string(w);
  tabela.UstawZawartosc(zawartosc);
  tabela.resize(400 + tabela.PasekPrzewijania()->sizeHint().width(), wysokosc);
  tabela.WypelnijSzerokosc();
  tabela.AktualizujPasekPrzewijania();
}

void Mysz(cTabela& tabela, QEvent::Type typ, Qt::MouseButton przycisk, int y) {
  QMouseEvent zdarzenie(typ, QPointF(50, y), QPointF(50, y), przycisk,
                        typ == QEvent::MouseMove ? Qt::NoButton : przycisk, Qt::NoModifier);
  QApplication::sendEvent(&tabela, &zdarzenie);
}

TEST(Tabela, TheFillerTakesTheRestAndRowColoursCoverIt) {
  cTabela tabela;
  Wypelnij(tabela, 3, 200);
  tabela.UstawKolorKolumny(1, QColor(235, 251, 139));
  tabela.UstawKolorWiersza(1, QColor(255, 217, 167));
  // 400 - (100 + 1) - (80 + 1) pixels remain.
  ASSERT_TRUE(tabela.MaWypelnienie());
  EXPECT_EQ(tabela.Naglowek()[2].Szerokosc, 218);

  const QImage obraz = Obraz(tabela);
  EXPECT_EQ(obraz.pixelColor(103, 2 * kKrok + 2), QColor(255, 217, 167));  // row 1 over the column
  EXPECT_EQ(obraz.pixelColor(300, 2 * kKrok + 2), QColor(255, 217, 167));  // the filler too

  // A header wider than the image leaves no filler; a second fill replaces the first.
  tabela.Resetuj();
  tabela.Naglowek().Dodaj("Data", 250);
  tabela.DodajKolumne();
  tabela.Naglowek().Dodaj("Urządzenie", 250);
  tabela.WypelnijSzerokosc();
  EXPECT_FALSE(tabela.MaWypelnienie());
  EXPECT_EQ(tabela.LiczbaKolumn(), 2);
}

TEST(Tabela, ALongTableTakesClicksScrollsAndDrawsItsLastRowAtTheBottom) {
  cTabela tabela;
  Wypelnij(tabela, 2000, 201);
  tabela.show();
  ASSERT_TRUE(tabela.PasekPrzewijania()->isVisible());
  const int maksimum = 2000 * kKrok - (201 - kKrok);
  EXPECT_EQ(tabela.PasekPrzewijania()->maximum(), maksimum);
  // A click marks the pressed row, the right button clears it; the header is no row.
  Mysz(tabela, QEvent::MouseButtonPress, Qt::LeftButton, 2 * kKrok + 5);
  EXPECT_EQ(tabela.WcisnietyWiersz(), 1);
  Mysz(tabela, QEvent::MouseMove, Qt::NoButton, 3 * kKrok + 5);
  EXPECT_EQ(tabela.WskazanyWiersz(), 2);
  // Neither the header nor a mouse gone from the table points at a row.
  QEvent wyjscie(QEvent::Leave);
  QApplication::sendEvent(&tabela, &wyjscie);
  EXPECT_EQ(tabela.WskazanyWiersz(), -1);
  Mysz(tabela, QEvent::MouseMove, Qt::NoButton, 3 * kKrok + 5);
  Mysz(tabela, QEvent::MouseMove, Qt::NoButton, 10);
  EXPECT_EQ(tabela.WskazanyWiersz(), -1);
  Mysz(tabela, QEvent::MouseButtonPress, Qt::RightButton, 3 * kKrok + 5);
  EXPECT_EQ(tabela.WcisnietyWiersz(), -1);

  QWheelEvent w_dol(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&tabela, &w_dol);
  EXPECT_EQ(tabela.PozycjaPrzewijania(), 3 * kKrok);
  EXPECT_EQ(tabela.WierszPodPunktem(kKrok), 3);

  // Tab reaches it and the keys scroll it: a row, a page, the ends.
  EXPECT_TRUE(tabela.focusPolicy() & Qt::TabFocus);
  const auto klawisz = [&](Qt::Key key) {
    QTest::keyClick(&tabela, key);
    return tabela.PozycjaPrzewijania();
  };
  EXPECT_EQ(klawisz(Qt::Key_Down), 4 * kKrok);
  EXPECT_EQ(klawisz(Qt::Key_Up), 3 * kKrok);
  EXPECT_GT(klawisz(Qt::Key_PageDown), 3 * kKrok + 100);
  EXPECT_EQ(klawisz(Qt::Key_End), maksimum);
  EXPECT_EQ(klawisz(Qt::Key_Home), 0);

  tabela.PasekPrzewijania()->setValue(maksimum + 500);
  EXPECT_EQ(tabela.PozycjaPrzewijania(), maksimum);
  tabela.UstawKolorWiersza(1999, QColor(255, 255, 221));
  const QImage obraz = Obraz(tabela);
  // The last row ends on the frame at the image's bottom edge.
  EXPECT_EQ(obraz.pixelColor(5, 180), QColor(255, 255, 221));
  EXPECT_EQ(obraz.pixelColor(5, 199), QColor(255, 255, 221));
  EXPECT_EQ(obraz.pixelColor(5, 200), cTabela::kKolorLinii);
  EXPECT_EQ(tabela.WierszPodPunktem(200), 1999);

  // Fewer rows: the position falls back within the new maximum.
  Wypelnij(tabela, 4, 201);
  EXPECT_EQ(tabela.PozycjaPrzewijania(), 0);
  EXPECT_FALSE(tabela.PasekPrzewijania()->isVisible());
}

// The bar chart as drawn, where its bars stand being computed in the
// statistics: the scroll bar in the strip, its keys, a bar cut at the margin.
const QColor kZielony(175, 255, 175);
const cKolor kZielonyBarwa{175, 255, 175};

TEST(WykresSlupkiProcentowe, BarsWiderThanThePlotScrollInTheStrip) {
  cWykresSlupkiProcentowe wykres;
  wykres.resize(400, 300);
  wykres.show();
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
