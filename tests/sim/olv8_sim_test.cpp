// olv8-sim as a separate process, in real time: TCOMSocket, the engine and the
// driver against it over its pseudo-terminal, and how it starts and stops.
#include <gtest/gtest.h>
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
#include "common/virtual_clock.h"
#include "sim/line_pacer.h"
#include "sim/sim_options.h"
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

// The engine scans and reads a file list, the driver downloads a file into
// the mirror at the line rate, and the simulator stops cleanly on SIGTERM.
TEST_F(SimProcess, EngineAndDriverFindListAndFetchFromTheSimulatorThenItStopsCleanlyOnSigterm) {
  const std::string link = mRoot + "/ttyOLV";
  const std::string cards = mRoot + "/cards";
  const std::string contents = Bytes({0x00, 0xFF, 0x15, 0x0D, 0x0A}) + std::string(2995, 'y');
  ASSERT_TRUE(CreateDirectory(cards) && CreateDirectory(cards + "/00000002"));
  ASSERT_TRUE(WriteFileAtomically(cards + "/00000002/21051110.CSV", contents));
  const std::string port = mSimulator.Start({"--cards", cards, "--devices", "3", "--silent", "3", "--link",
                                             link, "--log", mRoot + "/sim.log", "--pace"});
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

  std::filesystem::create_directories(mRoot + "/home/data/extSD/00000002");
  cSterownikWPP driver(mClock, std::make_unique<TCOMSocket>(), mRoot + "/home/");
  bool done = false;
  driver.FunkcjaPoSciagnieciuPlikow = [&] { done = true; };
  driver.DodajPlikDoSciagniecia(port, 2, static_cast<int>(contents.size()), "21051110.CSV");
  driver.SciagnijPliki();
  ASSERT_TRUE(mClock.RunUntil([&] { return done; }, 20000));
  EXPECT_TRUE(driver.Niepowodzenia().empty());
  EXPECT_EQ(ReadWholeFile(mRoot + "/home/data/extSD/00000002/21051110.CSV"), contents);

  EXPECT_EQ(mSimulator.Stop(SIGTERM), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
  EXPECT_TRUE(FileExists(cards + "/00000003/KONFOUT.TXT"));
  EXPECT_NE(ReadWholeFile(mRoot + "/sim.log").value_or("").find("SIM 2: -> FF 02 01 3A"), std::string::npos);
}

TEST_F(SimProcess, RefusesBadArgumentsWithItsUsageAndStopsOnSigintRemovingItsTemporaryCards) {
  EXPECT_EQ(mSimulator.Start({"--device", "12:/tmp/x"}), "");
  EXPECT_EQ(mSimulator.Stop(0), 2);
  const std::string port = mSimulator.Start({"--devices", "1", "--log", mRoot + "/sim.log"});
  ASSERT_EQ(port.rfind("/dev/pts/", 0), 0u) << port;
  EXPECT_EQ(mSimulator.Stop(SIGINT), 0);
  const std::string log = ReadWholeFile(mRoot + "/sim.log").value_or("");
  const size_t at = log.find("card /tmp/olv8-sim-");
  ASSERT_NE(at, std::string::npos) << log;
  const std::string card = log.substr(at + 5, log.find('\n', at) - at - 5);
  EXPECT_FALSE(DirectoryExists(card)) << card;
}

// The devices, cards, link, log and pacing are taken in the runs above; here
// the fault knobs, and bad values refused with the reason.
TEST(SimOptions, FaultKnobsAreTakenAndBadValuesRefused) {
  std::string error;
  const auto options =
      ParseSimOptions({"--devices", "3", "--verbose", "--silent", "3", "--late", "2:600", "--cut",
                       "4:100", "--fall-silent", "5:2000", "--drop", "0,001", "--garble", "0.0002", "--seed", "42"},
                      &error);
  ASSERT_TRUE(options) << error;
  EXPECT_TRUE(options->verbose && options->seed == 42u);
  EXPECT_EQ(options->silent, std::vector<int>{3});
  EXPECT_EQ(options->late, (std::vector<std::pair<int, uint32_t>>{{2, 600}}));
  EXPECT_EQ(options->cut, (std::vector<std::pair<int, uint64_t>>{{4, 100}}));
  EXPECT_EQ(options->fall_silent, (std::vector<std::pair<int, uint64_t>>{{5, 2000}}));
  EXPECT_DOUBLE_EQ(options->drop, 0.001);
  EXPECT_DOUBLE_EQ(options->garble, 0.0002);

  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {}, {"--devices"}, {"--devices", "2", "--fast"}, {"--device", "10:x"}, {"--device", "2:"},
           {"--devices", "9"}, {"--devices", "2", "--garble", "1.5"}, {"--devices", "2", "--late", "2"},
           {"--devices", "2", "--fall-silent", "2:-1"}}) {
    EXPECT_FALSE(ParseSimOptions(bad, &error)) << bad.size() << " arguments, " << error;
  }
  EXPECT_TRUE(ParseSimOptions({"--help"}, &error));
}

TEST(LinePacer, LetsBytesOutAtTheLineRate) {
  cVirtualClock clock;
  std::vector<std::pair<uint64_t, size_t>> out;
  cLinePacer pacer(clock, 11520, [&](std::string_view bytes) {
    out.emplace_back(clock.NowMicros() / 1000, bytes.size());
  });
  pacer.Push(std::string(1153, 'x'));
  clock.AdvanceMs(99);
  EXPECT_GT(pacer.Waiting(), 0u);
  clock.AdvanceMs(1);
  EXPECT_EQ(pacer.Waiting(), 0u);
  size_t total = 0;
  for (const auto& [ms, n] : out) {
    total += n;
    // Never ahead of the line: one byte at once, then 11.52 a millisecond.
    EXPECT_LE(total, 1 + ms * 11520 / 1000);
  }
  EXPECT_EQ(total, 1153u);
}

}  // namespace
}  // namespace olv::simtest
