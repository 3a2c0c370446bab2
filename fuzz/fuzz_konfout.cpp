// KONFOUT.TXT as a device may send it: any bytes must read without a crash,
// every value read must be a one-line text the device files can hold again,
// and a device registered from it must pass the device list's check.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/cp1250.h"
#include "common/virtual_clock.h"
#include "model/dev_list.h"
#include "model/konfout.h"
#include "model/rejestracja_urzadzenia.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const olv::cKonfout konfout = olv::OdczytajKonfout(input);
  for (const std::string& value : {konfout.Nazwa, konfout.Czytnik0, konfout.Czytnik1}) {
    if (value.find_first_of("\r\n") != std::string::npos || !olv::Utf8ToCp1250(value)) std::abort();
  }
  olv::cVirtualClock clock;
  olv::cDevList list(clock);
  const int id = size > 0 ? data[0] % 11 : 0;
  const olv::cWynikRejestracji wynik = olv::ZarejestrujUrzadzenie(list, "/dev/ttyUSB0", id, konfout);
  const olv::cUrzadzenie* device = list.GetDeviceByUnique(wynik.Unique);
  if ((wynik.Unique != 0) != (device != nullptr)) std::abort();
  if (device && (device->Nazwa != konfout.Nazwa || (wynik.Kod != 0 && wynik.Kod != 6))) std::abort();
  return 0;
}
