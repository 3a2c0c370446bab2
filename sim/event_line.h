// The event files a simulated device keeps on its card: one file a day,
// YYYYMMDD.CSV, one line per event (a card or PIN presented at a reader):
//   "0012, 2024-05-07, 08:01:33,  p, 0,"wejście"" + CR LF
// with the user ID in characters 1-4 ("0000" when nobody was recognised),
// the date in 7-16, the time in 19-26, the marker in 30 ("p" when the user
// came by PIN, a space for a card), and last the reader's number and its
// name, the name enclosed in double quotes.
//
// Callers must guarantee: the reader name is code-page-1250 bytes.
#pragma once

#include <string>

#include "common/dates.h"

namespace olv {

struct sDeviceEvent {
  int user_id = 0;
  cDateTimeFields when;
  int reader = 0;
  bool by_pin = false;
  std::string reader_name;
};

std::string FormatEventLine(const sDeviceEvent& event);
std::string EventFileName(const cDateTimeFields& when);

}  // namespace olv
