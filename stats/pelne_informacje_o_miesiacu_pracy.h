// cPelneInformacjeOMiesiacuPracy: one month's balance: the worked time summed
// over its day records (signed, whole values) against the user's planned time
// of the whole month (every working weekday, past or future).
//
// Callers must guarantee: nothing.
#pragma once

#include "model/uzytkownik.h"
#include "stats/lista_miesieczna.h"

namespace olv {

struct cPelneInformacjeOMiesiacuPracy {
  double Miesiac = 0;
  double Przepracowano = 0;
  double Wymagane = 0;

  // Required minus worked: above 0 is time missing, below 0 time worked over.
  double Roznica() const { return Wymagane - Przepracowano; }
};

cPelneInformacjeOMiesiacuPracy PodsumujMiesiac(const cListaPiodpowZMiesiaca& miesiac,
                                               const cUzytkownik& uzytkownik);

}  // namespace olv
