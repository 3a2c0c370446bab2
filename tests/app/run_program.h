// Runs a program as a separate process for the tests of the executables: with
// some environment variables set or removed, its standard output and error
// collected into one text, and its exit status.
#pragma once

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace olv::test {

struct cProgramRun {
  // -1 when the program could not be started or did not exit by itself.
  int status = -1;
  std::string output;
};

// environment: a name with a value sets it; a name with nullopt removes it.
inline cProgramRun RunProgram(std::vector<std::string> args,
                              const std::map<std::string, std::optional<std::string>>& environment = {}) {
  std::vector<std::string> entries;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    if (!environment.count(entry.substr(0, entry.find('=')))) entries.push_back(entry);
  }
  for (const auto& [name, value] : environment)
    if (value) entries.push_back(name + "=" + *value);
  std::vector<char*> envp;
  for (std::string& entry : entries) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  cProgramRun run;
  int fds[2];
  if (pipe(fds) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  char buffer[4096];
  ssize_t n = 0;
  while (spawned == 0 && (n = read(fds[0], buffer, sizeof buffer)) > 0) run.output.append(buffer, static_cast<size_t>(n));
  close(fds[0]);
  if (spawned != 0) return run;
  int status = 0;
  waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace olv::test
