#include "stats/tabela_dzienna.h"

#include "common/dates.h"
#include "stats/dni_pracy.h"
#include "stats/teksty_czasu.h"

namespace olv {
namespace {

constexpr int kPoczatek = 2;
constexpr int kKoniec = 3;
constexpr int kCzasPracy = 4;

}  // namespace

cZawartoscTabeli ObliczTabeleDzienna(const cWidokListyOdbic& odbicia_uzytkownika,
                                     const cCzasyUzytkownika& czasy, eTrybZliczania tryb) {
  cWidokListyOdbic widok;
  odbicia_uzytkownika.Kopiuj(widok);
  widok.SortujDniOdNajnowszych();

  cZawartoscTabeli tabela;
  tabela.DodajKolumne("Data", 100);
  tabela.DodajKolumne("Dzień", 40);
  tabela.DodajKolumne("Początek pracy", 100);
  tabela.DodajKolumne("Koniec pracy", 100);
  tabela.DodajKolumne("Czas pracy", 100);
  tabela.DodajKolumne("Przyjście", 100);
  tabela.DodajKolumne("Wyjście", 100);
  tabela.DodajKolumne("Na obiekcie", 100);
  tabela.DodajKolumne("Przerwa", 100);
  tabela.Kolumny[kPoczatek].Tlo = cKolor{185, 221, 252};
  tabela.Kolumny[kKoniec].Tlo = cKolor{234, 249, 188};
  tabela.Kolumny[kCzasPracy].Tlo = cKolor{252, 245, 189};

  for (const cPelneInformacjeODniuPracy& dzien : ObliczDniPracy(widok, czasy, tryb)) {
    cWierszTabeli& wiersz = tabela.DodajWiersz();
    const std::string teksty[] = {
        FormatDate(dzien.Data),           WeekdayShortName(DayOfWeek(dzien.Data)),
        TekstPoryDnia(dzien.PoczatekPracy), TekstPoryDnia(dzien.KoniecPracy),
        TekstPoryDnia(dzien.CzasPracy),   TekstPoryDnia(dzien.PierwszeOdbicie),
        TekstPoryDnia(dzien.OstatnieOdbicie), TekstPoryDnia(dzien.NaObiekcie),
        TekstPoryDnia(dzien.Przerwa)};
    for (size_t i = 0; i < wiersz.Komorki.size(); ++i) wiersz.Komorki[i].Tekst = teksty[i];
    if (WMilisekundach(TimeOfDay(dzien.PoczatekPracy)) > WMilisekundach(czasy.PoczatekDo)) {
      wiersz.Komorki[kPoczatek].KolorTekstu = kKolorCzerwony;
    }
    if (WMilisekundach(TimeOfDay(dzien.KoniecPracy)) < WMilisekundach(czasy.KoniecOd)) {
      wiersz.Komorki[kKoniec].KolorTekstu = kKolorCzerwony;
    }
    if (WMilisekundach(dzien.CzasPracy) < 1000) {
      wiersz.Komorki[kCzasPracy].KolorTekstu = kKolorCzerwony;
    }
  }
  return tabela;
}

}  // namespace olv
