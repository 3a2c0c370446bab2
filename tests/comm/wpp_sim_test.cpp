// The engine and the driver against the simulated bus, in virtual time over
// the in-memory link at 115 200 baud: what a device answers is the
// simulator's, not a script's.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "comm/memory_link.h"
#include "comm/sterownik_wpp.h"
#include "comm/wpp.h"
#include "common/files.h"
#include "common/strings.h"
#include "common/virtual_clock.h"
#include "sim/sim_bus.h"

namespace olv {
namespace {

namespace fs = std::filesystem;

std::string Pattern(size_t size, unsigned seed = 1) {
  std::string data(size, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (char& c : data) {
    x = x * 1664525u + 1013904223u;
    c = static_cast<char>(x >> 24);
  }
  return data;
}

class SimBusTest : public ::testing::Test {
 protected:
  SimBusTest() {
    root = fs::temp_directory_path() / ("olv_simbus_" + std::to_string(reinterpret_cast<uintptr_t>(this)));
    fs::create_directories(root / "home/data/extSD");
    fs::create_directories(root / "cards");
    for (int id = 1; id <= 9; ++id) {
      fs::create_directories(root / "home/data/extSD" / IntToStrZeZerami(id, 8));
    }
    auto link = std::make_unique<cMemoryLink>(clock);
    mLink = link.get();
    driver = std::make_unique<cSterownikWPP>(clock, std::move(link), (root / "home").string() + "/");
  }
  ~SimBusTest() override { fs::remove_all(root); }

  std::string Card(int id) const { return (root / "cards" / IntToStrZeZerami(id, 8)).string(); }
  void AddDevice(int id) {
    std::string error;
    ASSERT_TRUE(bus.AddDevice(id, Card(id), &error)) << error;
  }
  // Joins the link to the bus; keep_to_device may lose chosen bytes on the
  // way to the devices (an acknowledgement, say).
  void Join(std::function<bool(uint8_t)> keep_to_device = nullptr) {
    mLink->SetDeviceReceiver([this, keep = std::move(keep_to_device)](const uint8_t* d, size_t n) {
      for (size_t i = 0; i < n; ++i) {
        if (!keep || keep(d[i])) bus.Receive(d + i, 1);
      }
    });
    bus.SetSender([this](const uint8_t* d, size_t n) { mLink->SendFromDevice(d, n); });
  }
  cWPP& wpp() { return driver->WPP(); }

  // Downloads the files of device 2 through the driver; true when the job ended.
  bool Download(const std::vector<std::string>& names, uint64_t limit_ms = 600000) {
    bool done = false;
    driver->FunkcjaPoSciagnieciuPlikow = [&] { done = true; };
    for (const auto& name : names) driver->DodajPlikDoSciagniecia("COM1", 2, 0, name);
    driver->SciagnijPliki();
    return clock.RunUntil([&] { return done; }, limit_ms);
  }
  bool Upload(const std::vector<std::string>& paths, int id = 2, uint64_t limit_ms = 600000) {
    bool done = false;
    driver->FunkcjaPoWyslaniuPlikow = [&] { done = true; };
    for (const auto& path : paths) driver->DodajPlikDoWyslania(path, "COM1", id);
    driver->WyslijPliki();
    return clock.RunUntil([&] { return done; }, limit_ms);
  }
  std::optional<std::string> Mirror(int id, const std::string& name) const {
    return ReadWholeFile((root / "home/data/extSD" / IntToStrZeZerami(id, 8) / name).string());
  }

  fs::path root;
  cVirtualClock clock;
  cSimBus bus{clock};
  cMemoryLink* mLink = nullptr;
  std::unique_ptr<cSterownikWPP> driver;
};

TEST_F(SimBusTest, ScanOfThreeAnsweringAndOneSilentDeviceFindsExactlyTheThree) {
  for (int id : {2, 3, 4, 5}) AddDevice(id);
  // Delays that line the three answers up back to back.
  bus.FindDevice(2)->SetAnswerDelay(80);
  bus.FindDevice(3)->SetAnswerDelay(40);
  bus.FindDevice(5)->SetSilent(true);
  Join();
  std::vector<std::vector<std::string>> found;
  wpp().OnDevicesFound = [&](const std::vector<std::string>& lines) { found.push_back(lines); };
  ASSERT_TRUE(wpp().OtworzPort("COM1", 115200));
  ASSERT_TRUE(wpp().RozglosSkanowanie());
  clock.AdvanceMs(499);
  EXPECT_TRUE(found.empty());
  clock.AdvanceMs(2);
  ASSERT_EQ(found.size(), 1u);
  std::vector<std::string> ids;
  for (const std::string& line : found[0]) ids.push_back(line.substr(0, line.find(':')));
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(ids, (std::vector<std::string>{"2", "3", "4"}));
}

TEST_F(SimBusTest, SearchOfAllPortsFindsTheDevicesWithTheirAnswerTexts) {
  for (int id : {2, 7}) AddDevice(id);
  // One simulated line behind both names: each port finds both devices.
  mLink->SetPorts({"COM1", "COM3"});
  Join();
  bool done = false;
  driver->FunkcjaPoWyszukaniuUrzadzen = [&] { done = true; };
  driver->SzukajUrzadzen();
  ASSERT_TRUE(clock.RunUntil([&] { return done; }, 5000));
  std::vector<std::string> found;
  for (const auto& f : driver->ZnalezioneUrzadzenia()) {
    found.push_back(f.Port + " " + std::to_string(f.Id) + " " + f.TekstOdpowiedzi);
  }
  EXPECT_EQ(found, (std::vector<std::string>{"COM1 2 Rejestrator OLV", "COM1 7 Rejestrator OLV",
                                             "COM3 2 Rejestrator OLV", "COM3 7 Rejestrator OLV"}));
  EXPECT_TRUE(driver->CzyUrzadzenieJestNaLiscieZnalezionych("COM3", 7));
  EXPECT_FALSE(driver->CzyUrzadzenieJestNaLiscieZnalezionych("COM3", 3));
  EXPECT_FALSE(driver->FunkcjaPoWyszukaniuUrzadzen) << "the search-done handler is unset";
  EXPECT_TRUE(driver->Niepowodzenia().empty()) << "a search reports no failures";
}

TEST_F(SimBusTest, DownloadsOfEverySizeArriveByteIdentical) {
  AddDevice(2);
  const std::vector<size_t> sizes = {0, 1, 512, 513, 1300, 200000};
  std::vector<std::string> names;
  for (size_t i = 0; i < sizes.size(); ++i) {
    names.push_back("F" + std::to_string(sizes[i]) + ".BIN");
    ASSERT_TRUE(WriteFileAtomically(Card(2) + "/" + names.back(), Pattern(sizes[i], i)));
  }
  Join();
  ASSERT_TRUE(Download(names));
  for (size_t i = 0; i < sizes.size(); ++i) {
    EXPECT_EQ(Mirror(2, names[i]), Pattern(sizes[i], i)) << names[i];
  }
  EXPECT_TRUE(driver->Niepowodzenia().empty());
}

TEST_F(SimBusTest, UploadsArriveByteIdenticalAndTheFourthFrameCostsOneResend) {
  AddDevice(2);
  Join();
  std::vector<std::string> paths;
  for (const size_t size : {0, 512, 1300, 2100}) {
    paths.push_back((root / ("U" + std::to_string(size) + ".BIN")).string());
    ASSERT_TRUE(WriteFileAtomically(paths.back(), Pattern(size, static_cast<unsigned>(size))));
  }
  std::vector<std::string> status;
  wpp().OnStatus = [&](const std::string& text) {
    if (text.rfind("o jakas retransmisja", 0) == 0) status.push_back(text);
  };
  ASSERT_TRUE(Upload(paths));
  for (const size_t size : {0, 512, 1300, 2100}) {
    EXPECT_EQ(ReadWholeFile(Card(2) + "/U" + std::to_string(size) + ".BIN"),
              Pattern(size, static_cast<unsigned>(size)));
  }
  EXPECT_EQ(status, std::vector<std::string>{"o jakas retransmisja 1"});
  EXPECT_TRUE(driver->Niepowodzenia().empty());
}

TEST_F(SimBusTest, UsersFileUploadedAndReadBackIsTheSame) {
  AddDevice(2);
  Join();
  const std::string users = "1234567890,0001,1234,Kowalski Jan\r\n,0002,,Nowak\r\n";
  const std::string path = (root / "USERS.txt").string();
  ASSERT_TRUE(WriteFileAtomically(path, users));
  ASSERT_TRUE(Upload({path}));
  ASSERT_TRUE(Download({"USERS.TXT"}));
  EXPECT_EQ(Mirror(2, "USERS.TXT"), users);
}

TEST_F(SimBusTest, DamagedLineStillDeliversTheFileWhole) {
  AddDevice(2);
  ASSERT_TRUE(WriteFileAtomically(Card(2) + "/DAMAGED.BIN", Pattern(20000, 7)));
  bus.SetFaultsFromHost({0, 1.0 / 5000});
  bus.SetFaultsToHost({0, 1.0 / 5000});
  Join();
  ASSERT_TRUE(Download({"DAMAGED.BIN"}));
  EXPECT_EQ(Mirror(2, "DAMAGED.BIN"), Pattern(20000, 7));
}

TEST_F(SimBusTest, LostAcknowledgementStillDeliversTheFileWhole) {
  AddDevice(2);
  ASSERT_TRUE(WriteFileAtomically(Card(2) + "/LOSTACK.BIN", Pattern(5000, 3)));
  int acknowledgements = 0;
  Join([&](uint8_t b) { return !(b == '{' && ++acknowledgements == 3); });
  ASSERT_TRUE(Download({"LOSTACK.BIN"}));
  EXPECT_EQ(Mirror(2, "LOSTACK.BIN"), Pattern(5000, 3));
}

TEST_F(SimBusTest, DeviceSilentInTheMiddleOfADownloadIsRetriedThriceAndReported) {
  AddDevice(2);
  AddDevice(3);
  ASSERT_TRUE(WriteFileAtomically(Card(2) + "/CUT.BIN", Pattern(5000)));
  ASSERT_TRUE(WriteFileAtomically(Card(3) + "/OK.BIN", Pattern(700)));
  Join();
  // The line breaks after the header and a few frames, for good.
  bus.FindDevice(2)->CutLineAfter(2000, true);
  bool done = false;
  driver->FunkcjaPoSciagnieciuPlikow = [&] { done = true; };
  driver->DodajPlikDoSciagniecia("COM1", 2, 5000, "CUT.BIN");
  driver->DodajPlikDoSciagniecia("COM1", 3, 700, "OK.BIN");
  driver->SciagnijPliki();
  ASSERT_TRUE(clock.RunUntil([&] { return done; }, 120000));
  ASSERT_EQ(driver->Niepowodzenia().size(), 1u);
  EXPECT_EQ(driver->Niepowodzenia()[0].Id, 2);
  EXPECT_EQ(driver->Niepowodzenia()[0].Plik, "CUT.BIN");
  EXPECT_FALSE(Mirror(2, "CUT.BIN"));
  EXPECT_EQ(Mirror(3, "OK.BIN"), Pattern(700));
}

TEST_F(SimBusTest, ConfigurationIsHandedToItsHandler) {
  AddDevice(1);
  Join();
  std::optional<std::string> data;
  driver->UstawFunkcjeObslugujacaKonfiguracje(
      [&](const std::string&, const std::optional<std::string>& d) { data = d; });
  driver->UstawUrzadzenieKonfiguracji("COM1", 1);
  driver->PobierzKonfiguracje();
  ASSERT_TRUE(clock.RunUntil([&] { return data.has_value(); }, 10000));
  EXPECT_EQ(data, ReadWholeFile(Card(1) + "/KONFOUT.TXT"));
}

}  // namespace
}  // namespace olv
