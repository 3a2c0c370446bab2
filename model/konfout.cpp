#include "model/konfout.h"

#include "common/cp1250.h"
#include "common/strings.h"
#include "model/device_folder.h"

namespace olv {
namespace {

// The value when line starts with key, else false.
bool Wartosc(std::string_view line, std::string_view key, std::string* value) {
  if (line.substr(0, key.size()) != key) return false;
  *value = Cp1250ToUtf8(line.substr(key.size()));
  return true;
}

}  // namespace

cKonfout OdczytajKonfout(std::string_view cp1250) {
  cKonfout konfout;
  std::string przycisk;
  for (const std::string& line : SplitLines(cp1250)) {
    if (Wartosc(line, "DeviceID=", &konfout.Nazwa) || Wartosc(line, "port0=", &konfout.Czytnik0) ||
        Wartosc(line, "port1=", &konfout.Czytnik1)) {
      continue;
    }
    if (Wartosc(line, "button=", &przycisk)) konfout.Przycisk = przycisk == "on";
  }
  return konfout;
}

std::string KonfiguracjaFabryczna() {
  return Utf8ToCp1250Replacing(JoinLinesCrLf({"DeviceID=Rejestrator OLV", "port1=wyjście",
                                              "port0=wejście", "button=off", "RSID=1"}));
}

std::string ZapiszPlikFabryczny(const std::string& program_folder, int32_t bus_id,
                                std::string* error) {
  std::string why;
  const std::string path = ZapiszDoFolderuWyslanych(program_folder, bus_id, NazwaFolderuUrzadzenia(bus_id),
                                                    KonfiguracjaFabryczna(), why);
  if (path.empty() && error) *error = why;
  return path;
}

}  // namespace olv
