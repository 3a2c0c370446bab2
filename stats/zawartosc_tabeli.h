// cZawartoscTabeli: what one table of the statistics window shows, as plain
// data: the columns (header text, width in pixels, a background colour for the
// whole column), and the data rows (each cell's text and text colour, a
// background colour for the whole row). A row colour lies over the column
// colours, which lie over the cells' own colour (232, 241, 255). The window
// copies this into its drawn table; the CSV export writes it.
//
// Callers must guarantee: every row has one cell per column.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "stats/kolor.h"

namespace olv {

class cCSV;

struct cKolumnaTabeli {
  std::string Naglowek;
  int Szerokosc = 100;
  std::optional<cKolor> Tlo;
  // The cells hold names: exported as NazwaDoArkusza gives them.
  bool Nazwy = false;
};

struct cKomorkaTabeli {
  std::string Tekst;
  // Red marks a broken rule; the "Suma" row may be green.
  cKolor KolorTekstu = kKolorTekstu;
};

struct cWierszTabeli {
  std::vector<cKomorkaTabeli> Komorki;
  std::optional<cKolor> Tlo;
};

class cZawartoscTabeli {
 public:
  int GetLiczbaKolumn() const { return static_cast<int>(Kolumny.size()); }
  int GetLiczbaWierszy() const { return static_cast<int>(Wiersze.size()); }
  // Out of range: "" and the default colours.
  const std::string& Tekst(int kolumna, int wiersz) const;
  cKolor KolorTekstu(int kolumna, int wiersz) const;
  // The row's colour, else the column's, else the cell's own.
  cKolor KolorTla(int kolumna, int wiersz) const;

  // Appends a column.
  void DodajKolumne(std::string naglowek, int szerokosc);
  // Appends a row of empty cells, one per column, and returns it.
  cWierszTabeli& DodajWiersz();

  std::vector<cKolumnaTabeli> Kolumny;
  std::vector<cWierszTabeli> Wiersze;
};

// Adds the table to csv as "do CSV" exports it: every data row's cells from
// the first column to the last (and one empty cell more when the drawn table
// has a filler column), each row finished, then one empty row finished, so
// every table row ends with one line end in the file. Cells of name columns
// are guarded against running as formulas.
void DodajTabeleDoCSV(const cZawartoscTabeli& tabela, bool z_kolumna_wypelnienia, cCSV& csv);
// Adds one row's cells to csv as every export writes them: the cells of name
// columns guarded against running as formulas, the others as they are. The
// row is not finished.
void DodajKomorkiWierszaDoCSV(const cZawartoscTabeli& tabela, const cWierszTabeli& wiersz, cCSV& csv);

}  // namespace olv
