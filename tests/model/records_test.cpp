// Card numbers, work-time settings and the user record line.
#include <gtest/gtest.h>

#include "common/dates.h"
#include "model/czasy_uzytkownika.h"
#include "model/karta_rfid.h"
#include "model/uzytkownik.h"

namespace olv {
namespace {

TEST(KartaRFID, ControlNumbersMakeTheShortAndFullNumber) {
  cKartaRFID karta;
  karta.UstawTrzeciBajt(123);
  karta.UstawOstatnieDwaBajty(12345);
  EXPECT_EQ(karta.GetKrotkiNumer(), 8073273u);
  EXPECT_EQ(karta.GetWartosc(), 8073273u);
  EXPECT_EQ(karta.GetHex(), "00007B3039");
  EXPECT_EQ(karta.GetDec(), "00000008073273");
  EXPECT_EQ(karta.GetKrotkiNumerHex(), "007B3039");
  EXPECT_EQ(karta.GetKrotkiNumerDec(), "08073273");
  EXPECT_EQ(karta.GetTrzeciBajtHex(), "07B");
  EXPECT_EQ(karta.GetTrzeciBajtDec(), "123");
  EXPECT_EQ(karta.GetOstatnieDwaBajtyHex(), "03039");
  EXPECT_EQ(karta.GetOstatnieDwaBajtyDec(), "12345");
}

TEST(KartaRFID, ReplacingAPartKeepsTheOtherBits) {
  cKartaRFID karta;
  karta.UstawWartosc(0xAB12345678ULL);
  karta.UstawTrzeciBajt(0x99);
  EXPECT_EQ(karta.GetWartosc(), 0xAB12995678ULL);
  karta.UstawOstatnieDwaBajty(0x0102);
  EXPECT_EQ(karta.GetWartosc(), 0xAB12990102ULL);
  karta.UstawTrzeciBajt(300);
  EXPECT_EQ(karta.GetWartosc(), 0xAB12000102ULL);
  karta.UstawOstatnieDwaBajty(70000);
  EXPECT_EQ(karta.GetWartosc(), 0xAB12000000ULL);
  karta.UstawKrotkiNumer(0xFFABCDEF12ULL);
  EXPECT_EQ(karta.GetWartosc(), 0xCDEF12ULL);
}

TEST(KartaRFID, ReadsTextForms) {
  cKartaRFID karta;
  karta.UstawZTekstuHex("12");
  EXPECT_EQ(karta.GetWartosc(), 18u);
  karta.UstawZTekstuHex("0x12");
  EXPECT_EQ(karta.GetWartosc(), 18u);
  karta.UstawZTekstuHex("0X12");
  EXPECT_EQ(karta.GetWartosc(), 0u);
  karta.UstawZTekstuHex("ff");
  EXPECT_EQ(karta.GetWartosc(), 255u);
  for (const char* bad : {"", "0x", "12G", " 12", "-5", "12345678901234567"}) {
    karta.UstawWartosc(7);
    karta.UstawZTekstuHex(bad);
    EXPECT_EQ(karta.GetWartosc(), 0u) << bad;
  }
  karta.UstawZTekstuDziesietnego("1099511627775");
  EXPECT_EQ(karta.GetWartosc(), karta.MaksymalnaWartosc());
  karta.UstawZTekstuDziesietnego("12a");
  EXPECT_EQ(karta.GetWartosc(), 0u);
}

TEST(KartaRFID, ANumberAboveFortyBitsPrintsMoreThanTenDigits) {
  cKartaRFID karta;
  karta.UstawWartosc(karta.MaksymalnaWartosc() + 1);
  EXPECT_EQ(karta.GetHex(), "10000000000");
}

TEST(CzasyUzytkownika, WorkingDaysTextRoundTrips) {
  cCzasyUzytkownika czasy;
  EXPECT_EQ(czasy.ToString(), "12345");
  cCzasyUzytkownika read;
  read.FromString(czasy.ToString());
  EXPECT_EQ(read, czasy);

  read.FromString("135");
  EXPECT_EQ(read.ToString(), "135");
  EXPECT_TRUE(read.CzyDzienPracy(3));
  EXPECT_FALSE(read.CzyDzienPracy(2));
  read.FromString("1a");
  EXPECT_EQ(read.ToString(), "");
  read.FromString("");
  EXPECT_EQ(read.DniPracy, 0u);
  read.FromString("90871");
  EXPECT_EQ(read.ToString(), "17");
}

TEST(CzasyUzytkownika, WeekdaysOfTheDateLibraryMapToMondayFirst) {
  cCzasyUzytkownika czasy;  // Monday to Friday
  EXPECT_FALSE(czasy.CzyDzienPracyTygodnia(1));  // Sunday
  EXPECT_TRUE(czasy.CzyDzienPracyTygodnia(2));   // Monday
  EXPECT_TRUE(czasy.CzyDzienPracyTygodnia(6));   // Friday
  EXPECT_FALSE(czasy.CzyDzienPracyTygodnia(7));  // Saturday
  EXPECT_FALSE(czasy.CzyDzienPracyTygodnia(8));
  czasy.DodajDzienPracy(6);
  EXPECT_TRUE(czasy.CzyDzienPracyTygodnia(7));
  czasy.DodajDzienPracy(8);
  EXPECT_EQ(czasy.ToString(), "123456");
}

TEST(CzasyUzytkownika, EqualWithinOneMillisecond) {
  cCzasyUzytkownika a;
  cCzasyUzytkownika b;
  b.PoczatekPracy += 0.5 * kOneMillisecond;
  EXPECT_EQ(a, b);
  b.PoczatekPracy = a.PoczatekPracy + kOneSecond;
  EXPECT_FALSE(a == b);
  b = a;
  b.WyczyscDniPracy();
  EXPECT_FALSE(a == b);
  EXPECT_NEAR(a.GetDomyslnyCzasPracy(), 8 * kOneHour, 1e-12);
}

TEST(Uzytkownik, RecordLineQuotesNamesAndWritesTenHexDigits) {
  cUzytkownik user("Jan \"Kowal\", senior", 7, "", "7B3039", 42);
  const std::string line = user.ToString();
  EXPECT_TRUE(line.starts_with("\"Jan \"\"Kowal\"\", senior\",7,,00007B3039,42,")) << line;
  EXPECT_EQ(line.substr(line.size() - 6), ",12345");
  EXPECT_EQ(user.GetIDString(), "0007");
}

TEST(Uzytkownik, RecordLineRoundTrips) {
  cUzytkownik user("Łucja Żółć, ąę", 1234, "0042", "FFFFFFFFFF", -17);
  user.CzasyPracy.PoczatekPracy = EncodeDateTime(1899, 12, 30, 6, 59, 0);
  user.CzasyPracy.KoniecDo = 23.0 / 24.0 + 59.0 / 1440.0;
  user.CzasyPracy.FromString("67");
  cUzytkownik read(0);
  read.FromString(user.ToString());
  EXPECT_TRUE(read.RownyUzytkownikowi(user)) << user.ToString();
}

TEST(Uzytkownik, FromStringClearsThenKeepsTheWorkTimesOfAShortLine) {
  cUzytkownik user("Stary", 5, "99", "1", 3);
  user.CzasyPracy.PoczatekPracy = 0.25;
  user.FromString("Nowy,6");
  EXPECT_EQ(user.Nazwa, "Nowy");
  EXPECT_EQ(user.ID, 6);
  EXPECT_EQ(user.PIN, "");
  EXPECT_EQ(user.Karta.GetWartosc(), 0u);
  EXPECT_EQ(user.Unique, 0);
  EXPECT_EQ(user.CzasyPracy.PoczatekPracy, 0.25);

  user.FromString("");
  EXPECT_EQ(user.Nazwa, "Nowy");
}

TEST(Uzytkownik, UnreadableNumbersTakeTheirDefaults) {
  cUzytkownik user(9);
  user.FromString("X,abc,1,zz,u1,osiem,\"0,5\",,x,y,z,7x");
  EXPECT_EQ(user.ID, 0);
  EXPECT_EQ(user.Karta.GetWartosc(), 0u);
  EXPECT_EQ(user.Unique, 0);
  EXPECT_EQ(user.CzasyPracy.PoczatekPracy, 1.0);
  EXPECT_EQ(user.CzasyPracy.KoniecPracy, 0.5);
  EXPECT_EQ(user.CzasyPracy.PoczatekOd, 1.0);
  EXPECT_EQ(user.CzasyPracy.ToString(), "");
}

TEST(Uzytkownik, PlannedMonthCountsWorkingDays) {
  cUzytkownik user(1);  // 8 hours, Monday to Friday
  // May 2024 has 23 weekdays.
  EXPECT_NEAR(user.WymaganyCzasPracyWMiesiacu(EncodeDate(2024, 5, 17)), 23 * 8 * kOneHour, 1e-9);
  user.CzasyPracy.FromString("7");  // Sundays only: 4 in May 2024
  EXPECT_NEAR(user.WymaganyCzasPracyWMiesiacu(EncodeDate(2024, 5, 1)), 4 * 8 * kOneHour, 1e-9);
}

TEST(Uzytkownik, CopyIsEqualToItsSource) {
  cUzytkownik user("Ala", 3, "123", "ABCDEF", 77);
  user.CzasyPracy.FromString("246");
  cUzytkownik copy(0);
  user.CopyTo(copy);
  EXPECT_TRUE(copy.RownyUzytkownikowi(user));
  copy.PIN = "124";
  EXPECT_FALSE(copy.RownyUzytkownikowi(user));
}

}  // namespace
}  // namespace olv
