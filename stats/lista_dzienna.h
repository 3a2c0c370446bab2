// cListaDzienna: one user's punches cut into work days. A day exists only
// when it has a punch; days come in the order their punches come.
//
// Callers must guarantee: the punches of each calendar day are next to each
// other and oldest first within the day (a view sorted oldest first, or with
// days newest first); the punches outlive the days.
#pragma once

#include <memory>
#include <vector>

#include "stats/dzienny_czas_pracy.h"
#include "stats/widok_listy_odbic.h"

namespace olv {

class cListaDzienna {
 public:
  cListaDzienna() = default;
  virtual ~cListaDzienna() = default;
  cListaDzienna(const cListaDzienna&) = delete;
  cListaDzienna& operator=(const cListaDzienna&) = delete;

  // Replaces the days with those of the view's punches, in view order.
  virtual void Zbuduj(const cWidokListyOdbic& odbicia);

  int GetLiczbaDni() const { return static_cast<int>(mDni.size()); }
  // None when the index is out of range.
  cDziennyCzasPracy* GetDzien(int index) const;

 private:
  std::vector<std::unique_ptr<cDziennyCzasPracy>> mDni;
};

}  // namespace olv
