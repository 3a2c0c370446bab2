#include "app/wysylanie_users.h"

#include "app/plan_synchronizacji.h"
#include "model/users_file.h"

namespace olv {

cPlanWysylaniaUsers ZapiszPlikiUsers(const std::string& program_folder, const cDevList& devices,
                                      const cUserList& users, const std::vector<int32_t>& urzadzenia,
                                      std::mt19937& random) {
  cPlanWysylaniaUsers plan;
  for (const int32_t unique : urzadzenia) {
    const cUrzadzenie* device = devices.GetDeviceByUnique(unique);
    if (!device) continue;
    std::string blad;
    const std::string sciezka = ZapiszUsers(program_folder, devices, users, unique, random, &blad);
    if (sciezka.empty()) {
      plan.Niezapisane.push_back(
          {device->Polaczenie.Port, device->ID, "USERS.txt", "nie udało się zapisać pliku: " + blad});
      continue;
    }
    plan.Pliki.push_back({device->Polaczenie.Port, device->ID, sciezka});
  }
  return plan;
}

std::string TekstNieudanegoWysylaniaUsers(
    const std::vector<cNieudaneZadanie>& niepowodzenia,
    const std::function<std::string(const std::string& port, int id)>& nazwa_urzadzenia) {
  return TekstNiepowodzen("Nie udało się wysłać listy użytkowników (USERS.txt) do urządzeń:", niepowodzenia,
                          nazwa_urzadzenia) +
         "\nZmiany zostały zapisane na dysku. Przy następnym zapisie lista użytkowników zostanie wysłana do tych "
         "urządzeń ponownie.";
}

}  // namespace olv
