// Statistics: one million event lines across 8 devices collected, read and
// sorted (target under 1 s, at most 100 bytes of memory per punch), every
// panel's content for one user with five years of punches (target under
// 50 ms each), and one file whose lines each name another reader read against
// a file of the same size naming two (target: at most 5 times as long).
// Prints the best and the median of several runs.
#include <malloc.h>
#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/pomiar.h"
#include "common/cp1250.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/device_folder.h"
#include "sim/event_line.h"
#include "stats/csv.h"
#include "stats/lista_odbic.h"
#include "stats/panel_dzisiejszy.h"
#include "stats/tabela_dzienna.h"
#include "stats/tabela_miesieczna.h"
#include "stats/tabela_zdarzen.h"
#include "stats/wykresy_sredniego_czasu.h"

namespace {

using namespace olv;

constexpr int kDevices = 8;
constexpr int kLines = 1000000;
constexpr int kFilesPerDevice = 250;
constexpr int kUser = 7;
constexpr int kRuns = 5;

// The files of 8 devices: every device a file a day, lines of many users
// through the day; user kUser works every weekday of five years on device 2.
int WriteFolder(const std::string& home, cDevList& devices) {
  std::mt19937 random(1);
  const double first_day = EncodeDate(2021, 1, 4);
  int lines = 0;
  for (int d = 0; d < kDevices; ++d) {
    const int bus_id = d + 2;
    devices.DodajUrzadzenie(std::make_unique<cUrzadzenie>(
        "Drzwi " + std::to_string(bus_id), bus_id, cCzytnik("Wejście główne", 1),
        cCzytnik("Wyjście, rampa", 2), false, cWlasciwosciPolaczenia{}, 1000 + bus_id));
    UtworzFolderWyslanychPlikow(home, bus_id);
    for (int f = 0; f < kFilesPerDevice; ++f) {
      const double day = first_day + f * 7;
      std::string bytes;
      const int in_file = kLines / (kDevices * kFilesPerDevice);
      for (int i = 0; i < in_file; ++i) {
        sDeviceEvent event;
        event.user_id = static_cast<int>(random() % 300) + 100;
        event.when = DecodeDateTime(day + (6 * 3600 + i * 40) / 86400.0);
        event.reader = static_cast<int>(random() % 2);
        event.by_pin = random() % 5 == 0;
        event.reader_name = *Utf8ToCp1250(event.reader == 0 ? "Wejście główne" : "Wyjście, rampa");
        bytes += FormatEventLine(event);
        ++lines;
      }
      WriteFileAtomically(FolderUrzadzenia(home, bus_id) + EventFileName(DecodeDateTime(day)),
                          bytes);
    }
  }
  // Five years of one user's working days: in, lunch out and back, out.
  std::string bytes;
  for (double day = first_day; day < first_day + 5 * 365; day += 1) {
    const int weekday = DayOfWeek(day);
    if (weekday == 1 || weekday == 7) continue;
    const int minutes[4] = {470 + static_cast<int>(random() % 20), 720, 750,
                            960 + static_cast<int>(random() % 40)};
    for (int i = 0; i < 4; ++i) {
      sDeviceEvent event;
      event.user_id = kUser;
      event.when = DecodeDateTime(day + minutes[i] / 1440.0);
      event.reader = i % 2;
      event.reader_name = *Utf8ToCp1250(event.reader == 0 ? "Wejście główne" : "Wyjście, rampa");
      bytes += FormatEventLine(event);
      ++lines;
    }
  }
  WriteFileAtomically(FolderUrzadzenia(home, 2) + "USER7.CSV", bytes);
  return lines;
}

// One device's file of kReaderLines lines, each naming reader "R" and 7
// digits: line i's number, or only i % 2. The two files have the same size.
void WriteReaderFile(const std::string& home, bool distinct) {
  constexpr int kReaderLines = 80000;
  CreateDirectory(home);
  UtworzFolderWyslanychPlikow(home, 2);
  std::string bytes;
  for (int i = 0; i < kReaderLines; ++i) {
    sDeviceEvent event;
    event.user_id = i % 300 + 1;
    event.when = DecodeDateTime(EncodeDate(2026, 11, 2) + i / 86400.0);
    event.reader_name = std::to_string(10000000 + (distinct ? i : i % 2));
    event.reader_name[0] = 'R';
    bytes += FormatEventLine(event);
  }
  WriteFileAtomically(FolderUrzadzenia(home, 2) + "20261102.CSV", bytes);
}

cFigures MeasureReaderFile(const std::string& home, bool distinct) {
  cVirtualClock clock;
  cDevList devices(clock);
  devices.DodajUrzadzenie(std::make_unique<cUrzadzenie>("Brama", 2, cCzytnik("R0000000", 1),
                                                        cCzytnik("R0000001", 2), false,
                                                        cWlasciwosciPolaczenia{}, 1002));
  WriteReaderFile(home, distinct);
  cListaOdbic list;
  return Measure(
      kRuns * 2,
      [&] {
        if (!WczytajOdbiciaZFolderuProgramu(home, devices, list).empty()) std::abort();
      },
      true);
}

}  // namespace

int main() {
  char pattern[] = "/tmp/olv_bench_stats_XXXXXX";
  if (mkdtemp(pattern) == nullptr) return 1;
  const std::string home = std::string(pattern) + "/";
  cVirtualClock clock;
  cDevList devices(clock);
  const int lines = WriteFolder(home, devices);

  const size_t before = mallinfo2().uordblks;
  cListaOdbic list;
  if (!WczytajOdbiciaZFolderuProgramu(home, devices, list).empty()) return 1;
  const size_t after = mallinfo2().uordblks;
  const double per_punch = static_cast<double>(after - before) / list.GetLiczbaOdbic();
  const cFigures load = Measure(kRuns, [&] {
    if (!WczytajOdbiciaZFolderuProgramu(home, devices, list).empty()) std::abort();
  });
  std::printf("%d event lines in %d files, %d punches\n", lines, kDevices * kFilesPerDevice + 1,
              list.GetLiczbaOdbic());
  std::printf("%-44s best %7.1f ms, median %7.1f ms (target < 1000)\n",
              "collect, read and sort", load.best, load.median);
  std::printf("%-44s %7.1f bytes per punch (target <= 100)\n", "memory of the punch list",
              per_punch);

  cUzytkownik user(5007);
  user.ID = kUser;
  user.Nazwa = "Łucja Wiśniewska";
  cWidokListyOdbic view;
  const cFigures filter = Measure(kRuns, [&] {
    view.Zaladuj(list);
    view.ZostawUzytkownika(kUser);
  });
  std::printf("one user's punches: %d\n", view.GetLiczbaOdbic());
  std::printf("%-44s best %7.1f ms, median %7.1f ms\n", "the user's view of all punches",
              filter.best, filter.median);
  const double now = EncodeDateTime(2025, 12, 17, 12, 0, 0);
  const eTrybZliczania mode = eTrybZliczania::WejscieWyjscie;
  size_t sink = 0;
  const std::pair<const char*, std::function<void()>> panels[] = {
      {"Aktualne (today panel)",
       [&] { sink += ObliczPanelDzisiejszy(view, user.CzasyPracy, mode, now).Roznica.size(); }},
      {"Zdarzenia (events table)",
       [&] { sink += ObliczTabeleZdarzen(view, devices).Wiersze.size(); }},
      {"Dzienne (daily table)",
       [&] { sink += ObliczTabeleDzienna(view, user.CzasyPracy, mode).Wiersze.size(); }},
      {"Miesieczne (monthly table)",
       [&] { sink += ObliczTabeleMiesieczna(view, user, mode, now).Wiersze.size(); }},
      {"Srednie (three charts)",
       [&] { sink += ObliczWykresySredniegoCzasu(view, &user, mode).Tygodniowy.Slupki.size(); }},
      {"do CSV of the events table",
       [&] {
         cCSV csv;
         DodajTabeleDoCSV(ObliczTabeleZdarzen(view, devices), false, csv);
         sink += csv.Tekst(cCSV::kSrednik)->size();
       }},
  };
  for (const auto& [name, run] : panels) {
    const cFigures f = Measure(kRuns * 3, run);
    std::printf("%-44s best %7.2f ms, median %7.2f ms (target < 50)\n", name, f.best, f.median);
  }

  const std::string readers_home = home + "readers/";
  const cFigures two = MeasureReaderFile(readers_home, false);
  const cFigures many = MeasureReaderFile(readers_home, true);
  std::printf("%-44s best %7.1f ms, median %7.1f ms of processor time\n",
              "80 000 lines naming 2 readers", two.best, two.median);
  std::printf("%-44s best %7.1f ms, median %7.1f ms (%.1fx, target <= 5x)\n",
              "80 000 lines naming 80 000 readers", many.best, many.median,
              many.median / two.median);
  std::system(("rm -rf " + home).c_str());
  return sink == 0 ? 1 : 0;
}
