// cListaMiesieczna: day records grouped by calendar month, months in the order
// their records come (a new group whenever the month changes).
//
// Callers must guarantee: the records given to Zbuduj outlive the groups (the
// groups point into them).
#pragma once

#include <vector>

#include "stats/pelne_informacje_o_dniu_pracy.h"

namespace olv {

struct cListaPiodpowZMiesiaca {
  // 00:00 of the month's first day.
  double Miesiac = 0;
  std::vector<const cPelneInformacjeODniuPracy*> Dni;
};

class cListaMiesieczna {
 public:
  virtual ~cListaMiesieczna() = default;
  // Replaces the groups.
  virtual void Zbuduj(const std::vector<cPelneInformacjeODniuPracy>& dni);

  std::vector<cListaPiodpowZMiesiaca> Miesiace;
};

}  // namespace olv
