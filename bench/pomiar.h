// The timing of the benchmarks that repeat a run: the best and the median of
// its times in milliseconds, of wall time or of this process's processor time.
//
// Callers must guarantee: runs is at least 1.
#pragma once

#include <time.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace olv {

struct cFigures {
  double best = 0;
  double median = 0;
};

// Milliseconds of wall time, or of this process's processor time: a ratio of
// two runs on a machine shared with other work is only fair in the latter.
inline double NowMs(bool processor_time) {
  if (!processor_time) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
  }
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

inline cFigures Measure(int runs, const std::function<void()>& run, bool processor_time = false) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const double start = NowMs(processor_time);
    run();
    ms.push_back(NowMs(processor_time) - start);
  }
  std::sort(ms.begin(), ms.end());
  return {ms.front(), ms[ms.size() / 2]};
}

}  // namespace olv
