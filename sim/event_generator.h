// Makes the simulated devices see people at their doors: at every interval
// one device, chosen at random, records an event for one of its users (or for
// nobody recognised, "0000", when it has none) at a random reader, by PIN when
// the user has one and chance says so. The random source is seeded, so a demo
// replays the same visits.
//
// Callers must guarantee: the clock and the bus outlive the generator.
#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include "common/clock.h"
#include "sim/sim_bus.h"

namespace olv {

class cEventGenerator {
 public:
  cEventGenerator(cClock& clock, cSimBus& bus, uint32_t interval_ms, uint32_t seed);

  // One event now.
  void Visit();

 private:
  cSimBus& mBus;
  std::mt19937 mRandom;
  std::unique_ptr<cTimer> mTimer;
};

}  // namespace olv
