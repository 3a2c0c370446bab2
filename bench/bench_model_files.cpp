// Loading and saving data/users.txt with 9 999 users and data/devices.txt with
// 8 devices that each admit every user, plus writing USERS.txt for all 8
// devices. Prints the best and the median of several runs; the target is under
// 50 ms for each load and each save.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "model/users_file.h"

namespace {

using namespace olv;

constexpr int kUsers = 9999;
constexpr int kDevices = 8;
constexpr int kRuns = 15;

void Fill(cUserList& users, cDevList& devices) {
  const char* first[] = {"Łukasz", "Żaneta", "Zbigniew", "Ćwikła", "Anna", "Józef", "Ewa"};
  const char* last[] = {"Kowalski", "Nowak", "Wiśniewska", "Wójcik", "Kamińska", "Lewandowski"};
  for (int i = 1; i <= kUsers; ++i) {
    auto user = std::make_unique<cUzytkownik>(std::string(first[i % 7]) + " " + last[i % 6] +
                                                  ", dział " + std::to_string(i % 13),
                                              i, std::to_string(100000 + i), "", 1000000 + i);
    user->Karta.UstawWartosc(0x1000000000ULL + static_cast<uint64_t>(i) * 7919);
    user->CzasyPracy.PoczatekPracy = (7.0 + (i % 3)) / 24.0;
    users.DodajUzytkownika(std::move(user));
  }
  std::string everyone;
  for (int i = 1; i <= kUsers; ++i) everyone += (i > 1 ? "#" : "") + std::to_string(1000000 + i);
  for (int d = 0; d < kDevices; ++d) {
    auto device = std::make_unique<cUrzadzenie>(
        "Drzwi " + std::to_string(d + 2), d + 2, cCzytnik("Wejście", 1), cCzytnik("Wyjście", 2),
        d % 2 == 0, cWlasciwosciPolaczenia{"/dev/ttyUSB0", 115200}, 5000 + d);
    device->DataOstatniejAktualizacji = 45419.3755787037;
    device->ListaDostepow.FromString(everyone);
    devices.DodajUrzadzenie(std::move(device));
  }
}

void Measure(const char* what, const std::function<bool()>& run) {
  std::vector<double> ms;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = std::chrono::steady_clock::now();
    if (!run()) {
      std::printf("%-38s FAILED\n", what);
      return;
    }
    const auto end = std::chrono::steady_clock::now();
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-38s best %7.2f ms   median %7.2f ms\n", what, ms.front(), ms[ms.size() / 2]);
}

}  // namespace

int main() {
  char pattern[] = "/tmp/olv_bench_model_XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const std::string dir = pattern;
  const std::string users_path = dir + "/users.txt";
  const std::string devices_path = dir + "/devices.txt";

  cVirtualClock clock;
  cUserList users(clock);
  cDevList devices(clock);
  Fill(users, devices);

  std::printf("model files: %d users, %d devices each admitting every user (target < 50 ms)\n",
              kUsers, kDevices);
  Measure("save data/users.txt", [&] { return ZapiszUzytkownikow(users_path, users); });
  Measure("load data/users.txt", [&] {
    cUserList loaded(clock);
    return WczytajUzytkownikow(users_path, loaded).Rekordy == kUsers;
  });
  Measure("save data/devices.txt", [&] { return ZapiszUrzadzenia(devices_path, devices); });
  Measure("load data/devices.txt", [&] {
    cDevList loaded(clock);
    return WczytajUrzadzenia(devices_path, loaded).Rekordy == kDevices;
  });
  std::mt19937 random(1);
  Measure("write USERS.txt for all 8 devices", [&] {
    std::string everyone;
  for (int i = 1; i <= kUsers; ++i) everyone += (i > 1 ? "#" : "") + std::to_string(1000000 + i);
  for (int d = 0; d < kDevices; ++d) {
      if (ZapiszUsers(dir + "/", devices, users, 5000 + d, random).empty()) return false;
    }
    return true;
  });
  std::printf("file sizes: users.txt %lld B, devices.txt %lld B\n",
              static_cast<long long>(FileSize(users_path)),
              static_cast<long long>(FileSize(devices_path)));

  std::system(("rm -rf " + dir).c_str());
  return 0;
}
