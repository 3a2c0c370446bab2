#include "model/pola_karty.h"

#include <charconv>

#include "common/strings.h"

namespace olv {
namespace {

// A text of digits only whose value does not exceed limit.
std::optional<uint64_t> Liczba(std::string_view text, uint64_t limit) {
  if (text.empty() || !ZawieraTylkoZnaki(text, "0123456789")) return std::nullopt;
  uint64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || value > limit) return std::nullopt;
  return value;
}

cKartaRFID KartaZPelnegoNumeru(std::string_view text) {
  cKartaRFID karta;
  karta.UstawWartosc(WartoscPelnegoNumeru(text).value_or(0));
  return karta;
}

}  // namespace

cPolaKarty PolaKarty(const cKartaRFID& karta) {
  return {karta.GetDec(), karta.GetTrzeciBajtDec(), karta.GetOstatnieDwaBajtyDec()};
}

std::optional<uint64_t> WartoscPelnegoNumeru(std::string_view text) {
  return Liczba(text, cKartaRFID().MaksymalnaWartosc());
}

bool PoZmianiePelnegoNumeru(cPolaKarty& pola) {
  const std::optional<uint64_t> value = WartoscPelnegoNumeru(pola.Pelny);
  if (!value) {
    // Check numbers of some earlier prefix would read as this card's.
    pola.TrzeciBajt.clear();
    pola.OstatnieDwaBajty.clear();
    return false;
  }
  cKartaRFID karta;
  karta.UstawWartosc(*value);
  pola.TrzeciBajt = karta.GetTrzeciBajtDec();
  pola.OstatnieDwaBajty = karta.GetOstatnieDwaBajtyDec();
  return true;
}

bool PoZmianieTrzeciegoBajtu(cPolaKarty& pola) {
  const std::optional<uint64_t> value = Liczba(pola.TrzeciBajt, 255);
  if (!value) return false;
  cKartaRFID karta = KartaZPelnegoNumeru(pola.Pelny);
  if (karta.GetWartosc() == 0)
    karta.UstawOstatnieDwaBajty(static_cast<int64_t>(Liczba(pola.OstatnieDwaBajty, 65535).value_or(0)));
  karta.UstawTrzeciBajt(static_cast<int64_t>(*value));
  pola.Pelny = karta.GetDec();
  return true;
}

bool PoZmianieOstatnichDwochBajtow(cPolaKarty& pola) {
  const std::optional<uint64_t> value = Liczba(pola.OstatnieDwaBajty, 65535);
  if (!value) return false;
  cKartaRFID karta = KartaZPelnegoNumeru(pola.Pelny);
  if (karta.GetWartosc() == 0)
    karta.UstawTrzeciBajt(static_cast<int64_t>(Liczba(pola.TrzeciBajt, 255).value_or(0)));
  karta.UstawOstatnieDwaBajty(static_cast<int64_t>(*value));
  pola.Pelny = karta.GetDec();
  return true;
}

std::optional<std::string> KartaHexZPelnegoNumeru(std::string_view text) {
  uint64_t value = 0;
  if (!text.empty()) {
    const std::optional<uint64_t> read = WartoscPelnegoNumeru(text);
    if (!read) return std::nullopt;
    value = *read;
  }
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  return hex;
}

}  // namespace olv
