// cListaTygodniowa: day records grouped by week, weeks in the order their
// records come. A week is a block of seven days counted from 1 January of the
// date's own year (1-7 January is week 0; the last one or two days of a year
// form a short week 52), so weeks do not start on a fixed weekday and two
// dates share a week only when year and week number both agree.
//
// Callers must guarantee: the records given to Zbuduj outlive the groups.
#pragma once

#include <vector>

#include "stats/pelne_informacje_o_dniu_pracy.h"

namespace olv {

struct cListaPiodpowZTygodnia {
  // 00:00 of the group's first record.
  double Data = 0;
  std::vector<const cPelneInformacjeODniuPracy*> Dni;
};

class cListaTygodniowa {
 public:
  virtual ~cListaTygodniowa() = default;
  // Replaces the groups.
  virtual void Zbuduj(const std::vector<cPelneInformacjeODniuPracy>& dni);

  std::vector<cListaPiodpowZTygodnia> Tygodnie;
};

}  // namespace olv
