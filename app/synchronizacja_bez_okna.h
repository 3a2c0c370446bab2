// olv8-manager --sync: one synchronisation without a window and without the
// question, as a cron job or a systemd timer runs it. The flow is
// cSynchronizacja's, as in the window: the activity check, the file lists,
// every wanted file downloaded into the mirror, the last-synchronisation
// times saved. It writes the run's log as the window does, and ends with a
// short summary for the operator: the files and bytes fetched, then what the
// window would have told (devices that did not answer, files not fetched).
//
// Callers must guarantee: the clock is not running its loop; program_folder
// exists and ends with "/".
#pragma once

#include <memory>
#include <string>

#include "comm/serial_link.h"
#include "common/loop_clock.h"

namespace olv {

// The exit status of olv8-manager --sync.
enum class eWynikBezOkna {
  WszystkoPobrane = 0,
  NieWszystkoPobrane = 1,  // also when devices.txt had lines that could not be read
  NieRozpoczeta = 2,  // no data, a port that could not be searched, another program on the folder
};

struct cSynchronizacjaBezOkna {
  eWynikBezOkna Wynik = eWynikBezOkna::NieRozpoczeta;
  std::string Podsumowanie;  // Polish, lines ending with "\n"
};

// port: the serial link the driver talks through (TCOMSocket in the program).
cSynchronizacjaBezOkna SynchronizujBezOkna(cLoopClock& clock, std::unique_ptr<cSerialLink> port,
                                           const std::string& program_folder);

}  // namespace olv
