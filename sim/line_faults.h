// Damage done by a simulated serial line to the bytes crossing it in one
// direction: each byte is lost with one probability and changed (to a
// different value) with another. The random source is seeded, so a test or a
// demo replays the same damage.
//
// Callers must guarantee: rates between 0 and 1.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace olv {

struct sLineFaultRates {
  double drop = 0;
  double garble = 0;
};

class cLineFaults {
 public:
  explicit cLineFaults(uint32_t seed = 1) : mRandom(seed) {}

  void Seed(uint32_t seed) { mRandom.seed(seed); }
  void SetRates(sLineFaultRates rates) { mRates = rates; }
  bool IsClean() const { return mRates.drop <= 0 && mRates.garble <= 0; }

  // The bytes as they come out of the line.
  std::string Pass(std::string_view bytes);
  uint64_t Dropped() const { return mDropped; }
  uint64_t Garbled() const { return mGarbled; }

 private:
  std::mt19937 mRandom;
  sLineFaultRates mRates;
  uint64_t mDropped = 0;
  uint64_t mGarbled = 0;
};

}  // namespace olv
