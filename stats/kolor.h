// cKolor: one colour as red, green and blue bytes, as the statistics compute
// them for cells, text and bars; the window turns it into its toolkit's colour.
//
// Callers must guarantee: nothing.
#pragma once

#include <cstdint>

namespace olv {

struct cKolor {
  uint8_t R = 0;
  uint8_t G = 0;
  uint8_t B = 0;

  bool operator==(const cKolor& other) const = default;
};

// A data cell's own background.
constexpr cKolor kKolorKomorki{232, 241, 255};
constexpr cKolor kKolorTekstu{0, 0, 0};
constexpr cKolor kKolorCzerwony{255, 0, 0};
constexpr cKolor kKolorZielony{0, 128, 0};

}  // namespace olv
