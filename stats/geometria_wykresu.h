// The arithmetic of a drawn percentage bar chart: where each bar stands and how
// high, the bar width that fits n bars, and the horizontal scrolling range.
// The window draws; these say where.
//
// Callers must guarantee: sizes in pixels; maksimum above 0.
#pragma once

#include "stats/wykres_metadane.h"

namespace olv {

struct cProstokatSlupka {
  int Lewo = 0;
  int Gora = 0;
  int Szerokosc = 0;
  // Not limited to the usable height; negative for a negative value.
  int Wysokosc = 0;
};

using cInfoWykresu = cWykresSlupkiProcentowe_Metadane::cInfo<double>;

// (image width - 2 x margin - (n + 1) x space) / n in whole pixels; 0 for no
// bars.
int SzerokoscSlupkaDlaLiczby(const cInfoWykresu& info, int szerokosc_obrazu, int liczba_slupkow);
// Bar i (from 0) of value, shifted left by przewiniecie.
cProstokatSlupka ProstokatSlupka(const cInfoWykresu& info, int wysokosc_obrazu, int indeks,
                                 double wartosc, int przewiniecie);
// The scroll bar's maximum: total bar width beyond the width inside the
// margins, or 0 when all bars fit (the scroll bar is then disabled).
int MaksymalnePrzewiniecieWykresu(const cInfoWykresu& info, int szerokosc_obrazu,
                                  int liczba_slupkow);

}  // namespace olv
