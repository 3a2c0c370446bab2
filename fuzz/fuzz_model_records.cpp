// User and device record lines, access lists and USERS.txt records: any input
// must read without a crash, and a written line must read back to the same
// record. (Reading drops an empty last entry of an access list, "5##" -> "5#",
// so access lists are compared by their non-empty entries.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1250.h"
#include "model/urzadzenie.h"
#include "model/users_file.h"
#include "model/uzytkownik.h"

namespace {

std::vector<std::string> UsedEntries(const olv::cListaDostepow& lista) {
  std::vector<std::string> entries;
  for (int i = 0; i < lista.Count(); ++i) {
    if (!lista.GetWpis(i).empty()) entries.push_back(lista.GetWpis(i));
  }
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string line = olv::Cp1250ToUtf8(input);

  olv::cUzytkownik user(1);
  user.FromString(line);
  const std::string user_line = user.ToString();
  olv::cUzytkownik user_again(1);
  user_again.FromString(user_line);
  if (user_again.ToString() != user_line) std::abort();

  olv::cUrzadzenie device(1);
  device.FromString(line);
  olv::cUrzadzenie device_again(1);
  device_again.FromString(device.ToString());
  if (UsedEntries(device_again.ListaDostepow) != UsedEntries(device.ListaDostepow)) std::abort();
  device_again.ListaDostepow.Wyczysc();
  device.ListaDostepow.Wyczysc();
  if (device_again.ToString() != device.ToString()) std::abort();

  std::mt19937 random(static_cast<uint32_t>(size));
  if (const auto record = olv::UtworzRekordUsers(user, random)) {
    const auto read = olv::OdczytajUsers(*record);
    if (!read || read->size() != 1 || (*read)[0].Nazwa != user.Nazwa) std::abort();
  }
  (void)olv::OdczytajUsers(input);
  return 0;
}
