// cWykresSlupkiProcentowe: a bar chart drawn by the program itself, each bar's
// height the share of the chart's maximum value that its value makes of the
// usable height. Each bar carries a value label written over it and a caption
// written inside it when it is tall enough, above the label otherwise. When
// the bars are wider together than the plot, a horizontal scroll bar appears
// in the strip at the bottom of the image and moves them sideways.
//
// The widget is the image area; the window clears the bars, adds them, sets
// the scale, the bar width and spacing and the title, then asks for a redraw.
//
// Callers must guarantee: a QApplication exists; the maximum value is above 0
// (a maximum of 0 or less draws no bars).
#pragma once

#include <QColor>
#include <QWidget>
#include <string>
#include <vector>

class QScrollBar;

namespace olv {

struct cSlupekWykresu {
  std::string Etykieta;  // the value label, over the bar
  std::string Podpis;    // the caption, inside or above the bar
  double Wartosc = 0;
  QColor Kolor;
};

class cWykresSlupkiProcentowe : public QWidget {
 public:
  struct cUstawienia {
    double Maksimum = 100.0;
    int SzerokoscSlupka = 50;
    int Odstep = 20;
    int Margines = 20;
    int WysokoscPaska = 16;
    // Guide lines, -1 for none: a horizontal line at this y, a vertical one at this x.
    int LiniaPozioma = -1;
    int LiniaPionowa = -1;
  };

  static inline const QColor kTlo{0, 0, 0};
  static inline const QColor kTekstWewnetrzny{0, 0, 0};
  static inline const QColor kLiniePomocnicze{128, 128, 128};
  static inline const QColor kRamka{255, 255, 255};
  static inline const QColor kTekstZewnetrzny{255, 255, 0};

  explicit cWykresSlupkiProcentowe(QWidget* parent = nullptr);

  void WyczyscSlupki() { mSlupki.clear(); }
  void DodajSlupek(cSlupekWykresu slupek) { mSlupki.push_back(std::move(slupek)); }
  const std::vector<cSlupekWykresu>& Slupki() const { return mSlupki; }
  void UstawMaksimum(double maksimum) { mUstawienia.Maksimum = maksimum; }
  void UstawSzerokoscIOdstep(int szerokosc, int odstep);
  // The bar width with which n bars fill the plot, in whole pixels.
  int SzerokoscDlaSlupkow(int n) const;
  void UstawTytul(std::string tytul) { mTytul = std::move(tytul); }
  void UstawLiniePomocnicze(int pozioma, int pionowa);
  const cUstawienia& Ustawienia() const { return mUstawienia; }

  // Enables the scroll bar (position 0) when the bars do not fit, hides it otherwise.
  void AktualizujPasekPrzewijania();
  void Rysuj() { update(); }
  QScrollBar* PasekPrzewijania() const { return mPasek; }

  // The bar's rectangle on the image (i from 0), scrolled as drawn.
  QRect ProstokatSlupka(int i) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void RysujSlupek(QPainter& painter, int i);

  cUstawienia mUstawienia;
  std::vector<cSlupekWykresu> mSlupki;
  std::string mTytul;
  QScrollBar* mPasek = nullptr;
};

}  // namespace olv
