#include "sim/demo_installation.h"

#include <algorithm>
#include <iterator>

#include "model/czytnik.h"
#include "model/wlasciwosci_polaczenia.h"

namespace olv {
namespace {

enum class eRole : uint8_t { kOffice, kWarehouse, kManager };

struct sPerson {
  const char* name;
  int32_t id;
  const char* pin;
  const char* card;
  int start_minute;
  int end_minute;
  const char* days;
  eRole role;
};

constexpr int H(int hour, int minute = 0) { return hour * 60 + minute; }

// Some come by card, some by PIN, some have both; the warehouse starts early,
// one office worker comes in three days a week.
constexpr sPerson kPeople[kDemoUserCount] = {
    {"Anna Kowalska", 1, "", "00A1B2C3D4", H(8), H(16), "12345", eRole::kOffice},
    {"Piotr Nowak", 2, "4821", "0004F3A217", H(7), H(15), "12345", eRole::kWarehouse},
    {"Małgorzata Wiśniewska", 3, "", "00C0FFEE12", H(8), H(16), "12345", eRole::kOffice},
    {"Krzysztof Wójcik", 4, "1357", "0000000000", H(6), H(14), "12345", eRole::kWarehouse},
    {"Agnieszka Kowalczyk", 5, "7702", "001E2D3C4B", H(9), H(17), "12345", eRole::kOffice},
    {"Tomasz Kamiński", 6, "", "0098765432", H(7), H(15), "12345", eRole::kWarehouse},
    {"Katarzyna Lewandowska", 7, "802614", "0000000000", H(8), H(16), "12345", eRole::kOffice},
    {"Łukasz Zieliński", 8, "24", "00ABCDEF01", H(7, 30), H(15, 30), "12345", eRole::kManager},
    {"Żaneta Szymańska", 9, "", "0011223344", H(10), H(14), "135", eRole::kOffice},
    {"Paweł Woźniak", 10, "", "005A5A5A5A", H(7), H(15), "12345", eRole::kWarehouse},
    {"Ewa Dąbrowska", 11, "9931", "0033445566", H(8), H(16), "12345", eRole::kOffice},
    {"Jędrzej Kozłowski", 12, "5517", "0000000000", H(6), H(14), "12345", eRole::kWarehouse},
};

struct sDoor {
  const char* name;
  const char* reader0;
  int8_t mode0;
  const char* reader1;
  int8_t mode1;
};

constexpr sDoor kDoors[8] = {
    {"Wejście główne", "Wejście", cCzytnik::kWejscie, "Wyjście", cCzytnik::kWyjscie},
    {"Magazyn", "Brama magazynu", cCzytnik::kWejscie, "Wyjście z magazynu", cCzytnik::kWyjscie},
    {"Biuro", "Drzwi biura", cCzytnik::kNeutralny, "Sala konferencyjna", cCzytnik::kNeutralny},
    {"Serwerownia", "Drzwi serwerowni", cCzytnik::kNeutralny, "Szafa serwerowa",
     cCzytnik::kNeutralny},
    {"Parking", "Szlaban wjazd", cCzytnik::kNeutralny, "Szlaban wyjazd", cCzytnik::kNeutralny},
    {"Archiwum", "Drzwi archiwum", cCzytnik::kNeutralny, "Regał zamykany", cCzytnik::kNeutralny},
    {"Kuchnia", "Kuchnia", cCzytnik::kNeutralny, "Jadalnia", cCzytnik::kNeutralny},
    {"Laboratorium", "Laboratorium", cCzytnik::kNeutralny, "Śluza", cCzytnik::kNeutralny},
};

constexpr size_t kMainEntrance = 0;
constexpr size_t kWarehouse = 1;
constexpr size_t kOffice = 2;

cCzasyUzytkownika WorkTimes(const sPerson& person) {
  cCzasyUzytkownika times;
  const double minute = 1.0 / 1440.0;
  times.PoczatekPracy = person.start_minute * minute;
  times.KoniecPracy = person.end_minute * minute;
  times.PoczatekOd = (person.start_minute - 10) * minute;
  times.PoczatekDo = (person.start_minute + 15) * minute;
  times.KoniecOd = (person.end_minute - 10) * minute;
  times.KoniecDo = (person.end_minute + 15) * minute;
  times.FromString(person.days);
  return times;
}

bool Admits(size_t door, eRole role) {
  if (door == kWarehouse) return role != eRole::kOffice;
  if (door == kOffice) return role != eRole::kWarehouse;
  return true;
}

}  // namespace

std::vector<sDemoRoute> BuildDemoInstallation(cUserList& users, cDevList& devices,
                                              const std::string& port,
                                              const std::vector<int>& bus_ids, cClock& clock) {
  for (const sPerson& person : kPeople) {
    if (!users.DodajUzytkownika(person.name, person.id, person.pin, person.card)) continue;
    users.GetUserByID(person.id)->CzasyPracy = WorkTimes(person);
    clock.Sleep(1);
  }
  const size_t door_count = std::min(bus_ids.size(), std::size(kDoors));
  for (size_t door = 0; door < door_count; ++door) {
    const sDoor& d = kDoors[door];
    if (!devices.DodajUrzadzenie(d.name, bus_ids[door], cCzytnik(d.reader0, d.mode0),
                                 cCzytnik(d.reader1, d.mode1), false, {port, 115200})) {
      continue;
    }
    cUrzadzenie* device = devices.GetDeviceByID(bus_ids[door]);
    for (const sPerson& person : kPeople) {
      const cUzytkownik* user = users.GetUserByID(person.id);
      if (user && Admits(door, person.role)) device->ListaDostepow.Dodaj(user->Unique);
    }
    clock.Sleep(1);
  }

  auto reader = [&](size_t door, int port_number) {
    return door < door_count ? sDemoReader{bus_ids[door], port_number} : sDemoReader{};
  };
  std::vector<sDemoRoute> routes;
  if (door_count == 0) return routes;
  for (const sPerson& person : kPeople) {
    if (!users.GetUserByID(person.id)) continue;
    sDemoRoute route;
    route.user_id = person.id;
    const bool own_gate = person.role == eRole::kWarehouse && door_count > kWarehouse;
    route.arrival = reader(own_gate ? kWarehouse : kMainEntrance, 0);
    route.departure = reader(own_gate ? kWarehouse : kMainEntrance, 1);
    route.lunch_out = reader(kMainEntrance, 1);
    route.lunch_in = reader(kMainEntrance, 0);
    if (person.role != eRole::kWarehouse && door_count > kOffice) {
      route.inside.push_back(reader(kOffice, 0));
      route.inside.push_back(reader(kOffice, 1));
    }
    for (size_t door = kOffice + 1; door < door_count; ++door) {
      route.inside.push_back(reader(door, 0));
    }
    routes.push_back(std::move(route));
  }
  return routes;
}

}  // namespace olv
