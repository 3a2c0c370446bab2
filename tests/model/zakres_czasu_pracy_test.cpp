// The derived durations and the order check of the work-time editor.
#include "model/zakres_czasu_pracy.h"

#include <gtest/gtest.h>

#include "common/dates.h"

namespace olv {
namespace {

cCzasyUzytkownika Czasy(int s, int e, int so, int sd, int eo, int ed) {
  // Minutes of the day.
  cCzasyUzytkownika czasy;
  czasy.PoczatekPracy = CzasZGodzinyIMinuty(0, s);
  czasy.KoniecPracy = CzasZGodzinyIMinuty(0, e);
  czasy.PoczatekOd = CzasZGodzinyIMinuty(0, so);
  czasy.PoczatekDo = CzasZGodzinyIMinuty(0, sd);
  czasy.KoniecOd = CzasZGodzinyIMinuty(0, eo);
  czasy.KoniecDo = CzasZGodzinyIMinuty(0, ed);
  return czasy;
}

// The worked example and the empty week are shown through the editor's labels
// (tests/ui/users); here the edges of the week.
TEST(ZakresCzasuPracy, AWeekCountsOnlyTheSevenDaysAndItsHoursGoPast23) {
  cCzasyUzytkownika czasy = Czasy(0, 1439, 0, 0, 1439, 1439);
  czasy.DniPracy = 0x7F;
  EXPECT_EQ(FormatDuration(WyliczZakresCzasuPracy(czasy).MaksymalnyTydzien, false), "167:53");
  // Bits above Sunday are not days.
  czasy.DniPracy = 0xFF81;
  EXPECT_EQ(FormatDuration(WyliczZakresCzasuPracy(czasy).DomyslnyTydzien, false), "23:59");
}

TEST(ZakresCzasuPracy, EachBrokenOrderFlagsItsLabel) {
  // The flags in the order start-from, start-to, end-from, end-to, end time.
  const std::pair<cCzasyUzytkownika, const char*> przypadki[] = {
      {Czasy(480, 960, 450, 510, 930, 990), "00000"},
      // The edges are allowed: the start on its window's bounds, the end on its.
      {Czasy(480, 960, 480, 480, 960, 960), "00000"},
      {Czasy(480, 480, 450, 510, 930, 990), "00101"},
      {Czasy(480, 960, 450, 510, 510, 990), "00100"},
      {Czasy(449, 960, 450, 510, 930, 990), "10000"},
      {Czasy(480, 960, 450, 449, 930, 990), "01000"},
      {Czasy(511, 960, 450, 510, 930, 990), "01000"},
      {Czasy(480, 929, 450, 510, 930, 990), "00100"},
      {Czasy(480, 960, 450, 510, 930, 929), "00010"},
      {Czasy(480, 991, 450, 510, 930, 990), "00010"},
  };
  for (size_t i = 0; i < std::size(przypadki); ++i) {
    const cBledyZakresuCzasuPracy b = SprawdzZakresCzasuPracy(przypadki[i].first);
    std::string flagi;
    for (bool flaga : {b.PoczatekOd, b.PoczatekDo, b.KoniecOd, b.KoniecDo, b.KoniecCzas}) flagi += flaga ? '1' : '0';
    EXPECT_EQ(flagi, przypadki[i].second) << i;
  }
}

TEST(ZakresCzasuPracy, StoredTimesReadAsTheMinuteTheEditorCanShow) {
  int godzina = -1, minuta = -1;
  // A 15-digit time from the file is the minute it stands for; the default of
  // an unreadable time (a whole day) and negative values stay in range.
  for (const auto& [czas, hhmm] : {std::pair{0.333333333333333, 800}, {1.0, 2359}, {-0.5, 0}}) {
    GodzinaIMinutaCzasu(czas, godzina, minuta);
    EXPECT_EQ(godzina * 100 + minuta, hhmm) << czas;
  }
}

}  // namespace
}  // namespace olv
