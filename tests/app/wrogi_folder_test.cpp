// A program folder someone else prepared, built once under umask 022: links
// planted where the program writes and where it locks, a FIFO and a folder in
// files' places, files of several modes, a lock file of another user, data
// files with a byte order mark and lines that cannot be read. Each case does
// what the program does there and reads what is left.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/blokada_programu.h"
#include "common/base64.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"

namespace olv {
namespace {

class WrogiFolderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    old_umask = umask(022);
    char pattern[] = "/tmp/olv-hostile-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    f = std::string(pattern) + "/";
    for (const char* folder : {"data", "folder.csv", "lock-link", "lock-dangling", "lock-fifo", "lock-other"})
      ASSERT_EQ(mkdir((f + folder).c_str(), 0755), 0);
    const std::pair<const char*, mode_t> files[] = {
        {"victim.txt", 0644}, {"real.csv", 0640}, {"private.csv", 0600}, {"shared.csv", 0644}, {"lock-victim.txt", 0600}};
    for (const auto& [name, mode] : files) {
      ASSERT_TRUE(WriteFileAtomically(f + name, "keep"));
      ASSERT_EQ(chmod((f + name).c_str(), mode), 0);
    }
    // The name the temporary file used to have, planted as a link.
    ASSERT_EQ(symlink("victim.txt", (f + "report.csv.tmp").c_str()), 0);
    ASSERT_EQ(symlink("real.csv", (f + "link.csv").c_str()), 0);
    ASSERT_EQ(mkfifo((f + "fifo.csv").c_str(), 0644), 0);
    ASSERT_EQ(symlink("../lock-victim.txt", (f + "lock-link/olv8-manager.lock").c_str()), 0);
    ASSERT_EQ(symlink((f + "outside").c_str(), (f + "lock-dangling/olv8-manager.lock").c_str()), 0);
    ASSERT_EQ(mkfifo((f + "lock-fifo/olv8-manager.lock").c_str(), 0644), 0);
    ASSERT_TRUE(WriteFileAtomically(f + "lock-other/olv8-manager.lock", "4242\n"));
    if (geteuid() == 0) {
      ASSERT_EQ(chown((f + "lock-other/olv8-manager.lock").c_str(), 65534, 65534), 0);
    }
  }
  static void TearDownTestSuite() {
    std::system(("rm -rf " + f).c_str());
    umask(old_umask);
  }
  static mode_t Mode(const std::string& name) {
    struct stat st {};
    return lstat((f + name).c_str(), &st) == 0 ? st.st_mode : 0;
  }

  static inline std::string f;
  static inline mode_t old_umask = 0;
};

// Nothing planted is followed or replaced, a link is written through, a
// replaced file keeps its mode, and what the program makes is private.
TEST_F(WrogiFolderTest, WritesLandOnlyWhereMeantAndKeepWhatStands) {
  struct cCase {
    const char* name;
    bool written;
    const char* holder;  // the file that holds the text afterwards
    mode_t mode;         // of the name afterwards
  };
  const cCase cases[] = {
      {"report.csv", true, "report.csv", S_IFREG | 0600},  {"link.csv", true, "real.csv", S_IFLNK | 0777},
      {"private.csv", true, "private.csv", S_IFREG | 0600}, {"shared.csv", true, "shared.csv", S_IFREG | 0644},
      {"fifo.csv", false, "", S_IFIFO | 0644},              {"folder.csv", false, "", S_IFDIR | 0755},
  };
  for (const cCase& c : cases) {
    eBladPliku kind = eBladPliku::kInny;
    EXPECT_EQ(WriteFileAtomically(f + c.name, "new", nullptr, &kind), c.written) << c.name;
    EXPECT_EQ(Mode(c.name), c.mode) << c.name;
    EXPECT_TRUE(c.written ? ReadWholeFile(f + c.holder) == "new" : kind != eBladPliku::kInny) << c.name;
  }
  EXPECT_EQ(ReadWholeFile(f + "victim.txt"), "keep");
  EXPECT_EQ(Mode("report.csv.tmp"), S_IFLNK | 0777);
  EXPECT_EQ(Mode("real.csv"), S_IFREG | 0640);
  EXPECT_EQ(ListFiles(f, ".tmp"), std::vector<std::string>{"report.csv.tmp"});

  // A FIFO is neither read nor appended to, and neither blocks (a child that
  // would block is ended by the alarm, and the case fails).
  EXPECT_EXIT((alarm(5), std::exit(ReadWholeFile(f + "fifo.csv") ? 1 : 0)), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT((alarm(5), std::exit(AppendToFile(f + "fifo.csv", "x") ? 1 : 0)), ::testing::ExitedWithCode(0), "");
  ASSERT_TRUE(AppendToFile(f + "new.log", "x"));
  EXPECT_EQ(Mode("new.log"), S_IFREG | 0600);
  ASSERT_TRUE(CreateDirectory(f + "made"));
  EXPECT_EQ(Mode("made"), S_IFDIR | 0700);
  ASSERT_TRUE(CreateDirectory(f + "data"));
  EXPECT_EQ(Mode("data"), S_IFDIR | 0755);
}

TEST_F(WrogiFolderTest, TheLockTakesOnlyARegularFileItNeitherFollowsNorRewritesForAnother) {
  for (const char* folder : {"lock-link/", "lock-dangling/", "lock-fifo/"}) {
    std::string why;
    EXPECT_EQ(cBlokadaProgramu::Zajmij(f + folder, &why), nullptr) << folder;
    EXPECT_NE(why.find("olv8-manager.lock w folderze programu stoi "), std::string::npos) << why;
    EXPECT_EQ(why.find(f), std::string::npos) << why;
  }
  EXPECT_EQ(ReadWholeFile(f + "lock-victim.txt"), "keep");
  EXPECT_EQ(Mode("outside"), 0u);

  if (geteuid() != 0) GTEST_SKIP() << "only root can leave a file to another user";
  std::string why;
  const auto lock = cBlokadaProgramu::Zajmij(f + "lock-other/", &why);
  ASSERT_NE(lock, nullptr) << why;
  EXPECT_EQ(ReadWholeFile(f + "lock-other/olv8-manager.lock"), "4242\n");
  EXPECT_EQ(cBlokadaProgramu::Zajmij(f + "lock-other/", &why), nullptr);
  EXPECT_NE(why.find("(proces 4242): w oknie albo jako synchronizacja. Plik blokady należy do użytkownika " +
                     std::string(getpwuid(65534)->pw_name) + "."),
            std::string::npos)
      << why;
}

// The first record after a byte order mark is read; a line with a control
// character, a NUL or a planned time outside the day is not taken with shifted
// or impossible fields; each load keeps the file in a copy of its own.
TEST_F(WrogiFolderTest, DataFilesReadPastAByteOrderMarkAndKeepEveryBadCopy) {
  const std::vector<std::string> lines = {
      "Ala,1,12,0,5",
      "Ola,2,,0,6,0.25,0.75,0,0.3,0.7,1,12345",
      "Jan\tNowak,3,,0,7",
      std::string("Jan\0Nowak,3,,0,7", 16),
      "\"Tab\tin quotes\",4,,0,8",
  };
  std::string content = "\xEF\xBB\xBF";
  for (const std::string& line : lines) content += Base64Encode(line) + "\r\n";
  for (const char* time : {"1E300", "-0.5", "nan", "inf", "-inf", "1.0001", "1E999"})
    content += Base64Encode(std::string("Zły,9,,0,9,") + time) + "\r\n";
  const std::string users = f + "data/users.txt";
  ASSERT_TRUE(WriteFileAtomically(users, content));
  ASSERT_TRUE(WriteFileAtomically(users + ".bad", "older copy"));

  cVirtualClock clock;
  cUserList list(clock);
  const cWynikWczytania first = WczytajUzytkownikow(users, list);
  ASSERT_EQ(list.CountUsers(), 3);
  EXPECT_EQ(list.GetUserByIndex(0)->Nazwa, "Ala");
  EXPECT_EQ(list.GetUserByIndex(1)->CzasyPracy.KoniecDo, 1.0);
  EXPECT_EQ(list.GetUserByIndex(2)->Nazwa, "Tab\tin quotes");
  EXPECT_EQ(first.NieczytelneLinie, 9);
  EXPECT_EQ(first.KopiaPliku, users + ".1.bad");
  // Loaded again, the same file is already kept; changed, it is kept anew.
  EXPECT_EQ(WczytajUzytkownikow(users, list).KopiaPliku, users + ".1.bad");
  ASSERT_TRUE(AppendToFile(users, "?\r\n"));
  EXPECT_EQ(WczytajUzytkownikow(users, list).KopiaPliku, users + ".2.bad");
  EXPECT_EQ(ReadWholeFile(users + ".bad"), "older copy");
  EXPECT_EQ(ReadWholeFile(users + ".1.bad"), content);
  EXPECT_EQ(ReadWholeFile(users + ".2.bad"), content + "?\r\n");
  EXPECT_EQ(Mode("data/users.txt.2.bad"), S_IFREG | 0600);
}

}  // namespace
}  // namespace olv
