// The command line of olv8-sim: which devices make up the bus, where its port
// is linked, how its output is paced and logged, and which faults it shows.
//
// Callers must guarantee nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace olv {

struct sSimDeviceEntry {
  int id = 0;
  std::string folder;
};

struct sSimOptions {
  // --device ID:FOLDER, in the order given.
  std::vector<sSimDeviceEntry> devices;
  // --devices N: N default cards, bus IDs 2 to N+1.
  int default_devices = 0;
  // --cards DIR: a folder of cards, one subfolder 0000000N per device.
  std::string cards;
  std::string link;
  bool pace = false;
  std::string log_file;
  bool verbose = false;
  std::vector<int> silent;
  // --empty-frames ID: download frames after the first carry no payload.
  std::vector<int> empty_frames;
  // --endless-list ID: the file list repeats, never ended.
  std::vector<int> endless_list;
  std::vector<std::pair<int, uint32_t>> late;
  std::vector<std::pair<int, uint64_t>> cut;
  // --fall-silent ID:BYTES: after BYTES more bytes the device says nothing more.
  std::vector<std::pair<int, uint64_t>> fall_silent;
  double drop = 0;
  double garble = 0;
  uint32_t seed = 1;
  // --events MS: a simulated visit at a door every MS milliseconds (0: none).
  uint32_t event_interval_ms = 0;
  bool help = false;
};

// Empty, with the reason in error, when the arguments (without the program
// name) cannot be taken.
std::optional<sSimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                           std::string* error);
std::string SimUsage();

}  // namespace olv
