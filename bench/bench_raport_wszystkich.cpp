// olv8-report --all: the monthly balance of 200 users over five years (about
// one million punches), the whole report as the tool makes it (reading the
// folder's data and event files, every user's table, the CSV bytes), target
// under 2 s; and the daily table of one month. Prints the best and the median
// of several runs.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/pomiar.h"
#include "common/cp1250.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "model/device_folder.h"
#include "sim/event_line.h"
#include "stats/raport.h"

namespace {

using namespace olv;

constexpr int kUsers = 200;
constexpr int kDevices = 4;
constexpr int kRuns = 5;

// Every user works every weekday of five years: in, lunch out and back, out,
// on the doors of one device; one event file a device and day.
int WriteFolder(const std::string& home) {
  cVirtualClock clock;
  cUserList users(clock);
  cDevList devices(clock);
  for (int id = 1; id <= kUsers; ++id)
    users.DodajUzytkownika(std::make_unique<cUzytkownik>("Pracownik " + std::to_string(id), id, "", "", 1000 + id));
  for (int d = 0; d < kDevices; ++d) {
    devices.DodajUrzadzenie(std::make_unique<cUrzadzenie>("Drzwi " + std::to_string(d + 2), d + 2,
                                                          cCzytnik("Wejście", 1), cCzytnik("Wyjście", 2), false,
                                                          cWlasciwosciPolaczenia{}, 5000 + d));
    UtworzFolderWyslanychPlikow(home, d + 2);
  }
  ZapiszUzytkownikow(home + "data/users.txt", users);
  ZapiszUrzadzenia(home + "data/devices.txt", devices);

  std::mt19937 random(1);
  const double first_day = EncodeDate(2021, 1, 4);
  int punches = 0;
  for (double day = first_day; day < first_day + 5 * 365; day += 1) {
    const int weekday = DayOfWeek(day);
    if (weekday == 1 || weekday == 7) continue;
    std::vector<std::string> files(kDevices);
    for (int id = 1; id <= kUsers; ++id) {
      const int minutes[4] = {440 + static_cast<int>(random() % 60), 720 + static_cast<int>(random() % 30), 755,
                              930 + static_cast<int>(random() % 90)};
      for (int i = 0; i < 4; ++i) {
        sDeviceEvent event;
        event.user_id = id;
        event.when = DecodeDateTime(day + minutes[i] / 1440.0);
        event.reader = i % 2;
        event.reader_name = *Utf8ToCp1250(event.reader == 0 ? "Wejście" : "Wyjście");
        files[static_cast<size_t>(id % kDevices)] += FormatEventLine(event);
        ++punches;
      }
    }
    for (int d = 0; d < kDevices; ++d)
      WriteFileAtomically(FolderUrzadzenia(home, d + 2) + EventFileName(DecodeDateTime(day)), files[static_cast<size_t>(d)]);
  }
  return punches;
}

}  // namespace

int main() {
  char pattern[] = "/tmp/olv_bench_report_XXXXXX";
  if (mkdtemp(pattern) == nullptr) return 1;
  const std::string home = std::string(pattern) + "/";
  const int punches = WriteFolder(home);
  std::printf("%d users, %d punches over five years\n", kUsers, punches);

  cOpcjeRaportu monthly;
  monthly.Rodzaj = eRodzajRaportu::Miesieczne;
  monthly.Wszyscy = true;
  cOpcjeRaportu daily = monthly;
  daily.Rodzaj = eRodzajRaportu::Dzienne;
  daily.Miesiac = "2025-06";
  const double now = EncodeDateTime(2026, 1, 10, 12, 0, 0);
  size_t sink = 0;
  const std::pair<const char*, const cOpcjeRaportu*> reports[] = {{"--all miesieczne", &monthly},
                                                                 {"--all dzienne --month 2025-06", &daily}};
  for (const auto& [name, options] : reports) {
    const cFigures f = Measure(kRuns, [&] { sink += UtworzRaport(*options, home, now).Bajty.value_or("").size(); });
    std::printf("%-44s best %7.1f ms, median %7.1f ms (target < 2000)\n", name, f.best, f.median);
  }
  std::system(("rm -rf " + home).c_str());
  return sink == 0 ? 1 : 0;
}
