// Card numbers, work-time settings and the user record line.
#include <gtest/gtest.h>

#include "common/dates.h"
#include "model/czasy_uzytkownika.h"
#include "model/karta_rfid.h"
#include "model/uzytkownik.h"

namespace olv {
namespace {

TEST(KartaRFID, ControlNumbersReplaceTheirBitsOnlyAndTextFormsReadOrGiveZero) {
  cKartaRFID karta;
  karta.UstawTrzeciBajt(123);
  karta.UstawOstatnieDwaBajty(12345);
  EXPECT_EQ(karta.GetHex() + " " + karta.GetDec() + " " + karta.GetKrotkiNumerDec() + " " +
                karta.GetTrzeciBajtHex() + " " + karta.GetOstatnieDwaBajtyHex(),
            "00007B3039 00000008073273 08073273 07B 03039");
  // Above 40 bits the hexadecimal text grows past ten digits.
  karta.UstawWartosc(karta.MaksymalnaWartosc() + 1);
  EXPECT_EQ(karta.GetHex(), "10000000000");
  // Replacing a part keeps the other bits and cuts what does not fit.
  karta.UstawWartosc(0xAB12345678ULL);
  karta.UstawTrzeciBajt(300);
  karta.UstawOstatnieDwaBajty(0x0102);
  EXPECT_EQ(karta.GetWartosc(), 0xAB12000102ULL);
  karta.UstawOstatnieDwaBajty(70000);
  EXPECT_EQ(karta.GetWartosc(), 0xAB12000000ULL);
  karta.UstawKrotkiNumer(0xFFABCDEF12ULL);
  EXPECT_EQ(karta.GetWartosc(), 0xCDEF12ULL);

  for (const auto& [text, value] : {std::pair<const char*, uint64_t>{"0x12", 18}, {"ff", 255}, {"0X12", 0},
                                    {"0x", 0}, {"12G", 0}, {" 12", 0}, {"-5", 0}, {"12345678901234567", 0}}) {
    karta.UstawWartosc(7);
    karta.UstawZTekstuHex(text);
    EXPECT_EQ(karta.GetWartosc(), value) << text;
  }
  karta.UstawZTekstuDziesietnego("1099511627775");
  EXPECT_EQ(karta.GetWartosc(), karta.MaksymalnaWartosc());
  karta.UstawZTekstuDziesietnego("12a");
  EXPECT_EQ(karta.GetWartosc(), 0u);
}

TEST(CzasyUzytkownika, WorkingDaysTextAndWeekdaysOfTheDateLibrary) {
  cCzasyUzytkownika czasy;
  EXPECT_EQ(czasy.ToString(), "12345");
  for (const auto& [text, read] : {std::pair{"135", "135"}, {"1a", ""}, {"", ""}, {"90871", "17"}}) {
    czasy.FromString(text);
    EXPECT_EQ(czasy.ToString(), read) << text;
  }
  // DayOfWeek counts from Sunday (1); the working days from Monday (1).
  czasy.FromString("156");
  czasy.DodajDzienPracy(8);
  std::string days;
  for (int day = 1; day <= 8; ++day) days += czasy.CzyDzienPracyTygodnia(day) ? '1' : '0';
  EXPECT_EQ(days + " " + czasy.ToString(), "01000110 156");
}

TEST(Uzytkownik, RecordLineRoundTripsAndAShortOrBadLineTakesDefaults) {
  cUzytkownik user("Łucja Żółć, ąę", 1234, "0042", "FFFFFFFFFF", -17);
  user.CzasyPracy.PoczatekPracy = 0.25;
  user.CzasyPracy.KoniecDo = 23.0 / 24.0 + 59.0 / 1440.0;
  user.CzasyPracy.FromString("67");
  cUzytkownik read(0);
  read.FromString(user.ToString());
  EXPECT_TRUE(read.RownyUzytkownikowi(user)) << user.ToString();
  // Work times compare within a millisecond.
  read.CzasyPracy.PoczatekPracy += 0.5 * kOneMillisecond;
  EXPECT_EQ(read.CzasyPracy, user.CzasyPracy);
  read.CzasyPracy.PoczatekPracy += kOneSecond;
  EXPECT_FALSE(read.CzasyPracy == user.CzasyPracy);

  // A short line keeps the work times; an empty one changes nothing.
  user.FromString("Nowy,6");
  EXPECT_TRUE(user.ToString().starts_with("Nowy,6,,0000000000,0,0.25,")) << user.ToString();
  user.FromString("");
  EXPECT_EQ(user.Nazwa, "Nowy");
  user.FromString("X,abc,1,zz,u1,osiem,\"0,5\",,x,y,z,7x");
  EXPECT_EQ(user.ToString(), "X,0,1,0000000000,0,1,0.5,1,1,1,1,");
}

}  // namespace
}  // namespace olv
