// cWykresSlupkiProcentowe: a bar chart drawn by the program itself, each bar's
// height the share of the chart's maximum value that its value makes of the
// usable height. Each bar carries a value label written over it and a caption
// written inside it when it is tall enough, above the label otherwise. When
// the bars are wider together than the plot, a horizontal scroll bar appears
// in the strip at the bottom of the image and moves them sideways; Tab reaches
// the chart, and the arrows, Page Up/Down, Home and End move the bars by a
// bar, a plot's width or to the ends. A caption wider than its bar's place is written in a
// smaller font. Where the
// bars stand comes from stats/geometria_wykresu.h.
//
// The widget is the image area; the window gives it a computed chart (title,
// bars, scale, bar width and spacing), which resets the scroll position.
//
// Callers must guarantee: a QApplication exists; the maximum value is above 0
// (a maximum of 0 or less draws no bars).
#pragma once

#include <QColor>
#include <QWidget>
#include <string>
#include <vector>

#include "stats/geometria_wykresu.h"
#include "stats/wykresy_sredniego_czasu.h"

class QScrollBar;

namespace olv {

class cWykresSlupkiProcentowe : public QWidget {
 public:
  using cSlupek = cWykresSlupkiProcentowe_Metadane::cJednaDana<double>;

  static inline const QColor kTlo{0, 0, 0};
  static inline const QColor kTekstWewnetrzny{0, 0, 0};
  static inline const QColor kLiniePomocnicze{128, 128, 128};
  static inline const QColor kRamka{255, 255, 255};
  static inline const QColor kTekstZewnetrzny{255, 255, 0};

  explicit cWykresSlupkiProcentowe(QWidget* parent = nullptr);

  void WyczyscSlupki() { mSlupki.clear(); }
  void DodajSlupek(cSlupek slupek) { mSlupki.push_back(std::move(slupek)); }
  const std::vector<cSlupek>& Slupki() const { return mSlupki; }
  void UstawMaksimum(double maksimum) { mInfo.Maksimum = maksimum; }
  void UstawSzerokoscIOdstep(int szerokosc, int odstep);
  // The bar width with which n bars fill the plot, in whole pixels.
  int SzerokoscDlaSlupkow(int n) const;
  void UstawTytul(std::string tytul) { mTytul = std::move(tytul); }
  void UstawLiniePomocnicze(int pozioma, int pionowa);
  const cInfoWykresu& Info() const { return mInfo; }
  // Takes a computed chart whole: title, bars, maximum, bar width (fitted to
  // the image when the chart asks) and spacing; then the scroll bar follows.
  void UstawZawartosc(const cZawartoscWykresu& zawartosc);

  // Enables the scroll bar (position 0) when the bars do not fit, hides it otherwise.
  void AktualizujPasekPrzewijania();
  void Rysuj() { update(); }
  QScrollBar* PasekPrzewijania() const { return mPasek; }

  // The bar's rectangle on the image (i from 0), scrolled as drawn.
  QRect ProstokatSlupka(int i) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void RysujSlupek(QPainter& painter, int i);

  cInfoWykresu mInfo;
  std::vector<cSlupek> mSlupki;
  std::string mTytul;
  // The fitting width is kept while the image is resized.
  bool mDopasujSzerokosc = false;
  QScrollBar* mPasek = nullptr;
};

}  // namespace olv
