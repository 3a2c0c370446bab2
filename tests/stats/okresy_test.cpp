// Period summaries: weeks, months and weekdays, the monthly balance table, the
// average-time charts and their bar colours.
#include <gtest/gtest.h>

#include "common/dates.h"
#include "stats/lista_tygodniowa.h"
#include "stats/srednia_dnia.h"
#include "stats/tabela_miesieczna.h"
#include "stats/wykresy_sredniego_czasu.h"
#include "stats_test_support.h"

namespace olv {
namespace {

using test::Moment;

std::vector<std::vector<std::string>> Texts(const cZawartoscTabeli& table) {
  std::vector<std::vector<std::string>> rows;
  for (const cWierszTabeli& row : table.Wiersze) {
    rows.emplace_back();
    for (const cKomorkaTabeli& cell : row.Komorki) rows.back().push_back(cell.Tekst);
  }
  return rows;
}

TEST(ListaTygodniowa, WeeksCountFromTheFirstOfJanuaryOfTheirOwnYear) {
  std::vector<cPelneInformacjeODniuPracy> days;
  for (const char* date : {"2024-12-29", "2024-12-30", "2024-12-31", "2025-01-01", "2025-03-03",
                           "2026-03-03", "2026-12-30", "2026-12-31", "2027-01-01"}) {
    days.push_back({});
    days.back().Data = Moment(std::string(date) + " 00:00");
  }
  cListaTygodniowa weeks;
  weeks.Zbuduj(days);
  // Leap 2024 ends with a week 52 of two days, common 2026 with one; weeks 8
  // of 2025 and 2026 stay apart.
  const std::vector<std::pair<std::string, size_t>> expected = {
      {"2024-12-29", 1}, {"2024-12-30", 2}, {"2025-01-01", 1}, {"2025-03-03", 1},
      {"2026-03-03", 1}, {"2026-12-30", 1}, {"2026-12-31", 1}, {"2027-01-01", 1}};
  std::vector<std::pair<std::string, size_t>> got;
  for (const auto& week : weeks.Tygodnie) got.emplace_back(FormatDate(week.Data), week.Dni.size());
  EXPECT_EQ(got, expected);
}

TEST(KolorSlupka, ShadesByTheDifferenceUpToHalfAnHour) {
  // Below the plan the report's averages show the shades.
  const std::pair<int, cKolor> cases[] = {{28800, {175, 255, 175}}, {28801, {175, 255, 175}}, {29700, {175, 255, 215}},
                         {30600, {175, 255, 255}}, {40000, {175, 255, 255}}, {-3000, {255, 175, 175}}};
  for (const auto& [value, colour] : cases) EXPECT_EQ(KolorSlupka(value, 28800), colour) << value;
}

TEST(TabelaMiesieczna, CompleteMonthsNewestFirstUnderTheirSum) {
  test::cPunches punches;
  cUzytkownik user{77};
  // Every working day of the month from start to end of work.
  const auto work_month = [&](int month, const char* from, const char* to) {
    for (int day = 1; day <= DaysInMonth(2026, month); ++day) {
      const double date = EncodeDate(2026, month, day);
      if (DayOfWeek(date) == 1 || DayOfWeek(date) == 7) continue;
      punches.Add(FormatDate(date) + " " + from, 'E').Add(FormatDate(date) + " " + to, 'X');
    }
  };
  const auto monthly = [&] {
    return ObliczTabeleMiesieczna(punches.View(), user, eTrybZliczania::WejscieWyjscie,
                                  Moment("2026-12-10 12:00"));
  };

  work_month(11, "08:00", "16:00");
  const cZawartoscTabeli on_target = monthly();
  EXPECT_EQ(Texts(on_target), (std::vector<std::vector<std::string>>{
                                  {"Suma", "", "", "+00:00:00"},
                                  {"2026-11", "168:00:00", "168:00:00", "-00:00:00"}}));
  EXPECT_EQ(on_target.KolorTekstu(3, 0), kKolorZielony);

  // October 15 minutes over each day (the end window stops at 16:15), one
  // day of September, this month and a month ahead (a clock set wrong) left out.
  work_month(10, "08:00", "17:00");
  punches.Add("2026-09-15 08:00", 'E').Add("2026-09-15 16:00", 'X');
  punches.Add("2026-12-01 08:00", 'E').Add("2026-12-01 16:00", 'X');
  punches.Add("2027-01-04 08:00", 'E').Add("2027-01-04 16:00", 'X');
  const cZawartoscTabeli table = monthly();
  EXPECT_EQ(Texts(table), (std::vector<std::vector<std::string>>{
                              {"Suma", "", "", "-162:30:00"},
                              {"2026-11", "168:00:00", "168:00:00", "-00:00:00"},
                              {"2026-10", "181:30:00", "176:00:00", "+05:30:00"},
                              {"2026-09", "08:00:00", "176:00:00", "-168:00:00"}}));
  EXPECT_EQ(table.KolorTekstu(3, 0), kKolorCzerwony);

  // Worked less than a second over the plan: on target by the seconds shown.
  user.CzasyPracy.KoniecPracy -= 0.02 * kOneSecond;
  EXPECT_EQ(Texts(monthly())[1], (std::vector<std::string>{"2026-11", "168:00:00", "167:59:59", "-00:00:00"}));
}

// The bars' values, captions and colours are shown by olv8-report's averages
// report; here the scale, with a user and without one.
TEST(WykresySredniegoCzasu, TheScaleIsOnePointFourPlannedDaysAndEveryWeekdayHasItsBar) {
  cUzytkownik user(5);
  user.CzasyPracy.KoniecPracy = test::Hour(17);
  test::cPunches punches;
  punches.Add("2026-11-03 08:00", 'E').Add("2026-11-03 16:00", 'X');
  const cWykresySredniegoCzasu charts =
      ObliczWykresySredniegoCzasu(punches.View(), &user, eTrybZliczania::WejscieWyjscie);
  for (const cZawartoscWykresu* chart : {&charts.Tygodniowy, &charts.Miesieczny, &charts.DniTygodnia})
    EXPECT_EQ(chart->Maksimum, 1.4 * 9 * 3600) << chart->Tytul;
  ASSERT_EQ(charts.DniTygodnia.Slupki.size(), 7u);
  EXPECT_EQ(charts.DniTygodnia.Slupki[2].Wartosc, 28800);
  // An hour short of the planned nine.
  EXPECT_EQ(charts.DniTygodnia.Slupki[2].Kolor, (cKolor{255, 175, 175}));

  const cWykresySredniegoCzasu nobody =
      ObliczWykresySredniegoCzasu(cWidokListyOdbic(), nullptr, eTrybZliczania::Aktywnosc);
  EXPECT_EQ(nobody.Miesieczny.Maksimum, 1.4 * 3600);
  EXPECT_TRUE(nobody.Tygodniowy.Slupki.empty());
  EXPECT_EQ(nobody.DniTygodnia.Slupki.size(), 7u);
}

}  // namespace
}  // namespace olv
