#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "common/device_file_name.h"
#include "common/files.h"
#include "common/program_folder.h"

namespace olv {
namespace {

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/olv_files_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::system(("chmod -R u+w " + dir_ + " && rm -rf " + dir_).c_str()); }
  std::string dir_;
};

TEST_F(FilesTest, AtomicWriteReplacesWholeAndAFailedOneKeepsTheOldFileAndSaysWhy) {
  const std::string path = dir_ + "/devices.txt";
  ASSERT_TRUE(WriteFileAtomically(path, "old\r\n"));
  ASSERT_TRUE(WriteFileAtomically(path, std::string("n\0ew", 4)));
  EXPECT_EQ(ReadWholeFile(path), std::string("n\0ew", 4));
  EXPECT_EQ(FileSize(path), 4);
  EXPECT_EQ(ListFiles(dir_), std::vector<std::string>{"devices.txt"});
  // A disk that fills in the middle of the write (a file size limit binds root
  // too): the old file stays whole and no temporary file is left.
  ASSERT_TRUE(WriteFileAtomically(path, "keep me"));
  rlimit before{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto signal_before = signal(SIGXFSZ, SIG_IGN);
  rlimit small = before;
  small.rlim_cur = 4;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  eBladPliku kind = eBladPliku::kInny;
  const bool written = WriteFileAtomically(path, "longer than four bytes", &error, &kind);
  setrlimit(RLIMIT_FSIZE, &before);
  signal(SIGXFSZ, signal_before);
  EXPECT_FALSE(written);
  EXPECT_EQ(kind, eBladPliku::kBrakMiejsca);
  EXPECT_NE(error.find("File too large"), std::string::npos) << error;
  EXPECT_EQ(ReadWholeFile(path), "keep me");
  EXPECT_EQ(ListFiles(dir_), std::vector<std::string>{"devices.txt"});
  // Nor does a write into a missing folder make anything.
  EXPECT_FALSE(WriteFileAtomically(dir_ + "/nope/x.txt", "x", &error));
  EXPECT_NE(error.find("nope"), std::string::npos);
  EXPECT_EQ(FileSize(dir_ + "/nope/x.txt"), -1);
}

TEST_F(FilesTest, AppendListBySuffixIgnoringCaseAndCreateEveryMissingParent) {
  ASSERT_TRUE(AppendToFile(dir_ + "/a.CSV", "1\r\n"));
  ASSERT_TRUE(AppendToFile(dir_ + "/a.CSV", "2\r\n"));
  ASSERT_TRUE(AppendToFile(dir_ + "/b.csv", ""));
  ASSERT_TRUE(AppendToFile(dir_ + "/c.txt", ""));
  ASSERT_TRUE(CreateDirectory(dir_ + "/d.csv"));
  ASSERT_TRUE(CreateDirectory(dir_ + "/d.csv"));
  EXPECT_EQ(ReadWholeFile(dir_ + "/a.CSV"), "1\r\n2\r\n");
  EXPECT_EQ(ListFiles(dir_, ".csv"), (std::vector<std::string>{"a.CSV", "b.csv"}));
  EXPECT_TRUE(DeleteFile(dir_ + "/b.csv"));
  EXPECT_FALSE(FileExists(dir_ + "/b.csv"));
  EXPECT_TRUE(CreateDirectories(dir_ + "/a/b/c/") && DirectoryExists(dir_ + "/a/b/c"));
  EXPECT_FALSE(CreateDirectories(dir_ + "/a.CSV/g"));
}

TEST(DeviceFileName, OnlyPlainEightDotThreeNames) {
  for (const char* good : {"KONFOUT.TXT", "E2024_05.CSV", "A", "00000002", "x-y~1.c_v", "USERS.txt"}) {
    EXPECT_TRUE(IsPlain83Name(good)) << good;
  }
  for (const char* bad : {"", "..", ".", "../x.txt", "a/b.txt", "a\\b.txt", "NINECHARS.TXT",
                          "A.TEXT", "A.B.C", ".TXT", "A.", "a b.txt", "ą.txt", "/etc"}) {
    EXPECT_FALSE(IsPlain83Name(bad)) << bad;
  }
}

// A build tree keeps its data beside the executable whatever the environment
// says of the user's folders; an installed program never does, and OLV8_HOME
// beats both.
TEST(ProgramFolder, InstalledProgramsUseTheUsersDataFolder) {
  const std::pair<cProgramPlaces, const char*> cases[] = {
      {{"", "/x/data", "/home/ola", "/src/build/app/", false}, "/src/build/app/"},
      {{"", "/x/data", "/home/ola", "/usr/bin/", true}, "/x/data/olv8-manager/"},
      {{"", "/x/data/", "/home/ola", "/usr/bin/", true}, "/x/data/olv8-manager/"},
      {{"", "", "/home/ola", "/usr/bin/", true}, "/home/ola/.local/share/olv8-manager/"},
      {{"", "relative/data", "/home/ola/", "/usr/bin/", true}, "/home/ola/.local/share/olv8-manager/"},
      {{"", "", "", "/usr/bin/", true}, "/usr/bin/"},
      {{"/srv/olv", "/x/data", "/home/ola", "/usr/bin/", true}, "/srv/olv/"},
      {{"/srv/olv/", "", "", "/src/build/app/", false}, "/srv/olv/"},
  };
  for (const auto& [places, expected] : cases) {
    EXPECT_EQ(ProgramFolderFrom(places), expected) << places.olv8_home << "|" << places.xdg_data_home << "|"
                                                   << places.home << "|" << places.executable_folder;
  }
  EXPECT_EQ(InstallMarkerPath("/usr/bin/"), "/usr/bin/../share/olv8-manager/installed");
  // The environment is read as the table's first column says.
  setenv("OLV8_HOME", "/srv/olv/", 1);
  EXPECT_EQ(ProgramFolder(), "/srv/olv/");
  unsetenv("OLV8_HOME");
  EXPECT_TRUE(ProgramFolder().ends_with('/') && DirectoryExists(ProgramFolder()));
}

}  // namespace
}  // namespace olv
