// olv8-sim as a separate process, in real time: TCOMSocket, the engine and the
// driver against it over its pseudo-terminal, and how it starts and stops.
#include <signal.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>

#include "comm/com_socket.h"
#include "comm/sterownik_wpp.h"
#include "comm/wpp.h"
#include "common/files.h"
#include "common/loop_clock.h"
#include "tests/sim/olv8_sim_process.h"
#include "tests/sim/sim_test_support.h"

namespace olv::simtest {
namespace {

class SimProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/olv_simproc_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    mRoot = pattern;
  }
  void TearDown() override {
    mSimulator.Stop(SIGKILL);
    std::filesystem::remove_all(mRoot);
  }

  std::string mRoot;
  test::cOlv8SimProcess mSimulator;
  cLoopClock mClock;
};

TEST_F(SimProcess, EngineFindsTheDevicesAndReadsAFileListThenTheSimulatorStopsCleanlyOnSigterm) {
  const std::string link = mRoot + "/ttyOLV";
  const std::string cards = mRoot + "/cards";
  ASSERT_TRUE(CreateDirectory(cards) && CreateDirectory(cards + "/00000002"));
  ASSERT_TRUE(WriteFileAtomically(cards + "/00000002/21051110.CSV", std::string(3000, 'x')));
  const std::string port = mSimulator.Start({"--cards", cards, "--devices", "3", "--silent", "3",
                                             "--link", link, "--log", mRoot + "/sim.log"});
  ASSERT_EQ(port.rfind("/dev/pts/", 0), 0u) << port;
  ASSERT_EQ(std::filesystem::read_symlink(link), port);

  cWPP wpp(mClock, std::make_unique<TCOMSocket>());
  std::optional<std::vector<std::string>> found, files;
  wpp.OnDevicesFound = [&](const std::vector<std::string>& l) { found = l; };
  wpp.OnFileListReceived = [&](const std::vector<std::string>& l) { files = l; };
  ASSERT_TRUE(wpp.OtworzPort(link, 115200));
  ASSERT_TRUE(wpp.RozglosSkanowanie());
  ASSERT_TRUE(mClock.RunUntil([&] { return found.has_value(); }, 5000));
  EXPECT_EQ(*found, (std::vector<std::string>{"2:Rejestrator OLV", "4:Rejestrator OLV"}));
  ASSERT_TRUE(wpp.AktywujUrzadzenie(2));
  ASSERT_TRUE(wpp.SciagnijListePlikowZUrzadzenia());
  ASSERT_TRUE(mClock.RunUntil([&] { return files.has_value(); }, 5000));
  EXPECT_TRUE(std::any_of(files->begin(), files->end(), [](const std::string& line) {
    return line.starts_with("21051110.CSV ") && line.ends_with(" 3000");
  }));
  EXPECT_TRUE(wpp.ZamknijPort());

  EXPECT_EQ(mSimulator.Stop(SIGTERM), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
  EXPECT_TRUE(FileExists(cards + "/00000003/KONFOUT.TXT"));
  EXPECT_NE(ReadWholeFile(mRoot + "/sim.log").value_or("").find("SIM 2: -> FF 02 01 3A"), std::string::npos);
}

TEST_F(SimProcess, DriverDownloadsAFileIntoTheMirrorAtTheLineRate) {
  const std::string card = mRoot + "/card2";
  const std::string contents = Bytes({0x00, 0xFF, 0x15, 0x0D, 0x0A}) + std::string(3000, 'y');
  ASSERT_TRUE(CreateDirectory(card));
  ASSERT_TRUE(WriteFileAtomically(card + "/21051110.CSV", contents));
  const std::string port = mSimulator.Start({"--device", "2:" + card, "--pace"});
  ASSERT_FALSE(port.empty());

  std::filesystem::create_directories(mRoot + "/home/data/extSD/00000002");
  cSterownikWPP driver(mClock, std::make_unique<TCOMSocket>(), mRoot + "/home/");
  bool done = false;
  driver.FunkcjaPoSciagnieciuPlikow = [&] { done = true; };
  driver.DodajPlikDoSciagniecia(port, 2, static_cast<int>(contents.size()), "21051110.CSV");
  driver.SciagnijPliki();
  ASSERT_TRUE(mClock.RunUntil([&] { return done; }, 20000));
  EXPECT_TRUE(driver.Niepowodzenia().empty());
  EXPECT_EQ(ReadWholeFile(mRoot + "/home/data/extSD/00000002/21051110.CSV"), contents);
}

TEST_F(SimProcess, StopsOnSigintAndRemovesItsTemporaryCards) {
  const std::string port = mSimulator.Start({"--devices", "1", "--log", mRoot + "/sim.log"});
  ASSERT_EQ(port.rfind("/dev/pts/", 0), 0u) << port;
  EXPECT_EQ(mSimulator.Stop(SIGINT), 0);
  const std::string log = ReadWholeFile(mRoot + "/sim.log").value_or("");
  const size_t at = log.find("card /tmp/olv8-sim-");
  ASSERT_NE(at, std::string::npos) << log;
  const std::string card = log.substr(at + 5, log.find('\n', at) - at - 5);
  EXPECT_FALSE(DirectoryExists(card)) << card;
}

TEST_F(SimProcess, RefusesBadArgumentsWithItsUsage) {
  EXPECT_EQ(mSimulator.Start({"--device", "12:/tmp/x"}), "");
  EXPECT_EQ(mSimulator.Stop(0), 2);
}

}  // namespace
}  // namespace olv::simtest
