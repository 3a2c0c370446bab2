// End to end in real time: TCOMSocket, the engine and the driver against
// olv8-sim started as a separate process on its pseudo-terminal.
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

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

extern char** environ;

namespace olv {
namespace {

namespace fs = std::filesystem;

const std::string kSimulator = std::string(OLV_BINARY_DIR) + "/sim/olv8-sim";

class Olv8SimProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/olv_e2e_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root = pattern;
    fs::create_directories(root / "cards/00000002");
    fs::create_directories(root / "cards/00000003");
    fs::create_directories(root / "home/data/extSD/00000002");
    contents.resize(3000);
    for (size_t i = 0; i < contents.size(); ++i) contents[i] = static_cast<char>(i * 31 + 7);
    ASSERT_TRUE(WriteFileAtomically((root / "cards/00000002/21051110.CSV").string(), contents));
    port = Start({"--device", "2:" + (root / "cards/00000002").string(), "--device",
                  "3:" + (root / "cards/00000003").string(), "--pace"});
    ASSERT_FALSE(port.empty());
  }
  void TearDown() override {
    if (pid > 0) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
    if (output >= 0) close(output);
    fs::remove_all(root);
  }

  // Starts the simulator and returns the port path it prints first.
  std::string Start(std::vector<std::string> args) {
    int fds[2];
    if (pipe(fds) != 0) return "";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    args.insert(args.begin(), kSimulator);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int spawned = posix_spawn(&pid, kSimulator.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    output = fds[0];
    if (spawned != 0) return "";
    std::string line;
    char c;
    while (read(output, &c, 1) == 1 && c != '\n') line.push_back(c);
    return line;
  }

  fs::path root;
  std::string contents;
  std::string port;
  pid_t pid = -1;
  int output = -1;
  cLoopClock clock;
};

TEST_F(Olv8SimProcessTest, EngineFindsTheDevicesAndReadsAFileList) {
  cWPP wpp(clock, std::make_unique<TCOMSocket>());
  std::vector<std::string> found;
  std::vector<std::string> files;
  bool scanned = false;
  bool listed = false;
  wpp.OnDevicesFound = [&](const std::vector<std::string>& lines) {
    found = lines;
    scanned = true;
  };
  wpp.OnFileListReceived = [&](const std::vector<std::string>& lines) {
    files = lines;
    listed = true;
  };
  ASSERT_TRUE(wpp.OtworzPort(port, 115200));
  ASSERT_TRUE(wpp.RozglosSkanowanie());
  ASSERT_TRUE(clock.RunUntil([&] { return scanned; }, 5000));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].substr(0, 2), "2:");
  EXPECT_EQ(found[1].substr(0, 2), "3:");

  ASSERT_TRUE(wpp.AktywujUrzadzenie(2));
  ASSERT_TRUE(wpp.SciagnijListePlikowZUrzadzenia());
  ASSERT_TRUE(clock.RunUntil([&] { return listed; }, 5000));
  EXPECT_TRUE(std::any_of(files.begin(), files.end(), [](const std::string& line) {
    return line.rfind("21051110.CSV ", 0) == 0 && line.substr(line.find_last_of(' ') + 1) == "3000";
  }));
  EXPECT_TRUE(wpp.ZamknijPort());
}

TEST_F(Olv8SimProcessTest, DriverDownloadsAFileIntoTheMirror) {
  cSterownikWPP driver(clock, std::make_unique<TCOMSocket>(), (root / "home").string() + "/");
  bool done = false;
  driver.FunkcjaPoSciagnieciuPlikow = [&] { done = true; };
  driver.DodajPlikDoSciagniecia(port, 2, 3000, "21051110.CSV");
  driver.SciagnijPliki();
  ASSERT_TRUE(clock.RunUntil([&] { return done; }, 20000));
  EXPECT_TRUE(driver.Niepowodzenia().empty());
  EXPECT_EQ(ReadWholeFile((root / "home/data/extSD/00000002/21051110.CSV").string()), contents);
}

}  // namespace
}  // namespace olv
