// Work days: the day records in both counting modes, and the today panel. The
// days' order is shown by olv8-report's daily report.
#include <gtest/gtest.h>

#include "stats/dni_pracy.h"
#include "stats/panel_dzisiejszy.h"
#include "stats/teksty_czasu.h"
#include "stats_test_support.h"

namespace olv {
namespace {

using test::Hour;

// A day's first and last punch, time on site, start and end of work, time
// worked and pauses, joined by blanks.
std::string Texts(const cPelneInformacjeODniuPracy& day) {
  std::string texts;
  for (const double t : {day.PierwszeOdbicie, day.OstatnieOdbicie, day.NaObiekcie, day.PoczatekPracy,
                         day.KoniecPracy, day.CzasPracy, day.Przerwa}) {
    texts += (texts.empty() ? "" : " ") + TekstPoryDnia(t);
  }
  return texts;
}

// One day's punches ("07:50E 12:00X ...") on the given date, in both modes
// (nullptr: activity mode counts the same).
struct cDayCase {
  const char* date;
  std::vector<std::string> punches;
  const char* entry_exit;
  const char* activity;
};

TEST(DzienPracy, BothCountingModes) {
  cCzasyUzytkownika settings;
  settings.PoczatekOd = Hour(8);
  settings.KoniecDo = Hour(16);
  const cDayCase cases[] = {
      // A run of entries counts from its first, a run of exits to its last.
      {"2026-11-02", {"07:30E", "08:30E", "12:00X", "13:00X", "13:10E", "15:00X"},
       "07:30:00 15:00:00 07:30:00 08:00:00 15:00:00 06:50:00 00:10:00",
       "07:30:00 15:00:00 07:30:00 08:00:00 15:00:00 07:00:00 00:00:00"},
      // A leading exit and a trailing entry drop; neutral punches do not count.
      {"2026-11-02", {"06:00X", "06:30N", "09:00E", "14:00X", "20:00E"},
       "09:00:00 14:00:00 05:00:00 09:00:00 14:00:00 05:00:00 00:00:00",
       "06:00:00 20:00:00 14:00:00 08:00:00 16:00:00 08:00:00 00:00:00"},
      // One punch: a lone entry is trimmed in entry/exit mode.
      {"2026-11-02", {"08:10E"},
       "00:00:00 00:00:00 00:00:00 08:00:00 00:00:00 00:00:00 00:00:00",
       "08:10:00 08:10:00 00:00:00 08:10:00 08:10:00 00:00:00 00:00:00"},
      // Only neutral punches: entry/exit mode keeps none.
      {"2026-11-02", {"08:05N", "15:00N"},
       "00:00:00 00:00:00 00:00:00 08:00:00 00:00:00 00:00:00 00:00:00",
       "08:05:00 15:00:00 06:55:00 08:05:00 15:00:00 06:55:00 00:00:00"},
      // All before the start window: worked time goes negative.
      {"2026-11-02", {"06:00E", "07:00X"},
       "06:00:00 07:00:00 01:00:00 08:00:00 07:00:00 -01:00:00 00:00:00", nullptr},
      // Saturday is no working day: time on site only.
      {"2026-11-07", {"08:00E", "12:00X", "12:30E", "16:00X"},
       "08:00:00 16:00:00 08:00:00 00:00:00 00:00:00 00:00:00 00:00:00", nullptr},
  };
  for (const cDayCase& c : cases) {
    for (const eTrybZliczania mode : {eTrybZliczania::WejscieWyjscie, eTrybZliczania::Aktywnosc}) {
      SCOPED_TRACE(c.punches.front() + " .. " + c.punches.back() + " mode " +
                   std::to_string(static_cast<int>(mode)));
      test::cPunches punches;
      for (const std::string& p : c.punches) punches.Add(std::string(c.date) + " " + p.substr(0, 5), p[5]);
      const auto days = ObliczDniPracy(punches.View(), settings, mode);
      ASSERT_EQ(days.size(), 1u);
      EXPECT_EQ(days[0].Data, test::Moment(std::string(c.date) + " 00:00"));
      EXPECT_EQ(Texts(days[0]), mode == eTrybZliczania::WejscieWyjscie || !c.activity ? c.entry_exit : c.activity);
    }
  }
}

// The six texts of the panel, joined by '|'.
std::string Texts(const cPanelDzisiejszy& p) {
  return p.GodzinyPracy + "|" + p.Przyjscie + "|" + p.Wyjscie + "|" + p.Przepracowano + "|" + p.PowinnoByc +
         "|" + p.Roznica;
}

TEST(PanelDzisiejszy, MonthBeforeTodayAgainstPlannedDays) {
  // November 2026: 2-27 are twenty working days before Monday the 30th; the
  // 3rd has an hour missing, and October does not count.
  test::cPunches punches;
  punches.Add("2026-10-30 08:00", 'E').Add("2026-10-30 16:00", 'X');
  for (int day = 2; day <= 27; ++day) {
    const std::string date = "2026-11-" + std::string(day < 10 ? "0" : "") + std::to_string(day);
    punches.Add(date + " 08:00", 'E').Add(date + (day == 3 ? " 15:00" : " 16:00"), 'X');
  }
  punches.Add("2026-11-30 07:40", 'E');
  const cCzasyUzytkownika settings;
  const double now = test::Moment("2026-11-30 09:00");

  EXPECT_EQ(Texts(ObliczPanelDzisiejszy(punches.View(), settings, eTrybZliczania::WejscieWyjscie, now)),
            "08:00:00 - 16:00:00|07:50:00|00:00:00|159:00:00|160:00:00|-01:00:00");
  // Later the same day without punches of today; then on the first of the
  // month, a Sunday, with nothing before it.
  EXPECT_EQ(Texts(ObliczPanelDzisiejszy(cWidokListyOdbic(), settings, eTrybZliczania::WejscieWyjscie, now)),
            "08:00:00 - 16:00:00|brak zdarzeń|brak zdarzeń|00:00:00|160:00:00|-160:00:00");
  EXPECT_EQ(Texts(ObliczPanelDzisiejszy(punches.View(), settings, eTrybZliczania::WejscieWyjscie,
                                        test::Moment("2026-11-01 12:00"))),
            "dzisiaj nie pracuje|dzisiaj nie pracuje|dzisiaj nie pracuje|00:00:00|00:00:00|00:00:00");
}

}  // namespace
}  // namespace olv
