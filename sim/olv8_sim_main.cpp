// olv8-sim: a bus of simulated OLV devices served on a pseudo-terminal, for
// trying the manager, the demo and the end-to-end tests without hardware. The
// first line of standard output is the port's path.
#include <dirent.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/loop_clock.h"
#include "common/strings.h"
#include "model/device_folder.h"
#include "sim/device_config.h"
#include "sim/event_generator.h"
#include "sim/line_pacer.h"
#include "sim/pty_port.h"
#include "sim/sim_bus.h"
#include "sim/sim_options.h"

namespace olv {
namespace {

constexpr uint32_t kLineBytesPerSecond = 115200 / 10;

// The card folders 0000000N of dir, with the bus ID each device answers to:
// the RSID of its KONFOUT.TXT when that holds one, else N.
std::vector<sSimDeviceEntry> CardsIn(const std::string& dir) {
  std::vector<sSimDeviceEntry> cards;
  DIR* handle = opendir(dir.c_str());
  if (!handle) return cards;
  while (const dirent* entry = readdir(handle)) {
    const std::string name = entry->d_name;
    if (name.size() != 8 || name.compare(0, 7, "0000000") != 0 || name[7] < '1' || name[7] > '9') {
      continue;
    }
    const std::string folder = dir + "/" + name;
    if (!DirectoryExists(folder)) continue;
    cDeviceConfig config = cDeviceConfig::Factory(name[7] - '0');
    for (const std::string& file : ListFiles(folder, "KONFOUT.TXT")) {
      if (ToUpperAscii(file) != "KONFOUT.TXT") continue;
      if (const auto text = ReadWholeFile(folder + "/" + file)) config.Apply(*text);
    }
    cards.push_back({config.rsid, folder});
  }
  closedir(handle);
  std::sort(cards.begin(), cards.end(),
            [](const sSimDeviceEntry& a, const sSimDeviceEntry& b) { return a.folder < b.folder; });
  return cards;
}

// Makes link a symbolic link to target, replacing an old link but never a
// file or folder.
bool MakeLink(const std::string& target, const std::string& link, std::string* error) {
  struct stat info {};
  if (lstat(link.c_str(), &info) == 0 && !S_ISLNK(info.st_mode)) {
    *error = link + " exists and is not a symbolic link";
    return false;
  }
  const std::string temporary = link + ".olv8-sim." + std::to_string(getpid());
  unlink(temporary.c_str());
  if (symlink(target.c_str(), temporary.c_str()) != 0 ||
      rename(temporary.c_str(), link.c_str()) != 0) {
    *error = "cannot link " + link + ": " + std::strerror(errno);
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

// Removes link only while it still points at target (another simulator may
// have taken the name since).
void RemoveLink(const std::string& target, const std::string& link) {
  char buffer[4096];
  const ssize_t n = readlink(link.c_str(), buffer, sizeof buffer - 1);
  if (n < 0) return;
  if (std::string(buffer, static_cast<size_t>(n)) == target) unlink(link.c_str());
}

class cSimProgram {
 public:
  // Whatever Run got so far goes, however far it came.
  ~cSimProgram();
  int Run(const sSimOptions& options);

 private:
  bool Fail(const std::string& why) {
    std::fprintf(stderr, "olv8-sim: %s\n", why.c_str());
    return false;
  }
  bool SetUpLog(const sSimOptions& options);
  bool AddDevices(const sSimOptions& options);
  bool ApplyFaults(const sSimOptions& options);
  bool WatchSignals();
  void WriteLog(const std::string& line);

  cLoopClock mClock;
  cSimBus mBus{mClock};
  uint32_t mStartTick = mClock.GetTickCount();
  std::FILE* mLogFile = nullptr;
  bool mVerbose = false;
  std::string mTemporaryCards;
  int mSignals = -1;
};

cSimProgram::~cSimProgram() {
  if (!mTemporaryCards.empty()) std::filesystem::remove_all(mTemporaryCards);
  // The bus, which outlives this body, may still log.
  if (mLogFile) std::fclose(mLogFile);
  mLogFile = nullptr;
  if (mSignals >= 0) {
    mClock.UnwatchFd(mSignals);
    close(mSignals);
  }
}

void cSimProgram::WriteLog(const std::string& line) {
  const uint32_t ms = mClock.GetTickCount() - mStartTick;
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "[%6u.%03u] ", ms / 1000, ms % 1000);
  if (mLogFile) {
    std::fprintf(mLogFile, "%s%s\n", stamp, line.c_str());
    std::fflush(mLogFile);
  }
  if (mVerbose) std::fprintf(stderr, "%s%s\n", stamp, line.c_str());
}

bool cSimProgram::SetUpLog(const sSimOptions& options) {
  mVerbose = options.verbose;
  if (!options.log_file.empty()) {
    mLogFile = std::fopen(options.log_file.c_str(), "a");
    if (!mLogFile) return Fail("cannot open the log " + options.log_file + ": " + std::strerror(errno));
  }
  if (mLogFile || mVerbose) mBus.UstawFunkcjeLogujaca([this](const std::string& line) { WriteLog(line); });
  return true;
}

bool cSimProgram::AddDevices(const sSimOptions& options) {
  std::string cards = options.cards;
  if (options.default_devices > 0) {
    if (cards.empty()) {
      char pattern[] = "/tmp/olv8-sim-XXXXXX";
      if (!mkdtemp(pattern)) return Fail(std::string("cannot make a card folder: ") + std::strerror(errno));
      cards = mTemporaryCards = pattern;
    } else if (!DirectoryExists(cards) && !CreateDirectory(cards)) {
      return Fail("cannot make the card folder " + cards);
    }
    for (int id = 2; id < 2 + options.default_devices; ++id) {
      const std::string folder = cards + "/" + NazwaFolderuUrzadzenia(id);
      if (!DirectoryExists(folder) && !CreateDirectory(folder)) return Fail("cannot make " + folder);
    }
  } else if (!cards.empty() && !DirectoryExists(cards)) {
    return Fail("no card folder " + cards);
  }
  std::vector<sSimDeviceEntry> devices = options.devices;
  if (!cards.empty()) {
    for (const sSimDeviceEntry& card : CardsIn(cards)) devices.push_back(card);
  }
  if (devices.empty()) return Fail("no devices: " + cards + " holds no card folder 0000000N");
  for (const sSimDeviceEntry& device : devices) {
    std::string error;
    if (!mBus.AddDevice(device.id, device.folder, &error)) {
      return Fail("device " + std::to_string(device.id) + " (" + device.folder + "): " + error);
    }
    WriteLog("SIM: device " + std::to_string(device.id) + ", card " + device.folder);
  }
  return true;
}

bool cSimProgram::ApplyFaults(const sSimOptions& options) {
  auto device = [this](int id) {
    cSimDevice* found = mBus.FindDevice(id);
    if (!found) Fail("no device " + std::to_string(id) + " for a fault");
    return found;
  };
  for (int id : options.silent) {
    cSimDevice* d = device(id);
    if (!d) return false;
    d->SetSilent(true);
  }
  for (int id : options.empty_frames) {
    cSimDevice* d = device(id);
    if (!d) return false;
    d->SetEmptyFrames(true);
  }
  for (int id : options.endless_list) {
    cSimDevice* d = device(id);
    if (!d) return false;
    d->SetEndlessFileList(true);
  }
  for (const auto& [id, ms] : options.late) {
    cSimDevice* d = device(id);
    if (!d) return false;
    d->SetAnswerDelay(ms);
  }
  for (const auto& [id, bytes] : options.cut) {
    cSimDevice* d = device(id);
    if (!d) return false;
    d->CutLineAfter(bytes, false);
  }
  for (const auto& [id, bytes] : options.fall_silent) {
    cSimDevice* d = device(id);
    if (!d) return false;
    d->CutLineAfter(bytes, true);
  }
  mBus.SetFaultSeed(options.seed);
  mBus.SetFaultsFromHost({options.drop, options.garble});
  mBus.SetFaultsToHost({options.drop, options.garble});
  return true;
}

bool cSimProgram::WatchSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGHUP);
  if (sigprocmask(SIG_BLOCK, &set, nullptr) != 0) return Fail("cannot block the stop signals");
  mSignals = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
  if (mSignals < 0) return Fail(std::string("cannot watch the stop signals: ") + std::strerror(errno));
  mClock.WatchFd(mSignals, [this] {
    signalfd_siginfo info{};
    while (read(mSignals, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
      WriteLog("SIM: stopped by signal " + std::to_string(info.ssi_signo));
    }
    mClock.Quit();
  });
  return true;
}

int cSimProgram::Run(const sSimOptions& options) {
  signal(SIGPIPE, SIG_IGN);
  if (!WatchSignals() || !SetUpLog(options) || !AddDevices(options) || !ApplyFaults(options)) {
    return 1;
  }
  cPtyPort port(mClock);
  cLinePacer pacer(mClock, options.pace ? kLineBytesPerSecond : 0,
                   [&port](std::string_view bytes) { port.Write(bytes); });
  std::string error;
  bool ready = port.Open(&error);
  if (!ready) Fail(error);
  if (ready && !options.link.empty() && !MakeLink(port.Path(), options.link, &error)) {
    ready = Fail(error);
  }
  if (ready) {
    port.SetReceiver([this](std::string_view bytes) {
      mBus.Receive(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    });
    port.SetClientHandler([this, &pacer](bool present) {
      if (!present) pacer.Clear();
      WriteLog(present ? "SIM: the port was opened" : "SIM: the port was closed");
    });
    mBus.SetSender([&pacer](const uint8_t* data, size_t n) {
      pacer.Push(std::string_view(reinterpret_cast<const char*>(data), n));
    });
    std::unique_ptr<cEventGenerator> visits;
    if (options.event_interval_ms > 0) {
      visits = std::make_unique<cEventGenerator>(mClock, mBus, options.event_interval_ms,
                                                 options.seed);
    }
    std::printf("%s\n", port.Path().c_str());
    std::fflush(stdout);
    WriteLog("SIM: serving " + port.Path() +
             (options.link.empty() ? std::string() : " linked as " + options.link));
    mClock.Run();
  }
  mBus.SetSender(nullptr);
  if (!options.link.empty()) RemoveLink(port.Path(), options.link);
  return ready ? 0 : 1;
}

}  // namespace
}  // namespace olv

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = olv::ParseSimOptions(args, &error);
  if (!options) {
    std::fprintf(stderr, "olv8-sim: %s\n%s", error.c_str(), olv::SimUsage().c_str());
    return 2;
  }
  if (options->help) {
    std::printf("%s", olv::SimUsage().c_str());
    return 0;
  }
  olv::cSimProgram program;
  return program.Run(*options);
}
