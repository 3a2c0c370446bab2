// eTrybZliczania: how a day's punches count as work. Entry/exit mode cleans the
// day up (neutral punches out, runs of one direction collapsed, a leading exit
// and a trailing entry dropped) and subtracts the breaks; activity mode counts
// from the earliest to the latest punch of any direction.
//
// Callers must guarantee: nothing.
#pragma once

#include <cstdint>

namespace olv {

// The values are those the statistics window keeps for its two combo items.
enum class eTrybZliczania : uint8_t {
  WejscieWyjscie = 0,
  Aktywnosc = 2,
};

}  // namespace olv
