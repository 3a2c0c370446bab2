// Lets bytes out no faster than a serial line would carry them (10 bits a
// byte), so a client of the simulator sees the timing of a real 115 200-baud
// bus. With a rate of 0 every byte goes out at once.
//
// Callers must guarantee: the clock outlives the pacer; one thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/clock.h"

namespace olv {

class cLinePacer {
 public:
  using OutputFunction = std::function<void(std::string_view)>;

  cLinePacer(cClock& clock, uint32_t bytes_per_second, OutputFunction output);

  void Push(std::string_view bytes);
  // Forgets what is still waiting (the listener has gone).
  void Clear();
  size_t Waiting() const { return mQueue.size() - mHead; }

 private:
  void Drain();

  cClock& mClock;
  uint32_t mBytesPerSecond;
  OutputFunction mOutput;
  std::string mQueue;
  size_t mHead = 0;
  uint32_t mStartTick = 0;
  uint64_t mSentSinceStart = 0;
  std::unique_ptr<cTimer> mTimer;
};

}  // namespace olv
