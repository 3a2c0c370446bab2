// cListaDostepow: the users a device admits, as an ordered list of texts, each
// the decimal Unique of a user. Stored in data/devices.txt as the entries joined
// by "#". Entries are kept as read, so a damaged entry survives a load and save.
//
// Callers must guarantee: nothing: any stored text reads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace olv {

class cListaDostepow {
 public:
  cListaDostepow() = default;
  virtual ~cListaDostepow() = default;
  cListaDostepow(const cListaDostepow&) = default;
  cListaDostepow& operator=(const cListaDostepow&) = default;

  virtual int Count() const;
  // The entries joined by "#"; empty for an empty list.
  virtual std::string ToString() const;
  // Clears, then one entry per "#"-separated piece as it stands: "5##7" gives
  // three entries (the middle one empty); a trailing "#" adds nothing.
  virtual void FromString(std::string_view text);
  // Appends the Unique unless it is already listed.
  virtual void Dodaj(int32_t unique);
  // Removes every entry equal to the Unique.
  virtual void Usun(int32_t unique);
  virtual bool Zawiera(int32_t unique) const;
  // Removes the entry at index; nothing outside the list.
  virtual void UsunWpis(int index);
  // The entry at index; empty outside the list.
  virtual std::string GetWpis(int index) const;
  virtual void Wyczysc();
  virtual void CopyTo(cListaDostepow& other) const;

  // The same entries, in any order: the order carries no meaning for a device.
  bool operator==(const cListaDostepow& other) const;

 private:
  std::vector<std::string> mWpisy;
};

}  // namespace olv
