// konfig.txt: the configuration a device takes from the manager: its name,
// the reader labels, the button mode, the PC's date and time, and its bus ID.
// Seven lines in CP1250, each ended by CR LF:
//   DeviceID=<name>  port1=<reader 1>  port0=<reader 0>  button=on|off
//   data:2024.5.7    time:9.5.30       RSID=<NoweID if set, else ID>
//
// Callers must guarantee: program_folder ends with "/"; one thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/dev_list.h"
#include "model/urzadzenie.h"

namespace olv {

// The file's bytes; empty (and error set, when given) when a text does not fit
// CP1250 or holds a line break. now: the PC's local date-time.
std::optional<std::string> UtworzKonfig(const cUrzadzenie& device, double now,
                                        std::string* error = nullptr);

// Writes konfig.txt for the device with that Unique into its sent folder
// (created when missing) and returns the file's path. Returns "" when no
// device has that Unique (nothing written) or when the file cannot be made or
// written (logged through the device list, the old file left whole).
std::string ZapiszKonfig(const std::string& program_folder, const cDevList& devices,
                         int32_t unique, double now, std::string* error = nullptr);

}  // namespace olv
