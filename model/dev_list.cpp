#include "model/dev_list.h"

#include <algorithm>

#include "common/collation.h"
#include "common/numbers.h"
#include "common/record_line.h"
#include "common/strings.h"
#include "model/new_unique.h"

namespace olv {

cDevList::cDevList(cClock& clock) : mClock(clock) {}

void cDevList::UstawFunkcjeLogujaca(LogFunction function) {
  Log("Devlist: UstawFunkcjeLogujaca");
  cLogujacy::UstawFunkcjeLogujaca(std::move(function));
}

int cDevList::CountDevices() const {
  Log("Devlist: CountDevices");
  return static_cast<int>(mDevices.size());
}

int cDevList::IndexOf(const cUrzadzenie* device) const {
  for (size_t i = 0; i < mDevices.size(); ++i) {
    if (mDevices[i].get() == device) return static_cast<int>(i);
  }
  return -1;
}

cUrzadzenie* cDevList::GetDeviceByIndex(int index) const {
  if (index < 0 || index >= static_cast<int>(mDevices.size())) return nullptr;
  return mDevices[static_cast<size_t>(index)].get();
}

cUrzadzenie* cDevList::GetDeviceByID(int32_t id) const { return FindByID(id); }

cUrzadzenie* cDevList::GetDeviceByUnique(int32_t unique) const { return FindByUnique(unique); }

cUrzadzenie* cDevList::FindByID(int32_t id) const {
  if (id == 0) return nullptr;
  for (const auto& device : mDevices) {
    if (device->ID == id) return device.get();
  }
  return nullptr;
}

cUrzadzenie* cDevList::FindByUnique(int32_t unique) const {
  if (unique == 0) return nullptr;
  for (const auto& device : mDevices) {
    if (device->Unique == unique) return device.get();
  }
  return nullptr;
}

bool cDevList::DodajUrzadzenie(std::unique_ptr<cUrzadzenie> device) {
  Log("Devlist: DodajUrzadzenie (cUrzadzenie*)");
  if (!device) return false;
  mDevices.push_back(std::move(device));
  return true;
}

bool cDevList::DodajUrzadzenie(const std::string& nazwa, int32_t id, const cCzytnik& czytnik0,
                               const cCzytnik& czytnik1, bool przycisk,
                               const cWlasciwosciPolaczenia& polaczenie) {
  Log("Devlist: DodajUrzadzenie (AnsiString, int, cCzytnik, cCzytnik, bool, "
      "cWlasciwosciPolaczenia)");
  if (id < 1 || id > 9 || nazwa.empty()) return false;
  mDevices.push_back(std::make_unique<cUrzadzenie>(nazwa, id, czytnik0, czytnik1, przycisk,
                                                   polaczenie, GetNewUnique()));
  return true;
}

int32_t cDevList::GetNewUnique() {
  Log("Devlist: GetNewUnique");
  return NowyUnique(mClock, [this](int32_t unique) { return FindByUnique(unique) != nullptr; });
}

void cDevList::Remove(const cUrzadzenie* device) {
  if (!device) return;
  std::erase_if(mDevices, [device](const auto& d) { return d.get() == device; });
}

void cDevList::UsunUrzadzenie(const cUrzadzenie* device) {
  Log("Devlist: UsunUrzadzenie(cUrzadzenie*)");
  Remove(device);
}

void cDevList::UsunUrzadzenie(int index) {
  Log("Devlist: UsunUrzadzenie(int)");
  if (index < 0 || index >= static_cast<int>(mDevices.size())) return;
  mDevices.erase(mDevices.begin() + index);
}

void cDevList::UsunUrzadzeniePoID(int32_t id) {
  Log("Devlist: UsunUrzadzeniePoID");
  Remove(FindByID(id));
}

void cDevList::UsunUrzadzeniePoUnique(int32_t unique) {
  Log("Devlist: UsunUrzadzeniePoUnique");
  Remove(FindByUnique(unique));
}

void cDevList::CopySelfTo(cDevList& other) const {
  Log("Devlist: CopySelfTo");
  if (&other == this) return;
  other.mDevices.clear();
  other.mDevices.reserve(mDevices.size());
  for (const auto& device : mDevices) {
    auto copy = std::make_unique<cUrzadzenie>(0);
    device->CopyTo(*copy);
    other.mDevices.push_back(std::move(copy));
  }
  other.cLogujacy::UstawFunkcjeLogujaca(FunkcjaLogujaca());
}

bool cDevList::RownaLiscie(const cDevList& other) const {
  if (mDevices.size() != other.mDevices.size()) return false;
  for (size_t i = 0; i < mDevices.size(); ++i) {
    if (!mDevices[i]->RowneUrzadzeniu(*other.mDevices[i])) return false;
  }
  return true;
}

std::string cDevList::GetNazwaUrzadzeniaZUnique(const std::string& unique) const {
  Log("Devlist: GetNazwaUrzadzeniaZUnique");
  const cUrzadzenie* device = FindByUnique(ParseInt(unique).value_or(0));
  return device ? device->Nazwa : std::string();
}

std::string cDevList::GetIDUrzadzeniaZUnique(const std::string& unique) const {
  Log("Devlist: GetIDUrzadzeniaZUnique");
  const cUrzadzenie* device = FindByUnique(ParseInt(unique).value_or(0));
  return device ? device->GetIDString() : std::string();
}

int cDevList::SprawdzPoprawnoscDanych(const std::string& nazwa, const std::string& id,
                                      const cCzytnik& czytnik0, const cCzytnik& czytnik1,
                                      bool /*przycisk*/,
                                      const cWlasciwosciPolaczenia& /*polaczenie*/) const {
  if (nazwa.empty()) return 1;
  if (czytnik0.Nazwa.empty()) return 2;
  if (czytnik1.Nazwa.empty()) return 3;
  if (!ZawieraTylkoZnaki(id, "0123456789")) return 4;
  // Digits only here, so a text too long for int is simply out of range.
  const int value = id.empty() ? 0 : ParseInt(id).value_or(-1);
  if (value < 1 || value > 9) return 5;
  if (value == 1) return 6;
  return 0;
}

int cDevList::SprawdzKonfliktZUzytkownikiemNaLiscie(int32_t id) const {
  Log("Devlist: SprawdzKonfliktZUzytkownikiemNaLiscie");
  return FindByID(id) ? 1 : 0;
}

int cDevList::SprawdzKonfliktZUzytkownikiemNaLiscieExclude(int32_t id, int32_t unique) const {
  Log("Devlist: SprawdzKonfliktZUzytkownikiemNaLiscieExclude");
  const cUrzadzenie* excluded = FindByUnique(unique);
  return std::any_of(mDevices.begin(), mDevices.end(),
                     [&](const auto& d) { return d.get() != excluded && id != 0 && d->ID == id; })
             ? 1
             : 0;
}

bool cDevList::EdytujUzytkownika(int32_t unique, const std::string& nazwa, int32_t new_id,
                                 const cCzytnik& czytnik0, const cCzytnik& czytnik1,
                                 bool przycisk, const cWlasciwosciPolaczenia& polaczenie) {
  Log("Devlist: EdytujUzytkownika");
  cUrzadzenie* device = FindByUnique(unique);
  if (!device) return false;
  const bool taken = std::any_of(mDevices.begin(), mDevices.end(), [&](const auto& d) {
    return d.get() != device && new_id != 0 && d->ID == new_id;
  });
  if (taken) return false;
  device->Nazwa = nazwa;
  device->Czytnik0 = czytnik0;
  device->Czytnik1 = czytnik1;
  device->Przycisk = przycisk;
  device->Polaczenie = polaczenie;
  device->NoweID = new_id;
  return true;
}

std::string cDevList::GetUzywanePorty() const {
  std::vector<std::string> ports;
  for (const auto& device : mDevices) {
    if (std::find(ports.begin(), ports.end(), device->Polaczenie.Port) == ports.end()) {
      ports.push_back(device->Polaczenie.Port);
    }
  }
  std::stable_sort(ports.begin(), ports.end(), [](const std::string& a, const std::string& b) {
    return ToUpperAscii(a) < ToUpperAscii(b);
  });
  return EncodeRecordLine(ports);
}

void cDevList::WypiszTestowo(std::vector<std::string>& lines) const {
  Log("Devlist: WypiszTestowo(TStrings*)");
  for (size_t i = 0; i < mDevices.size(); ++i) {
    const cUrzadzenie& d = *mDevices[i];
    lines.push_back("DEV INDEX: " + std::to_string(i));
    lines.push_back("Nazwa: " + d.Nazwa);
    lines.push_back("ID: " + d.GetIDString());
    lines.push_back("czytnik 0 nazwa: " + d.Czytnik0.Nazwa);
    lines.push_back("czytnik 0 tryb: " + std::to_string(d.Czytnik0.Tryb));
    lines.push_back("czytnik 1 nazwa: " + d.Czytnik1.Nazwa);
    lines.push_back("czytnik 1 tryb: " + std::to_string(d.Czytnik1.Tryb));
    lines.push_back("Przycisk: " + d.GetPrzyciskJakoTekst());
    lines.push_back("Data ostatniej aktualizacji: " + FormatNumber(d.DataOstatniejAktualizacji));
    lines.push_back("Polaczenie port: " + d.Polaczenie.Port);
    lines.push_back("Polaczenie predkosc: " + std::to_string(d.Polaczenie.Predkosc));
    lines.push_back("Unique: " + d.GetUniqueString());
    lines.push_back("Lista dostepow: " + d.ListaDostepow.ToString());
  }
}

void cDevList::WpiszPosortowanaAlfabetycznieListeUniqueUrzadzen(
    std::vector<std::string>& lines) const {
  Log("Devlist: WpiszPosortowanaAlfabetycznieListeUniqueUrzadzen");
  std::vector<const cUrzadzenie*> sorted;
  sorted.reserve(mDevices.size());
  for (const auto& device : mDevices) sorted.push_back(device.get());
  std::stable_sort(sorted.begin(), sorted.end(), [](const cUrzadzenie* a, const cUrzadzenie* b) {
    return LessPolish(a->Nazwa, b->Nazwa);
  });
  lines.clear();
  for (const cUrzadzenie* device : sorted) lines.push_back(device->GetUniqueString());
}

void cDevList::ZapiszBazeDoPliku(std::vector<std::string>& lines) const {
  Log("Devlist: ZapiszBazeDoPliku");
  lines.clear();
  for (const auto& device : mDevices) lines.push_back(device->ToString());
}

void cDevList::WczytajBazeZPliku(const std::vector<std::string>& lines) {
  Log("Devlist: WczytajBazeZPliku");
  mDevices.clear();
  for (const std::string& line : lines) {
    // A blank line holds no device; reading it would leave a record with ID 0.
    if (TrimBlanks(line).empty()) continue;
    auto device = std::make_unique<cUrzadzenie>(1);
    device->FromString(line);
    mDevices.push_back(std::move(device));
  }
}

void cDevList::Wyczysc() { mDevices.clear(); }

}  // namespace olv
