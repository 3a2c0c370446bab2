// olv8-manager --sync as a separate process against olv8-sim on a
// pseudo-terminal: what it fetches, what it says, how it exits, and the lock
// that keeps a second program off the same folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>

#include "app/blokada_programu.h"
#include "comm/com_socket.h"
#include "common/base64.h"
#include "common/files.h"
#include "tests/app/run_program.h"
#include "tests/app/three_devices.h"
#include "tests/model/model_test_support.h"

namespace olv {
namespace {

class SynchronizacjaBezOknaTest : public ::testing::Test {
 protected:
  void WriteDevices(const std::string& port) { test::WriteDevices(folder, {"Brama", "Magazyn", "Biuro"}, port); }
  // Four event files of random bytes on each card, from a few bytes to
  // several frames long.
  void WriteCards() {
    std::mt19937 random(11);
    for (int id = 2; id <= 4; ++id) {
      ASSERT_TRUE(CreateDirectories(Card(id)));
      for (int i = 0; i < 4; ++i) {
        std::string bytes(1 + random() % 3000, '\0');
        for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
        ASSERT_TRUE(WriteFileAtomically(Card(id) + "/" + test::EventFile(i), bytes));
      }
    }
  }
  std::string StartSimulator(const std::vector<std::string>& faults = {}) {
    return test::StartDevices(simulator, folder, {2, 3, 4}, faults);
  }
  test::cProgramRun Sync() {
    return test::RunProgram({OLV_BINARY_DIR "/app/olv8-manager", "--sync"}, {{"OLV8_HOME", folder}});
  }
  std::string Card(int id) const { return test::CardFolder(folder, id); }
  std::string Mirror(int id) const { return test::MirrorFolder(folder, id); }

  test::cTempFolder temporary;
  std::string folder = temporary.Path();
  test::cOlv8SimProcess simulator;
};

TEST_F(SynchronizacjaBezOknaTest, FetchesWhatIsWantedFromTheDevicesThatAnswerAndSaysHowMuch) {
  WriteCards();
  const std::string port = StartSimulator();
  ASSERT_FALSE(port.empty());
  WriteDevices(port);
  // Planted in a mirror: the name the temporary file used to have, as a link
  // to a file outside, and a link in a download's place, written through.
  ASSERT_TRUE(CreateDirectories(Mirror(3)));
  ASSERT_TRUE(WriteFileAtomically(folder + "victim", "keep"));
  ASSERT_EQ(symlink((folder + "victim").c_str(), (Mirror(3) + "26110100.CSV.tmp").c_str()), 0);
  ASSERT_EQ(symlink((folder + "elsewhere.CSV").c_str(), (Mirror(3) + "26110101.CSV").c_str()), 0);

  const mode_t umask_before = umask(022);
  const test::cProgramRun first = Sync();
  umask(umask_before);
  EXPECT_EQ(first.status, 0) << first.output;
  EXPECT_EQ(ReadWholeFile(folder + "victim"), "keep");
  EXPECT_EQ(ReadWholeFile(folder + "elsewhere.CSV"), ReadWholeFile(Card(3) + "/26110101.CSV"));
  const auto mode = [](const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
  };
  EXPECT_EQ(mode(Mirror(3) + "26110101.CSV"), S_IFLNK | 0777);
  // Cards and PINs are nobody else's business, whatever the umask.
  for (const std::string& made : {folder + "data/extSD", Mirror(2), Mirror(2) + "sent", folder + "log"})
    EXPECT_EQ(mode(made), S_IFDIR | 0700) << made;
  for (const std::string& made : {Mirror(2) + "26110100.CSV", folder + "olv8-manager.lock",
                                  folder + "log/" + ListFiles(folder + "log").at(0)})
    EXPECT_EQ(mode(made), S_IFREG | 0600) << made;
  int64_t bytes = 0;
  for (int id = 2; id <= 4; ++id) EXPECT_EQ(test::NotMirrored(folder, id, &bytes), std::vector<std::string>{}) << id;
  EXPECT_EQ(first.output, "Pobrane pliki: 15, razem " + std::to_string(bytes) + " B.\n");
  for (const double time : test::StoredSyncTimes(folder)) EXPECT_GT(time, 0);

  // The lock file stays behind; the ended run's lock does not. Only each
  // device's configuration is fetched again. An editor saved devices.txt
  // with a byte order mark, and a line was damaged: the devices are all read,
  // the run says what was skipped, keeps the file without touching the older
  // copy, and does not call itself a success.
  ASSERT_TRUE(FileExists(folder + "olv8-manager.lock"));
  const std::string devices = folder + "data/devices.txt";
  const std::string edited = "\xEF\xBB\xBF" + *ReadWholeFile(devices) + Base64Encode("Zepsute\x01,5") + "\r\n";
  ASSERT_TRUE(WriteFileAtomically(devices, edited));
  ASSERT_TRUE(WriteFileAtomically(devices + ".bad", "older copy"));
  const test::cProgramRun second = Sync();
  EXPECT_EQ(second.status, 1) << second.output;
  int64_t configurations = 0;
  for (int id = 2; id <= 4; ++id) configurations += FileSize(Card(id) + "/KONFOUT.TXT");
  EXPECT_EQ(second.output, "Pobrane pliki: 3, razem " + std::to_string(configurations) +
                               " B.\nNie wszystkie wiersze pliku urządzeń devices.txt dało się odczytać "
                               "(pominięto: 1). Cały plik zachowano obok niego jako devices.txt.1.bad.\n");
  EXPECT_EQ(ReadWholeFile(devices + ".bad"), "older copy");
  EXPECT_EQ(ReadWholeFile(devices + ".1.bad"), edited);

  // Biuro is switched off: the others are synchronised; Biuro is named and
  // keeps its time. Then the port is taken: nothing starts.
  simulator.Stop(SIGTERM);
  const std::string silent_port = StartSimulator({"--silent", "4"});
  WriteDevices(silent_port);
  const test::cProgramRun silent = Sync();
  EXPECT_EQ(silent.status, 1) << silent.output;
  EXPECT_EQ(silent.output, "Pobrane pliki: 2, razem " +
                               std::to_string(FileSize(Card(2) + "/KONFOUT.TXT") + FileSize(Card(3) + "/KONFOUT.TXT")) +
                               " B.\nNie odpowiedziały urządzenia: Biuro (ID 4).\nPliki z tych urządzeń nie zostały "
                               "pobrane.\n");
  const std::vector<double> times = test::StoredSyncTimes(folder);
  ASSERT_EQ(times.size(), 3u);
  EXPECT_TRUE(times[0] > 0 && times[1] > 0 && times[2] == 0) << times[0] << " " << times[1] << " " << times[2];
  TCOMSocket taken;
  ASSERT_TRUE(taken.SetPortName(silent_port));
  ASSERT_TRUE(taken.Open());
  const test::cProgramRun busy = Sync();
  EXPECT_EQ(busy.status, 2) << busy.output;
  EXPECT_NE(busy.output.find("Nie można otworzyć portu szeregowego (Brama (ID 2), Magazyn (ID 3)"), std::string::npos)
      << busy.output;
}

// What needs no window runs without a display: the help, the version, and the
// refusals that come before any window, each with its status and no abort.
// Among them the lock, which the window takes too: while any program holds
// the folder a second run is refused, naming the holder; once it lets go, a
// run goes on.
TEST_F(SynchronizacjaBezOknaTest, RefusalsBeforeAnyWindowAndTheLockNeedNoDisplay) {
  const std::map<std::string, std::optional<std::string>> no_display = {
      {"DISPLAY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}, {"QT_QPA_PLATFORM", std::nullopt},
      {"OLV8_HOME", folder}};
  const auto run = [&](std::vector<std::string> args) {
    args.insert(args.begin(), OLV_BINARY_DIR "/app/olv8-manager");
    return test::RunProgram(args, no_display);
  };
  const test::cProgramRun help = run({"--help"});
  EXPECT_NE(help.output.find("--sync"), std::string::npos) << help.output;
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(run({"--version"}).status, 0);
  const test::cProgramRun window = run({});
  EXPECT_EQ(window.status, 2) << window.output;
  EXPECT_NE(window.output.find("sesji graficznej"), std::string::npos) << window.output;
  EXPECT_TRUE(ListFiles(folder).empty());

  std::string why;
  auto lock = cBlokadaProgramu::Zajmij(folder, &why);
  ASSERT_NE(lock, nullptr) << why;
  EXPECT_EQ(cBlokadaProgramu::Zajmij(folder, &why), nullptr);
  EXPECT_NE(why.find("(proces " + std::to_string(getpid()) + ")"), std::string::npos) << why;
  EXPECT_EQ(why.find(folder), std::string::npos) << why;

  const test::cProgramRun refused = run({"--sync"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.output, why + "\n");
  EXPECT_FALSE(DirectoryExists(folder + "log"));

  lock.reset();
  const test::cProgramRun after = run({"--sync"});
  EXPECT_EQ(after.status, 2);
  EXPECT_EQ(after.output, "Brak zapisanych urządzeń: nie ma pliku devices.txt.\n");

  const test::cProgramRun missing =
      test::RunProgram({OLV_BINARY_DIR "/app/olv8-manager", "--sync"}, {{"OLV8_HOME", folder + "brak"}});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.output.find("OLV8_HOME nie istnieje"), std::string::npos) << missing.output;
}

}  // namespace
}  // namespace olv
