#include "app/log_file.h"

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

TEST_F(LogFileTest, LinesAreTimeSpaceTextInCp1250WithCrLfAppendedInOrder) {
  EXPECT_EQ(LogFilePath("/opt/olv/", 4294967295u), "/opt/olv/log/log4294967295.txt");
  const std::string path = folder + "log.txt";
  ASSERT_TRUE(WriteFileAtomically(path, "earlier\r\n"));
  cLogFile log(path, clock);
  EXPECT_TRUE(log.Zapisz("Form1: Zażółć"));
  clock.AdvanceMs(2000);
  EXPECT_TRUE(log.Zapisz(""));
  EXPECT_EQ(ReadWholeFile(path).value_or("?"),
            "earlier\r\n13:45:21 Form1: Za\xBF\xF3\xB3\xE6\r\n13:45:23 \r\n");
}

TEST_F(LogFileTest, UnwritableLogIsReportedOnceAndLaterLinesAreStillTried) {
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
  EXPECT_TRUE(log.Zapisz("Form1: c"));
  EXPECT_EQ(ReadWholeFile(path).value_or("?"), "13:45:21 Form1: c\r\n");
  EXPECT_EQ(reports.size(), 1u);
}

}  // namespace
}  // namespace olv
