// The WPP driver in virtual time over the in-memory link at 115 200 baud,
// against the simulated bus: searches, file lists, transfers of every size and
// over a damaged line, and the give-ups with their reports.
#include "comm/sterownik_wpp.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/comm/sim_line.h"

namespace olv {
namespace {

using test::Pattern;

class SterownikTest : public test::SimLineTest {
 protected:
  SterownikTest() {
    mLink->SetPorts({"COM1", "COM3"});
    driver->UstawFunkcjeLogujaca([this](const std::string& line) { log.push_back(line); });
  }

  // Runs until the handler sets done, then lets the queue remove the report.
  bool RunJob(bool& done, uint64_t limit_ms = 600000) {
    const bool ended = clock.RunUntil([&] { return done; }, limit_ms);
    clock.AdvanceMs(5);
    return ended;
  }
  // Downloads files of a device with their listed sizes (-1: unknown).
  bool Download(const std::vector<std::string>& names, const std::vector<int64_t>& sizes = {}, int id = 2) {
    bool done = false;
    driver->FunkcjaPoSciagnieciuPlikow = [&] { done = true; };
    for (size_t i = 0; i < names.size(); ++i) {
      driver->DodajPlikDoSciagniecia("COM1", id, i < sizes.size() ? sizes[i] : -1, names[i]);
    }
    driver->SciagnijPliki();
    return RunJob(done);
  }
  // Each device found as "port id answer text".
  std::vector<std::string> Found() const {
    std::vector<std::string> found;
    for (const auto& f : driver->ZnalezioneUrzadzenia()) {
      found.push_back(f.Port + " " + std::to_string(f.Id) + " " + f.TekstOdpowiedzi);
    }
    return found;
  }
  // Each failure as "port id "file" reason".
  std::vector<std::string> Failures() const {
    std::vector<std::string> failures;
    for (const auto& f : driver->Niepowodzenia()) {
      failures.push_back(f.Port + " " + std::to_string(f.Id) + " \"" + f.Plik + "\" " + f.Powod);
    }
    return failures;
  }
  bool Upload(const std::vector<std::string>& paths) {
    bool done = false;
    driver->FunkcjaPoWyslaniuPlikow = [&] { done = true; };
    for (const auto& path : paths) driver->DodajPlikDoWyslania(path, "COM1", 2);
    driver->WyslijPliki();
    return RunJob(done);
  }
  // How many times a download was restarted after it timed out.
  long Restarts() const {
    return std::count(log.begin(), log.end(),
                      "SterownikWPP: TimerTimeoutSciaganiaPlikuTimer *********** BŁĄD ŚCIĄGANIA PLIKU - "
                      "WYMUSZONA RETRANSMISJA");
  }

  std::unique_ptr<cSterownikWPP> driver = std::make_unique<cSterownikWPP>(clock, Link(), Home());
  std::vector<std::string> log;
};

TEST_F(SterownikTest, SearchesFindTheDevicesAndTheirAnswerTextsOnAllPortsOrTheNamedOnesThatOpen) {
  for (int id : {2, 7}) AddDevice(id);
  bool done = false;
  driver->FunkcjaPoWyszukaniuUrzadzen = [&] { done = true; };
  driver->SzukajUrzadzen();
  ASSERT_TRUE(RunJob(done));
  // One simulated line behind both names: each port finds both devices.
  EXPECT_EQ(Found(), (std::vector<std::string>{"COM1 2 Rejestrator OLV", "COM1 7 Rejestrator OLV",
                                             "COM3 2 Rejestrator OLV", "COM3 7 Rejestrator OLV"}));
  EXPECT_TRUE(driver->CzyUrzadzenieJestNaLiscieZnalezionych("COM3", 7) &&
              !driver->CzyUrzadzenieJestNaLiscieZnalezionych("COM3", 3));
  EXPECT_TRUE(!driver->FunkcjaPoWyszukaniuUrzadzen && driver->Niepowodzenia().empty());

  // A named port that does not open fails the search and costs no scan.
  done = false;
  driver->FunkcjaPoWyszukaniuUrzadzen = [&] { done = true; };
  const uint64_t start = clock.NowMicros();
  driver->SzukajUrzadzen("COM7,\"COM3\",COM8");
  ASSERT_TRUE(RunJob(done));
  EXPECT_EQ(Found(), (std::vector<std::string>{"COM3 2 Rejestrator OLV", "COM3 7 Rejestrator OLV"}));
  EXPECT_LT(clock.NowMicros() - start, 1000000u) << "one 500 ms answer window, for COM3 alone";
  EXPECT_EQ(Failures(), (std::vector<std::string>{"COM7 0 \"\" Nie można otworzyć portu szeregowego",
                                                  "COM8 0 \"\" Nie można otworzyć portu szeregowego"}));
  EXPECT_TRUE(driver->CzyKolejkaZadanPusta());
}

// A port that does not open, a silent device and one repeating its list for
// ever, never ended (no new line, no progress), are each given up.
TEST_F(SterownikTest, FileListsOfSeveralDevicesWithTheOnesThatGiveNoListReported) {
  PutOnCard(2, "A.CSV", "10");
  PutOnCard(2, "B.CSV", "20");
  PutOnCard(2, "a_long_name.text", "not 8.3: not on the card's list");
  std::filesystem::create_directories(Card(2) + "/SUB.DIR");
  PutOnCard(6, "A.CSV", "1");
  AddDevice(2);
  AddDevice(3).SetSilent(true);
  AddDevice(4);
  AddDevice(6).SetEndlessFileList(true);
  bool done = false;
  driver->FunkcjaPoSciagnieciuList = [&] { done = true; };
  driver->DodajUrzadzenieDoSciagnieciaListyPlikow("COM9", 5);
  for (int id : {2, 3, 6, 4}) driver->DodajUrzadzenieDoSciagnieciaListyPlikow("COM1", id);
  driver->SciagnijListyPlikowZUrzadzen();
  ASSERT_TRUE(RunJob(done, cSterownikWPP::kLimitCzasuListyMs));
  const auto& lists = driver->ListyPlikow();
  ASSERT_EQ(lists.size(), 2u);
  EXPECT_EQ(lists[0].Port + " " + std::to_string(lists[0].Id) + " " + std::to_string(lists[1].Id), "COM1 2 4");
  std::vector<std::string> names;
  for (const std::string& line : lists[0].Linie) names.push_back(line.substr(0, line.find(' ')));
  EXPECT_EQ(names, (std::vector<std::string>{"A.CSV", "B.CSV", "KONFOUT.TXT"}));
  EXPECT_EQ(Failures(), (std::vector<std::string>{"COM9 5 \"\" Nie można otworzyć portu szeregowego",
                                                  "COM1 3 \"\" Urządzenie nie przesłało listy plików",
                                                  "COM1 6 \"\" Urządzenie nie przesłało listy plików"}));
  EXPECT_FALSE(mLink->IsOpen()) << "the silent device's port was closed";
  EXPECT_TRUE(driver->CzyKolejkaZadanPusta());
}

// A frame sent again after a lost '{' is kept once, at every frame: also where a
// frame kept twice would reach the size a frame early, and at frame 255 of a
// file of more than 256 frames, after the 8-bit number due next wrapped to 0.
TEST_F(SterownikTest, LostAcknowledgementAtAnyFrameKeepsEachFrameOnce) {
  AddDevice(2);
  std::vector<std::pair<size_t, size_t>> cases = {{257 * 512 + 300, 255}};
  for (const size_t size : {512u, 1024u, 1300u, 5120u, 10240u}) {
    for (size_t lost = 0; lost < (size + 511) / 512; ++lost) cases.emplace_back(size, lost);
  }
  for (const auto& [size, lost] : cases) {
    const std::string name = "L" + std::to_string(lost) + ".BIN";
    const std::string card = Pattern(size, static_cast<unsigned>(size + lost));
    PutOnCard(2, name, card);
    DeleteFile(Mirror(2, name));
    size_t acknowledgements = 0;
    KeepToDevice([&](uint8_t b) { return !(b == '{' && acknowledgements++ == lost); });
    ASSERT_TRUE(Download({name}, {static_cast<int64_t>(size)}));
    EXPECT_EQ(ReadWholeFile(Mirror(2, name)), card) << size << " B, acknowledgement " << lost;
    EXPECT_EQ(Failures(), std::vector<std::string>{}) << size << " B, acknowledgement " << lost;
  }
  EXPECT_EQ(Restarts(), 0);
}

// Files of every size go up to the card and come back into the mirror; an
// upload of four frames or more breaks its fourth frame once, as the device
// expects, and is sent again. Over a damaged line the checks cannot see every
// damage (two errors may cancel out), yet no file may be stored other than it
// was sent: each comes back whole, or its failure is reported.
TEST_F(SterownikTest, FilesOfEverySizeComeBackByteIdenticalAndOverAGarbledLineNeverDifferent) {
  AddDevice(2);
  const std::vector<size_t> sizes = {0, 1, 511, 512, 513, 2100, 5120, 200000};
  std::vector<std::string> names, paths;
  std::vector<int64_t> listed;
  for (size_t i = 0; i < sizes.size(); ++i) {
    names.push_back("G" + std::to_string(sizes[i]) + ".BIN");
    paths.push_back(root + "/" + names[i]);
    listed.push_back(static_cast<int64_t>(sizes[i]));
    ASSERT_TRUE(WriteFileAtomically(paths[i], Pattern(sizes[i], static_cast<unsigned>(i))));
  }
  std::vector<std::string> status;
  driver->WPP().OnStatus = [&](const std::string& text) {
    if (text.rfind("o jakas retransmisja", 0) == 0) status.push_back(text);
  };
  ASSERT_TRUE(Upload(paths));
  EXPECT_EQ(status, std::vector<std::string>(3, "o jakas retransmisja 1"));
  ASSERT_TRUE(Download(names));
  for (size_t i = 0; i < sizes.size(); ++i) {
    EXPECT_EQ(ReadWholeFile(Card(2) + "/" + names[i]), Pattern(sizes[i], static_cast<unsigned>(i)));
    EXPECT_EQ(ReadWholeFile(Mirror(2, names[i])), Pattern(sizes[i], static_cast<unsigned>(i)));
  }
  EXPECT_TRUE(driver->Niepowodzenia().empty());

  // The damaged line, many seeds, without the largest file.
  for (auto* v : {&names, &paths}) v->pop_back();
  listed.pop_back();
  bus.SetFaultsFromHost({0, 1.0 / 5000});
  bus.SetFaultsToHost({0, 1.0 / 5000});
  size_t stored = 0;
  bool upload_failed = false;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    bus.SetFaultSeed(seed);
    // Every fourth round sends the files up again (each upload lasts its 1.2 s
    // wait, whatever its size). A device that failed one upload skips the
    // rest: it is named, not each file.
    if (seed % 4 == 1) {
      for (const auto& name : names) DeleteFile(Card(2) + "/" + name);
      driver->WyczyscNiepowodzenia();
      ASSERT_TRUE(Upload(paths)) << "seed " << seed;
      upload_failed = !driver->Niepowodzenia().empty();
    }
    for (const auto& name : names) DeleteFile(Mirror(2, name));
    driver->WyczyscNiepowodzenia();
    ASSERT_TRUE(Download(names, listed)) << "seed " << seed;
    const std::vector<std::string> failed = Failures();
    for (size_t i = 0; i < names.size(); ++i) {
      const std::string sent = Pattern(sizes[i], static_cast<unsigned>(i));
      const auto card = ReadWholeFile(Card(2) + "/" + names[i]);
      EXPECT_TRUE(card ? *card == sent : upload_failed) << names[i] << ", seed " << seed;
      const auto mirror = ReadWholeFile(Mirror(2, names[i]));
      const bool reported = std::any_of(failed.begin(), failed.end(), [&](const std::string& f) {
        return f.find('"' + names[i] + '"') != std::string::npos;
      });
      if (mirror) ++stored;
      EXPECT_TRUE(mirror ? *mirror == sent && !reported : reported) << names[i] << ", seed " << seed;
    }
  }
  EXPECT_GT(stored, names.size() * 30) << "most transfers still succeed";
}

// A header announcing another size than the list gave is asked again, then
// reported; so is a file that cannot be stored, and one of frames that bring
// nothing, ended within its bound (the device's next file skipped for the same
// reason); a name that is not plain is refused. A silent device: an upload is
// given up without its acknowledgement, and a configuration that will not come
// is told to its handler (what an answering device sends is read in the device
// search's scenario against olv8-sim); behind a port that does not open the
// handler hears at once.
TEST_F(SterownikTest, FalseSizesUnstorableFilesEmptyFramesBadNamesAndSilentDevicesAreReportedNotStored) {
  // A wait task lasts its time, or 100 ms when its time is no number.
  driver->Kolejka().DodajZadanie(eRodzajZadania::Czekaj, "1200", false);
  driver->Kolejka().DodajZadanie(eRodzajZadania::Czekaj, "x", false);
  driver->Kolejka().ZacznijRobicNastepne();
  clock.AdvanceMs(1100);
  EXPECT_EQ(driver->Kolejka().IloscWpisow(), 2);
  clock.AdvanceMs(215);
  EXPECT_TRUE(driver->CzyKolejkaZadanPusta());
  AddDevice(2);
  AddDevice(3).SetEmptyFrames(true);
  AddDevice(5).SetSilent(true);
  PutOnCard(2, "EMPTY.CSV", "");
  PutOnCard(2, "DIR.CSV", "1");
  PutOnCard(3, "EMPTYFR.BIN", Pattern(5120));
  std::filesystem::create_directories(Mirror(2, "DIR.CSV"));
  // One at a time: a device that gives up on a file skips the rest of the job.
  ASSERT_TRUE(Download({"EMPTY.CSV"}, {1024}));
  ASSERT_TRUE(Download({"DIR.CSV"}, {1}));
  EXPECT_EQ(Restarts(), cSterownikWPP::kMaksPonowienSciagania + 1);
  const uint64_t start = clock.NowMicros();
  ASSERT_TRUE(Download({"EMPTYFR.BIN", "NEXT.BIN"}, {5120, 1}, 3));
  EXPECT_LE(clock.NowMicros() - start, uint64_t{cSterownikWPP::LimitCzasuPobieraniaMs(5120)} * 1000 + 500000);
  ASSERT_TRUE(Download({"../../etc.CSV"}, {300}, 4));
  EXPECT_FALSE(ReadWholeFile(Mirror(2, "EMPTY.CSV")) || ReadWholeFile(Mirror(3, "EMPTYFR.BIN")));

  const std::string path = root + "/USERS.txt";
  ASSERT_TRUE(WriteFileAtomically(path, "abc"));
  bool done = false;
  driver->FunkcjaPoWyslaniuPlikow = [&] { done = true; };
  driver->DodajPlikDoWyslania(path, "COM1", 5);
  driver->DodajPlikDoWyslania(root + "/00000002", "COM1", 3);
  driver->WyslijPliki();
  ASSERT_TRUE(RunJob(done));
  EXPECT_FALSE(driver->FunkcjaPoWyslaniuPlikow);
  // The factory file's name has no 8.3 form: its delete is skipped, not failed.
  EXPECT_EQ(Failures(), (std::vector<std::string>{
                            "COM1 2 \"EMPTY.CSV\" Urządzenie przesyła plik o innym rozmiarze niż podany "
                            "na liście plików",
                            "COM1 2 \"DIR.CSV\" Nie można zapisać pliku: plik jest używany lub w jego "
                            "miejscu stoi folder",
                            "COM1 3 \"EMPTYFR.BIN\" Urządzenie nie przesłało pliku mimo 3 ponowień",
                            "COM1 3 \"NEXT.BIN\" Urządzenie nie przesłało pliku mimo 3 ponowień",
                            "COM1 4 \"../../etc.CSV\" Niedozwolona nazwa pliku",
                            "COM1 5 \"" + path + "\" Urządzenie nie potwierdziło odbioru pliku",
                            "COM1 3 \"" + root + "/00000002\" Nie można odczytać pliku"}));

  std::vector<std::optional<std::string>> data;
  driver->UstawFunkcjeObslugujacaKonfiguracje(
      [&](const std::string& name, const std::optional<std::string>& d) {
        EXPECT_EQ(name, "KONFOUT.TXT");
        data.push_back(d);
      });
  driver->UstawUrzadzenieKonfiguracji("COM1", 5);
  driver->PobierzKonfiguracje();
  ASSERT_TRUE(clock.RunUntil([&] { return data.size() == 1 && driver->CzyKolejkaZadanPusta(); }, 60000));
  driver->UstawUrzadzenieKonfiguracji("COM8", 1);
  driver->PobierzKonfiguracje();
  ASSERT_TRUE(clock.RunUntil([&] { return data.size() == 2; }, 100));
  EXPECT_EQ(data, (std::vector<std::optional<std::string>>{std::nullopt, std::nullopt}));
}

// A device that makes a little progress and then stalls is restarted after
// each stall, yet the whole download stays within the bound of its size
// counted from the first attempt.
TEST_F(SterownikTest, ASlowDeviceRestartedAgainAndAgainIsEndedWithinTheBoundFromTheFirstAttempt) {
  AddDevice(2);
  const size_t size = 10240;
  PutOnCard(2, "SLOW.BIN", Pattern(size));
  // Each attempt loses every other '{' (a second's wait a frame), then all after ten.
  size_t acknowledgements = 0;
  KeepToDevice([&](uint8_t b) {
    if (b == 0xFF) acknowledgements = 0;
    return b != '{' || (acknowledgements++ % 2 == 1 && acknowledgements <= 20);
  });
  const uint64_t start = clock.NowMicros();
  ASSERT_TRUE(Download({"SLOW.BIN"}, {static_cast<int64_t>(size)}));
  EXPECT_GE(Restarts(), 2);
  EXPECT_LE(clock.NowMicros() - start, uint64_t{cSterownikWPP::LimitCzasuPobieraniaMs(size)} * 1000 + 1000000);
  EXPECT_EQ(Failures(), std::vector<std::string>{
                            "COM1 2 \"SLOW.BIN\" Urządzenie przesyłało plik dłużej, niż pozwala jego rozmiar"});
  EXPECT_FALSE(ReadWholeFile(Mirror(2, "SLOW.BIN")));
}

}  // namespace
}  // namespace olv
