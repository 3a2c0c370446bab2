#include "model/user_list.h"

#include <algorithm>

#include "common/collation.h"
#include "common/numbers.h"
#include "common/strings.h"
#include "model/new_unique.h"

namespace olv {
namespace {

bool IsDigitsOnly(const std::string& text) {
  return !text.empty() && ZawieraTylkoZnaki(text, "0123456789");
}

}  // namespace

cUserList::cUserList(cClock& clock) : mClock(clock) {}

void cUserList::UstawFunkcjeLogujaca(LogFunction function) {
  Log("Userlist: UstawFunkcjeLogujaca");
  cLogujacy::UstawFunkcjeLogujaca(std::move(function));
}

int cUserList::CountUsers() const {
  Log("Userlist: CountUsers");
  return static_cast<int>(mUsers.size());
}

cUzytkownik* cUserList::GetUserByIndex(int index) const {
  Log("Userlist: GetUserByIndex");
  if (index < 0 || index >= static_cast<int>(mUsers.size())) return nullptr;
  return mUsers[static_cast<size_t>(index)].get();
}

cUzytkownik* cUserList::GetUserByPIN(const std::string& pin) const {
  Log("Userlist: GetUserByPIN");
  if (pin.empty()) return nullptr;
  for (const auto& user : mUsers) {
    if (user->PIN == pin) return user.get();
  }
  return nullptr;
}

cUzytkownik* cUserList::GetUserByID(int32_t id) const {
  Log("Userlist: GetUserByID");
  if (id == 0) return nullptr;
  for (const auto& user : mUsers) {
    if (user->ID == id) return user.get();
  }
  return nullptr;
}

cUzytkownik* cUserList::GetUserByKarta(uint64_t karta) const {
  Log("Userlist: GetUserByKarta (int)");
  if (karta == 0) return nullptr;
  for (const auto& user : mUsers) {
    if (user->Karta.GetWartosc() == karta) return user.get();
  }
  return nullptr;
}

cUzytkownik* cUserList::GetUserByKarta(const std::string& karta_hex) const {
  Log("Userlist: GetUserByKarta (AnsiString)");
  return GetUserByKarta(HexTextToCardValue(karta_hex));
}

cUzytkownik* cUserList::GetUserByUnique(int32_t unique) const {
  Log("Userlist: GetUserByUnique");
  return FindByUnique(unique);
}

cUzytkownik* cUserList::FindByUnique(int32_t unique) const {
  if (unique == 0) return nullptr;
  for (const auto& user : mUsers) {
    if (user->Unique == unique) return user.get();
  }
  return nullptr;
}

std::string cUserList::GetNazwaUzytkownikaZUnique(const std::string& unique) const {
  Log("Userlist: GetNazwaUzytkownikaZUnique");
  const cUzytkownik* user = FindByUnique(ParseInt(unique).value_or(0));
  return user ? user->Nazwa : std::string();
}

std::string cUserList::GetIDUzytkownikaZUnique(const std::string& unique) const {
  Log("Userlist: GetIDUzytkownikaZUnique");
  const cUzytkownik* user = FindByUnique(ParseInt(unique).value_or(0));
  return user ? user->GetIDString() : std::string();
}

bool cUserList::DodajUzytkownika(std::unique_ptr<cUzytkownik> user) {
  Log("Userlist: DodajUzytkownika(cUzytkownik*)");
  if (!user) return false;
  mUsers.push_back(std::move(user));
  return true;
}

bool cUserList::DodajUzytkownika(const std::string& nazwa, int32_t id, const std::string& pin,
                                 const std::string& karta_hex) {
  Log("Userlist: DodajUzytkownika(AnsiString, int, AnsiString, AnsiString)");
  const uint64_t karta = HexTextToCardValue(karta_hex);
  if (id == 0 || (pin.empty() && karta == 0)) return false;
  if (SprawdzKonfliktZUzytkownikiemNaLiscie(id, pin, karta) != 0) return false;
  auto user = std::make_unique<cUzytkownik>(GetNewUnique());
  user->Nazwa = nazwa;
  user->ID = id;
  user->PIN = pin;
  user->Karta.UstawWartosc(karta);
  mUsers.push_back(std::move(user));
  return true;
}

bool cUserList::DodajUzytkownika(const std::string& nazwa, const std::string& id,
                                 const std::string& pin, const std::string& karta_hex) {
  Log("Userlist: DodajUzytkownika(AnsiString, AnsiString, AnsiString, AnsiString)");
  return DodajUzytkownika(nazwa, ParseInt(id).value_or(0), pin, karta_hex);
}

int cUserList::SprawdzKonfliktZUzytkownikiemNaLiscie(int32_t id, const std::string& pin,
                                                     uint64_t karta) const {
  Log("Userlist: SprawdzKonfliktZUzytkownikiemNaLiscie");
  return Conflict(id, pin, karta, nullptr);
}

int cUserList::SprawdzKonfliktZUzytkownikiemNaLiscieExclude(int32_t id, const std::string& pin,
                                                            uint64_t karta,
                                                            int32_t unique) const {
  Log("Userlist: SprawdzKonfliktZUzytkownikiemNaLiscieExclude");
  return Conflict(id, pin, karta, FindByUnique(unique));
}

int cUserList::Conflict(int32_t id, const std::string& pin, uint64_t karta,
                        const cUzytkownik* excluded) const {
  const auto taken = [&](auto matches) {
    return std::any_of(mUsers.begin(), mUsers.end(), [&](const auto& user) {
      return user.get() != excluded && matches(*user);
    });
  };
  if (id != 0 && taken([&](const cUzytkownik& u) { return u.ID == id; })) return 1;
  if (!pin.empty() && taken([&](const cUzytkownik& u) { return u.PIN == pin; })) return 2;
  if (karta != 0 && taken([&](const cUzytkownik& u) { return u.Karta.GetWartosc() == karta; })) {
    return 3;
  }
  return 0;
}

int cUserList::SprawdzPoprawnoscDanych(const std::string& id, const std::string& pin,
                                       const std::string& karta_hex) const {
  Log("Userlist: SprawdzPoprawnoscDanych");
  const std::optional<int> id_value = ParseInt(id);
  if (!id_value) return 1;
  if (*id_value < 1 || *id_value > 9999) return 2;
  // A keypad PIN is digits only: a sign or blanks would be stored and sent as is.
  if (!pin.empty() && (!IsDigitsOnly(pin) || !ParseInt(pin))) return 3;
  if (!pin.empty() && (pin.size() < 2 || pin.size() > 7)) return 4;
  if (!ZawieraTylkoZnaki(karta_hex, "0123456789ABCDEF")) return 6;
  if (pin.empty() && HexTextToCardValue(karta_hex) == 0) return 5;
  return 0;
}

int32_t cUserList::GetNewUnique() {
  Log("Userlist: GetNewUnique");
  return NowyUnique(mClock, [this](int32_t unique) { return FindByUnique(unique) != nullptr; });
}

int cUserList::IndexOf(const cUzytkownik* user) const {
  Log("Userlist: Index Of");
  for (size_t i = 0; i < mUsers.size(); ++i) {
    if (mUsers[i].get() == user) return static_cast<int>(i);
  }
  return -1;
}

void cUserList::DlaKazdegoUzytkownika(
    const std::function<void(const cUzytkownik&)>& fn) const {
  Log("Userlist: DlaKazdegoUzytkownika");
  for (const auto& user : mUsers) fn(*user);
}

void cUserList::Remove(const cUzytkownik* user) {
  if (!user) return;
  std::erase_if(mUsers, [user](const auto& u) { return u.get() == user; });
}

void cUserList::UsunUzytkownika(const cUzytkownik* user) {
  Log("Userlist: UsunUzytkownika (cUzytkownik*)");
  Remove(user);
}

void cUserList::UsunUzytkownika(int index) {
  Log("Userlist: UsunUzytkownika (int)");
  if (index < 0 || index >= static_cast<int>(mUsers.size())) return;
  mUsers.erase(mUsers.begin() + index);
}

void cUserList::UsunUzytkownikaPoID(int32_t id) {
  Log("Userlist: UsunUzytkownikaPoID");
  Remove(GetUserByID(id));
}

void cUserList::UsunUzytkownikaPoKarcie(const std::string& karta_hex) {
  Log("Userlist: UsunUzytkownikaPoKarcie");
  Remove(GetUserByKarta(karta_hex));
}

void cUserList::UsunUzytkownikaPoPINie(const std::string& pin) {
  Log("Userlist: UsunUzytkownikaPoPINie");
  Remove(GetUserByPIN(pin));
}

void cUserList::UsunUzytkownikaPoUnique(int32_t unique) {
  Log("Userlist: UsunUzytkownikaPoUnique");
  Remove(GetUserByUnique(unique));
}

bool cUserList::EdytujUzytkownika(int32_t unique, const std::string& nazwa,
                                  const std::string& id, const std::string& pin,
                                  const std::string& karta_hex) {
  Log("Userlist: EdytujUzytkownika (int, AnsiString, AnsiString, AnsiString, AnsiString)");
  return EdytujUzytkownika(unique, nazwa, ParseInt(id).value_or(0), pin,
                           HexTextToCardValue(karta_hex));
}

bool cUserList::EdytujUzytkownika(int32_t unique, const std::string& nazwa, int32_t id,
                                  const std::string& pin, uint64_t karta) {
  cUzytkownik* user = FindByUnique(unique);
  if (!user) return false;
  if (Conflict(id, pin, karta, user) != 0) return false;
  user->Nazwa = nazwa;
  user->ID = id;
  user->PIN = pin;
  user->Karta.UstawWartosc(karta);
  return true;
}

void cUserList::WypiszTestowo(std::vector<std::string>& lines) const {
  Log("Userlist: WypiszTestowo(TStrings*)");
  for (size_t i = 0; i < mUsers.size(); ++i) {
    const cUzytkownik& user = *mUsers[i];
    lines.push_back("USER INDEX: " + std::to_string(i));
    lines.push_back("Nazwa: " + user.Nazwa);
    lines.push_back("ID: " + user.GetIDString());
    lines.push_back("PIN: " + user.PIN);
    lines.push_back("Karta: " + user.Karta.GetHex());
    lines.push_back("Unique: " + user.GetUniqueString());
  }
}

void cUserList::WpiszPosortowanaAlfabetycznieListeUniqueUzytkownikow(
    std::vector<std::string>& lines) const {
  Log("Userlist: WpiszPosortowanaAlfabetycznieListeUniqueUzytkownikow");
  std::vector<const cUzytkownik*> sorted;
  sorted.reserve(mUsers.size());
  for (const auto& user : mUsers) sorted.push_back(user.get());
  std::stable_sort(sorted.begin(), sorted.end(), [](const cUzytkownik* a, const cUzytkownik* b) {
    return LessPolish(a->Nazwa, b->Nazwa);
  });
  lines.clear();
  for (const cUzytkownik* user : sorted) lines.push_back(user->GetUniqueString());
}

void cUserList::ZapiszBazeDoPliku(std::vector<std::string>& lines) const {
  Log("Userlist: ZapiszBazeDoPliku");
  lines.clear();
  lines.reserve(mUsers.size());
  for (const auto& user : mUsers) lines.push_back(user->ToString());
}

void cUserList::WczytajBazeZPliku(const std::vector<std::string>& lines) {
  Log("Userlist: WczytajBazeZPliku");
  mUsers.clear();
  mUsers.reserve(lines.size());
  for (const std::string& line : lines) {
    // A blank line holds no user; reading it would leave a record with ID 0.
    if (TrimBlanks(line).empty()) continue;
    auto user = std::make_unique<cUzytkownik>(1);
    user->FromString(line);
    mUsers.push_back(std::move(user));
  }
}

void cUserList::CopySelfTo(cUserList& other) const {
  Log("Userlist: CopySelfTo");
  if (&other == this) return;
  other.mUsers.clear();
  other.mUsers.reserve(mUsers.size());
  for (const auto& user : mUsers) {
    auto copy = std::make_unique<cUzytkownik>(0);
    user->CopyTo(*copy);
    other.mUsers.push_back(std::move(copy));
  }
  other.cLogujacy::UstawFunkcjeLogujaca(FunkcjaLogujaca());
}

bool cUserList::RownaLiscie(const cUserList& other) const {
  if (mUsers.size() != other.mUsers.size()) return false;
  for (size_t i = 0; i < mUsers.size(); ++i) {
    if (!mUsers[i]->RownyUzytkownikowi(*other.mUsers[i])) return false;
  }
  return true;
}

void cUserList::Wyczysc() { mUsers.clear(); }

}  // namespace olv
