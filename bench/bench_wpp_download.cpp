// Download figures in virtual time (exact, whatever the machine): the
// throughput of one 100 000-byte file as a fraction of the 11 520 bytes a
// second of a 115 200-baud line, and the whole time to fetch a one-frame file
// with the driver, port opening, activation and closing included. The device
// is the simulator, joined by the in-memory link.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "comm/memory_link.h"
#include "comm/sterownik_wpp.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "sim/sim_bus.h"

namespace {

namespace fs = std::filesystem;

struct cBench {
  explicit cBench(const fs::path& root) {
    fs::create_directories(root / "cards");
    fs::create_directories(root / "home/data/extSD/00000002");
    auto owned = std::make_unique<olv::cMemoryLink>(clock);
    link = owned.get();
    driver = std::make_unique<olv::cSterownikWPP>(clock, std::move(owned),
                                                  (root / "home").string() + "/");
    bus.AddDevice(2, (root / "cards/00000002").string());
    link->SetDeviceReceiver([this](const uint8_t* d, size_t n) { bus.Receive(d, n); });
    bus.SetSender([this](const uint8_t* d, size_t n) { link->SendFromDevice(d, n); });
  }

  olv::cVirtualClock clock;
  olv::cSimBus bus{clock};
  olv::cMemoryLink* link = nullptr;
  std::unique_ptr<olv::cSterownikWPP> driver;
};

}  // namespace

int main() {
  const fs::path root = fs::temp_directory_path() / "olv_bench_wpp_download";
  fs::remove_all(root);
  {
    cBench bench(root);
    const std::string big(100000, 'x');
    olv::WriteFileAtomically((root / "cards/00000002/BIG.BIN").string(), big);
    olv::WriteFileAtomically((root / "cards/00000002/SMALL.CSV").string(), std::string(300, 'y'));
    olv::cWPP& wpp = bench.driver->WPP();

    bool received = false;
    size_t size = 0;
    wpp.OnFileReceived = [&](const std::string&, const std::string& data) {
      received = true;
      size = data.size();
    };
    wpp.OtworzPort("COM1", 115200);
    wpp.AktywujUrzadzenie(2);
    bench.clock.AdvanceMs(10);
    const uint64_t start = bench.clock.NowMicros();
    wpp.SciagnijPlik("BIG.BIN", "");
    bench.clock.RunUntil([&] { return received; }, 60000);
    const double seconds = static_cast<double>(bench.clock.NowMicros() - start) / 1e6;
    std::printf("download of 100000 bytes: %zu bytes in %.3f s = %.3f of the line rate (target >= 0.80)\n",
                size, seconds, static_cast<double>(size) / seconds / 11520.0);
    wpp.ZamknijPort();
    wpp.OnFileReceived = nullptr;

    bool done = false;
    bench.driver->FunkcjaPoSciagnieciuPlikow = [&] { done = true; };
    bench.driver->DodajPlikDoSciagniecia("COM1", 2, 300, "SMALL.CSV");
    const uint64_t job_start = bench.clock.NowMicros();
    bench.driver->SciagnijPliki();
    bench.clock.RunUntil([&] { return done; }, 60000);
    std::printf("one-frame file with open, activation and close: %.1f ms (target <= 150), %s\n",
                static_cast<double>(bench.clock.NowMicros() - job_start) / 1000.0,
                bench.driver->Niepowodzenia().empty() ? "stored" : "FAILED");
  }
  fs::remove_all(root);
  return 0;
}
