#include "stats/opcje_raportu.h"

#include <algorithm>

#include "common/dates.h"
#include "common/strings.h"
#include "stats/csv.h"

namespace olv {
namespace {

// "YYYY-MM-DD HH:MM:SS" of a real moment.
std::optional<double> CzytajMoment(const std::string& tekst) {
  if (tekst.size() != 19) return std::nullopt;
  static const char kWzor[] = "0000-00-00 00:00:00";
  for (size_t i = 0; i < tekst.size(); ++i) {
    const bool cyfra = tekst[i] >= '0' && tekst[i] <= '9';
    if (kWzor[i] == '0' ? !cyfra : tekst[i] != kWzor[i]) return std::nullopt;
  }
  auto liczba = [&tekst](size_t od, size_t ile) { return std::stoi(tekst.substr(od, ile)); };
  const int rok = liczba(0, 4), miesiac = liczba(5, 2), dzien = liczba(8, 2);
  const int godzina = liczba(11, 2), minuta = liczba(14, 2), sekunda = liczba(17, 2);
  if (miesiac < 1 || miesiac > 12 || dzien < 1 || dzien > DaysInMonth(rok, miesiac) ||
      godzina > 23 || minuta > 59 || sekunda > 59) {
    return std::nullopt;
  }
  return EncodeDateTime(rok, miesiac, dzien, godzina, minuta, sekunda);
}

// "YYYY-MM" of a real month.
bool JestMiesiacem(const std::string& tekst) {
  const std::optional<double> dzien = CzytajMoment(tekst + "-01 00:00:00");
  return tekst.size() == 7 && dzien.has_value();
}

std::optional<eRodzajRaportu> CzytajRodzaj(const std::string& tekst) {
  static const std::pair<const char*, eRodzajRaportu> kRodzaje[] = {
      {"aktualne", eRodzajRaportu::Aktualne},     {"zdarzenia", eRodzajRaportu::Zdarzenia},
      {"dzienne", eRodzajRaportu::Dzienne},       {"miesieczne", eRodzajRaportu::Miesieczne},
      {"srednie", eRodzajRaportu::Srednie},       {"odbicia", eRodzajRaportu::Odbicia}};
  for (const auto& [nazwa, rodzaj] : kRodzaje) {
    if (tekst == nazwa) return rodzaj;
  }
  return std::nullopt;
}

}  // namespace

std::string UzycieRaportu() {
  return "użycie: olv8-report [opcje] RAPORT\n"
         "Pisze statystyki folderu programu jako CSV (strona kodowa 1250, CR LF).\n"
         "RAPORT:\n"
         "  aktualne     zestawienie dzisiejsze: nazwa i wartość w wierszu\n"
         "  zdarzenia    tabela zdarzeń\n"
         "  dzienne      tabela dzienna\n"
         "  miesieczne   tabela miesięczna (pierwszy wiersz: Suma)\n"
         "  srednie      słupki trzech wykresów: tytuł, podpis, etykieta, wartość\n"
         "               w sekundach, kolor (czerwony, zielony, niebieski)\n"
         "  odbicia      wszystkie odbicia w postaci tekstowej (z --user: jednego\n"
         "               użytkownika)\n"
         "Opcje:\n"
         "  --home FOLDER       folder programu (domyślnie: ten, który znajduje program)\n"
         "  --user ID|UNIQUE    użytkownik (wymagany poza raportem odbicia i --all)\n"
         "  --all               wszyscy użytkownicy, wiersz na użytkownika i miesiąc\n"
         "                      (miesieczne) albo dzień miesiąca --month (dzienne)\n"
         "  --month RRRR-MM     miesiąc raportu --all dzienne\n"
         "  --mode entry-exit|activity\n"
         "                      tryb zliczania czasu (domyślnie entry-exit)\n"
         "  --as-of \"RRRR-MM-DD GG:MM:SS\"\n"
         "                      chwila, na którą liczony jest raport (domyślnie teraz)\n"
         "  --separator ;|,|TAB separator pól (domyślnie ;)\n"
         "  -o PLIK             plik wynikowy (domyślnie standardowe wyjście)\n"
         "  --help              ten tekst\n";
}

std::optional<cOpcjeRaportu> CzytajOpcjeRaportu(const std::vector<std::string>& args,
                                                std::string* error) {
  cOpcjeRaportu opcje;
  auto blad = [error](const std::string& why) -> std::optional<cOpcjeRaportu> {
    if (error) *error = why;
    return std::nullopt;
  };
  std::optional<eRodzajRaportu> rodzaj;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& opcja = args[i];
    if (opcja == "--help" || opcja == "-h") {
      opcje.Pomoc = true;
      continue;
    }
    if (opcja == "--all") {
      opcje.Wszyscy = true;
      continue;
    }
    if (opcja.empty() || opcja[0] != '-') {
      if (rodzaj) return blad("podano więcej niż jeden raport: " + opcja);
      rodzaj = CzytajRodzaj(opcja);
      if (!rodzaj) return blad("nieznany raport: " + opcja);
      continue;
    }
    static const std::vector<std::string> kZWartoscia = {"--home",  "--user",      "--mode", "--as-of",
                                                         "--separator", "-o", "--month"};
    if (std::find(kZWartoscia.begin(), kZWartoscia.end(), opcja) == kZWartoscia.end()) {
      return blad("nieznana opcja: " + opcja);
    }
    if (i + 1 >= args.size()) return blad("brak wartości po " + opcja);
    const std::string& wartosc = args[++i];
    if (opcja == "--home") {
      if (wartosc.empty()) return blad("--home wymaga folderu");
      opcje.Folder = wartosc.back() == '/' ? wartosc : wartosc + "/";
    } else if (opcja == "--user") {
      opcje.Uzytkownik = wartosc;
    } else if (opcja == "--month") {
      if (!JestMiesiacem(wartosc)) return blad("--month przyjmuje miesiąc \"RRRR-MM\"");
      opcje.Miesiac = wartosc;
    } else if (opcja == "--mode") {
      if (wartosc == "entry-exit") {
        opcje.Tryb = eTrybZliczania::WejscieWyjscie;
      } else if (wartosc == "activity") {
        opcje.Tryb = eTrybZliczania::Aktywnosc;
      } else {
        return blad("--mode przyjmuje entry-exit albo activity");
      }
    } else if (opcja == "--as-of") {
      opcje.Moment = CzytajMoment(wartosc);
      if (!opcje.Moment) return blad("--as-of przyjmuje chwilę \"RRRR-MM-DD GG:MM:SS\"");
    } else if (opcja == "--separator") {
      if (wartosc == ";") {
        opcje.Separator = cCSV::kSrednik;
      } else if (wartosc == ",") {
        opcje.Separator = cCSV::kPrzecinek;
      } else if (wartosc == "\t" || ToUpperAscii(wartosc) == "TAB") {
        opcje.Separator = cCSV::kTabulator;
      } else {
        return blad("--separator przyjmuje ; , albo TAB");
      }
    } else {  // -o
      if (wartosc.empty()) return blad("-o wymaga nazwy pliku");
      opcje.Plik = wartosc;
    }
  }
  if (opcje.Pomoc) return opcje;
  if (!rodzaj) return blad("nie podano raportu");
  opcje.Rodzaj = *rodzaj;
  if (opcje.Wszyscy) {
    if (!opcje.Uzytkownik.empty()) return blad("--all wyklucza --user");
    if (opcje.Rodzaj != eRodzajRaportu::Miesieczne && opcje.Rodzaj != eRodzajRaportu::Dzienne)
      return blad("--all działa z raportem miesieczne albo dzienne");
    if ((opcje.Rodzaj == eRodzajRaportu::Dzienne) == opcje.Miesiac.empty())
      return blad("--month wymaga --all dzienne, a --all dzienne wymaga --month");
    return opcje;
  }
  if (!opcje.Miesiac.empty()) return blad("--month wymaga --all dzienne");
  if (opcje.Uzytkownik.empty() && opcje.Rodzaj != eRodzajRaportu::Odbicia) {
    return blad("nie podano użytkownika (--user)");
  }
  return opcje;
}

}  // namespace olv
