#include "stats/tabela_miesieczna.h"

#include <cmath>

#include "common/dates.h"
#include "stats/dni_pracy.h"
#include "stats/lista_miesieczna.h"
#include "stats/pelne_informacje_o_miesiacu_pracy.h"
#include "stats/teksty_czasu.h"

namespace olv {
namespace {

constexpr int kData = 0;
constexpr int kPrzepracowano = 1;
constexpr int kPowinnoByc = 2;
constexpr int kRoznica = 3;

// "-" and the time missing, or "+" and the time worked over; on target is
// "-00:00:00". The sign follows the seconds shown: the planned time carries
// the millisecond of the rounding correction, which must not turn a month on
// target into one short of time.
std::string TekstRoznicy(double roznica) {
  const bool nadwyzka = WSekundach(roznica) < 0;
  return (nadwyzka ? "+" : "-") + TekstCzasuTrwania(std::fabs(roznica));
}

}  // namespace

cZawartoscTabeli ObliczTabeleMiesieczna(const cWidokListyOdbic& odbicia_uzytkownika,
                                        const cUzytkownik& uzytkownik, eTrybZliczania tryb,
                                        double teraz) {
  cWidokListyOdbic widok;
  odbicia_uzytkownika.Kopiuj(widok);
  widok.SortujDniOdNajnowszych();
  const std::vector<cPelneInformacjeODniuPracy> dni =
      ObliczDniPracy(widok, uzytkownik.CzasyPracy, tryb);
  cListaMiesieczna miesiace;
  miesiace.Zbuduj(dni);

  cZawartoscTabeli tabela;
  tabela.DodajKolumne("Data", 100);
  tabela.DodajKolumne("Przepracowano", 120);
  tabela.DodajKolumne("Powinno być", 120);
  tabela.DodajKolumne("Różnica", 120);
  tabela.DodajWiersz().Tlo = cKolor{255, 255, 221};

  const double biezacy_miesiac = FirstOfMonth(teraz);
  double suma = 0;
  for (const cListaPiodpowZMiesiaca& miesiac : miesiace.Miesiace) {
    if (miesiac.Miesiac >= biezacy_miesiac) continue;
    const cPelneInformacjeOMiesiacuPracy podsumowanie = PodsumujMiesiac(miesiac, uzytkownik);
    cWierszTabeli& wiersz = tabela.DodajWiersz();
    wiersz.Komorki[kData].Tekst = FormatDate(miesiac.Miesiac, 2);
    wiersz.Komorki[kPrzepracowano].Tekst = TekstCzasuTrwania(podsumowanie.Przepracowano);
    wiersz.Komorki[kPowinnoByc].Tekst = TekstCzasuTrwania(podsumowanie.Wymagane);
    wiersz.Komorki[kRoznica].Tekst = TekstRoznicy(podsumowanie.Roznica());
    suma += podsumowanie.Roznica();
  }

  cWierszTabeli& wiersz_sumy = tabela.Wiersze.front();
  wiersz_sumy.Komorki[kData].Tekst = "Suma";
  // Unlike a month, a sum of 0 reads as a (green) plus.
  const bool brakuje = WSekundach(suma) > 0;
  wiersz_sumy.Komorki[kRoznica].Tekst = (brakuje ? "-" : "+") + TekstCzasuTrwania(std::fabs(suma));
  wiersz_sumy.Komorki[kRoznica].KolorTekstu = brakuje ? kKolorCzerwony : kKolorZielony;
  return tabela;
}

}  // namespace olv
