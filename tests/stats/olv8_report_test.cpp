// olv8-report on a hand-written program folder (data/home) with the quirks of
// real cards; the expected outputs in data/expected were worked out by hand.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "common/cp1250.h"
#include "common/files.h"
#include "common/strings.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "stats_test_support.h"

namespace olv {
namespace {

const std::string kData = std::string(OLV_SOURCE_DIR) + "/tests/stats/data/";
const std::string kHome = kData + "home";

struct cRun {
  int exit_code = -1;
  std::string out;
  std::string err;
};

class Olv8ReportTest : public ::testing::Test {
 protected:
  cRun Run(const std::string& args, const std::string& env = "") {
    const std::string out = folder_.Path() + "out";
    const std::string err = folder_.Path() + "err";
    const std::string command = env + " " + OLV_BINARY_DIR "/stats/olv8-report " + args + " >" +
                                out + " 2>" + err;
    const int status = std::system(command.c_str());
    cRun run;
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadWholeFile(out).value_or("?");
    run.err = ReadWholeFile(err).value_or("?");
    return run;
  }

  test::cTempFolder folder_;
};

TEST_F(Olv8ReportTest, WritesEveryReportOfTheFolderByteForByte) {
  const std::string common = "--home " + kHome + " --as-of '2026-12-01 10:00:00' ";
  const std::pair<std::string, const char*> cases[] = {
      {common + "--user 1 zdarzenia", "zdarzenia.csv"},
      {common + "--user 5001 --mode entry-exit dzienne", "dzienne.csv"},
      {common + "--user 1 miesieczne", "miesieczne.csv"},
      {common + "--user 1 aktualne", "aktualne.csv"},
      {"--home " + kHome + " --user 1 --mode activity --separator , "
                           "--as-of '2026-11-03 12:00:00' aktualne",
       "aktualne_aktywnosc.csv"},
      {common + "--user 1 srednie", "srednie.csv"},
      {common + "odbicia", "odbicia.txt"},
  };
  for (const auto& [args, expected] : cases) {
    SCOPED_TRACE(args);
    const cRun run = Run(args);
    EXPECT_EQ(std::tuple(run.exit_code, run.err, std::optional(run.out)),
              std::tuple(0, "", ReadWholeFile(kData + "expected/" + expected)));
  }

  // The program folder from OLV8_HOME, a tab separator, and a file.
  const std::string file = folder_.Path() + "raport.csv";
  const cRun to_file = Run("--as-of '2026-12-01 10:00:00' --user 1 --separator TAB miesieczne -o " +
                               file,
                           "OLV8_HOME=" + kHome);
  EXPECT_EQ(to_file.exit_code, 0);
  EXPECT_EQ(to_file.out, "");
  EXPECT_EQ(ReadWholeFile(file),
            "Suma\t\t\t-320:35:12\r\n2026-11\t15:24:48\t168:00:00\t-152:35:12\r\n"
            "2026-10\t08:00:00\t176:00:00\t-168:00:00\r\n");
}

TEST_F(Olv8ReportTest, FailsWithOnePolishLineAndWritesNothing) {
  const std::string file = folder_.Path() + "raport.csv";
  const std::string unwritable = folder_.Path() + "brak/raport.csv";
  // A FIFO in the report's place is refused, not replaced (as root, a device
  // node would be replaced the same way).
  const std::string fifo = folder_.Path() + "kolejka.csv";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::pair<std::string, std::string> failures[] = {
      {"--home " + kHome + " --user 3 dzienne -o " + file, "Nieznany użytkownik \"3\".\n"},
      {"--home " + folder_.Path() + " --user 1 dzienne -o " + file,
       "Brak danych w folderze \"" + folder_.Path() + "\".\n"},
      {"--home " + kHome + " --user 1 dzienne -o " + unwritable,
       "Nie można zapisać pliku \"" + unwritable + "\": folder docelowy nie istnieje lub nie jest folderem.\n"},
      {"--home " + kHome + " --user 1 dzienne -o " + fifo,
       "Nie można zapisać pliku \"" + fifo + "\": w miejscu pliku stoi kolejka lub plik urządzenia, a nie zwykły plik.\n"}};
  for (const auto& [args, error] : failures) {
    const cRun run = Run(args);
    EXPECT_EQ(std::pair(run.exit_code, run.err), std::pair(1, error)) << args;
    EXPECT_FALSE(FileExists(file));
  }
  struct stat st {};
  EXPECT_TRUE(stat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));

  for (const char* args : {"--user 1", "--user 1 tygodnie", "--user 1 dzienne --mode daily",
                           "dzienne", "--as-of 2026-12-01 --user 1 dzienne",
                           "--as-of '2026-11-31 10:00:00' --user 1 dzienne", "--user 1 -o"}) {
    const cRun wrong = Run(std::string("--home ") + kHome + " " + args);
    EXPECT_EQ(std::tuple(wrong.exit_code, wrong.err.substr(0, 13), wrong.out), std::tuple(2, "olv8-report: ", ""))
        << args;
  }
}

// --all on a demo installation: under one header, in ID order, each user's
// own rows after the user's name and ID.
TEST_F(Olv8ReportTest, AllUsersGiveEachUsersOwnRows) {
  const std::string home = folder_.Path() + "home";
  ASSERT_EQ(std::system((OLV_BINARY_DIR "/sim/olv8-demo-home --home " + home + " --port COM1 --weeks 20 --cards " +
                         home + "/data/extSD >/dev/null")
                            .c_str()),
            0);
  cVirtualClock clock;
  cUserList users(clock);
  ASSERT_TRUE(WczytajUzytkownikow(home + "/data/users.txt", users).Wczytano);
  std::vector<const cUzytkownik*> by_id;
  users.DlaKazdegoUzytkownika([&](const cUzytkownik& u) { by_id.push_back(&u); });
  std::sort(by_id.begin(), by_id.end(), [](auto* a, auto* b) { return a->ID < b->ID; });
  // The demo's events end today, so the reports are computed now.
  const std::string args = "--home " + home + " --mode activity ";
  const auto lines = [](const std::string& text, size_t from, auto&& take) {
    for (size_t at = from; at < text.size(); at = text.find("\r\n", at) + 2) take(text.substr(at, text.find("\r\n", at) + 2 - at));
  };
  std::string monthly, daily, month;
  int users_with_rows = 0;
  for (const cUzytkownik* u : by_id) {
    const std::string id = IntToStrZeZerami(u->ID, 4);
    const std::string prefix = "\"" + *Utf8ToCp1250(u->Nazwa) + "\";" + id + ";";
    const std::string own_monthly = Run(args + "--user " + id + " miesieczne").out;
    const std::string own_daily = Run(args + "--user " + id + " dzienne").out;
    if (month.empty()) month = own_daily.substr(0, 7);
    users_with_rows += own_monthly.find("\r\n") + 2 < own_monthly.size();
    lines(own_monthly, own_monthly.find("\r\n") + 2, [&](const std::string& line) { monthly += prefix + line; });
    lines(own_daily, 0, [&](const std::string& line) {
      if (line.starts_with(month + "-")) daily += prefix + line;
    });
  }
  EXPECT_GE(users_with_rows, 10);
  for (const auto& [report, expected] : {std::pair<std::string, std::string>{"miesieczne", monthly}, {"dzienne --month " + month, daily}}) {
    const cRun all = Run(args + "--all " + report);
    EXPECT_EQ(all.exit_code, 0) << report;
    ASSERT_EQ(all.out.find("Nazwa;ID;"), 0u) << report;
    EXPECT_EQ(all.out.substr(all.out.find("\r\n") + 2), expected) << report;
  }
}

// Names a spreadsheet would run as formulas, and a hostile copy of the folder
// (a file for a folder, a folder for a file, an unreadable file): the rest is
// reported, the faults named, status 1.
TEST_F(Olv8ReportTest, NamesWhatCannotBeReadAndReportsTheRestWithNamesAsText) {
  const std::string base = folder_.Path() + "base/";
  const std::string hostile = folder_.Path() + "hostile/";
  ASSERT_EQ(std::system(("cp -r " + kHome + " " + base).c_str()), 0);
  {
    cVirtualClock clock;
    cUserList users(clock);
    cDevList devices(clock);
    ASSERT_TRUE(WczytajUzytkownikow(base + "data/users.txt", users).Wczytano);
    ASSERT_TRUE(WczytajUrzadzenia(base + "data/devices.txt", devices).Wczytano);
    users.GetUserByID(1)->Nazwa = "=SUMA(A1)";
    devices.GetDeviceByID(2)->Nazwa = "-Brama";
    ASSERT_TRUE(ZapiszUzytkownikow(base + "data/users.txt", users));
    ASSERT_TRUE(ZapiszUrzadzenia(base + "data/devices.txt", devices));
  }
  const std::string device2 = base + "data/extSD/00000002/";
  ASSERT_TRUE(WriteFileAtomically(device2 + "20261105.CSV",
                                  "0001, 2026-11-05, 08:00:00,   , 0,\"@Boczne\"\r\n"));
  ASSERT_EQ(std::system(("cp -r " + base + " " + hostile).c_str()), 0);
  ASSERT_EQ(std::system(("rm -r " + base + "data/extSD/00000003 " + hostile + "data/extSD/00000003").c_str()), 0);
  ASSERT_TRUE(WriteFileAtomically(hostile + "data/extSD/00000003", "not a folder"));
  ASSERT_TRUE(CreateDirectory(hostile + "data/extSD/00000002/20261104.CSV"));
  std::string faults =
      "Nie można odczytać: urządzenie \"-Brama\" (ID 2), plik 20261104.CSV.\n"
      "Nie można odczytać: urządzenie \"Magazyn;Żółty\" (ID 3), cały folder.\n";
  if (geteuid() != 0) {
    ASSERT_TRUE(DeleteFile(device2 + "20261103.CSV"));
    ASSERT_EQ(chmod((hostile + "data/extSD/00000002/20261103.CSV").c_str(), 0), 0);
    faults = "Nie można odczytać: urządzenie \"-Brama\" (ID 2), plik 20261103.CSV.\n" + faults;
  }

  std::string reports[4];
  const char* kinds[] = {"--user 1 aktualne", "--user 1 zdarzenia", "--user 1 miesieczne", "odbicia"};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(kinds[i]);
    const std::string args = std::string(" --as-of '2026-12-01 10:00:00' ") + kinds[i];
    const cRun whole = Run("--home " + base + args);
    EXPECT_EQ(std::pair(whole.exit_code, whole.err), std::pair(0, std::string()));
    const cRun rest = Run("--home " + hostile + args);
    EXPECT_EQ(std::tuple(rest.exit_code, rest.err, rest.out), std::tuple(1, faults, whole.out));
    reports[i] = Cp1250ToUtf8(whole.out);
  }
  EXPECT_TRUE(reports[0].starts_with("Nazwa;'=SUMA(A1)\r\n")) << reports[0];
  EXPECT_NE(reports[1].find(";08:00:00;'-Brama\r\n"), std::string::npos) << reports[1];
  EXPECT_TRUE(reports[2].find(";-") != std::string::npos && reports[2].find('\'') == std::string::npos)
      << reports[2];
  EXPECT_NE(reports[3].find(",'@Boczne,0,False\r\n"), std::string::npos) << reports[3];

  const std::string file = folder_.Path() + "raport.csv";
  const cRun to_file = Run("--home " + hostile + " --as-of '2026-12-01 10:00:00' odbicia -o " + file);
  EXPECT_EQ(to_file.exit_code, 1);
  EXPECT_EQ(to_file.err, faults);
  EXPECT_EQ(ReadWholeFile(file), Utf8ToCp1250(reports[3]));
}

}  // namespace
}  // namespace olv
