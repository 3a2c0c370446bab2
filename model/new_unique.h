// The Unique of a new user or device record: the clock's tick counter, which
// never repeats within a run unless records are made faster than it ticks. A
// value already taken (or 0, which means "none") is replaced by the counter
// read again after a 100 ms wait, so two records made in one tick still differ.
//
// Callers must guarantee: taken() answers for the list the record joins and
// does not call back into the clock.
#pragma once

#include <cstdint>
#include <functional>

#include "common/clock.h"

namespace olv {

int32_t NowyUnique(cClock& clock, const std::function<bool(int32_t unique)>& taken);

}  // namespace olv
