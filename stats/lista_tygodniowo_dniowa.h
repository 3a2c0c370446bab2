// cListaTygodniowoDniowa: day records grouped by day of the week, seven lists
// for day numbers 1 (Sunday) to 7 (Saturday), each keeping the records' order;
// a weekday without records keeps its empty list.
//
// Callers must guarantee: the records given to Zbuduj outlive the groups.
#pragma once

#include <array>
#include <vector>

#include "stats/pelne_informacje_o_dniu_pracy.h"

namespace olv {

class cListaTygodniowoDniowa {
 public:
  virtual ~cListaTygodniowoDniowa() = default;
  // Replaces the groups.
  virtual void Zbuduj(const std::vector<cPelneInformacjeODniuPracy>& dni);

  // Index 0 is Sunday.
  std::array<std::vector<const cPelneInformacjeODniuPracy*>, 7> DniTygodnia;
};

}  // namespace olv
