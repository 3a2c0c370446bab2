// olv8-sim as a separate process, in real time: TCOMSocket, the engine and the
// driver against it over its pseudo-terminal, and how it starts and stops.
#include <signal.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

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

  // Starts the simulator; returns the first line it prints (the port).
  std::string Start(std::vector<std::string> args) { return mSimulator.Start(std::move(args)); }
  // Sends a signal and returns the exit status (-1 when it did not exit).
  int Stop(int signal_number) { return mSimulator.Stop(signal_number); }

  std::string mRoot;
  test::cOlv8SimProcess mSimulator;
  cLoopClock mClock;
};

TEST_F(SimProcess, EngineFindsTheDevicesAndReadsAFileListThenTheSimulatorStopsCleanlyOnSigterm) {
  const std::string link = mRoot + "/ttyOLV";
  const std::string cards = mRoot + "/cards";
  ASSERT_TRUE(CreateDirectory(cards) && CreateDirectory(cards + "/00000002"));
  ASSERT_TRUE(WriteFileAtomically(cards + "/00000002/21051110.CSV", std::string(3000, 'x')));
  const std::string port = Start({"--cards", cards, "--devices", "3", "--silent", "3", "--link",
                                  link, "--log", mRoot + "/sim.log"});
  ASSERT_EQ(port.rfind("/dev/pts/", 0), 0u) << port;
  ASSERT_EQ(std::filesystem::read_symlink(link), port);

  cWPP wpp(mClock, std::make_unique<TCOMSocket>());
  std::vector<std::string> found, files;
  bool scanned = false, listed = false;
  wpp.OnDevicesFound = [&](const std::vector<std::string>& l) {
    found = l;
    scanned = true;
  };
  wpp.OnFileListReceived = [&](const std::vector<std::string>& l) {
    files = l;
    listed = true;
  };
  ASSERT_TRUE(wpp.OtworzPort(link, 115200));
  ASSERT_TRUE(wpp.RozglosSkanowanie());
  ASSERT_TRUE(mClock.RunUntil([&] { return scanned; }, 5000));
  EXPECT_EQ(found, (std::vector<std::string>{"2:Rejestrator OLV", "4:Rejestrator OLV"}));
  ASSERT_TRUE(wpp.AktywujUrzadzenie(2));
  ASSERT_TRUE(wpp.SciagnijListePlikowZUrzadzenia());
  ASSERT_TRUE(mClock.RunUntil([&] { return listed; }, 5000));
  EXPECT_TRUE(std::any_of(files.begin(), files.end(), [](const std::string& line) {
    return line.starts_with("21051110.CSV ") && line.ends_with(" 3000");
  }));
  EXPECT_TRUE(wpp.ZamknijPort());

  EXPECT_EQ(Stop(SIGTERM), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
  EXPECT_TRUE(FileExists(cards + "/00000003/KONFOUT.TXT"));
  const std::string log = ReadWholeFile(mRoot + "/sim.log").value_or("");
  EXPECT_NE(log.find("SIM 2: <- scan: FF A3 5C"), std::string::npos);
  EXPECT_NE(log.find("SIM 2: -> FF 02 01 3A"), std::string::npos);
}

TEST_F(SimProcess, DriverDownloadsAFileIntoTheMirrorAtTheLineRate) {
  const std::string card = mRoot + "/card2";
  const std::string contents = Bytes({0x00, 0xFF, 0x15, 0x0D, 0x0A}) + std::string(3000, 'y');
  ASSERT_TRUE(CreateDirectory(card));
  ASSERT_TRUE(WriteFileAtomically(card + "/21051110.CSV", contents));
  const std::string port = Start({"--device", "2:" + card, "--pace"});
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
  ASSERT_EQ(Start({"--devices", "1", "--log", mRoot + "/sim.log"}).rfind("/dev/pts/", 0), 0u);
  EXPECT_EQ(Stop(SIGINT), 0);
  const std::string log = ReadWholeFile(mRoot + "/sim.log").value_or("");
  const size_t at = log.find("card /tmp/olv8-sim-");
  ASSERT_NE(at, std::string::npos) << log;
  const std::string card = log.substr(at + 5, log.find('\n', at) - at - 5);
  EXPECT_FALSE(DirectoryExists(card)) << card;
}

TEST_F(SimProcess, RefusesBadArgumentsWithItsUsage) {
  EXPECT_EQ(Start({"--device", "12:/tmp/x"}), "");
  EXPECT_EQ(Stop(0), 2);
}

}  // namespace
}  // namespace olv::simtest
