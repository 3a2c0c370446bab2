#include "model/lista_dostepow.h"

#include <algorithm>

namespace olv {

int cListaDostepow::Count() const { return static_cast<int>(mWpisy.size()); }

std::string cListaDostepow::ToString() const {
  std::string text;
  for (size_t i = 0; i < mWpisy.size(); ++i) {
    if (i > 0) text += '#';
    text += mWpisy[i];
  }
  return text;
}

void cListaDostepow::FromString(std::string_view text) {
  mWpisy.clear();
  for (;;) {
    const size_t hash = text.find('#');
    if (hash == std::string_view::npos) break;
    mWpisy.emplace_back(text.substr(0, hash));
    text.remove_prefix(hash + 1);
  }
  if (!text.empty()) mWpisy.emplace_back(text);
}

void cListaDostepow::Dodaj(int32_t unique) {
  if (!Zawiera(unique)) mWpisy.push_back(std::to_string(unique));
}

void cListaDostepow::Usun(int32_t unique) { std::erase(mWpisy, std::to_string(unique)); }

bool cListaDostepow::Zawiera(int32_t unique) const {
  return std::find(mWpisy.begin(), mWpisy.end(), std::to_string(unique)) != mWpisy.end();
}

void cListaDostepow::UsunWpis(int index) {
  if (index < 0 || index >= Count()) return;
  mWpisy.erase(mWpisy.begin() + index);
}

std::string cListaDostepow::GetWpis(int index) const {
  if (index < 0 || index >= Count()) return {};
  return mWpisy[static_cast<size_t>(index)];
}

void cListaDostepow::Wyczysc() { mWpisy.clear(); }

void cListaDostepow::CopyTo(cListaDostepow& other) const { other.FromString(ToString()); }

bool cListaDostepow::operator==(const cListaDostepow& other) const {
  if (mWpisy.size() != other.mWpisy.size()) return false;
  std::vector<std::string> a = mWpisy;
  std::vector<std::string> b = other.mWpisy;
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  return a == b;
}

}  // namespace olv
