// Where a drawn table's rows and a drawn chart's bars stand.
#include <gtest/gtest.h>

#include "stats/geometria_tabeli.h"
#include "stats/geometria_wykresu.h"

namespace olv {
namespace {

TEST(GeometriaTabeli, ScrollingRowsUnderThePointerAndTheFillerColumn) {
  const cGeometriaTabeli table;
  // 10 rows of 21 pixels: 210 fit in 210, not in 209.
  EXPECT_EQ(table.MaksymalnePrzewiniecie(10, 210), 0);
  EXPECT_EQ(table.MaksymalnePrzewiniecie(10, 209), 1);
  EXPECT_EQ(table.MaksymalnePrzewiniecie(0, 0), 0);
  // The header row (y 0-20) is no data row; the first data row starts at 21.
  EXPECT_LT(table.WierszPodPunktem(0, 20), 0);
  EXPECT_EQ((std::vector<int>{table.WierszPodPunktem(0, 21), table.WierszPodPunktem(0, 41),
                              table.WierszPodPunktem(0, 42), table.WierszPodPunktem(40, 10)}),
            (std::vector<int>{0, 0, 1, 1}));
  EXPECT_EQ(table.PierwszyWidocznyWiersz(41), 1);
  EXPECT_EQ(table.PierwszyWidocznyWiersz(42), 2);
  // Five columns of 100 take 505 pixels with their lines.
  const std::vector<int> widths(5, 100);
  EXPECT_EQ(table.SzerokoscWypelnienia(widths, 800), 295);
  EXPECT_EQ(table.SzerokoscWypelnienia(widths, 506), 1);
  EXPECT_EQ(table.SzerokoscWypelnienia(widths, 505), 0);
}

TEST(GeometriaWykresu, BarsStandOnTheScrollStripAndScrollWhenTooMany) {
  cInfoWykresu info;
  info.Maksimum = 1.4 * 8 * 3600;
  // Usable height 400 - 40 - 16 = 344; an 8-hour bar is 5/7 of it.
  const cProstokatSlupka bar = ProstokatSlupka(info, 400, 2, 8 * 3600, 0);
  EXPECT_EQ((std::vector<int>{bar.Lewo, bar.Gora, bar.Szerokosc, bar.Wysokosc}),
            (std::vector<int>{20 + 20 + 70 * 2, 400 - 20 - 16 - 245, 50, 245}));
  EXPECT_EQ(ProstokatSlupka(info, 400, 2, 8 * 3600, 30).Lewo, 150);
  // Above the maximum the bar reaches above the usable height.
  EXPECT_GT(ProstokatSlupka(info, 400, 0, 2 * info.Maksimum, 0).Wysokosc, 344);

  // 7 bars in 640 pixels: (640 - 40 - 160) / 7.
  info.OdstepMiedzySlupkami = 20;
  EXPECT_EQ(SzerokoscSlupkaDlaLiczby(info, 640, 7), 62);
  EXPECT_EQ(SzerokoscSlupkaDlaLiczby(info, 640, 0), 0);
  // 10 bars of 70 plus 20 take 720 pixels, 600 are inside the margins.
  EXPECT_EQ(MaksymalnePrzewiniecieWykresu(info, 640, 10), 120);
  EXPECT_EQ(MaksymalnePrzewiniecieWykresu(info, 640, 8), 0);
}

}  // namespace
}  // namespace olv
