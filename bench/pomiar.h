// The timing of the benchmarks that repeat a run: the best and the median of
// its wall-clock times in milliseconds.
//
// Callers must guarantee: runs is at least 1.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace olv {

struct cFigures {
  double best = 0;
  double median = 0;
};

inline cFigures Measure(int runs, const std::function<void()>& run) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return {ms.front(), ms[ms.size() / 2]};
}

}  // namespace olv
