#include "app/log_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>

#include "app/stare_dzienniki.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

class LogFileTest : public ::testing::Test {
 protected:
  test::cTemporaryFolder temporary;
  std::string folder = temporary.Path();
  cVirtualClock clock{EncodeDateTime(2024, 5, 6, 13, 45, 21), 123456789};
};

// Lines are the time, a space and the text in CP1250 with CR LF, appended in
// order; a log that cannot be written is reported once and later lines are
// still tried.
TEST_F(LogFileTest, LinesAreAppendedInCp1250AndAnUnwritableLogIsReportedOnce) {
  EXPECT_EQ(LogFilePath("/opt/olv/", 4294967295u), "/opt/olv/log/log4294967295.txt");
  // A folder path that runs through a regular file cannot hold a log, even for root.
  ASSERT_TRUE(WriteFileAtomically(folder + "log", "not a folder"));
  const std::string path = folder + "log/log1.txt";
  cLogFile log(path, clock);
  std::vector<std::string> reports;
  log.UstawObslugeBledu([&](const std::string& p, const std::string&) { reports.push_back(p); });
  EXPECT_FALSE(log.Zapisz("Form1: a"));
  EXPECT_FALSE(log.Zapisz("Form1: b"));
  EXPECT_EQ(reports, std::vector<std::string>{path});

  ASSERT_TRUE(DeleteFile(folder + "log"));
  ASSERT_TRUE(CreateDirectory(folder + "log"));
  ASSERT_TRUE(WriteFileAtomically(path, "earlier\r\n"));
  EXPECT_TRUE(log.Zapisz("Form1: Zażółć"));
  clock.AdvanceMs(2000);
  EXPECT_TRUE(log.Zapisz(""));
  EXPECT_EQ(ReadWholeFile(path).value_or("?"), "earlier\r\n13:45:21 Form1: Za\xBF\xF3\xB3\xE6\r\n13:45:23 \r\n");
  EXPECT_EQ(reports.size(), 1u);
}

// Logs past 90 days go, younger ones and other files stay; an entry that
// cannot be removed (a folder in a log's place) is left and said in the log.
TEST_F(LogFileTest, LogsOlderThanNinetyDaysAreRemovedAtStartUp) {
  ASSERT_TRUE(CreateDirectory(folder + "log"));
  const time_t now = time(nullptr);
  tm local{};
  localtime_r(&now, &local);
  const double today = EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                      local.tm_min, local.tm_sec);
  const auto make = [&](const std::string& name, int days_old, bool folder_in_place = false) {
    const std::string path = folder + "log/" + name;
    ASSERT_TRUE(folder_in_place ? CreateDirectory(path) && CreateDirectory(path + "/x") : WriteFileAtomically(path, "x"));
    const timespec times[2] = {{now - days_old * 86400, 0}, {now - days_old * 86400, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
  };
  make("log1.txt", 91);
  make("log2.txt", 89);
  make("log3.txt", 400, true);
  make("notes.txt", 400);
  make("log.txt", 400);
  make("log4.txt.bak", 400);
  std::vector<std::string> lines;
  UsunStareDzienniki(folder, today, [&](const std::string& line) { lines.push_back(line); });
  EXPECT_EQ(ListFiles(folder + "log"), (std::vector<std::string>{"log.txt", "log2.txt", "log4.txt.bak", "notes.txt"}));
  EXPECT_TRUE(DirectoryExists(folder + "log/log3.txt"));
  ASSERT_EQ(lines.size(), 2u);
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines[0].find("Form1: UsunStareDzienniki: nie można usunąć " + folder + "log/log3.txt: "), 0u);
  EXPECT_EQ(lines[1], "Form1: UsunStareDzienniki: usunięto " + folder + "log/log1.txt");
}

}  // namespace
}  // namespace olv
