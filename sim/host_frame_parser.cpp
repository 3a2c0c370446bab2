#include "sim/host_frame_parser.h"

#include "sim/wire_format.h"

namespace olv {

size_t cHostFrameParser::TakeSkipped() {
  const size_t skipped = mSkipped;
  mSkipped = 0;
  return skipped;
}

void cHostFrameParser::Reset() {
  if (mState != eState::kHunt) mSkipped += mFrame.raw.size();
  mState = eState::kHunt;
  mFrame = sHostFrame{};
}

void cHostFrameParser::Begin() {
  mFrame = sHostFrame{};
  mFrame.raw.push_back(static_cast<char>(wire::kStartMark));
  mSum = wire::kStartMark;
  mReceivedSum = 0;
  mState = eState::kAfterStart;
}

void cHostFrameParser::Resync(uint8_t byte) {
  Reset();
  if (byte == wire::kStartMark) {
    Begin();
  } else {
    ++mSkipped;
  }
}

cHostFrameParser::eResult cHostFrameParser::BreakUploadHeader(uint8_t byte) {
  Resync(byte);
  return eResult::kBrokenUploadHeader;
}

cHostFrameParser::eResult cHostFrameParser::Complete(eHostFrame kind) {
  mFrame.kind = kind;
  mState = eState::kHunt;
  return eResult::kFrame;
}

cHostFrameParser::eResult cHostFrameParser::Feed(uint8_t byte) {
  if (mState == eState::kHunt) {
    if (byte == wire::kStartMark) {
      Begin();
    } else {
      ++mSkipped;
    }
    return eResult::kNone;
  }
  // Bytes are kept until the frame is known; the longest frame is an upload
  // header, whose parts are each bounded below.
  mFrame.raw.push_back(static_cast<char>(byte));
  const uint16_t sum_before = mSum;
  mSum = static_cast<uint16_t>(mSum + byte);
  switch (mState) {
    case eState::kHunt:
      break;
    case eState::kAfterStart:
      if (byte == wire::kActivationSignature[0]) {
        mIndex = 1;
        mState = eState::kSignature;
      } else if (byte == wire::kStartMark) {
        mFrame.raw.pop_back();
        Resync(byte);
      } else {
        mFrame.password.push_back(static_cast<char>(byte));
        mState = eState::kPassword;
      }
      break;
    case eState::kSignature:
      if (byte != wire::kActivationSignature[mIndex]) {
        mFrame.raw.pop_back();
        Resync(byte);
      } else if (++mIndex == wire::kActivationSignature.size()) {
        mState = eState::kAddress;
      }
      break;
    case eState::kAddress:
      mFrame.address = byte;
      return Complete(byte == wire::kAllDevices ? eHostFrame::kScan : eHostFrame::kActivation);
    case eState::kPassword:
      if (byte == wire::kStartMark) {
        mFrame.raw.pop_back();
        Resync(byte);
        break;
      }
      mFrame.password.push_back(static_cast<char>(byte));
      if (mFrame.password.size() == wire::kPassword.size()) mState = eState::kZero;
      break;
    case eState::kZero:
      if (byte != 0) {
        mFrame.raw.pop_back();
        Resync(byte);
      } else {
        mState = eState::kCommand;
      }
      break;
    case eState::kCommand:
      if (byte == wire::kFileListCommand) {
        mState = eState::kListEnd;
      } else if (byte == wire::kDownloadCommand || byte == wire::kDeleteCommand) {
        mFrame.kind = byte == wire::kDownloadCommand ? eHostFrame::kDownload : eHostFrame::kDelete;
        mState = eState::kRequestName;
      } else if (byte == wire::kUploadCommand) {
        mState = eState::kUploadName;
      } else {
        mFrame.raw.pop_back();
        Resync(byte);
      }
      break;
    case eState::kListEnd:
      if (byte == wire::kRequestEnd) return Complete(eHostFrame::kFileList);
      mFrame.raw.pop_back();
      Resync(byte);
      break;
    case eState::kRequestName:
      if (byte == wire::kRequestEnd) return Complete(mFrame.kind);
      if (byte == wire::kStartMark || mFrame.name.size() == wire::kMaxRequestName) {
        mFrame.raw.pop_back();
        Resync(byte);
        break;
      }
      mFrame.name.push_back(static_cast<char>(byte));
      break;
    case eState::kUploadName:
      if (byte == 0) {
        mIndex = 0;
        mState = eState::kUploadSize;
        break;
      }
      if (byte == wire::kStartMark || mFrame.name.size() == kMaxUploadName) {
        mFrame.raw.pop_back();
        return BreakUploadHeader(byte);
      }
      mFrame.name.push_back(static_cast<char>(byte));
      break;
    case eState::kUploadSize:
      mFrame.size |= static_cast<uint32_t>(byte) << (8 * mIndex);
      if (++mIndex == 4) {
        mIndex = 0;
        mState = eState::kUploadSum;
      }
      break;
    case eState::kUploadSum:
      // The sum covers the bytes before it, so the sum bytes take no part.
      mSum = sum_before;
      mReceivedSum = static_cast<uint16_t>(mReceivedSum | (byte << (8 * mIndex)));
      if (++mIndex < 2) break;
      if (mReceivedSum != mSum) {
        Reset();
        return eResult::kBrokenUploadHeader;
      }
      mFrame.kind = eHostFrame::kUploadHeader;
      return Complete(eHostFrame::kUploadHeader);
  }
  return eResult::kNone;
}

}  // namespace olv
