// The installation the demo shows: a small firm of a dozen people with their
// cards, PINs and working hours, and its doors, one device per given bus ID:
// the main entrance (an entry and an exit reader), the warehouse (its own
// entry and exit), the office (two neutral readers), then further doors with
// neutral readers. Everybody may pass the main entrance and the further doors;
// the warehouse admits its crew and the manager, the office its staff and the
// manager. Each person gets a route: where they come in and go out, and which
// doors inside they pass during the day. With fewer devices the routes fall
// back on the main entrance.
//
// Callers must guarantee: both lists are empty; the bus IDs are distinct,
// 2 to 9, at most eight of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/clock.h"
#include "model/dev_list.h"
#include "model/user_list.h"

namespace olv {

// One reader: the device's bus ID and its port, 0 or 1.
struct sDemoReader {
  int bus_id = 0;
  int port = 0;
  bool operator==(const sDemoReader&) const = default;
};

// How one user moves through the doors on a working day.
struct sDemoRoute {
  int32_t user_id = 0;
  sDemoReader arrival;
  sDemoReader departure;
  // The way out for lunch and back in: the main entrance.
  sDemoReader lunch_out;
  sDemoReader lunch_in;
  // Neutral readers passed during the day, the usual one first.
  std::vector<sDemoReader> inside;
};

inline constexpr int kDemoUserCount = 12;

// Adds the people to users and one device per bus ID, on port, to devices,
// and returns the route of every user in user-list order. Every new record
// gets its Unique from its list; the clock sleeps 1 ms after each, so no user
// and no device share one.
std::vector<sDemoRoute> BuildDemoInstallation(cUserList& users, cDevList& devices,
                                              const std::string& port,
                                              const std::vector<int>& bus_ids, cClock& clock);

}  // namespace olv
