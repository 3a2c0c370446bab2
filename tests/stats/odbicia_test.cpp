// Punches: the event line by its fixed positions, collecting and reading the
// mirror folders, the text form, and the views the panels filter.
#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "common/files.h"
#include "model/device_folder.h"
#include "common/virtual_clock.h"
#include "stats/linia_zdarzenia.h"
#include "stats_test_support.h"

namespace olv {
namespace {

using test::Moment;

// A read line as "user date time p reader"; "" where it is refused.
std::string Read(const char* utf8) {
  const std::string bytes = *Utf8ToCp1250(utf8);
  const auto line = CzytajLinieZdarzenia(bytes);
  if (!line) return "";
  return std::to_string(line->IDUzytkownika) + " " + FormatDate(line->Czas) + " " +
         FormatDuration(TimeOfDay(line->Czas), true) + (line->p ? " p " : " - ") +
         Cp1250ToUtf8(line->NazwaCzytnika);
}

TEST(LiniaZdarzenia, ReadsFieldsByPositionAndRefusesAnythingThatIsNoMoment) {
  const std::pair<const char*, const char*> cases[] = {
      {"0012, 2024-05-07, 08:01:33,  p, 0,\"Wejście\"", "12 2024-05-07 08:01:33 p Wejście"},
      {"ABCD, 2024-02-29, 23:59:59,   , 1,\"x\"", "-1 2024-02-29 23:59:59 - x"},
      {"0000, 2026-11-02, 00:00:00,  p, 1,\"Brama, \"tył\"\"", "0 2026-11-02 00:00:00 p Brama, \"tył\""},
      // No comma after position 32: only the first character goes.
      {"0007, 2026-11-02, 08:00:00,  q, Xname!", "7 2026-11-02 08:00:00 - name"},
      // Cut after the time: a record without marker and reader.
      {"0007, 2026-11-02, 08:00:00", "7 2026-11-02 08:00:00 - "},
      {"", ""},
      {"0001, 2026-11-02, 08:00", ""},
      {"0001, 2O26-11-02, 08:00:00,   , 0,\"x\"", ""},
      {"0001, 2026-11-02, 08:0a:00,   , 0,\"x\"", ""},
      {"0001, 2026-13-01, 08:00:00,   , 0,\"x\"", ""},
      {"0001, 2023-02-29, 08:00:00,   , 0,\"x\"", ""},
      {"0001, 2026-11-00, 08:00:00,   , 0,\"x\"", ""},
      {"0001, 2026-11-02, 24:00:00,   , 0,\"x\"", ""},
      {"0001, 2026-11-02, 08:60:00,   , 0,\"x\"", ""},
      {"0001, 2026-11-02, 08:00:60,   , 0,\"x\"", ""},
      {"0001; 2026-11-02, 08:00:00,   , 0,\"x\"", ""},
  };
  for (const auto& [line, read] : cases) EXPECT_EQ(Read(line), read) << line;
}

class FolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    devices_.DodajUrzadzenie(std::make_unique<cUrzadzenie>(
        "Brama", 2, cCzytnik("Wejście główne", 1), cCzytnik("Wyjście, tył", 2), false,
        cWlasciwosciPolaczenia{}, 2002));
    // Both readers bear one name: reader 0's mode wins.
    devices_.DodajUrzadzenie(std::make_unique<cUrzadzenie>(
        "Magazyn", 3, cCzytnik("Drzwi", 2), cCzytnik("Drzwi", 1), false,
        cWlasciwosciPolaczenia{}, 3003));
  }

  void Write(int bus_id, const std::string& name, const std::string& utf8_lines) {
    ASSERT_TRUE(UtworzFolderWyslanychPlikow(home_.Path(), bus_id));
    ASSERT_TRUE(WriteFileAtomically(FolderUrzadzenia(home_.Path(), bus_id) + name,
                                    *Utf8ToCp1250(utf8_lines)));
  }

  test::cTempFolder home_;
  cVirtualClock clock_;
  cDevList devices_{clock_};
};

TEST_F(FolderTest, CollectsEveryCsvOfRegisteredDevicesAndSortsOldestFirst) {
  // olv8-report's fixture shows the other quirks: header, blank and cut lines,
  // user 0000, copies, other names, unknown bus IDs.
  Write(2, "20261102.CSV", "0005, 2026-11-02, 07:55:00,   , 0,\"Wejście główne\"\r\n"
                           "0005, 2026-11-02, 16:05:00,  p, 1,\"Wyjście, tył\"\r\n");
  Write(3, "20261102.Csv", "0005, 2026-11-02, 10:00:00,   , 1,\"Drzwi\"\n"
                           "0006, 2026-11-01, 10:00:00,   , 1,\"drzwi\"");

  cListaOdbic list;
  list.DodajOdbicie(std::make_unique<cOdbicie>());
  EXPECT_TRUE(WczytajOdbiciaZFolderuProgramu(home_.Path(), devices_, list).empty());
  std::vector<std::string> text;
  list.WypiszTekstowo(text);
  const std::vector<std::string> expected = {
      "6,\"2026-11-01 10:00:00\",3003,drzwi,0,False",
      "5,\"2026-11-02 07:55:00\",2002,\"Wejście główne\",1,False",
      "5,\"2026-11-02 10:00:00\",3003,Drzwi,2,False",
      "5,\"2026-11-02 16:05:00\",2002,\"Wyjście, tył\",2,True",
  };
  EXPECT_EQ(text, expected);
  EXPECT_TRUE(list.Pliki().empty());

  list.SortujOdNajnowszych();
  EXPECT_EQ(list.GetOdbicie(0)->Czas, Moment("2026-11-02 16:05:00"));
  EXPECT_EQ(list.GetOdbicie(3)->Czas, Moment("2026-11-01 10:00:00"));
  EXPECT_EQ(list.GetOdbicie(4), nullptr);
  EXPECT_EQ(list.GetOdbicie(-1), nullptr);
}

// A device without a mirror folder has no files yet; a listed file that is
// gone is returned; a file of no device's folder is no fault.
TEST_F(FolderTest, AMissingFileIsReturnedAMissingFolderIsNoFault) {
  cListaOdbic list;
  list.DodajPlik(home_.Path() + "data/extSD/00000002/BRAK.CSV");
  list.DodajPlik("BEZFOLDERU.CSV");
  const std::vector<cNieodczytanyPlik> missing = list.WczytajPliki(devices_);
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(missing[0].Sciezka, home_.Path() + "data/extSD/00000002/BRAK.CSV");
  EXPECT_FALSE(missing[0].Blad.empty());
  EXPECT_TRUE(WczytajOdbiciaZFolderuProgramu(home_.Path(), devices_, list).empty());
  EXPECT_EQ(list.GetLiczbaOdbic(), 0);
}

// Far more reader names than the lookup starts with, each named twice: every
// punch keeps its own reader's name and direction.
TEST_F(FolderTest, ManyReaderNamesInOneFileEachKeepTheirNameAndDirection) {
  auto name = [](int i) { return i % 150 == 0 ? std::string("Wejście główne") : "R" + std::to_string(i % 150); };
  std::string lines;
  for (int i = 0; i < 300; ++i) lines += "0001, 2026-11-02, 08:00:00,   , 0,\"" + name(i) + "\"\r\n";
  Write(2, "20261102.CSV", lines);
  cListaOdbic list;
  ASSERT_TRUE(WczytajOdbiciaZFolderuProgramu(home_.Path(), devices_, list).empty());
  ASSERT_EQ(list.GetLiczbaOdbic(), 300);
  for (int i = 0; i < 300; ++i) {
    EXPECT_EQ(list.GetOdbicie(i)->NazwaCzytnika(), name(i)) << i;
    EXPECT_EQ(list.GetOdbicie(i)->Kierunek, i % 150 == 0 ? 1 : 0) << i;
  }
}

// A range keeps its bounds; 0 leaves that side open. (Which user and in what
// order the tables and reports show.)
TEST(WidokListyOdbic, ARangeKeepsBothBoundsAndZeroLeavesASideOpen) {
  test::cPunches punches;
  punches.Add("2026-11-02 08:00", 'E').Add("2026-11-02 16:00", 'X').Add("2026-11-03 08:00", 'E');
  punches.Add("2026-11-04 00:00", 'N');
  const std::tuple<const char*, const char*, int> ranges[] = {{"2026-11-02 16:00", "2026-11-03 08:00", 2}, {"", "2026-11-02 23:59", 2}, {"2026-11-04 00:00", "", 1}};
  const cWidokListyOdbic view = punches.View();
  for (const auto& [from, to, count] : ranges) {
    cWidokListyOdbic range;
    view.Kopiuj(range);
    range.OgraniczDoZakresu(*from ? Moment(from) : 0, *to ? Moment(to) : 0);
    EXPECT_EQ(range.GetLiczbaOdbic(), count) << from << " .. " << to;
  }
}

}  // namespace
}  // namespace olv
