#include "model/uzytkownik.h"

#include <optional>
#include <vector>

#include "common/dates.h"
#include "common/numbers.h"
#include "common/record_line.h"
#include "common/strings.h"

namespace olv {
namespace {

int32_t IntOrZero(const std::string& text) { return ParseInt(text).value_or(0); }
double TimeOrOne(const std::string& text) { return ParseNumber(text).value_or(1.0); }

}  // namespace

cUzytkownik::cUzytkownik(int32_t unique) : Unique(unique) {}

cUzytkownik::cUzytkownik(std::string nazwa, int32_t id, std::string pin,
                         std::string_view card_hex, int32_t unique)
    : Nazwa(std::move(nazwa)), ID(id), PIN(std::move(pin)), Unique(unique) {
  Karta.UstawZTekstuHex(card_hex);
}

std::string cUzytkownik::GetIDString() const { return IntToStrZeZerami(ID, 4); }

std::string cUzytkownik::GetPIN() const { return PIN; }

std::string cUzytkownik::GetUniqueString() const { return std::to_string(Unique); }

void cUzytkownik::Wyczysc() {
  Nazwa.clear();
  PIN.clear();
  ID = 0;
  Unique = 0;
  Karta.Wyczysc();
}

std::string cUzytkownik::ToString() const {
  return EncodeRecordLine({Nazwa, std::to_string(ID), PIN, Karta.GetHex(), std::to_string(Unique),
                           FormatNumber(CzasyPracy.PoczatekPracy),
                           FormatNumber(CzasyPracy.KoniecPracy),
                           FormatNumber(CzasyPracy.PoczatekOd), FormatNumber(CzasyPracy.PoczatekDo),
                           FormatNumber(CzasyPracy.KoniecOd), FormatNumber(CzasyPracy.KoniecDo),
                           CzasyPracy.ToString()});
}

void cUzytkownik::FromString(std::string_view line) {
  if (line.empty()) return;
  const std::vector<std::string> f = DecodeRecordLine(line);
  Wyczysc();
  const size_t n = f.size();
  if (n > 0) Nazwa = f[0];
  if (n > 1) ID = IntOrZero(f[1]);
  if (n > 2) PIN = f[2];
  if (n > 3) Karta.UstawZTekstuHex(f[3]);
  if (n > 4) Unique = IntOrZero(f[4]);
  if (n > 5) CzasyPracy.PoczatekPracy = TimeOrOne(f[5]);
  if (n > 6) CzasyPracy.KoniecPracy = TimeOrOne(f[6]);
  if (n > 7) CzasyPracy.PoczatekOd = TimeOrOne(f[7]);
  if (n > 8) CzasyPracy.PoczatekDo = TimeOrOne(f[8]);
  if (n > 9) CzasyPracy.KoniecOd = TimeOrOne(f[9]);
  if (n > 10) CzasyPracy.KoniecDo = TimeOrOne(f[10]);
  if (n > 11) CzasyPracy.FromString(f[11]);
}

bool cUzytkownik::CzasyWZakresie(std::string_view line) {
  const std::vector<std::string> f = DecodeRecordLine(line);
  for (size_t i = 5; i <= 10 && i < f.size(); ++i) {
    const std::optional<double> czas = ParseAnyNumber(f[i]);
    if (czas && !(*czas >= 0.0 && *czas <= 1.0)) return false;
  }
  return true;
}

void cUzytkownik::CopyTo(cUzytkownik& other) const {
  other.Nazwa = Nazwa;
  other.ID = ID;
  other.PIN = PIN;
  other.Karta = Karta;
  other.Unique = Unique;
  other.CzasyPracy = CzasyPracy;
}

double cUzytkownik::WymaganyCzasPracyWMiesiacu(double date) const {
  const cDateTimeFields d = DecodeDateTime(date);
  const double first = EncodeDate(d.year, d.month, 1);
  const double day_length = CzasyPracy.GetDomyslnyCzasPracy();
  double total = 0;
  for (int i = 0; i < DaysInMonth(d.year, d.month); ++i) {
    if (CzasyPracy.CzyDzienPracyTygodnia(DayOfWeek(first + i))) total += day_length;
  }
  return RoundTimeCorrection(total);
}

bool cUzytkownik::RownyUzytkownikowi(const cUzytkownik& other) const {
  return Nazwa == other.Nazwa && ID == other.ID && PIN == other.PIN && Karta == other.Karta &&
         Unique == other.Unique && CzasyPracy.RowneCzasom(other.CzasyPracy);
}

}  // namespace olv
