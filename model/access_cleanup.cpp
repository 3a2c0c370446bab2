#include "model/access_cleanup.h"

#include <string>
#include <unordered_set>

namespace olv {

int UsunNieistniejacychZDostepow(cDevList& devices, const cUserList& users) {
  devices.Log("Devlist: UsunNieistniejacychZDostepow");
  std::unordered_set<std::string> existing;
  users.DlaKazdegoUzytkownika(
      [&existing](const cUzytkownik& user) { existing.insert(user.GetUniqueString()); });
  int removed = 0;
  const int count = devices.CountDevices();
  for (int d = 0; d < count; ++d) {
    cListaDostepow& lista = devices.GetDeviceByIndex(d)->ListaDostepow;
    for (int i = lista.Count() - 1; i >= 0; --i) {
      if (existing.contains(lista.GetWpis(i))) continue;
      lista.UsunWpis(i);
      ++removed;
    }
  }
  return removed;
}

}  // namespace olv
