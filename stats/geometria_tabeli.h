// The arithmetic of a drawn table (rows of cells under a header row of the same
// height, one grid line between cells and rows): the scrolling range, the row
// under a point, the first row worth drawing, and the filler column that
// fills the image's width. The window draws; these say where.
//
// Callers must guarantee: sizes are in pixels, not negative.
#pragma once

#include <vector>

namespace olv {

struct cGeometriaTabeli {
  int WysokoscWiersza = 20;
  int GruboscLinii = 1;

  // (row height + line) x rows - visible height when the rows do not all fit;
  // else 0.
  int MaksymalnePrzewiniecie(int wiersze, int widoczna_wysokosc) const;
  // The data row under y (the header row is never one); may be negative or
  // past the last row, which the caller treats as none.
  int WierszPodPunktem(int przewiniecie, int y) const;
  int PierwszyWidocznyWiersz(int przewiniecie) const;
  // The width a filler column must have so the columns fill the image: image
  // width minus the widths plus one line each, or 0 when under 1 pixel.
  int SzerokoscWypelnienia(const std::vector<int>& szerokosci, int szerokosc_obrazu) const;
};

}  // namespace olv
