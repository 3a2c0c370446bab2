// KONFOUT.TXT: the configuration a device reports about itself (its name, the
// labels of its two reader ports, whether port 1 carries a push button), read
// when the device is registered; and the factory configuration the manager can
// send a device to make it a new device at bus ID 1 again. Both are lines
// "key=value" in CP1250 ended by CR LF. Keys are matched at the start of a line,
// letter case counting; other lines are ignored and the last line of a key wins.
//
// Callers must guarantee: program_folder ends with "/".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace olv {

struct cKonfout {
  std::string Nazwa;     // DeviceID=
  std::string Czytnik0;  // port0=
  std::string Czytnik1;  // port1=
  // Only the whole line "button=on" sets it: "button=on " with a trailing
  // blank does not.
  bool Przycisk = false;
};

// Reads the file's bytes as the device sent them (CP1250; lines ended by CR LF,
// LF or CR). A missing key leaves its text empty and the button off.
cKonfout OdczytajKonfout(std::string_view cp1250);

// The factory configuration's bytes: DeviceID=Rejestrator OLV, port1=wyjście,
// port0=wejście, button=off, RSID=1.
std::string KonfiguracjaFabryczna();

// Writes the factory configuration for the device at bus_id into its sent
// folder, data/extSD/<bus ID in 8 digits>/sent/, under the bus ID in 8 digits
// with no extension (the name the device takes as its factory file), and
// returns the path; "" on failure, with the reason in Polish in error. The
// name cannot stand in data/extSD/ itself: the device's folder has it.
std::string ZapiszPlikFabryczny(const std::string& program_folder, int32_t bus_id,
                                std::string* error = nullptr);

}  // namespace olv
