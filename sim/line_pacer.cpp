#include "sim/line_pacer.h"

namespace olv {

cLinePacer::cLinePacer(cClock& clock, uint32_t bytes_per_second, OutputFunction output)
    : mClock(clock), mBytesPerSecond(bytes_per_second), mOutput(std::move(output)) {
  mTimer = mClock.CreateTimer(1, [this] { Drain(); });
}

void cLinePacer::Push(std::string_view bytes) {
  if (bytes.empty()) return;
  if (mBytesPerSecond == 0) {
    mOutput(bytes);
    return;
  }
  if (Waiting() == 0) {
    // The line was idle: time starts again from now.
    mQueue.clear();
    mHead = 0;
    mStartTick = mClock.GetTickCount();
    mSentSinceStart = 0;
  }
  mQueue.append(bytes);
  Drain();
}

void cLinePacer::Clear() {
  mQueue.clear();
  mHead = 0;
  mTimer->Stop();
}

void cLinePacer::Drain() {
  const uint64_t elapsed_ms = mClock.GetTickCount() - mStartTick;
  // The first byte may leave at once; each later one when its time has come.
  const uint64_t allowed = 1 + elapsed_ms * mBytesPerSecond / 1000;
  if (allowed > mSentSinceStart) {
    const size_t count = static_cast<size_t>(
        std::min<uint64_t>(allowed - mSentSinceStart, Waiting()));
    const std::string_view out(mQueue.data() + mHead, count);
    mHead += count;
    mSentSinceStart += count;
    mOutput(out);
  }
  if (Waiting() == 0) {
    mQueue.clear();
    mHead = 0;
    mTimer->Stop();
  } else if (!mTimer->IsActive()) {
    mTimer->Start();
  }
}

}  // namespace olv
