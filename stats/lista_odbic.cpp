#include "stats/lista_odbic.h"

#include <algorithm>

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
  std::string Bajty;
  std::shared_ptr<const std::string> Nazwa;
  uint8_t Kierunek = cOdbicie::kNeutralny;
};

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

void cListaOdbic::WczytajPliki(const cDevList& urzadzenia) {
  for (const std::string& sciezka : mPliki) WczytajPlik(sciezka, urzadzenia);
  WyczyscPliki();
}

void cListaOdbic::WyczyscPliki() { mPliki.clear(); }

void cListaOdbic::WczytajPlik(const std::string& sciezka, const cDevList& urzadzenia) {
  const cUrzadzenie* urzadzenie = urzadzenia.GetDeviceByID(NumerFolderu(sciezka));
  if (urzadzenie == nullptr) return;
  const std::optional<std::string> tresc = ReadWholeFile(sciezka);
  if (!tresc) return;
  const int32_t unique = urzadzenie->Unique;
  const cCzytnik czytnik0 = urzadzenie->Czytnik0;
  const cCzytnik czytnik1 = urzadzenie->Czytnik1;

  std::vector<cCzytnikPliku> czytniki;
  auto czytnik = [&](std::string_view bajty) -> const cCzytnikPliku& {
    for (const cCzytnikPliku& znany : czytniki) {
      if (znany.Bajty == bajty) return znany;
    }
    cCzytnikPliku nowy;
    nowy.Bajty = std::string(bajty);
    std::string nazwa = Cp1250ToUtf8(bajty);
    if (nazwa == czytnik0.Nazwa) {
      nowy.Kierunek = static_cast<uint8_t>(czytnik0.Tryb);
    } else if (nazwa == czytnik1.Nazwa) {
      nowy.Kierunek = static_cast<uint8_t>(czytnik1.Tryb);
    }
    if (!nazwa.empty()) nowy.Nazwa = std::make_shared<const std::string>(std::move(nazwa));
    czytniki.push_back(std::move(nowy));
    return czytniki.back();
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

void WczytajOdbiciaZFolderuProgramu(const std::string& program_folder, const cDevList& urzadzenia,
                                    cListaOdbic& lista) {
  lista.WyczyscPliki();
  lista.WyczyscOdbicia();
  for (int32_t id = 2; id <= 9; ++id) {
    const std::string folder = FolderUrzadzenia(program_folder, id);
    for (const std::string& nazwa : ListFiles(folder, ".csv")) lista.DodajPlik(folder + nazwa);
  }
  lista.WczytajPliki(urzadzenia);
  lista.SortujOdNajstarszych();
}

}  // namespace olv
