// olv8-sim as a separate process for the tests that need a real pseudo-terminal:
// a bus of simulated devices, reached through the real TCOMSocket. A process
// still running when the object goes is stopped with SIGTERM.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace olv::test {

class cOlv8SimProcess {
 public:
  cOlv8SimProcess() = default;
  ~cOlv8SimProcess() {
    Stop(SIGTERM);
    if (mOutput >= 0) close(mOutput);
  }
  cOlv8SimProcess(const cOlv8SimProcess&) = delete;
  cOlv8SimProcess& operator=(const cOlv8SimProcess&) = delete;

  // Starts olv8-sim with args and returns the port it serves (the first line
  // it prints); empty when it could not be started.
  std::string Start(std::vector<std::string> args) {
    const std::string program = std::string(OLV_BINARY_DIR) + "/sim/olv8-sim";
    int fds[2];
    if (pipe(fds) != 0) return "";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int spawned = posix_spawn(&mPid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    mOutput = fds[0];
    if (spawned != 0) {
      mPid = -1;
      return "";
    }
    std::string line;
    char c;
    while (read(mOutput, &c, 1) == 1 && c != '\n') line.push_back(c);
    return line;
  }

  // Sends the signal (0 sends none) and waits for the end; the exit status, or
  // -1 when the process was not running or did not exit by itself.
  int Stop(int signal_number) {
    if (mPid <= 0) return -1;
    if (signal_number != 0) kill(mPid, signal_number);
    int status = 0;
    waitpid(mPid, &status, 0);
    mPid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t mPid = -1;
  int mOutput = -1;
};

}  // namespace olv::test
