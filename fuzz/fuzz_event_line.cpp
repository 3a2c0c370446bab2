// A line of a device's event file: any bytes must read without a crash; a
// record always has a time stamp that reads back as a real moment of its
// own date and time characters, a user ID of 0 to 9999 or -1, and a reader
// name inside the line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/dates.h"
#include "stats/linia_zdarzenia.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const auto record = olv::CzytajLinieZdarzenia(line);
  if (!record) return 0;
  if (record->IDUzytkownika < -1 || record->IDUzytkownika > 9999) std::abort();
  const olv::cDateTimeFields when = olv::DecodeDateTime(record->Czas);
  if (when.year != (line[6] - '0') * 1000 + (line[7] - '0') * 100 + (line[8] - '0') * 10 +
                       (line[9] - '0') ||
      when.second != (line[24] - '0') * 10 + (line[25] - '0') || when.millisecond != 0) {
    std::abort();
  }
  const std::string_view name = record->NazwaCzytnika;
  if (!name.empty() && (name.data() < line.data() || name.data() + name.size() > line.data() + size)) {
    std::abort();
  }
  return 0;
}
