// The installation the synchronisation tests run against: "Brama", "Magazyn"
// and "Biuro", devices 2, 3 and 4 on one port, served by olv8-sim from the
// card folders <folder>cards/<bus ID>.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "model/dev_list.h"
#include "tests/sim/olv8_sim_process.h"

namespace olv::test {

inline std::string CardFolder(const std::string& folder, int id) { return folder + "cards/" + std::to_string(id); }

// Registers devices with these names on port in folder's data/devices.txt,
// with the IDs from 2 on.
inline void WriteDevices(const std::string& folder, const std::vector<std::string>& names, const std::string& port) {
  cVirtualClock unique_clock;
  cDevList devices(unique_clock);
  int32_t id = 2;
  for (const std::string& name : names) {
    ASSERT_TRUE(devices.DodajUrzadzenie(name, id++, cCzytnik("We", 1), cCzytnik("Wy", 2), false,
                                        cWlasciwosciPolaczenia{port, 115200}));
    unique_clock.AdvanceMs(1);
  }
  ASSERT_TRUE(CreateDirectory(folder + "data"));
  ASSERT_TRUE(ZapiszUrzadzenia(folder + "data/devices.txt", devices));
}

inline void WriteThreeDevices(const std::string& folder, const std::string& port) {
  WriteDevices(folder, {"Brama", "Magazyn", "Biuro"}, port);
}

// Starts olv8-sim with the three cards and the fault options; the port it
// serves, empty when it did not start.
inline std::string StartThreeDevices(cOlv8SimProcess& simulator, const std::string& folder,
                                      const std::vector<std::string>& faults = {}) {
  std::vector<std::string> args;
  for (int id = 2; id <= 4; ++id) {
    args.push_back("--device");
    args.push_back(std::to_string(id) + ":" + CardFolder(folder, id));
  }
  args.insert(args.end(), faults.begin(), faults.end());
  return simulator.Start(args);
}

}  // namespace olv::test
