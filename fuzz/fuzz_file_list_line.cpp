// A line of a device's file list: any bytes must read without a crash; an
// entry's name is never empty and never holds a space, and its size, when
// read, is never negative; the names the synchronisation would fetch are
// plain 8.3 names, planned with the listed size or -1 when it is unknown.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/plan_synchronizacji.h"
#include "common/device_file_name.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const auto entry = olv::OdczytajWpisListyPlikow(line);
  if (entry) {
    if (entry->Nazwa.empty() || entry->Nazwa.find(' ') != std::string::npos) std::abort();
    if (entry->Rozmiar && *entry->Rozmiar < 0) std::abort();
  }
  // No mirror folder exists under this program folder: every plain name is wanted.
  const std::vector<olv::cListaPlikowZUrzadzenia> lists = {{{std::string(line)}, "COM1", 2}};
  for (const olv::cPlikDoSciagniecia& file : olv::ZaplanujSciaganie(lists, "/nonexistent-olv-fuzz/").Pliki) {
    if (!entry || !olv::IsPlain83Name(file.NazwaPliku) || file.Rozmiar != entry->Rozmiar.value_or(-1)) {
      std::abort();
    }
  }
  return 0;
}
