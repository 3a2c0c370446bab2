#include "stats/geometria_wykresu.h"

namespace olv {

int SzerokoscSlupkaDlaLiczby(const cInfoWykresu& info, int szerokosc_obrazu, int liczba_slupkow) {
  if (liczba_slupkow <= 0) return 0;
  return (szerokosc_obrazu - 2 * info.Margines -
          (liczba_slupkow + 1) * info.OdstepMiedzySlupkami) /
         liczba_slupkow;
}

cProstokatSlupka ProstokatSlupka(const cInfoWykresu& info, int wysokosc_obrazu, int indeks,
                                 double wartosc, int przewiniecie) {
  const int uzyteczna = wysokosc_obrazu - 2 * info.Margines - info.WysokoscPaskaPrzewijania;
  cProstokatSlupka slupek;
  slupek.Wysokosc = static_cast<int>(uzyteczna * wartosc / info.Maksimum);
  slupek.Szerokosc = info.SzerokoscSlupka;
  slupek.Lewo = info.Margines + info.OdstepMiedzySlupkami +
                (info.OdstepMiedzySlupkami + info.SzerokoscSlupka) * indeks - przewiniecie;
  slupek.Gora =
      wysokosc_obrazu - info.Margines - info.WysokoscPaskaPrzewijania - slupek.Wysokosc;
  return slupek;
}

int MaksymalnePrzewiniecieWykresu(const cInfoWykresu& info, int szerokosc_obrazu,
                                  int liczba_slupkow) {
  const int calkowita = (info.SzerokoscSlupka + info.OdstepMiedzySlupkami) * liczba_slupkow +
                        info.OdstepMiedzySlupkami;
  const int dostepna = szerokosc_obrazu - 2 * info.Margines;
  return calkowita > dostepna ? calkowita - dostepna : 0;
}

}  // namespace olv
