// cTabela: a scrollable grid of text cells under a header row, drawn by the
// program itself. The widget is the image area the table draws on; its
// vertical scroll bar sits at its right edge, beside the image, and is shown
// only while the rows do not all fit. The window fills the grid and its header,
// then asks it to fill the remaining width and to redraw; a click marks the
// pressed row (the right button clears it), the pointer marks the pointed row,
// the wheel scrolls. Tab reaches it; the arrows, Page Up/Down, Home and End
// scroll it by a row, a page or to its ends.
//
// The cells are stored row after row in one list (index = row x columns +
// column). A new grid has one row and one column. Only the rows from the first
// visible one are drawn, so a long table scrolls as fast as a short one. Where
// rows, the scrolling range and the filler lie comes from cGeometriaTabeli.
//
// Callers must guarantee: a QApplication exists; row and column indexes passed
// to the grid operations are in range (out of range is ignored).
#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>
#include <string>
#include <vector>

#include "stats/geometria_tabeli.h"
#include "stats/kolor.h"
#include "stats/zawartosc_tabeli.h"

class QScrollBar;

namespace olv {

struct cKomorka {
  std::string Tekst;
  QColor Tlo{232, 241, 255};
  QColor KolorTekstu{0, 0, 0};
};

struct cKomorkaNaglowka {
  std::string Tekst;
  QColor Tlo{255, 255, 255};
  int Szerokosc = 100;
};

class cNaglowek {
 public:
  void Dodaj(std::string tekst, int szerokosc);
  // 100 for a column without a header cell.
  int SzerokoscKolumny(int kolumna) const;
  int Liczba() const { return static_cast<int>(mKomorki.size()); }
  cKomorkaNaglowka& operator[](int i) { return mKomorki[static_cast<size_t>(i)]; }
  const cKomorkaNaglowka& operator[](int i) const { return mKomorki[static_cast<size_t>(i)]; }
  void Wyczysc() { mKomorki.clear(); }
  void UsunOstatnia() { mKomorki.pop_back(); }

 private:
  std::vector<cKomorkaNaglowka> mKomorki;
};

class cTabela : public QWidget {
 public:
  static inline const QColor kKolorDomyslny{232, 241, 255};
  static inline const QColor kKolorWcisniety{177, 192, 207};
  static inline const QColor kKolorWskazany{225, 255, 239};
  static inline const QColor kKolorNaglowka{221, 221, 221};
  static inline const QColor kKolorLinii{0, 0, 0};

  explicit cTabela(QWidget* parent = nullptr);

  // The grid. Komorka is none (nullptr) outside the grid.
  cKomorka* Komorka(int kolumna, int wiersz);
  int LiczbaKolumn() const { return mKolumny; }
  int LiczbaWierszy() const;
  // One row, one column, one new cell; the header and the filler go too.
  void Resetuj();
  void DodajKolumne();
  // Replaces the grid and the header with a computed table: its columns with
  // their widths, every cell's text, text colour and background.
  void UstawZawartosc(const cZawartoscTabeli& zawartosc);

  cNaglowek& Naglowek() { return mNaglowek; }
  void UstawKolorWiersza(int wiersz, QColor kolor);
  void UstawKolorKolumny(int kolumna, QColor kolor);
  void UstawKolorNaglowka(QColor kolor);
  // When the image is wider than the header, an empty header cell and a column
  // of empty cells take up the rest; a filler added before is replaced. When
  // the image is resized later, the filler only takes the new rest (at least 0).
  void WypelnijSzerokosc();
  // Whether the last column is the filler of WypelnijSzerokosc.
  bool MaWypelnienie() const { return mWypelnienie; }

  // The scroll bar follows the rows and the image height; the position stays
  // within the new maximum.
  void AktualizujPasekPrzewijania();
  void Przerysuj();

  // The image the table draws on: the widget without the scroll bar's strip.
  int SzerokoscObrazu() const;
  int PozycjaPrzewijania() const { return mPrzewiniecie; }
  int MaksymalnePrzewiniecie() const;
  void UstawPrzewiniecie(int pozycja);
  // The data row under the image's y; -1 in the header row.
  int WierszPodPunktem(int y) const;
  int WcisnietyWiersz() const { return mWcisniety; }
  int WskazanyWiersz() const { return mWskazany; }
  QScrollBar* PasekPrzewijania() const { return mPasek; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void UsunWypelnienie();
  // The image width minus the columns other than the filler, with their lines.
  int PozostalaSzerokosc() const;
  void RysujKomorke(QPainter& painter, const QRect& prostokat, const QColor& tlo, const QColor& kolor_tekstu,
                    const std::string& tekst);

  int Krok() const { return mGeometria.WysokoscWiersza + mGeometria.GruboscLinii; }

  std::vector<cKomorka> mKomorki;
  int mKolumny = 1;
  cNaglowek mNaglowek;
  bool mWypelnienie = false;
  int mPrzewiniecie = 0;
  int mWcisniety = -1;
  int mWskazany = -1;
  cGeometriaTabeli mGeometria;
  QFont mCzcionka;
  QFont mCzcionkaNaglowka;
  QScrollBar* mPasek = nullptr;
};

}  // namespace olv
