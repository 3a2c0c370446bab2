#include "model/karta_rfid.h"

#include <charconv>
#include <cstdio>

namespace olv {
namespace {

constexpr uint64_t kMaksymalnaWartosc = 0xFFFFFFFFFFULL;

std::string Format(uint64_t value, int width, bool hex) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, hex ? "%0*llX" : "%0*llu", width,
                static_cast<unsigned long long>(value));
  return buffer;
}

}  // namespace

uint64_t HexTextToCardValue(std::string_view text) {
  if (text.substr(0, 2) == "0x") text.remove_prefix(2);
  if (text.empty() || text.size() > 16) return 0;
  uint64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return 0;
  return value;
}

void cKartaRFID::UstawWartosc(uint64_t value) { mWartosc = value; }

void cKartaRFID::UstawZTekstuDziesietnego(std::string_view text) {
  uint64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 10);
  mWartosc = (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
                 ? 0
                 : value;
}

void cKartaRFID::UstawZTekstuHex(std::string_view text) { mWartosc = HexTextToCardValue(text); }

void cKartaRFID::UstawKrotkiNumer(uint64_t value) { mWartosc = value & 0xFFFFFF; }

void cKartaRFID::UstawTrzeciBajt(int64_t value) {
  const uint64_t b = (value < 0 || value > 255) ? 0 : static_cast<uint64_t>(value);
  mWartosc = (mWartosc & ~uint64_t{0xFF0000}) | (b << 16);
}

void cKartaRFID::UstawOstatnieDwaBajty(int64_t value) {
  const uint64_t w = (value < 0 || value > 65535) ? 0 : static_cast<uint64_t>(value);
  mWartosc = (mWartosc & ~uint64_t{0xFFFF}) | w;
}

uint64_t cKartaRFID::GetWartosc() const { return mWartosc; }
uint64_t cKartaRFID::GetTrzeciBajt() const { return (mWartosc & 0xFF0000) >> 16; }
uint64_t cKartaRFID::GetOstatnieDwaBajty() const { return mWartosc & 0xFFFF; }
uint64_t cKartaRFID::GetKrotkiNumer() const { return mWartosc & 0xFFFFFF; }

std::string cKartaRFID::GetHex() const { return Format(mWartosc, 10, true); }
std::string cKartaRFID::GetKrotkiNumerHex() const { return Format(GetKrotkiNumer(), 8, true); }
std::string cKartaRFID::GetTrzeciBajtHex() const { return Format(GetTrzeciBajt(), 3, true); }
std::string cKartaRFID::GetOstatnieDwaBajtyHex() const {
  return Format(GetOstatnieDwaBajty(), 5, true);
}
std::string cKartaRFID::GetDec() const { return Format(mWartosc, 14, false); }
std::string cKartaRFID::GetKrotkiNumerDec() const { return Format(GetKrotkiNumer(), 8, false); }
std::string cKartaRFID::GetTrzeciBajtDec() const { return Format(GetTrzeciBajt(), 3, false); }
std::string cKartaRFID::GetOstatnieDwaBajtyDec() const {
  return Format(GetOstatnieDwaBajty(), 5, false);
}

void cKartaRFID::Wyczysc() { mWartosc = 0; }

uint64_t cKartaRFID::MaksymalnaWartosc() const { return kMaksymalnaWartosc; }

}  // namespace olv
