// The events and daily tables, and the CSV they are exported as.
#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "stats/csv.h"
#include "stats/tabela_dzienna.h"
#include "stats/tabela_zdarzen.h"
#include "stats_test_support.h"

namespace olv {
namespace {

std::vector<std::string> Row(const cZawartoscTabeli& table, int row) {
  std::vector<std::string> texts;
  for (int column = 0; column < table.GetLiczbaKolumn(); ++column) {
    texts.push_back(table.Tekst(column, row));
  }
  return texts;
}

TEST(TabelaZdarzen, DateOncePerDayAndTheDeviceByItsUnique) {
  cVirtualClock clock;
  cDevList devices(clock);
  devices.DodajUrzadzenie(std::make_unique<cUrzadzenie>("Brama", 2, cCzytnik(), cCzytnik(), false,
                                                        cWlasciwosciPolaczenia{}, 100));
  test::cPunches punches;
  punches.Add("2026-11-02 16:10", 'X', 200).Add("2026-11-03 09:00", 'N', 100);
  punches.Add("2026-11-02 07:50", 'E', 100);
  const cZawartoscTabeli table = ObliczTabeleZdarzen(punches.View(), devices);

  ASSERT_EQ(table.GetLiczbaWierszy(), 3);
  EXPECT_EQ(Row(table, 0), (std::vector<std::string>{"2026-11-03", "", "", "09:00:00", "Brama"}));
  EXPECT_EQ(Row(table, 1), (std::vector<std::string>{"2026-11-02", "07:50:00", "", "", "Brama"}));
  // Device 200 has been deleted since.
  EXPECT_EQ(Row(table, 2), (std::vector<std::string>{"", "", "16:10:00", "", "."}));
  // A date row is shaded across; a punch row only in its own column.
  EXPECT_EQ(table.KolorTla(2, 1), table.KolorTla(0, 1));
  EXPECT_NE(table.KolorTla(2, 2), table.KolorTla(0, 2));
}

TEST(TabelaDzienna, MarksLateStartEarlyEndAndNoWorkInRed) {
  test::cPunches punches;
  // The window's own limits are on time; a second past them is not.
  punches.Add("2026-11-02 08:15:00", 'E').Add("2026-11-02 15:50:00", 'X');
  punches.Add("2026-11-03 08:15:01", 'E').Add("2026-11-03 15:49:59", 'X');
  punches.Add("2026-11-07 09:00:00", 'E').Add("2026-11-07 11:00:00", 'X');
  const cZawartoscTabeli table =
      ObliczTabeleDzienna(punches.View(), cCzasyUzytkownika(), eTrybZliczania::WejscieWyjscie);

  ASSERT_EQ(table.GetLiczbaWierszy(), 3);
  const cKolor black = kKolorTekstu;
  const cKolor red = kKolorCzerwony;
  const std::vector<std::vector<cKolor>> marks = {
      {black, red, red}, {red, red, black}, {black, black, black}};
  for (int row = 0; row < 3; ++row) {
    for (int column = 2; column <= 4; ++column) {
      EXPECT_EQ(table.KolorTekstu(column, row), marks[row][column - 2]) << row << "," << column;
    }
  }
}

TEST(CSV, QuotesOnlyWhereACellWouldOtherwiseBreakItsRow) {
  cCSV csv;
  for (const char* cell : {"Pon", "08:15:00", "2021-05-11", "dwa słowa", "cal \"x\"", "a;b", "a,b",
                           "a\tb", "wiersz\r\ndrugi", ""})
    csv.DodajKomorke(cell);
  csv.ZakonczWiersz();
  csv.ZakonczWiersz();
  csv.DodajKomorke("Żółć");
  csv.ZakonczWiersz();
  csv.DodajKomorke("porzucona");
  const std::string semicolon =
      "Pon;08:15:00;2021-05-11;\"dwa słowa\";\"cal \"\"x\"\"\";\"a;b\";a,b;a\tb;"
      "\"wiersz\r\ndrugi\";\r\n\r\nŻółć";
  EXPECT_EQ(csv.Tekst(cCSV::kSrednik), Utf8ToCp1250(semicolon));
  EXPECT_EQ(Cp1250ToUtf8(*csv.Tekst(cCSV::kPrzecinek)),
            "Pon,08:15:00,2021-05-11,\"dwa słowa\",\"cal \"\"x\"\"\",a;b,\"a,b\",a\tb,"
            "\"wiersz\r\ndrugi\",\r\n\r\nŻółć");
  EXPECT_TRUE(Cp1250ToUtf8(*csv.Tekst(7)).starts_with("Pon08:15:002021-05-11\"dwa"));

  // An empty table exported with its closing row is an empty file.
  test::cTempFolder folder;
  cZawartoscTabeli empty;
  empty.DodajKolumne("Data", 100);
  cCSV export_empty;
  DodajTabeleDoCSV(empty, true, export_empty);
  ASSERT_TRUE(export_empty.ZapiszDoPliku(folder.Path() + "pusty.csv", cCSV::kSrednik));
  EXPECT_EQ(ReadWholeFile(folder.Path() + "pusty.csv"), "");

  // A filler column ends every row with the separator; each row one line end.
  cZawartoscTabeli table;
  table.DodajKolumne("A", 100);
  table.DodajKolumne("B", 100);
  table.DodajWiersz().Komorki[0].Tekst = "x";
  table.DodajWiersz().Komorki[1].Tekst = "y z";
  cCSV with_filler;
  DodajTabeleDoCSV(table, true, with_filler);
  ASSERT_TRUE(with_filler.ZapiszDoPliku(folder.Path() + "t.csv", cCSV::kSrednik));
  EXPECT_EQ(ReadWholeFile(folder.Path() + "t.csv"), "x;;\r\n;\"y z\";\r\n");

  cCSV foreign;
  foreign.DodajKomorke("日本");
  foreign.ZakonczWiersz();
  std::string error;
  EXPECT_FALSE(foreign.ZapiszDoPliku(folder.Path() + "f.csv", cCSV::kSrednik, &error));
  EXPECT_FALSE(FileExists(folder.Path() + "f.csv"));
  EXPECT_EQ(error, "tekst zawiera znak spoza strony kodowej 1250");
  std::string system_error;
  EXPECT_FALSE(with_filler.ZapiszDoPliku(folder.Path() + "brak/t.csv", cCSV::kSrednik, &error, &system_error));
  EXPECT_EQ(error, "folder docelowy nie istnieje lub nie jest folderem");
  EXPECT_NE(system_error.find("brak/t.csv"), std::string::npos);
}

}  // namespace
}  // namespace olv
