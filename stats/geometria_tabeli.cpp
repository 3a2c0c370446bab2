#include "stats/geometria_tabeli.h"

namespace olv {

int cGeometriaTabeli::MaksymalnePrzewiniecie(int wiersze, int widoczna_wysokosc) const {
  const int wysokosc = (WysokoscWiersza + GruboscLinii) * wiersze;
  return wysokosc > widoczna_wysokosc ? wysokosc - widoczna_wysokosc : 0;
}

int cGeometriaTabeli::WierszPodPunktem(int przewiniecie, int y) const {
  const int od_naglowka = przewiniecie + y - WysokoscWiersza - GruboscLinii;
  const int krok = WysokoscWiersza + GruboscLinii;
  // Rounded down, so the header row (a negative offset) is never row 0.
  return od_naglowka >= 0 ? od_naglowka / krok : (od_naglowka - krok + 1) / krok;
}

int cGeometriaTabeli::PierwszyWidocznyWiersz(int przewiniecie) const {
  return przewiniecie / (WysokoscWiersza + GruboscLinii);
}

int cGeometriaTabeli::SzerokoscWypelnienia(const std::vector<int>& szerokosci,
                                           int szerokosc_obrazu) const {
  int suma = 0;
  for (int szerokosc : szerokosci) suma += szerokosc + GruboscLinii;
  return szerokosc_obrazu - suma >= 1 ? szerokosc_obrazu - suma : 0;
}

}  // namespace olv
