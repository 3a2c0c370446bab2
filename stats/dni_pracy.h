// The day records of a view of one user's punches: the view cut into days
// (cListaDzienna) and each day computed once (cPelneInformacjeODniuPracy), in
// the view's day order. Every panel starts from this.
//
// Callers must guarantee: the view is ordered as cListaDzienna needs.
#pragma once

#include <vector>

#include "model/czasy_uzytkownika.h"
#include "stats/pelne_informacje_o_dniu_pracy.h"
#include "stats/tryb_zliczania.h"
#include "stats/widok_listy_odbic.h"

namespace olv {

std::vector<cPelneInformacjeODniuPracy> ObliczDniPracy(const cWidokListyOdbic& odbicia,
                                                       const cCzasyUzytkownika& czasy,
                                                       eTrybZliczania tryb);

}  // namespace olv
