// cmake --install into a temporary prefix: every file at its place, the icon
// in each size it is named for, and the installed program keeping its data in
// the user's data folder rather than beside itself.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "common/files.h"
#include "tests/app/run_program.h"

namespace olv {
namespace {

using test::RunProgram;

// The width and height a PNG file's header gives; 0 x 0 when it is no PNG.
std::pair<uint32_t, uint32_t> PngSize(const std::string& path) {
  const std::string bytes = ReadWholeFile(path).value_or("");
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
  const auto word = [&](size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  return {word(16), word(20)};
}

bool IsExecutable(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IXUSR);
}

class InstallTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    char tmpl[] = "/tmp/olv_install_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    root_ = tmpl;
    prefix_ = root_ + "/prefix";
    install_ = RunProgram({OLV_CMAKE_COMMAND, "--install", OLV_BINARY_DIR, "--prefix", prefix_});
  }
  static void TearDownTestSuite() { std::system(("rm -rf " + root_).c_str()); }
  void SetUp() override { ASSERT_EQ(install_.status, 0) << install_.output; }

  static std::string root_;
  static std::string prefix_;
  static test::cProgramRun install_;
};

std::string InstallTest::root_;
std::string InstallTest::prefix_;
test::cProgramRun InstallTest::install_;

TEST_F(InstallTest, EveryFileLiesAtItsPlace) {
  EXPECT_TRUE(IsExecutable(prefix_ + "/bin/olv8-sim"));
  EXPECT_EQ(IsExecutable(prefix_ + "/bin/olv8-report"), OLV_HAS_REPORT != 0);

  const std::string desktop = ReadWholeFile(prefix_ + "/share/applications/olv8-manager.desktop").value_or("");
  for (const char* line : {"\nExec=olv8-manager\n", "\nIcon=olv8-manager\n"}) {
    EXPECT_NE(desktop.find(line), std::string::npos) << line;
  }
  for (const uint32_t size : {16u, 22u, 24u, 32u, 48u, 64u, 128u, 256u}) {
    const std::string dimension = std::to_string(size) + "x" + std::to_string(size);
    EXPECT_EQ(PngSize(prefix_ + "/share/icons/hicolor/" + dimension + "/apps/olv8-manager.png"),
              std::make_pair(size, size))
        << dimension;
  }
  const std::string service = ReadWholeFile(prefix_ + "/lib/systemd/user/olv8-sync.service").value_or("");
  const std::string timer = ReadWholeFile(prefix_ + "/lib/systemd/user/olv8-sync.timer").value_or("");
  EXPECT_NE(service.find("\nExecStart=olv8-manager --sync\n"), std::string::npos);
  EXPECT_NE(timer.find("\nOnCalendar=hourly\n"), std::string::npos);
}

// Started from the prefix with no OLV8_HOME, the program writes nothing beside
// itself: its folders and its log go to $XDG_DATA_HOME/olv8-manager, or to
// ~/.local/share/olv8-manager when that is not set.
TEST_F(InstallTest, TheInstalledProgramKeepsItsDataInTheUsersDataFolder) {
  const std::string home = root_ + "/home";
  const std::string xdg = root_ + "/xdg";
  // With no devices registered the run cannot start, after it has made its
  // folders and its log.
  const auto run = [&](std::optional<std::string> xdg_data_home) {
    return RunProgram({prefix_ + "/bin/olv8-manager", "--sync"},
                      {{"HOME", home}, {"XDG_DATA_HOME", xdg_data_home}, {"OLV8_HOME", std::nullopt}});
  };
  const std::string in_home_folder = home + "/.local/share/olv8-manager/";
  const test::cProgramRun in_home = run(std::nullopt);
  EXPECT_EQ(in_home.status, 2);
  EXPECT_EQ(in_home.output, "Brak zapisanych urządzeń: nie ma pliku devices.txt.\n");
  EXPECT_FALSE(ListFiles(in_home_folder + "log", ".txt").empty());
  EXPECT_TRUE(DirectoryExists(in_home_folder + "data/extSD/00000002/sent"));

  const test::cProgramRun in_xdg = run(xdg);
  EXPECT_EQ(in_xdg.status, 2);
  EXPECT_FALSE(ListFiles(xdg + "/olv8-manager/log", ".txt").empty());
  EXPECT_FALSE(DirectoryExists(prefix_ + "/bin/log"));
  EXPECT_FALSE(DirectoryExists(prefix_ + "/bin/data"));
}

// The Debian package of this build, as dpkg-deb reads it: a real maintainer,
// the libraries as dependencies, every program with its manual page, the
// copyright and changelog, compressed without a name or time inside.
TEST_F(InstallTest, ThePackageHoldsItsPagesCopyrightAndChangelog) {
  const std::string packages = root_ + "/deb";
  const test::cProgramRun cpack =
      RunProgram({OLV_CPACK_COMMAND, "-G", "DEB", "-B", packages, "--config", OLV_BINARY_DIR "/CPackConfig.cmake"});
  ASSERT_EQ(cpack.status, 0) << cpack.output;
  const std::vector<std::string> debs = ListFiles(packages, ".deb");
  ASSERT_EQ(debs.size(), 1u);
  const std::string deb = packages + "/" + debs[0];
  const test::cProgramRun fields = RunProgram({"dpkg-deb", "-f", deb, "Maintainer", "Depends"});
  EXPECT_EQ(fields.output.find("localhost"), std::string::npos) << fields.output;
  EXPECT_NE(fields.output.find("libqt6widgets6"), std::string::npos) << fields.output;

  const std::string tree = root_ + "/deb-tree";
  ASSERT_EQ(RunProgram({"dpkg-deb", "-x", deb, tree}).status, 0);
  EXPECT_TRUE(IsExecutable(tree + "/usr/bin/olv8-demo-home"));
  const std::string doc = tree + "/usr/share/doc/olv8-manager/";
  EXPECT_EQ(ReadWholeFile(doc + "copyright").value_or("").find("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"), 0u);
  for (const std::string page : {"olv8-manager", "olv8-report", "olv8-sim", "olv8-demo-home"}) {
    for (const std::string& gz : {tree + "/usr/share/man/man1/" + page + ".1.gz", doc + "changelog.gz"}) {
      const std::string bytes = ReadWholeFile(gz).value_or("");
      ASSERT_GE(bytes.size(), 10u) << gz;
      EXPECT_EQ(bytes.substr(0, 3), "\x1f\x8b\x08") << gz;
      EXPECT_EQ(bytes[3] & 0x08, 0) << gz << ": a file name inside";
      EXPECT_EQ(bytes.substr(4, 4), std::string(4, '\0')) << gz << ": a time stamp inside";
    }
  }
}

}  // namespace
}  // namespace olv
