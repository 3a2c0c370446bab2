// Reads the data frames of a file the PC uploads to a device: frame number,
// payload size (two bytes, low first), header check, payload, and the payload's
// 16-bit sum (low first). A frame whose header check fails or that announces
// more than 512 payload bytes is reported at once, since its length cannot be
// trusted; the payload buffer is fixed and never written past.
//
// Callers must guarantee nothing: after any result the next byte is read as the
// first of a new frame; Reset() forgets a frame begun.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/wire_format.h"

namespace olv {

class cUploadFrameParser {
 public:
  enum class eResult : uint8_t { kNone, kFrame, kBrokenHeader, kBadSum };

  eResult Feed(uint8_t byte);
  void Reset();

  // Valid after kFrame.
  uint8_t Number() const { return mNumber; }
  std::string_view Payload() const {
    return std::string_view(reinterpret_cast<const char*>(mPayload.data()), mSize);
  }

 private:
  std::array<uint8_t, wire::kMaxFramePayload> mPayload{};
  size_t mPosition = 0;
  size_t mSize = 0;
  uint8_t mNumber = 0;
  uint8_t mSizeLow = 0;
  uint16_t mSum = 0;
  uint16_t mReceivedSum = 0;
};

}  // namespace olv
