// A simulated device's own configuration: its name, the labels of its two
// reader ports, button mode and bus ID, as KONFOUT.TXT states them. It is read
// from and written to that file, and changed by an uploaded konfig.txt or
// factory configuration file (lines key=value; DeviceID, port0, port1, button
// and RSID are known, and the clock lines "data:Y.M.D" and "time:H.M.S";
// everything else is ignored; the last line of a key wins).
// Texts are kept as the code-page-1250 bytes the card holds.
//
// Callers must guarantee nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"

namespace olv {

class cDeviceConfig {
 public:
  // What a new device holds: "Rejestrator OLV", "wejście", "wyjście", button
  // off, and the given bus ID.
  static cDeviceConfig Factory(int bus_id);

  // Takes every known key from the text. A value that cannot stand (a button
  // other than "on"/"off", an RSID that is not one digit 1-9, a date or time
  // that does not exist) leaves the old value and is described in problems.
  // The clock lines are not kept: clock_date and clock_time say what this
  // text set, empty when it set nothing.
  void Apply(std::string_view text, std::vector<std::string>* problems = nullptr);
  // The KONFOUT.TXT bytes: the five keys, one line each, CR LF.
  std::string ToKonfout() const;

  // The clock the last text set, when it held the line; only the date parts
  // (data:) or only the time parts (time:) are meaningful in each.
  std::optional<cDateTimeFields> clock_date;
  std::optional<cDateTimeFields> clock_time;

  std::string device_id;
  std::string port0;
  std::string port1;
  bool button = false;
  int rsid = 1;
};

}  // namespace olv
