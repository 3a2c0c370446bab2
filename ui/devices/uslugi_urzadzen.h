// What the device windows (the device editor, the edit-device dialog and the
// found-devices window) need of the main window: its log, the program folder,
// the master device list and the driver, the please-wait and connection
// windows, the bus searches, the writing of a device's konfig.txt, the saving
// of data/devices.txt, the device overview and the help window. The main
// window implements it; the windows hold it, so they never depend on the main
// window itself.
//
// Callers must guarantee: the object outlives the windows that hold it; calls
// come from the user-interface thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "comm/sterownik_wpp.h"
#include "model/dev_list.h"
#include "model/wlasciwosci_polaczenia.h"

namespace olv {

class cUslugiUrzadzen {
 public:
  virtual ~cUslugiUrzadzen() = default;

  virtual void Log(const std::string& text) = 0;
  // Ends with "/".
  virtual const std::string& FolderProgramu() const = 0;
  // The local date-time now (written into konfig.txt).
  virtual double Teraz() = 0;
  virtual bool Debug() const = 0;
  virtual cDevList& GlownaListaUrzadzen() = 0;
  virtual cSterownikWPP& Sterownik() = 0;

  // The please-wait window. PokazProszeCzekac returns when it is closed;
  // PokazProszeCzekacPozniej shows it once the current event has returned,
  // unless ZamknijProszeCzekac came first.
  virtual void PokazProszeCzekac() = 0;
  // As PokazProszeCzekac, the window naming the device the driver sends to.
  virtual void PokazProszeCzekacPrzyWysylaniu() = 0;
  virtual void PokazProszeCzekacPozniej() = 0;
  virtual void ZamknijProszeCzekac() = 0;

  // Searches every serial port of the machine with the please-wait window
  // shown; po_wyszukaniu runs when the search has ended (and closes the
  // please-wait window).
  virtual void SzukajWszystkichUrzadzen(std::function<void()> po_wyszukaniu) = 0;
  // Searches the ports of lista's devices without a window of its own (the one
  // shown stays); po_sprawdzeniu runs when the search has ended.
  virtual void SprawdzUrzadzenia(const cDevList& lista, std::function<void()> po_sprawdzeniu) = 0;
  // Redraws the device overview from the last search.
  virtual void OdswiezUrzadzenia() = 0;
  // The connection dialog preset with obecne; an empty port when cancelled.
  virtual cWlasciwosciPolaczenia WybierzPolaczenie(const cWlasciwosciPolaczenia& obecne) = 0;
  // Writes konfig.txt for the device of lista with that Unique into its sent
  // folder; the path, or "" with the reason in error.
  virtual std::string ZapiszKonfigUrzadzenia(const cDevList& lista, int32_t unique,
                                             std::string* error) = 0;
  // Writes the master device list to data/devices.txt; false with the reason.
  virtual bool ZapiszUrzadzenia(std::string* error) = 0;
  // naglowek and, per device (named from nazwy when it is there), what failed.
  virtual std::string TekstNiepowodzen(const std::string& naglowek,
                                       const std::vector<cNieudaneZadanie>& niepowodzenia,
                                       const cDevList& nazwy) = 0;
  // The help window on a topic (eTematPomocy); returns when it is closed.
  virtual void PokazPomoc(int temat) = 0;
};

}  // namespace olv
