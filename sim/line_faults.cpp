#include "sim/line_faults.h"

namespace olv {

std::string cLineFaults::Pass(std::string_view bytes) {
  if (IsClean()) return std::string(bytes);
  std::uniform_real_distribution<double> chance(0.0, 1.0);
  std::uniform_int_distribution<int> change(1, 255);
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    if (mRates.drop > 0 && chance(mRandom) < mRates.drop) {
      ++mDropped;
      continue;
    }
    if (mRates.garble > 0 && chance(mRandom) < mRates.garble) {
      ++mGarbled;
      // XOR with a non-zero value always gives a different byte.
      c = static_cast<char>(static_cast<uint8_t>(c) ^ change(mRandom));
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace olv
