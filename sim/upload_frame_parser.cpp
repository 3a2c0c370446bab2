#include "sim/upload_frame_parser.h"

namespace olv {

void cUploadFrameParser::Reset() {
  mPosition = 0;
  mSize = 0;
  mSum = 0;
  mReceivedSum = 0;
}

cUploadFrameParser::eResult cUploadFrameParser::Feed(uint8_t byte) {
  const size_t position = mPosition++;
  if (position == 0) {
    Reset();
    mPosition = 1;
    mNumber = byte;
    return eResult::kNone;
  }
  if (position == 1) {
    mSizeLow = byte;
    return eResult::kNone;
  }
  if (position == 2) {
    mSize = mSizeLow | (static_cast<size_t>(byte) << 8);
    return eResult::kNone;
  }
  if (position == 3) {
    const uint8_t check =
        static_cast<uint8_t>(mNumber + mSizeLow + (mSize >> 8) + wire::kCheckOffset);
    if (byte != check || mSize > wire::kMaxFramePayload) {
      Reset();
      return eResult::kBrokenHeader;
    }
    return eResult::kNone;
  }
  const size_t payload_index = position - 4;
  if (payload_index < mSize) {
    mPayload[payload_index] = byte;
    mSum = static_cast<uint16_t>(mSum + byte);
    return eResult::kNone;
  }
  if (payload_index == mSize) {
    mReceivedSum = byte;
    return eResult::kNone;
  }
  mReceivedSum = static_cast<uint16_t>(mReceivedSum | (byte << 8));
  mPosition = 0;
  return mReceivedSum == mSum ? eResult::kFrame : eResult::kBadSum;
}

}  // namespace olv
