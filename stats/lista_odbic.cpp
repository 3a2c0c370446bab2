#include "stats/lista_odbic.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <tuple>
#include <unordered_map>

#include "common/cp1250.h"
#include "common/files.h"
#include "common/strings.h"
#include "model/device_folder.h"
#include "stats/linia_zdarzenia.h"

namespace olv {
namespace {

// The number of the folder that holds the file; 0 when it is not a number.
int32_t NumerFolderu(const std::string& sciezka) {
  const size_t end = sciezka.find_last_of("/\\");
  if (end == std::string::npos || end == 0) return 0;
  const size_t start = sciezka.find_last_of("/\\", end - 1);
  const std::string_view folder =
      std::string_view(sciezka).substr(start == std::string::npos ? 0 : start + 1,
                                       end - (start == std::string::npos ? 0 : start + 1));
  if (folder.empty() || folder.size() > 9 || !ZawieraTylkoZnaki(folder, "0123456789")) return 0;
  return static_cast<int32_t>(std::stol(std::string(folder)));
}

// One reader name as the lines of a file spell it, decoded once and shared by
// all its punches, with the direction it stands for.
struct cCzytnikPliku {
  std::shared_ptr<const std::string> Nazwa;
  uint8_t Kierunek = cOdbicie::kNeutralny;
};

// Looks a line's reader name up without copying it: a file may name as many
// readers as it has lines.
struct cHashBajtow {
  using is_transparent = void;
  size_t operator()(std::string_view bajty) const { return std::hash<std::string_view>{}(bajty); }
};
using tCzytnikiPliku = std::unordered_map<std::string, cCzytnikPliku, cHashBajtow, std::equal_to<>>;

std::string BladSystemu(int numer) { return numer != 0 ? std::strerror(numer) : "read failed"; }

// The names of the "*.csv" entries of one device's mirror folder, sorted.
// Entries that are no regular file, and the folder when it exists but cannot
// be listed, go to nieodczytane.
std::vector<std::string> PlikiZdarzen(const std::string& folder, int32_t id,
                                      std::vector<cNieodczytanyPlik>& nieodczytane) {
  std::vector<std::string> nazwy;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) {
    if (errno != ENOENT) nieodczytane.push_back({id, "", folder, BladSystemu(errno)});
    return nazwy;
  }
  for (;;) {
    errno = 0;
    const dirent* wpis = ::readdir(dir);
    if (wpis == nullptr) {
      if (errno != 0) nieodczytane.push_back({id, "", folder, BladSystemu(errno)});
      break;
    }
    const std::string nazwa = wpis->d_name;
    if (nazwa.size() < 4 || ToUpperAscii(nazwa.substr(nazwa.size() - 4)) != ".CSV") continue;
    struct stat st {};
    if (::stat((folder + nazwa).c_str(), &st) != 0) {
      nieodczytane.push_back({id, nazwa, folder + nazwa, BladSystemu(errno)});
    } else if (!S_ISREG(st.st_mode)) {
      nieodczytane.push_back({id, nazwa, folder + nazwa, "not a regular file"});
    } else {
      nazwy.push_back(nazwa);
    }
  }
  ::closedir(dir);
  std::sort(nazwy.begin(), nazwy.end());
  return nazwy;
}

}  // namespace

void cListaOdbic::WyczyscOdbicia() { mOdbicia.clear(); }

void cListaOdbic::DodajOdbicie(std::unique_ptr<cOdbicie> odbicie) {
  if (odbicie) mOdbicia.push_back(std::move(odbicie));
}

const cOdbicie* cListaOdbic::GetOdbicie(int index) const {
  if (index < 0 || index >= GetLiczbaOdbic()) return nullptr;
  return mOdbicia[static_cast<size_t>(index)].get();
}

int cListaOdbic::GetLiczbaOdbic() const { return static_cast<int>(mOdbicia.size()); }

void cListaOdbic::DodajPlik(const std::string& sciezka) { mPliki.push_back(sciezka); }

std::vector<cNieodczytanyPlik> cListaOdbic::WczytajPliki(const cDevList& urzadzenia) {
  std::vector<cNieodczytanyPlik> nieodczytane;
  std::string blad;
  for (const std::string& sciezka : mPliki) {
    if (!WczytajPlik(sciezka, urzadzenia, blad)) {
      nieodczytane.push_back({NumerFolderu(sciezka), FileNameOf(sciezka), sciezka, blad});
    }
  }
  WyczyscPliki();
  return nieodczytane;
}

void cListaOdbic::WyczyscPliki() { mPliki.clear(); }

bool cListaOdbic::WczytajPlik(const std::string& sciezka, const cDevList& urzadzenia,
                              std::string& blad) {
  const cUrzadzenie* urzadzenie = urzadzenia.GetDeviceByID(NumerFolderu(sciezka));
  if (urzadzenie == nullptr) return true;
  errno = 0;
  const std::optional<std::string> tresc = ReadWholeFile(sciezka);
  if (!tresc) {
    blad = BladSystemu(errno);
    return false;
  }
  const int32_t unique = urzadzenie->Unique;
  const cCzytnik czytnik0 = urzadzenie->Czytnik0;
  const cCzytnik czytnik1 = urzadzenie->Czytnik1;

  tCzytnikiPliku czytniki;
  auto czytnik = [&](std::string_view bajty) -> const cCzytnikPliku& {
    if (const auto znany = czytniki.find(bajty); znany != czytniki.end()) return znany->second;
    cCzytnikPliku nowy;
    std::string nazwa = Cp1250ToUtf8(bajty);
    if (nazwa == czytnik0.Nazwa) {
      nowy.Kierunek = static_cast<uint8_t>(czytnik0.Tryb);
    } else if (nazwa == czytnik1.Nazwa) {
      nowy.Kierunek = static_cast<uint8_t>(czytnik1.Tryb);
    }
    if (!nazwa.empty()) nowy.Nazwa = std::make_shared<const std::string>(std::move(nazwa));
    return czytniki.emplace(std::string(bajty), std::move(nowy)).first->second;
  };

  for (std::string_view linia : SplitLineViews(*tresc)) {
    const std::optional<cLiniaZdarzenia> rekord = CzytajLinieZdarzenia(linia);
    if (!rekord) continue;
    const cCzytnikPliku& odczytany = czytnik(rekord->NazwaCzytnika);
    auto odbicie = std::make_unique<cOdbicie>();
    odbicie->IDUzytkownika = rekord->IDUzytkownika;
    odbicie->Czas = rekord->Czas;
    odbicie->Urzadzenie = unique;
    odbicie->UstawNazweCzytnika(odczytany.Nazwa);
    odbicie->Kierunek = odczytany.Kierunek;
    odbicie->p = rekord->p;
    mOdbicia.push_back(std::move(odbicie));
  }
  return true;
}

void cListaOdbic::SortujOdNajnowszych() {
  std::stable_sort(mOdbicia.begin(), mOdbicia.end(),
                   [](const auto& a, const auto& b) { return a->Czas > b->Czas; });
}

void cListaOdbic::SortujOdNajstarszych() {
  std::stable_sort(mOdbicia.begin(), mOdbicia.end(),
                   [](const auto& a, const auto& b) { return a->Czas < b->Czas; });
}

void cListaOdbic::WypiszTekstowo(std::vector<std::string>& lines) const {
  lines.clear();
  lines.reserve(mOdbicia.size());
  for (const auto& odbicie : mOdbicia) lines.push_back(odbicie->ToString());
}

std::vector<cNieodczytanyPlik> WczytajOdbiciaZFolderuProgramu(const std::string& program_folder,
                                                              const cDevList& urzadzenia,
                                                              cListaOdbic& lista) {
  lista.WyczyscPliki();
  lista.WyczyscOdbicia();
  std::vector<cNieodczytanyPlik> nieodczytane;
  for (int32_t id = 2; id <= 9; ++id) {
    if (urzadzenia.GetDeviceByID(id) == nullptr) continue;
    const std::string folder = FolderUrzadzenia(program_folder, id);
    for (const std::string& nazwa : PlikiZdarzen(folder, id, nieodczytane)) {
      lista.DodajPlik(folder + nazwa);
    }
  }
  std::vector<cNieodczytanyPlik> pliki = lista.WczytajPliki(urzadzenia);
  nieodczytane.insert(nieodczytane.end(), pliki.begin(), pliki.end());
  std::stable_sort(nieodczytane.begin(), nieodczytane.end(), [](const auto& a, const auto& b) {
    return std::tie(a.IDUrzadzenia, a.NazwaPliku) < std::tie(b.IDUrzadzenia, b.NazwaPliku);
  });
  lista.SortujOdNajstarszych();
  return nieodczytane;
}

}  // namespace olv
