// cCzytnik: one reader of a device (port 0 or port 1): the name shown to the
// user and the mode in which its punches count.
//
// Callers must guarantee: nothing.
#pragma once

#include <cstdint>
#include <string>

namespace olv {

class cCzytnik {
 public:
  static constexpr int8_t kNeutralny = 0;
  static constexpr int8_t kWejscie = 1;
  static constexpr int8_t kWyjscie = 2;

  cCzytnik() = default;
  cCzytnik(std::string nazwa, int8_t tryb) : Nazwa(std::move(nazwa)), Tryb(tryb) {}
  virtual ~cCzytnik() = default;
  cCzytnik(const cCzytnik&) = default;
  cCzytnik& operator=(const cCzytnik&) = default;

  // "wejście" for 1, "wyjście" for 2, "neutralny" for any other mode.
  virtual std::string GetTrybJakoTekst() const;

  bool operator==(const cCzytnik& other) const {
    return Nazwa == other.Nazwa && Tryb == other.Tryb;
  }

  std::string Nazwa;
  // 0 neutral, 1 entry, 2 exit; any other value behaves as neutral.
  int8_t Tryb = kNeutralny;
};

}  // namespace olv
