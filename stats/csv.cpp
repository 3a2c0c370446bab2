#include "stats/csv.h"

#include <string_view>

#include "common/cp1250.h"
#include "common/files.h"

namespace olv {
namespace {

std::string Separator(int indeks) {
  switch (indeks) {
    case cCSV::kSrednik: return ";";
    case cCSV::kPrzecinek: return ",";
    case cCSV::kTabulator: return "\t";
    default: return "";
  }
}

std::string Pole(const std::string& komorka, const std::string& separator) {
  const bool cudzyslow = komorka.find_first_of(" \"\r\n") != std::string::npos ||
                         (!separator.empty() && komorka.find(separator) != std::string::npos);
  if (!cudzyslow) return komorka;
  std::string pole = "\"";
  for (char c : komorka) {
    if (c == '"') pole += '"';
    pole += c;
  }
  return pole + "\"";
}

}  // namespace

std::string NazwaDoArkusza(const std::string& nazwa) {
  if (nazwa.empty() || std::string_view("=+-@").find(nazwa.front()) == std::string_view::npos) {
    return nazwa;
  }
  return "'" + nazwa;
}

void cCSV::DodajKomorke(const std::string& tekst) { mBiezacyWiersz.push_back(tekst); }

void cCSV::WyczyscWiersz() { mBiezacyWiersz.clear(); }

void cCSV::WyczyscWiersze() { mWiersze.clear(); }

void cCSV::ZakonczWiersz() {
  mWiersze.push_back(std::move(mBiezacyWiersz));
  mBiezacyWiersz.clear();
}

std::optional<std::string> cCSV::Tekst(int separator, std::string* error) const {
  const std::string sep = Separator(separator);
  std::string utf8;
  for (const std::vector<std::string>& wiersz : mWiersze) {
    for (size_t i = 0; i < wiersz.size(); ++i) {
      if (i > 0) utf8 += sep;
      utf8 += Pole(wiersz[i], sep);
    }
    utf8 += "\r\n";
  }
  if (utf8.size() >= 2) utf8.resize(utf8.size() - 2);
  std::optional<std::string> bajty = Utf8ToCp1250(utf8);
  if (!bajty && error != nullptr) {
    *error = "tekst zawiera znak spoza strony kodowej 1250";
  }
  return bajty;
}

bool cCSV::ZapiszDoPliku(const std::string& sciezka, int separator, std::string* powod,
                         std::string* blad_systemu) const {
  std::string tekst_powodu;
  const std::optional<std::string> bajty = Tekst(separator, &tekst_powodu);
  if (bajty) {
    eBladPliku rodzaj = eBladPliku::kInny;
    if (WriteFileAtomically(sciezka, *bajty, blad_systemu, &rodzaj)) return true;
    tekst_powodu = OpisBleduPliku(rodzaj);
  }
  if (powod != nullptr) *powod = tekst_powodu;
  return false;
}

}  // namespace olv
