// olv8-sim as a separate process, over its pseudo-terminal, in real time.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/loop_clock.h"
#include "tests/sim/sim_test_support.h"

extern char** environ;

namespace olv::simtest {
namespace {

const std::string kSimulator = std::string(OLV_BINARY_DIR) + "/sim/olv8-sim";

class SimProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/olv_simproc_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    mRoot = pattern;
  }
  void TearDown() override {
    if (mPid > 0) {
      kill(mPid, SIGKILL);
      waitpid(mPid, nullptr, 0);
    }
    if (mOutput >= 0) close(mOutput);
    std::filesystem::remove_all(mRoot);
  }

  // Starts the simulator; returns the first line it prints.
  std::string Start(const std::vector<std::string>& args) {
    int pipe_fds[2];
    EXPECT_EQ(pipe(pipe_fds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
    std::vector<std::string> all = {kSimulator};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    EXPECT_EQ(posix_spawn(&mPid, kSimulator.c_str(), &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fds[1]);
    mOutput = pipe_fds[0];
    std::string line;
    char c;
    while (read(mOutput, &c, 1) == 1 && c != '\n') line.push_back(c);
    return line;
  }

  // Sends a signal and returns the exit status (-1 when it did not exit).
  int Stop(int signal_number) {
    kill(mPid, signal_number);
    int status = 0;
    waitpid(mPid, &status, 0);
    mPid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // Writes request to the port and collects what comes back until done says
  // it is whole (or five seconds pass).
  std::string Exchange(const std::string& port, const std::string& request,
                       const std::function<bool(const std::string&)>& done) {
    const int fd = open(port.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_GE(fd, 0) << port;
    if (fd < 0) return "";
    EXPECT_EQ(write(fd, request.data(), request.size()), static_cast<ssize_t>(request.size()));
    std::string answer;
    cLoopClock clock;
    clock.WatchFd(fd, [&] {
      char buffer[512];
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n > 0) answer.append(buffer, static_cast<size_t>(n));
    });
    clock.RunUntil([&] { return done(answer); }, 5000);
    close(fd);
    return answer;
  }

  std::string mRoot;
  pid_t mPid = -1;
  int mOutput = -1;
};

size_t CountOf(const std::string& text, char c) {
  size_t n = 0;
  for (char x : text) n += x == c ? 1 : 0;
  return n;
}

TEST_F(SimProcess, ServesScanAndFileListAcrossReopensAndStopsCleanlyOnSigterm) {
  const std::string link = mRoot + "/ttyOLV";
  const std::string cards = mRoot + "/cards";
  const std::string path = Start({"--cards", cards, "--devices", "3", "--silent", "3", "--link",
                                  link, "--log", mRoot + "/sim.log"});
  ASSERT_EQ(path.rfind("/dev/pts/", 0), 0u) << path;
  char target[256] = {};
  ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
  EXPECT_EQ(path, target);

  // Devices 2 and 4 answer; 3 is silent. Each answer ends with its NUL.
  const std::string scan =
      Exchange(link, ScanFrame(), [](const std::string& a) { return CountOf(a, '\0') >= 2; });
  EXPECT_EQ(scan, Bytes({0xFF, 0x02, 0x0A, 0x43}) + "#Rejestrator OLV" + Bytes({0x00, 0xFF, 0x04,
                                                                                0x0A, 0x45}) +
                      "#Rejestrator OLV" + Bytes({0x00}));

  // The port opened again, as the manager does for every job.
  const std::string list = Exchange(link, ActivationFrame(4) + FileListRequest(),
                                    [](const std::string& a) { return CountOf(a, '\x15') >= 1; });
  ASSERT_GE(list.size(), 5u);
  EXPECT_EQ(list.substr(0, 4), Bytes({0xFF, 0x04, 0x01, 0x3C}));
  EXPECT_EQ(list.substr(4, 13), "KONFOUT.TXT  ");

  EXPECT_EQ(Stop(SIGTERM), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
  EXPECT_TRUE(FileExists(cards + "/00000003/KONFOUT.TXT"));
  const auto log = ReadWholeFile(mRoot + "/sim.log");
  ASSERT_TRUE(log);
  EXPECT_NE(log->find("SIM 2: <- scan: FF A3 5C"), std::string::npos);
  EXPECT_NE(log->find("SIM 4: -> FF 04 01 3C"), std::string::npos);
}

TEST_F(SimProcess, StopsOnSigintAndRemovesItsTemporaryCards) {
  const std::string path = Start({"--devices", "1", "--pace", "--log", mRoot + "/sim.log"});
  ASSERT_EQ(path.rfind("/dev/pts/", 0), 0u) << path;
  const std::string scan =
      Exchange(path, ScanFrame(), [](const std::string& a) { return CountOf(a, '\0') >= 1; });
  EXPECT_EQ(scan.substr(0, 4), Bytes({0xFF, 0x02, 0x0A, 0x43}));
  EXPECT_EQ(Stop(SIGINT), 0);
  const auto log = ReadWholeFile(mRoot + "/sim.log");
  ASSERT_TRUE(log);
  const size_t at = log->find("card /tmp/olv8-sim-");
  ASSERT_NE(at, std::string::npos);
  const std::string card = log->substr(at + 5, log->find('\n', at) - at - 5);
  EXPECT_FALSE(DirectoryExists(card)) << card;
}

TEST_F(SimProcess, RefusesBadArgumentsWithItsUsage) {
  EXPECT_EQ(Start({"--device", "12:/tmp/x"}), "");
  EXPECT_EQ(Stop(0), 2);
}

}  // namespace
}  // namespace olv::simtest
