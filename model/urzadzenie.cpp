#include "model/urzadzenie.h"

#include <vector>

#include "common/dates.h"
#include "common/numbers.h"
#include "common/record_line.h"

namespace olv {
namespace {

int32_t IntOrZero(const std::string& text) { return ParseInt(text).value_or(0); }

}  // namespace

cUrzadzenie::cUrzadzenie(int32_t unique) : Unique(unique) {}

cUrzadzenie::cUrzadzenie(std::string nazwa, int32_t id, const cCzytnik& czytnik0,
                         const cCzytnik& czytnik1, bool przycisk,
                         const cWlasciwosciPolaczenia& polaczenie, int32_t unique)
    : Nazwa(std::move(nazwa)),
      ID(id),
      Czytnik0(czytnik0),
      Czytnik1(czytnik1),
      Przycisk(przycisk),
      Polaczenie(polaczenie),
      Unique(unique) {}

std::string cUrzadzenie::GetIDString() const { return std::to_string(ID); }

std::string cUrzadzenie::GetUniqueString() const { return std::to_string(Unique); }

std::string cUrzadzenie::GetPrzyciskJakoTekst() const { return Przycisk ? "1" : "0"; }

std::string cUrzadzenie::ToString() const {
  return EncodeRecordLine({Nazwa, std::to_string(ID), Czytnik0.Nazwa,
                           std::to_string(Czytnik0.Tryb), Czytnik1.Nazwa,
                           std::to_string(Czytnik1.Tryb), GetPrzyciskJakoTekst(),
                           FormatNumber(DataOstatniejAktualizacji), Polaczenie.Port,
                           std::to_string(Polaczenie.Predkosc), ListaDostepow.ToString(),
                           std::to_string(Unique)});
}

void cUrzadzenie::FromString(std::string_view line) {
  if (line.empty()) return;
  const std::vector<std::string> f = DecodeRecordLine(line);
  const size_t n = f.size();
  if (n > 0) Nazwa = f[0];
  if (n > 1) ID = IntOrZero(f[1]);
  if (n > 2) Czytnik0.Nazwa = f[2];
  if (n > 3) Czytnik0.Tryb = static_cast<int8_t>(IntOrZero(f[3]));
  if (n > 4) Czytnik1.Nazwa = f[4];
  if (n > 5) Czytnik1.Tryb = static_cast<int8_t>(IntOrZero(f[5]));
  if (n > 6) Przycisk = f[6] == "1";
  if (n > 7) DataOstatniejAktualizacji = ParseNumber(f[7]).value_or(1.0);
  if (n > 8) Polaczenie.Port = f[8];
  if (n > 9) Polaczenie.Predkosc = IntOrZero(f[9]);
  if (n > 10) ListaDostepow.FromString(f[10]);
  if (n > 11) Unique = IntOrZero(f[11]);
}

void cUrzadzenie::CopyTo(cUrzadzenie& other) const {
  other.Nazwa = Nazwa;
  other.ID = ID;
  other.NoweID = NoweID;
  other.Czytnik0 = Czytnik0;
  other.Czytnik1 = Czytnik1;
  other.Przycisk = Przycisk;
  other.DataOstatniejAktualizacji = DataOstatniejAktualizacji;
  other.Polaczenie = Polaczenie;
  ListaDostepow.CopyTo(other.ListaDostepow);
  other.Unique = Unique;
}

bool cUrzadzenie::RowneUrzadzeniu(const cUrzadzenie& other) const {
  return Nazwa == other.Nazwa && ID == other.ID && NoweID == other.NoweID &&
         Czytnik0 == other.Czytnik0 && Czytnik1 == other.Czytnik1 &&
         Przycisk == other.Przycisk &&
         DataOstatniejAktualizacji == other.DataOstatniejAktualizacji &&
         Polaczenie == other.Polaczenie && ListaDostepow == other.ListaDostepow &&
         Unique == other.Unique;
}

std::string cUrzadzenie::GetKonfiguracja(double now) const {
  const cDateTimeFields t = DecodeDateTime(now);
  const auto n = [](int value) { return std::to_string(value); };
  return EncodeRecordLine({"DeviceID=" + Nazwa, "port1=" + Czytnik1.Nazwa,
                           "port0=" + Czytnik0.Nazwa, std::string("button=") + (Przycisk ? "on" : "off"),
                           "data:" + n(t.year) + "." + n(t.month) + "." + n(t.day),
                           "time:" + n(t.hour) + "." + n(t.minute) + "." + n(t.second),
                           "RSID=" + n(NoweID != 0 ? NoweID : ID)});
}

}  // namespace olv
