#include "stats/lista_odbic.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <tuple>

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

// The readers of one file by the bytes of their names in the file's contents,
// which outlive it: a file may name as many readers as it has lines. Open
// addressing over one array of slots (1 + the reader's index, 0 for free)
// keeps a lookup to a probe or two in memory already at hand.
class cCzytnikiPliku {
 public:
  const cCzytnikPliku* Znajdz(std::string_view bajty) const {
    const uint32_t slot = mSloty[Slot(bajty, std::hash<std::string_view>{}(bajty))];
    return slot == 0 ? nullptr : &mCzytniki[slot - 1].Czytnik;
  }
  // bajty must not be known yet.
  const cCzytnikPliku& Dodaj(std::string_view bajty, cCzytnikPliku czytnik) {
    if (2 * (mCzytniki.size() + 1) > mSloty.size()) {
      mSloty.assign(mSloty.size() * 2, 0);
      for (uint32_t i = 0; i < mCzytniki.size(); ++i) {
        mSloty[Slot(mCzytniki[i].Bajty, mCzytniki[i].Hash)] = i + 1;
      }
    }
    const size_t hash = std::hash<std::string_view>{}(bajty);
    mCzytniki.push_back({bajty, hash, std::move(czytnik)});
    mSloty[Slot(bajty, hash)] = static_cast<uint32_t>(mCzytniki.size());
    return mCzytniki.back().Czytnik;
  }

 private:
  struct cWpis {
    std::string_view Bajty;
    size_t Hash;
    cCzytnikPliku Czytnik;
  };
  // The slot that holds bajty, or the free one where it belongs.
  size_t Slot(std::string_view bajty, size_t hash) const {
    const size_t maska = mSloty.size() - 1;
    size_t i = hash & maska;
    while (mSloty[i] != 0) {
      const cWpis& wpis = mCzytniki[mSloty[i] - 1];
      if (wpis.Hash == hash && wpis.Bajty == bajty) break;
      i = (i + 1) & maska;
    }
    return i;
  }

  std::vector<uint32_t> mSloty = std::vector<uint32_t>(16, 0);
  std::vector<cWpis> mCzytniki;
};

std::string BladSystemu(int numer) { return numer != 0 ? std::strerror(numer) : "read failed"; }

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

  // The file's names live in one block that its punches share, so that a
  // file naming a new reader on every line costs no allocation a name.
  const auto nazwy = std::make_shared<std::deque<std::string>>();
  cCzytnikiPliku czytniki;
  auto czytnik = [&](std::string_view bajty) -> const cCzytnikPliku& {
    if (const cCzytnikPliku* znany = czytniki.Znajdz(bajty)) return *znany;
    cCzytnikPliku nowy;
    std::string nazwa = Cp1250ToUtf8(bajty);
    if (nazwa == czytnik0.Nazwa) {
      nowy.Kierunek = static_cast<uint8_t>(czytnik0.Tryb);
    } else if (nazwa == czytnik1.Nazwa) {
      nowy.Kierunek = static_cast<uint8_t>(czytnik1.Tryb);
    }
    if (!nazwa.empty()) {
      nazwy->push_back(std::move(nazwa));
      nowy.Nazwa = std::shared_ptr<const std::string>(nazwy, &nazwy->back());
    }
    return czytniki.Dodaj(bajty, std::move(nowy));
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
    std::vector<cSkippedEntry> pominiete;
    for (const std::string& nazwa : ListFiles(folder, ".csv", &pominiete)) lista.DodajPlik(folder + nazwa);
    for (const cSkippedEntry& wpis : pominiete) {
      nieodczytane.push_back({id, wpis.name, folder + wpis.name, wpis.reason});
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
