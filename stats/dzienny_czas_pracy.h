// cDziennyCzasPracy: one work day of one user: the date and that day's punches,
// oldest first. The day does not own its punches (the punch list does);
// removing one only drops the pointer.
//
// Callers must guarantee: the punches outlive the day.
#pragma once

#include <vector>

#include "stats/odbicie.h"

namespace olv {

class cDziennyCzasPracy {
 public:
  explicit cDziennyCzasPracy(double data) : Data(data) {}
  virtual ~cDziennyCzasPracy() = default;
  cDziennyCzasPracy(const cDziennyCzasPracy&) = default;
  cDziennyCzasPracy& operator=(const cDziennyCzasPracy&) = default;

  // The entry/exit clean-up, in this order: drops neutral punches; collapses
  // a run of entries to its first and a run of exits to its last, so the
  // directions alternate; drops a leading exit, then a trailing entry.
  virtual void UsunNeutralne();
  virtual void ScalPowtorzoneKierunki();
  virtual void PrzytnijKonce();
  // Sum of (entry time - exit time) over each exit directly followed by an
  // entry.
  virtual double SumaPrzerw() const;

  // 00:00 of the day.
  double Data;
  std::vector<const cOdbicie*> Odbicia;
};

}  // namespace olv
