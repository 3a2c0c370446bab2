// Makes a program folder for the demo (with the folders above it when
// missing): data/users.txt and data/devices.txt of the demo installation
// (sim/demo_installation.h), the devices registered on one port, and, when a
// card folder is given, an SD card per device as olv8-sim --cards reads them
// (subfolder 0000000N): KONFOUT.TXT stating the device's name, readers and
// bus ID, USERS.txt with the users it admits (as if the manager had sent it),
// and weeks of event files (sim/demo_events.h); and the card of one
// factory-fresh device at ID 1 that is not registered, for trying registration.
//
// Data files already in the folder are kept unless overwriting is asked for,
// so a real installation is never replaced by mistake.
//
// Callers must guarantee: the clock's Now is the local date-time; settings.bus_ids
// are distinct, 2 to 9, one to eight of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"

namespace olv {

struct sDemoHomeSettings {
  // The program folder (OLV8_HOME).
  std::string home;
  // The port the devices are registered on.
  std::string port;
  std::vector<int> bus_ids{2, 3, 4};
  // Where the cards go; empty: no cards (real devices on the port).
  std::string cards;
  int weeks = 6;
  uint32_t seed = 1;
  bool overwrite = false;
};

struct sDemoHomeSummary {
  int users = 0;
  int devices = 0;
  int event_files = 0;
  int events = 0;
};

// Empty, with the reason in error, when a folder or file cannot be made, or
// when a data file exists and overwriting was not asked for. The clock gives
// the records their Unique identities and "today" (its Now).
std::optional<sDemoHomeSummary> WriteDemoHome(const sDemoHomeSettings& settings, cClock& clock,
                                              std::string* error = nullptr);

}  // namespace olv
