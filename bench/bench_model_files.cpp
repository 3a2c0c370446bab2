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

#include "bench/bench_installation.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "model/users_file.h"

namespace {

using namespace olv;

constexpr int kRuns = 15;

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
  WypelnijDuzaInstalacje(users, devices);

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
