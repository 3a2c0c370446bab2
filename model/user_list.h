// cUserList: owns every user record and is the one place where users are added,
// found, edited and removed. Add and edit keep the invariants: no two users
// share an ID, a non-empty PIN or a non-zero card, and every user has a PIN or
// a card. Loading takes records as they come (no re-check).
//
// Every public operation logs its name first ("Userlist: ..."). Look-ups return
// nullptr for "none"; a returned record stays owned by the list and lives until
// it is removed or the list is cleared.
//
// Callers must guarantee: the clock outlives the list; one thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/logging.h"
#include "model/uzytkownik.h"

namespace olv {

class cUserList : public cLogujacy {
 public:
  // clock: the tick counter and the waits of GetNewUnique.
  explicit cUserList(cClock& clock);
  ~cUserList() override = default;
  cUserList(const cUserList&) = delete;
  cUserList& operator=(const cUserList&) = delete;

  void UstawFunkcjeLogujaca(LogFunction function) override;

  virtual int CountUsers() const;
  virtual cUzytkownik* GetUserByIndex(int index) const;
  // None for an empty PIN.
  virtual cUzytkownik* GetUserByPIN(const std::string& pin) const;
  // None for 0.
  virtual cUzytkownik* GetUserByID(int32_t id) const;
  // None for 0.
  virtual cUzytkownik* GetUserByKarta(uint64_t karta) const;
  // Hexadecimal text, "0x" optional; a text that is no number means 0 (none).
  virtual cUzytkownik* GetUserByKarta(const std::string& karta_hex) const;
  // None for 0.
  virtual cUzytkownik* GetUserByUnique(int32_t unique) const;
  // Unique as decimal text -> the name / the 4-digit ID; empty when not found.
  virtual std::string GetNazwaUzytkownikaZUnique(const std::string& unique) const;
  virtual std::string GetIDUzytkownikaZUnique(const std::string& unique) const;

  // Takes ownership; false (and nothing added) for nullptr.
  virtual bool DodajUzytkownika(std::unique_ptr<cUzytkownik> user);
  // Refused (false) for ID 0, for no PIN and no card, and on a conflict.
  // Otherwise a new record with a new Unique and default work times.
  virtual bool DodajUzytkownika(const std::string& nazwa, int32_t id, const std::string& pin,
                                const std::string& karta_hex);
  // As above; an ID text that is no number counts as 0.
  virtual bool DodajUzytkownika(const std::string& nazwa, const std::string& id,
                                const std::string& pin, const std::string& karta_hex);

  // 1: the ID is taken; 2: the non-empty PIN is taken; 3: the non-zero card is
  // taken; 0: no conflict. The Exclude form ignores the user with that Unique.
  virtual int SprawdzKonfliktZUzytkownikiemNaLiscie(int32_t id, const std::string& pin,
                                                    uint64_t karta) const;
  virtual int SprawdzKonfliktZUzytkownikiemNaLiscieExclude(int32_t id, const std::string& pin,
                                                           uint64_t karta, int32_t unique) const;
  // 0 valid; 1 ID not a number; 2 ID outside 1-9999; 3 PIN not a number;
  // 4 PIN shorter than 2 or longer than 7; 6 card text not upper-case
  // hexadecimal; 5 neither PIN nor card.
  virtual int SprawdzPoprawnoscDanych(const std::string& id, const std::string& pin,
                                      const std::string& karta_hex) const;
  // The tick counter, re-read after a 100 ms wait while a user holds it (or it
  // is 0, which means "none").
  virtual int32_t GetNewUnique();
  virtual int IndexOf(const cUzytkownik* user) const;
  // Calls fn for every user in list order; fn must not add or remove users.
  virtual void DlaKazdegoUzytkownika(const std::function<void(const cUzytkownik&)>& fn) const;

  virtual void UsunUzytkownika(const cUzytkownik* user);
  virtual void UsunUzytkownika(int index);
  virtual void UsunUzytkownikaPoID(int32_t id);
  virtual void UsunUzytkownikaPoKarcie(const std::string& karta_hex);
  virtual void UsunUzytkownikaPoPINie(const std::string& pin);
  virtual void UsunUzytkownikaPoUnique(int32_t unique);

  // Converts the texts and calls the typed form.
  virtual bool EdytujUzytkownika(int32_t unique, const std::string& nazwa, const std::string& id,
                                 const std::string& pin, const std::string& karta_hex);
  // False when no user has that Unique or another user holds the ID, PIN or
  // card. Sets name, ID, PIN and card; Unique and work times stay.
  virtual bool EdytujUzytkownika(int32_t unique, const std::string& nazwa, int32_t id,
                                 const std::string& pin, uint64_t karta);

  // Appends a readable dump of every user (diagnostics).
  virtual void WypiszTestowo(std::vector<std::string>& lines) const;
  // Replaces lines with the users' Unique values ordered by name (Polish
  // alphabet, letter case ignored).
  virtual void WpiszPosortowanaAlfabetycznieListeUniqueUzytkownikow(
      std::vector<std::string>& lines) const;
  // Replaces lines with one record line per user, in list order.
  virtual void ZapiszBazeDoPliku(std::vector<std::string>& lines) const;
  // Clears the list, then one new user per line, each line read into its own
  // record; an empty line is skipped.
  virtual void WczytajBazeZPliku(const std::vector<std::string>& lines);
  // other becomes a copy of this list, logging function included.
  virtual void CopySelfTo(cUserList& other) const;
  virtual bool RownaLiscie(const cUserList& other) const;
  virtual void Wyczysc();

 private:
  cUzytkownik* FindByUnique(int32_t unique) const;
  // The conflict code, not counting excluded (which may be nullptr).
  int Conflict(int32_t id, const std::string& pin, uint64_t karta,
               const cUzytkownik* excluded) const;
  void Remove(const cUzytkownik* user);

  cClock& mClock;
  std::vector<std::unique_ptr<cUzytkownik>> mUsers;
};

}  // namespace olv
