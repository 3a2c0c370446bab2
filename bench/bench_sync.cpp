// A first synchronisation in virtual time (exact, whatever the machine): 8
// simulated devices on one line, each with 60 event files of about 3 000 bytes
// and its KONFOUT.TXT, none of them in the mirror yet. The driver runs the
// whole road of the main window's flow: the search of the port, the file
// lists, the plan of what the mirror lacks (the same code as the window) and
// the downloads. Printed: the total time, the time the line itself needs for
// the bytes fetched at 11 520 bytes a second, and the estimate the operator's
// question shows (0.7 s a file). Target: the total at most the estimate.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "app/plan_synchronizacji.h"
#include "comm/memory_link.h"
#include "comm/sterownik_wpp.h"
#include "common/files.h"
#include "common/strings.h"
#include "common/virtual_clock.h"
#include "sim/sim_bus.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDevices = 8;
constexpr int kFilesPerDevice = 60;
constexpr double kLineBytesPerSecond = 11520.0;

// Runs a job of the driver until its done-handler has run.
bool RunJob(olv::cVirtualClock& clock, std::function<void()>& handler, const std::function<void()>& start) {
  bool done = false;
  handler = [&done] { done = true; };
  start();
  const bool ended = clock.RunUntil([&] { return done; }, 3600 * 1000);
  clock.AdvanceMs(2);
  return ended;
}

}  // namespace

int main() {
  const fs::path root = fs::temp_directory_path() / "olv_bench_sync";
  fs::remove_all(root);
  int status = 0;
  {
    olv::cVirtualClock clock;
    olv::cSimBus bus{clock};
    auto owned = std::make_unique<olv::cMemoryLink>(clock);
    olv::cMemoryLink* link = owned.get();
    const std::string home = (root / "home").string() + "/";
    olv::cSterownikWPP driver(clock, std::move(owned), home);
    link->SetDeviceReceiver([&bus](const uint8_t* d, size_t n) { bus.Receive(d, n); });
    bus.SetSender([link](const uint8_t* d, size_t n) { link->SendFromDevice(d, n); });

    std::mt19937 random(11);
    for (int id = 2; id < 2 + kDevices; ++id) {
      const std::string folder = olv::IntToStrZeZerami(id, 8);
      fs::create_directories(root / "cards" / folder);
      fs::create_directories(root / "home/data/extSD" / folder);
      for (int day = 1; day <= kFilesPerDevice; ++day) {
        std::string bytes(2800 + random() % 400, ' ');
        for (char& c : bytes) c = static_cast<char>('0' + random() % 75);
        const std::string name = "26" + olv::IntToStrZeZerami(1 + (day - 1) / 28, 2) +
                                 olv::IntToStrZeZerami(1 + (day - 1) % 28, 2) + "01.CSV";
        olv::WriteFileAtomically((root / "cards" / folder / name).string(), bytes);
      }
      bus.AddDevice(id, (root / "cards" / folder).string());
    }

    const uint64_t start = clock.NowMicros();
    RunJob(clock, driver.FunkcjaPoWyszukaniuUrzadzen, [&] { driver.SzukajUrzadzen("COM1"); });
    int found = 0;
    for (int id = 2; id < 2 + kDevices; ++id)
      found += driver.CzyUrzadzenieJestNaLiscieZnalezionych("COM1", id);
    for (int id = 2; id < 2 + kDevices; ++id) driver.DodajUrzadzenieDoSciagnieciaListyPlikow("COM1", id);
    RunJob(clock, driver.FunkcjaPoSciagnieciuList, [&] { driver.SciagnijListyPlikowZUrzadzen(); });
    const olv::cPlanSciagania plan = olv::ZaplanujSciaganie(driver.ListyPlikow(), home);
    for (const olv::cPlikDoSciagniecia& file : plan.Pliki) {
      driver.DodajPlikDoSciagniecia(file.Port, file.Id, file.Rozmiar, file.NazwaPliku);
    }
    const int files = driver.ZwrocIloscPlikowNaLiscieDoSciagniecia();
    const int64_t bytes = driver.SumujRozmiarPlikowNaLiscieDoSciagniecia();
    const uint64_t downloads_start = clock.NowMicros();
    RunJob(clock, driver.FunkcjaPoSciagnieciuPlikow, [&] { driver.SciagnijPliki(); });
    const double total = static_cast<double>(clock.NowMicros() - start) / 1e6;
    const double downloads = static_cast<double>(clock.NowMicros() - downloads_start) / 1e6;

    int stored = 0;
    for (const olv::cPlikDoSciagniecia& file : plan.Pliki) {
      const std::string folder = olv::IntToStrZeZerami(file.Id, 8);
      stored += olv::ReadWholeFile(home + "data/extSD/" + folder + "/" + file.NazwaPliku) ==
                olv::ReadWholeFile((root / "cards" / folder / file.NazwaPliku).string());
    }
    const double line = static_cast<double>(bytes) / kLineBytesPerSecond;
    const double estimate = 0.7 * files;
    std::printf(
        "first synchronisation of %d devices (%d found), %d files, %lld bytes; %d stored whole, %zu "
        "failures\n",
        kDevices, found, files, static_cast<long long>(bytes), stored, driver.Niepowodzenia().size());
    std::printf("total (search, lists, downloads): %.1f s, of which downloads %.1f s (%.0f ms a file)\n",
                total, downloads, downloads * 1000 / files);
    std::printf("the line alone for those bytes at 11 520 B/s: %.1f s (the total is %.2f of it)\n", line,
                total / line);
    std::printf("the question's estimate: %.1f s (shown as ~%dsek.); target total <= estimate: %s\n",
                estimate, olv::SzacowanyCzasSciaganiaSek(files), total <= estimate ? "met" : "MISSED");
    if (stored != files || found != kDevices) status = 1;
  }
  fs::remove_all(root);
  return status;
}
