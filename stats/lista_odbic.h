// cListaOdbic: the punch list, every punch of every device's event files. It
// owns its punches; views, days and periods point into it, so it must outlive
// them and must not be cleared while they are in use.
//
// Reading a file takes the device whose bus ID is the number of the file's
// folder (00000003 -> 3) and gives each punch that device's Unique and the
// direction of the reader whose name the line holds (reader 0 first, exact
// names; neither gives neutral). A file in the folder of a bus ID that no
// device has is skipped: its punches could name no device and no direction.
// A file that cannot be read is returned to the caller, who must tell the
// operator. Nothing is logged and nothing merges punches: a file present twice
// gives every punch twice.
//
// Callers must guarantee: one thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/dev_list.h"
#include "stats/nieodczytany_plik.h"
#include "stats/odbicie.h"

namespace olv {

class cListaOdbic {
 public:
  cListaOdbic() = default;
  virtual ~cListaOdbic() = default;
  cListaOdbic(const cListaOdbic&) = delete;
  cListaOdbic& operator=(const cListaOdbic&) = delete;

  virtual void WyczyscOdbicia();
  // Takes ownership; nullptr is ignored.
  virtual void DodajOdbicie(std::unique_ptr<cOdbicie> odbicie);
  // None when the index is negative or past the end.
  virtual const cOdbicie* GetOdbicie(int index) const;
  virtual int GetLiczbaOdbic() const;
  virtual void DodajPlik(const std::string& sciezka);
  // Reads every listed file in list order, then clears the list of files.
  // Returns the files that could not be read (a missing one too).
  [[nodiscard]] virtual std::vector<cNieodczytanyPlik> WczytajPliki(const cDevList& urzadzenia);
  virtual void WyczyscPliki();
  // Both sorts compare time stamps only and keep the order of equal ones.
  virtual void SortujOdNajnowszych();
  virtual void SortujOdNajstarszych();
  // Replaces lines with the text form of every punch, in list order.
  virtual void WypiszTekstowo(std::vector<std::string>& lines) const;

  // The files still to be read, in order.
  const std::vector<std::string>& Pliki() const { return mPliki; }

 private:
  // False when the file cannot be read; blad then holds the system's words.
  bool WczytajPlik(const std::string& sciezka, const cDevList& urzadzenia, std::string& blad);

  std::vector<std::unique_ptr<cOdbicie>> mOdbicia;
  std::vector<std::string> mPliki;
};

// The punches of all event files under program_folder: clears the list, adds
// every "*.csv" (any letter case) of the mirror folders of the devices' bus
// IDs 2 to 9 in rising ID order and by name within a folder, reads them and
// sorts the punches oldest first. Returns what could not be read: a folder
// that exists but cannot be listed (a device without a folder has no files
// yet), an entry that is no regular file, a file whose reading fails; by bus
// ID, then by file name. program_folder ends with "/".
[[nodiscard]] std::vector<cNieodczytanyPlik> WczytajOdbiciaZFolderuProgramu(
    const std::string& program_folder, const cDevList& urzadzenia, cListaOdbic& lista);

}  // namespace olv
