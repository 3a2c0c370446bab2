// cWidokListyOdbic: a view of punches, a list of pointers into a cListaOdbic
// that one panel filters and sorts without touching the list.
//
// Callers must guarantee: the punch list the view was loaded from outlives the
// view's use and is not cleared meanwhile.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stats/lista_odbic.h"

namespace olv {

class cWidokListyOdbic {
 public:
  cWidokListyOdbic() = default;
  virtual ~cWidokListyOdbic() = default;
  cWidokListyOdbic(const cWidokListyOdbic&) = default;
  cWidokListyOdbic& operator=(const cWidokListyOdbic&) = default;

  // Clears the view, then takes every punch of lista in its order.
  virtual void Zaladuj(const cListaOdbic& lista);
  virtual void ZostawUzytkownika(int32_t id_uzytkownika);
  // Keeps the punches from od to do_ (both inclusive); a bound of 0 is no bound.
  virtual void OgraniczDoZakresu(double od, double do_);
  // None when the index is out of range.
  virtual const cOdbicie* GetOdbicie(int index) const;
  // Days newest first; within one calendar day, times oldest first.
  virtual void SortujDniOdNajnowszych();
  // Oldest first (by day, then by time).
  virtual void SortujOdNajstarszych();
  virtual int GetLiczbaOdbic() const;
  virtual void Wyczysc();
  // Replaces lines with the text form of every punch, in view order.
  virtual void WypiszTekstowo(std::vector<std::string>& lines) const;
  // cel becomes a copy of this view.
  virtual void Kopiuj(cWidokListyOdbic& cel) const;

  // Appends one punch (tests, and views built from other views).
  void Dodaj(const cOdbicie* odbicie) { mOdbicia.push_back(odbicie); }
  const std::vector<const cOdbicie*>& Odbicia() const { return mOdbicia; }

 private:
  std::vector<const cOdbicie*> mOdbicia;
};

}  // namespace olv
