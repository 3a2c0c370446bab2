// cDevList: owns every device record. Registered devices answer to bus IDs 2-9
// (1 is a new device), at most one device per ID, so an installation has at
// most eight. Loading takes records as they come (no re-check).
//
// The operations with a log text log it first ("Devlist: ..."). Look-ups return
// nullptr for "none"; a returned record stays owned by the list and lives until
// it is removed or the list is cleared.
//
// Callers must guarantee: the clock outlives the list; one thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/logging.h"
#include "model/urzadzenie.h"

namespace olv {

class cDevList : public cLogujacy {
 public:
  // clock: the tick counter and the waits of GetNewUnique.
  explicit cDevList(cClock& clock);
  ~cDevList() override = default;
  cDevList(const cDevList&) = delete;
  cDevList& operator=(const cDevList&) = delete;

  void UstawFunkcjeLogujaca(LogFunction function) override;

  virtual int CountDevices() const;
  // -1 when the device is not in the list.
  virtual int IndexOf(const cUrzadzenie* device) const;
  virtual cUrzadzenie* GetDeviceByIndex(int index) const;
  // The first device whose current ID equals id (a pending NoweID does not
  // count); none for 0.
  virtual cUrzadzenie* GetDeviceByID(int32_t id) const;
  // None for 0.
  virtual cUrzadzenie* GetDeviceByUnique(int32_t unique) const;

  // Takes ownership; false for nullptr.
  virtual bool DodajUrzadzenie(std::unique_ptr<cUrzadzenie> device);
  // Refused (false) unless id is 1-9 and the name is not empty; no conflict
  // check (callers check first). The new record gets a new Unique.
  virtual bool DodajUrzadzenie(const std::string& nazwa, int32_t id, const cCzytnik& czytnik0,
                               const cCzytnik& czytnik1, bool przycisk,
                               const cWlasciwosciPolaczenia& polaczenie);
  // The tick counter, re-read after a 100 ms wait while a device holds it (or
  // it is 0, which means "none").
  virtual int32_t GetNewUnique();

  virtual void UsunUrzadzenie(const cUrzadzenie* device);
  virtual void UsunUrzadzenie(int index);
  virtual void UsunUrzadzeniePoID(int32_t id);
  virtual void UsunUrzadzeniePoUnique(int32_t unique);

  // other becomes a full copy of this list, logging function included.
  virtual void CopySelfTo(cDevList& other) const;
  virtual bool RownaLiscie(const cDevList& other) const;

  // Unique as decimal text -> the name / the ID text; empty when not found.
  virtual std::string GetNazwaUrzadzeniaZUnique(const std::string& unique) const;
  virtual std::string GetIDUrzadzeniaZUnique(const std::string& unique) const;

  // 0 valid; 1 name empty; 2 reader 0 name empty; 3 reader 1 name empty;
  // 4 ID text not digits only; 5 ID (empty = 0) outside 1-9; 6 ID 1 (kept for
  // new devices). Only the names and the ID are examined.
  virtual int SprawdzPoprawnoscDanych(const std::string& nazwa, const std::string& id,
                                      const cCzytnik& czytnik0, const cCzytnik& czytnik1,
                                      bool przycisk,
                                      const cWlasciwosciPolaczenia& polaczenie) const;
  // 1 when a device has that current ID, else 0. The Exclude form ignores the
  // device with that Unique.
  virtual int SprawdzKonfliktZUzytkownikiemNaLiscie(int32_t id) const;
  virtual int SprawdzKonfliktZUzytkownikiemNaLiscieExclude(int32_t id, int32_t unique) const;
  // False when no device has that Unique or another device has new_id as its
  // current ID. Sets name, readers, button and connection; new_id goes to
  // NoweID and ID stays until the device has been sent its configuration.
  virtual bool EdytujUzytkownika(int32_t unique, const std::string& nazwa, int32_t new_id,
                                 const cCzytnik& czytnik0, const cCzytnik& czytnik1,
                                 bool przycisk, const cWlasciwosciPolaczenia& polaczenie);
  // The distinct port names of all devices, sorted ignoring case, in the record
  // line encoding.
  virtual std::string GetUzywanePorty() const;

  // Appends a readable dump of every device (diagnostics).
  virtual void WypiszTestowo(std::vector<std::string>& lines) const;
  // Replaces lines with the devices' Unique values ordered by name (Polish
  // alphabet, letter case ignored).
  virtual void WpiszPosortowanaAlfabetycznieListeUniqueUrzadzen(
      std::vector<std::string>& lines) const;
  // Replaces lines with one record line per device, in list order.
  virtual void ZapiszBazeDoPliku(std::vector<std::string>& lines) const;
  // Clears the list, then one new device per line, each line read into its own
  // record; an empty line is skipped.
  virtual void WczytajBazeZPliku(const std::vector<std::string>& lines);
  virtual void Wyczysc();

 private:
  cUrzadzenie* FindByUnique(int32_t unique) const;
  cUrzadzenie* FindByID(int32_t id) const;
  void Remove(const cUrzadzenie* device);

  cClock& mClock;
  std::vector<std::unique_ptr<cUrzadzenie>> mDevices;
};

}  // namespace olv
