// The installation the synchronisation tests run against: "Brama", "Magazyn"
// and "Biuro", devices 2, 3 and 4 on one port, served by olv8-sim from the
// card folders <folder>cards/<bus ID>, fetched into the mirror folders.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/files.h"
#include "common/strings.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "model/dev_list.h"
#include "tests/sim/olv8_sim_process.h"

namespace olv::test {

inline std::string CardFolder(const std::string& folder, int id) { return folder + "cards/" + std::to_string(id); }
inline std::string MirrorFolder(const std::string& folder, int id) {
  return folder + "data/extSD/" + IntToStrZeZerami(id, 8) + "/";
}
inline std::string EventFile(int i) { return "261101" + IntToStrZeZerami(i, 2) + ".CSV"; }

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

// The last-synchronisation time of each device in data/devices.txt.
inline std::vector<double> StoredSyncTimes(const std::string& folder) {
  cVirtualClock clock;
  cDevList devices(clock);
  EXPECT_TRUE(WczytajUrzadzenia(folder + "data/devices.txt", devices).Wczytano);
  std::vector<double> times;
  for (int i = 0; i < devices.CountDevices(); ++i) times.push_back(devices.GetDeviceByIndex(i)->DataOstatniejAktualizacji);
  return times;
}

// The files on device id's card that its mirror lacks or holds otherwise;
// adds the sizes of the card's files to *bytes.
inline std::vector<std::string> NotMirrored(const std::string& folder, int id, int64_t* bytes = nullptr) {
  std::vector<std::string> names;
  for (const std::string& name : ListFiles(CardFolder(folder, id))) {
    const auto card = ReadWholeFile(CardFolder(folder, id) + "/" + name);
    if (bytes && card) *bytes += static_cast<int64_t>(card->size());
    if (!card || ReadWholeFile(MirrorFolder(folder, id) + name) != card) names.push_back(name);
  }
  return names;
}

// Starts olv8-sim with the cards of these bus IDs and the other options; the
// port it serves, empty when it did not start.
inline std::string StartDevices(cOlv8SimProcess& simulator, const std::string& folder, const std::vector<int>& ids,
                                std::vector<std::string> args = {}) {
  CreateDirectory(folder + "cards");
  for (int id : ids) {
    args.push_back("--device");
    args.push_back(std::to_string(id) + ":" + CardFolder(folder, id));
  }
  return simulator.Start(args);
}

}  // namespace olv::test
