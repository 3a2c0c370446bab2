// olv8-demo-home: fills a program folder with the demo installation (users,
// devices on one port) and the devices' SD cards with weeks of events, for
// the demo of the manager on olv8-sim.
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "common/loop_clock.h"
#include "common/virtual_clock.h"
#include "sim/demo_home.h"
#include "sim/demo_home_options.h"

int main(int argc, char** argv) {
  // The data files take the decimal separator of the operator's settings, as
  // the manager writes them.
  std::setlocale(LC_ALL, "");
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = olv::ParseDemoHomeOptions(args, &error);
  if (!options) {
    std::fprintf(stderr, "olv8-demo-home: %s\n%s", error.c_str(), olv::DemoHomeUsage().c_str());
    return 2;
  }
  if (options->help) {
    std::printf("%s", olv::DemoHomeUsage().c_str());
    return 0;
  }
  // Today and the tick counter come from the real clock; the records' Unique
  // identities are then drawn in virtual time, so twenty of them take no
  // twenty waits of 100 ms.
  olv::cLoopClock real;
  olv::cVirtualClock clock(real.Now(), real.GetTickCount());
  const auto summary = olv::WriteDemoHome(options->settings, clock, &error);
  if (!summary) {
    std::fprintf(stderr, "olv8-demo-home: %s\n", error.c_str());
    return 1;
  }
  std::printf("%d users, %d devices on %s; %d event files with %d events\n", summary->users,
              summary->devices, options->settings.port.c_str(), summary->event_files,
              summary->events);
  return 0;
}
