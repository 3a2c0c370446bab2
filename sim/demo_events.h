// Weeks of event files as the demo's devices would hold them: on every working
// day each user, unless away (a week's holiday now and then, a sick day),
// comes in at their route's entry reader around the start of their working
// hours, passes the doors inside, sometimes goes out for lunch and back, and
// leaves at the exit reader somewhat after the end of work; now and then a
// card or PIN is refused ("0000"), a card is presented twice, or a user who
// forgot the card tries an unknown one and then types the PIN. Weekends and
// public holidays stay empty. Each person keeps a habit (early or on the dot,
// leaving at once or staying on), so the statistics show differences.
//
// The lines are those a device writes (sim/event_line.h), with the reader
// names of the device list, so the manager finds each reader's direction.
// Nothing after now is written; the same seed gives the same files.
//
// Callers must guarantee: the routes name devices of the list and users of
// the user list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/dev_list.h"
#include "model/user_list.h"
#include "sim/demo_installation.h"

namespace olv {

struct sDemoEventFile {
  int bus_id = 0;
  // YYYYMMDD.CSV
  std::string name;
  // CP1250 lines, CR LF, oldest first.
  std::string bytes;
};

// The files of the days days ending with the day of now (days since
// 1899-12-30), by day, then by bus ID; a device with no event on a day has no
// file for it. Empty, with the reason in error, when a reader name does not
// fit CP1250.
std::optional<std::vector<sDemoEventFile>> MakeDemoEventFiles(
    const std::vector<sDemoRoute>& routes, const cUserList& users, const cDevList& devices,
    double now, int days, uint32_t seed, std::string* error = nullptr);

}  // namespace olv
