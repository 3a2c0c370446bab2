#include "app/plan_synchronizacji.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "common/cp1250.h"
#include "common/device_file_name.h"
#include "common/files.h"
#include "common/strings.h"
#include "model/device_folder.h"

namespace olv {

namespace {

std::vector<std::string_view> PolaLinii(std::string_view linia) {
  std::vector<std::string_view> pola;
  size_t i = 0;
  while (i < linia.size()) {
    while (i < linia.size() && linia[i] == ' ') ++i;
    const size_t poczatek = i;
    while (i < linia.size() && linia[i] != ' ') ++i;
    if (i > poczatek) pola.push_back(linia.substr(poczatek, i - poczatek));
  }
  return pola;
}

// A device sends a file's size in 32 bits, so a larger listed size is garbled;
// bounding it also keeps the sum of many sizes far from overflowing.
std::optional<int64_t> OdczytajRozmiar(std::string_view tekst) {
  const std::string_view s = TrimBlanks(tekst);
  int64_t rozmiar = 0;
  const auto wynik = std::from_chars(s.data(), s.data() + s.size(), rozmiar);
  if (s.empty() || wynik.ec != std::errc() || wynik.ptr != s.data() + s.size() || rozmiar < 0 ||
      rozmiar > int64_t{std::numeric_limits<uint32_t>::max()}) {
    return std::nullopt;
  }
  return rozmiar;
}

}  // namespace

std::optional<cWpisListyPlikow> OdczytajWpisListyPlikow(std::string_view linia) {
  if (linia.find('.') == std::string_view::npos) return std::nullopt;
  const std::vector<std::string_view> pola = PolaLinii(linia);
  if (pola.empty()) return std::nullopt;
  cWpisListyPlikow wpis;
  wpis.Nazwa = std::string(pola[0]);
  if (pola.size() >= 4) wpis.Rozmiar = OdczytajRozmiar(pola[3]);
  return wpis;
}

bool CzyPlikPotrzebny(const cWpisListyPlikow& wpis, int64_t rozmiar_kopii) {
  if (ToUpperAscii(wpis.Nazwa) == "KONFOUT.TXT") return true;
  return rozmiar_kopii < 0 || !wpis.Rozmiar || *wpis.Rozmiar != rozmiar_kopii;
}

cPlanSciagania ZaplanujSciaganie(const std::vector<cListaPlikowZUrzadzenia>& listy,
                                 const std::string& program_folder) {
  cPlanSciagania plan;
  for (const cListaPlikowZUrzadzenia& lista : listy) {
    const std::string folder = FolderUrzadzenia(program_folder, lista.Id);
    for (const std::string& linia : lista.Linie) {
      const std::optional<cWpisListyPlikow> wpis = OdczytajWpisListyPlikow(linia);
      if (!wpis) continue;
      if (!IsPlain83Name(wpis->Nazwa)) {
        plan.Odrzucone.push_back({lista.Port, lista.Id, Cp1250ToUtf8(wpis->Nazwa)});
        continue;
      }
      if (!CzyPlikPotrzebny(*wpis, FileSize(folder + wpis->Nazwa))) continue;
      plan.Pliki.push_back({lista.Port, lista.Id, wpis->Nazwa, wpis->Rozmiar.value_or(-1)});
    }
  }
  return plan;
}

int SzacowanyCzasSciaganiaSek(int ilosc_plikow) { return (7 * ilosc_plikow) / 10; }

std::string TekstPytaniaOSciagniecie(int ilosc_plikow, int64_t laczny_rozmiar) {
  return "Potrzeba ściągnąć " + std::to_string(ilosc_plikow) + " plików o łącznej wielkości " +
         std::to_string(laczny_rozmiar) + " B. Potrwa to ~" +
         std::to_string(SzacowanyCzasSciaganiaSek(ilosc_plikow)) + "sek. Kontynuować?";
}

std::string OpisUrzadzenia(const std::string& nazwa, int id) {
  return (nazwa.empty() ? std::string("urządzenie") : nazwa) + " (ID " + std::to_string(id) + ")";
}

std::string LiczbaPlikow(int ilosc) {
  const int jednosci = ilosc % 10;
  const int dziesiatki = ilosc % 100 / 10;
  const char* forma = ilosc == 1 ? "plik"
                      : jednosci >= 2 && jednosci <= 4 && dziesiatki != 1 ? "pliki"
                                                                          : "plików";
  return std::to_string(ilosc) + " " + forma;
}

std::string PodsumowanieNiepowodzen(
    int ilosc_plikow, const std::vector<cNieudaneZadanie>& niepowodzenia,
    const std::function<std::string(const std::string& port, int id)>& nazwa_urzadzenia) {
  struct cUrzadzenie {
    std::string Port;
    int Id = 0;
    std::vector<std::string> Pliki;
    std::vector<std::string> Powody;
  };
  std::vector<cUrzadzenie> urzadzenia;
  std::vector<std::string> wszystkie_pliki;
  for (const cNieudaneZadanie& n : niepowodzenia) {
    auto u = std::find_if(urzadzenia.begin(), urzadzenia.end(),
                          [&](const auto& x) { return x.Port == n.Port && x.Id == n.Id; });
    if (u == urzadzenia.end()) u = urzadzenia.insert(urzadzenia.end(), {n.Port, n.Id, {}, {}});
    if (!n.Plik.empty() && std::find(u->Pliki.begin(), u->Pliki.end(), n.Plik) == u->Pliki.end()) {
      u->Pliki.push_back(n.Plik);
      wszystkie_pliki.push_back(n.Plik);
    }
    if (std::find(u->Powody.begin(), u->Powody.end(), n.Powod) == u->Powody.end()) u->Powody.push_back(n.Powod);
  }
  const int nieudane = static_cast<int>(wszystkie_pliki.size());
  std::string tekst = "Nie udało się pobrać " + std::to_string(nieudane) + (nieudane == 1 ? " pliku" : " plików") +
                      " z " + std::to_string(ilosc_plikow) + ":";
  for (const cUrzadzenie& u : urzadzenia) {
    std::string powody;
    for (const std::string& p : u.Powody) powody += (powody.empty() ? "" : "; ") + p;
    tekst += "\n" + OpisUrzadzenia(nazwa_urzadzenia(u.Port, u.Id), u.Id) + ": ";
    tekst += (u.Pliki.empty() ? std::string() : LiczbaPlikow(static_cast<int>(u.Pliki.size())) + " – ") + powody;
  }
  tekst += nieudane < ilosc_plikow ? "\nPozostałe pliki zostały pobrane." : "\nŻaden plik nie został pobrany.";
  return tekst;
}

std::string TekstNieodpowiadajacych(const std::vector<std::string>& nieobecne) {
  std::string tekst = "Nie odpowiedziały urządzenia: ";
  for (size_t i = 0; i < nieobecne.size(); ++i) tekst += (i > 0 ? ", " : "") + nieobecne[i];
  return tekst + ".";
}

std::string TekstOdmowySynchronizacji(const std::vector<std::string>& nieobecne) {
  const std::string tekst = "Synchronizacja danych nie jest możliwa. Sprawdź połączenie z urządzeniami.";
  return nieobecne.empty() ? tekst : tekst + "\n" + TekstNieodpowiadajacych(nieobecne);
}

std::string TekstPonawiania(const std::string& nazwa, int id, int ponowienie, int najwiecej) {
  return (nazwa.empty() ? "Urządzenie ID " + std::to_string(id) : nazwa) + ": ponowienie pobierania " +
         std::to_string(ponowienie) + " z " + std::to_string(najwiecej);
}

std::string TekstWysylania(const std::string& nazwa, int id) {
  if (id == 0) return "Proszę czekać...";
  return "Wysyłanie do urządzenia " + (nazwa.empty() ? "o ID " + std::to_string(id) : nazwa) + "...";
}

std::string TekstNiepowodzen(
    const std::string& naglowek, const std::vector<cNieudaneZadanie>& niepowodzenia,
    const std::function<std::string(const std::string& port, int id)>& nazwa_urzadzenia) {
  struct cPowod {
    std::string Powod;
    std::vector<std::string> Pliki;
  };
  struct cUrzadzenieZNiepowodzeniami {
    std::string Port;
    int Id = 0;
    std::vector<cPowod> Powody;
  };
  std::vector<cUrzadzenieZNiepowodzeniami> urzadzenia;
  for (const cNieudaneZadanie& n : niepowodzenia) {
    auto u = std::find_if(urzadzenia.begin(), urzadzenia.end(),
                          [&](const auto& x) { return x.Port == n.Port && x.Id == n.Id; });
    if (u == urzadzenia.end()) {
      urzadzenia.push_back({n.Port, n.Id, {}});
      u = urzadzenia.end() - 1;
    }
    auto p =
        std::find_if(u->Powody.begin(), u->Powody.end(), [&](const cPowod& x) { return x.Powod == n.Powod; });
    if (p == u->Powody.end()) {
      u->Powody.push_back({n.Powod, {}});
      p = u->Powody.end() - 1;
    }
    if (!n.Plik.empty()) p->Pliki.push_back(n.Plik);
  }
  std::string tekst = naglowek;
  for (const cUrzadzenieZNiepowodzeniami& u : urzadzenia) {
    tekst += "\n" + OpisUrzadzenia(nazwa_urzadzenia(u.Port, u.Id), u.Id) + ":";
    for (const cPowod& p : u.Powody) {
      // A file sent is named by its path on this computer: only its name is told.
      std::string pliki;
      for (const std::string& plik : p.Pliki) pliki += (pliki.empty() ? "" : ", ") + FileNameOf(plik);
      tekst += "\n  " + (pliki.empty() ? p.Powod : pliki + " – " + p.Powod);
    }
  }
  return tekst;
}

}  // namespace olv
