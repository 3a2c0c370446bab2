// The WPP driver in virtual time over the in-memory link, against the scripted
// bus (scan, activation and file lists; it ignores file requests, which makes
// it a device that never delivers a file).
#include "comm/sterownik_wpp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "comm/memory_link.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "tests/comm/fake_olv_bus.h"

namespace olv {
namespace {

using test::cFakeOlvBus;

class SterownikTest : public ::testing::Test {
 protected:
  SterownikTest() {
    folder = std::filesystem::temp_directory_path() /
             ("olv_driver_" + std::to_string(reinterpret_cast<uintptr_t>(this)));
    std::filesystem::create_directories(folder / "data/extSD/00000002");
    auto link = std::make_unique<cMemoryLink>(clock);
    mLink = link.get();
    mLink->SetPorts({"COM1", "COM3"});
    driver = std::make_unique<cSterownikWPP>(clock, std::move(link), folder.string() + "/");
    driver->UstawFunkcjeLogujaca([this](const std::string& line) { log.push_back(line); });
    mLink->SetDeviceReceiver([this](const uint8_t* d, size_t n) { bus.Receive(d, n); });
    bus.SetSender([this](const uint8_t* d, size_t n) { mLink->SendFromDevice(d, n); });
  }
  ~SterownikTest() override { std::filesystem::remove_all(folder); }

  bool Logged(const std::string& line) const {
    return std::find(log.begin(), log.end(), line) != log.end();
  }
  size_t CountLogged(const std::string& line) const {
    return static_cast<size_t>(std::count(log.begin(), log.end(), line));
  }
  // Runs until the handler sets done, then lets the queue remove the report.
  bool RunJob(bool& done, uint64_t limit_ms = 120000) {
    const bool ended = clock.RunUntil([&] { return done; }, limit_ms);
    clock.AdvanceMs(5);
    return ended;
  }

  cVirtualClock clock;
  cFakeOlvBus bus{clock};
  cMemoryLink* mLink = nullptr;
  std::unique_ptr<cSterownikWPP> driver;
  std::vector<std::string> log;
  std::filesystem::path folder;
};

TEST_F(SterownikTest, SearchOfNamedPortsSkipsPortsThatDoNotOpen) {
  bus.AddDevice({3, "x3", 100, false, {}});
  bool done = false;
  driver->FunkcjaPoWyszukaniuUrzadzen = [&] { done = true; };
  driver->SzukajUrzadzen("COM7,\"COM3\"");
  ASSERT_TRUE(RunJob(done));
  ASSERT_EQ(driver->ZnalezioneUrzadzenia().size(), 1u);
  EXPECT_EQ(driver->ZnalezioneUrzadzenia()[0].Port, "COM3");
  EXPECT_TRUE(Logged("Sterownik WPP: SzukajUrzadzen (AnsiString)"));
  EXPECT_TRUE(Logged("Sterownik WPP: RobZadanie: Szukaj Urzadzen na szynie"));
  EXPECT_TRUE(driver->CzyKolejkaZadanPusta());
}

TEST_F(SterownikTest, FileListsOfSeveralDevicesAndASilentOneThatIsReported) {
  bus.AddDevice({2, "x2", 20, false, {"A.CSV  1 2  10", "B.CSV 1 2 20"}});
  bus.AddDevice({3, "x3", 20, true, {"C.CSV 1 2 30"}});
  bus.AddDevice({4, "x4", 20, false, {}});
  bool done = false;
  driver->FunkcjaPoSciagnieciuList = [&] { done = true; };
  driver->DodajUrzadzenieDoSciagnieciaListyPlikow("COM1", 2);
  driver->DodajUrzadzenieDoSciagnieciaListyPlikow("COM1", 3);
  driver->DodajUrzadzenieDoSciagnieciaListyPlikow("COM1", 4);
  driver->SciagnijListyPlikowZUrzadzen();
  ASSERT_TRUE(RunJob(done));
  const auto& lists = driver->ListyPlikow();
  ASSERT_EQ(lists.size(), 2u);
  EXPECT_EQ(lists[0].Id, 2);
  EXPECT_EQ(lists[0].Port, "COM1");
  EXPECT_EQ(lists[0].Linie, (std::vector<std::string>{"A.CSV  1 2  10", "B.CSV 1 2 20"}));
  EXPECT_EQ(lists[1].Id, 4);
  EXPECT_TRUE(lists[1].Linie.empty());
  ASSERT_EQ(driver->Niepowodzenia().size(), 1u);
  EXPECT_EQ(driver->Niepowodzenia()[0].Id, 3);
  EXPECT_EQ(driver->Niepowodzenia()[0].Powod, "Urządzenie nie przesłało listy plików");
  EXPECT_FALSE(mLink->IsOpen()) << "the silent device's port was closed";
  EXPECT_TRUE(driver->CzyKolejkaZadanPusta());
}

TEST_F(SterownikTest, APortThatDoesNotOpenSkipsItsDeviceAndTheJobEnds) {
  bus.AddDevice({2, "x2", 20, false, {"A.CSV 1 2 10"}});
  bool done = false;
  driver->FunkcjaPoSciagnieciuList = [&] { done = true; };
  driver->DodajUrzadzenieDoSciagnieciaListyPlikow("COM9", 5);
  driver->DodajUrzadzenieDoSciagnieciaListyPlikow("COM1", 2);
  driver->SciagnijListyPlikowZUrzadzen();
  ASSERT_TRUE(RunJob(done, 2000)) << "no waiting for a device behind a closed port";
  ASSERT_EQ(driver->Niepowodzenia().size(), 1u);
  EXPECT_EQ(driver->Niepowodzenia()[0].Port, "COM9");
  EXPECT_EQ(driver->Niepowodzenia()[0].Id, 5);
  EXPECT_EQ(driver->Niepowodzenia()[0].Powod, "Nie można otworzyć portu COM9");
  ASSERT_EQ(driver->ListyPlikow().size(), 1u);
  EXPECT_EQ(driver->ListyPlikow()[0].Id, 2);
}

TEST_F(SterownikTest, DownloadJobQueuesProgressAndGivesUpOnASilentDeviceAfterThreeRestarts) {
  bus.AddDevice({2, "x2", 20, false, {}});
  bool done = false;
  std::vector<int> progress;
  driver->FunkcjaPoSciagnieciuPlikow = [&] { done = true; };
  driver->DodajPlikDoSciagniecia("COM1", 2, 100, "21051110.CSV");
  driver->DodajPlikDoSciagniecia("COM1", 2, 200, "21051111.CSV");
  driver->DodajPlikDoSciagniecia("COM1", 3, 300, "../../etc.CSV");
  EXPECT_EQ(driver->SumujRozmiarPlikowNaLiscieDoSciagniecia(), 600);
  EXPECT_EQ(driver->ZwrocIloscPlikowNaLiscieDoSciagniecia(), 3);
  driver->SciagnijPliki();
  EXPECT_EQ(driver->ZwrocIloscPlikowNaLiscieDoSciagniecia(), 0);
  EXPECT_EQ(driver->Kolejka().WypiszKolejke()[4], "zadanie 14, 33");
  EXPECT_EQ(driver->Kolejka().WypiszKolejke()[9], "zadanie 14, 66");
  EXPECT_EQ(driver->Kolejka().WypiszKolejke()[14], "zadanie 14, 100");
  ASSERT_TRUE(clock.RunUntil([&] { progress.push_back(driver->Postep()); return done; }, 120000));
  clock.AdvanceMs(5);
  // First file: the first try and three restarts, 5 s without progress each;
  // the second file of the same device is skipped; the third name is refused.
  EXPECT_EQ(CountLogged("SterownikWPP: TimerTimeoutSciaganiaPlikuTimer *********** BŁĄD ŚCIĄGANIA "
                        "PLIKU - WYMUSZONA RETRANSMISJA"),
            4u);
  ASSERT_EQ(driver->Niepowodzenia().size(), 2u);
  EXPECT_EQ(driver->Niepowodzenia()[0].Plik, "21051110.CSV");
  EXPECT_EQ(driver->Niepowodzenia()[0].Powod, "Urządzenie nie przesłało pliku mimo 3 ponowień");
  EXPECT_EQ(driver->Niepowodzenia()[1].Plik, "../../etc.CSV");
  EXPECT_EQ(driver->Niepowodzenia()[1].Powod, "Niedozwolona nazwa pliku");
  EXPECT_TRUE(std::find(progress.begin(), progress.end(), 100) != progress.end());
  EXPECT_EQ(driver->Postep(), 0);
  EXPECT_TRUE(driver->CzyKolejkaZadanPusta());
  EXPECT_FALSE(mLink->IsOpen());
  EXPECT_TRUE(std::filesystem::is_empty(folder / "data/extSD/00000002"));
}

TEST_F(SterownikTest, ConfigurationThatNeverComesIsReportedToItsHandler) {
  bus.AddDevice({1, "xnew", 20, false, {}});
  int calls = 0;
  std::optional<std::string> data = "unset";
  driver->UstawFunkcjeObslugujacaKonfiguracje(
      [&](const std::string& name, const std::optional<std::string>& d) {
        ++calls;
        EXPECT_EQ(name, "KONFOUT.TXT");
        data = d;
      });
  driver->UstawUrzadzenieKonfiguracji("COM1", 1);
  driver->PobierzKonfiguracje();
  ASSERT_TRUE(clock.RunUntil([&] { return calls > 0 && driver->CzyKolejkaZadanPusta(); }, 60000));
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(data);

  // Behind a port that does not open the handler hears at once.
  calls = 0;
  driver->UstawUrzadzenieKonfiguracji("COM8", 1);
  driver->PobierzKonfiguracje();
  ASSERT_TRUE(clock.RunUntil([&] { return calls > 0; }, 100));
}

TEST_F(SterownikTest, UploadJobDeletesFirstWaitsAfterEachFileAndGivesUpWithoutAcknowledgement) {
  bus.AddDevice({2, "x2", 20, false, {}});
  const std::string path = (folder / "USERS.txt").string();
  ASSERT_TRUE(WriteFileAtomically(path, "abc"));
  bool done = false;
  driver->FunkcjaPoWyslaniuPlikow = [&] { done = true; };
  driver->DodajPlikDoWyslania(path, "COM1", 2);
  driver->DodajPlikDoWyslania((folder / "00000002").string(), "COM1", 3);
  driver->WyslijPliki();
  EXPECT_EQ(driver->Kolejka().WypiszKolejke(),
            (std::vector<std::string>{"zadanie 5, COM1", "zadanie 6, 2", "zadanie 7, USERS.txt",
                                      "zadanie 8, " + path, "zadanie 11, ", "zadanie 2, 1200",
                                      "zadanie 5, COM1", "zadanie 6, 3", "zadanie 7, 00000002",
                                      "zadanie 8, " + (folder / "00000002").string(),
                                      "zadanie 11, ", "zadanie 2, 1200", "zadanie 15, "}));
  ASSERT_TRUE(RunJob(done));
  EXPECT_FALSE(driver->FunkcjaPoWyslaniuPlikow);
  ASSERT_EQ(driver->Niepowodzenia().size(), 2u);
  EXPECT_EQ(driver->Niepowodzenia()[0].Powod, "Urządzenie nie potwierdziło odbioru pliku");
  // The factory file's name has no 8.3 form: its delete is skipped, not failed;
  // the file itself does not exist here.
  EXPECT_TRUE(Logged("Sterownik WPP: RobZadanie: Usun plik: pomijam \"00000002\""));
  EXPECT_EQ(driver->Niepowodzenia()[1].Powod, "Nie można odczytać pliku " + (folder / "00000002").string());
}

TEST_F(SterownikTest, WaitTaskLastsItsTimeOr100msWhenItIsNoNumber) {
  driver->Kolejka().DodajZadanie(eRodzajZadania::Czekaj, "1200", false);
  driver->Kolejka().DodajZadanie(eRodzajZadania::Czekaj, "x", false);
  driver->Kolejka().ZacznijRobicNastepne();
  clock.AdvanceMs(1100);
  EXPECT_EQ(driver->Kolejka().IloscWpisow(), 2);
  clock.AdvanceMs(215);
  EXPECT_TRUE(driver->CzyKolejkaZadanPusta());
}

}  // namespace
}  // namespace olv
