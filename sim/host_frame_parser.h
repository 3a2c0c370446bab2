// Recognises the frames that the PC sends to the devices (scan, activation, and
// the file-list, download, delete and upload-header requests) in a stream of
// arbitrary bytes, one byte at a time. Bytes that fit no frame are skipped and
// counted; a start mark where none belongs begins a new frame. Memory is fixed:
// no frame field can grow past its limit whatever arrives.
//
// Callers must guarantee nothing beyond feeding bytes in the order they arrived.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace olv {

enum class eHostFrame : uint8_t { kScan, kActivation, kFileList, kDownload, kDelete, kUploadHeader };

struct sHostFrame {
  eHostFrame kind = eHostFrame::kScan;
  // Activation: the bus ID addressed (any byte value as received).
  uint8_t address = 0;
  // File requests: the six password bytes as received.
  std::string password;
  // Download, delete, upload: the file name as received (not yet checked).
  std::string name;
  // Upload: the announced file size.
  uint32_t size = 0;
  // The frame's bytes, for the frame log.
  std::string raw;
};

class cHostFrameParser {
 public:
  // The longest upload file name taken; longer ones make the header broken.
  static constexpr size_t kMaxUploadName = 64;

  enum class eResult : uint8_t {
    kNone,
    // A whole frame has arrived: see Frame().
    kFrame,
    // An upload header was recognised by its command but its layout or its sum
    // is wrong: the sender must be asked to repeat it.
    kBrokenUploadHeader,
  };

  eResult Feed(uint8_t byte);
  const sHostFrame& Frame() const { return mFrame; }
  // Bytes skipped since the last call, for the frame log.
  size_t TakeSkipped();
  // Forgets any frame begun.
  void Reset();

 private:
  enum class eState : uint8_t {
    kHunt,
    kAfterStart,
    kSignature,
    kAddress,
    kPassword,
    kZero,
    kCommand,
    kListEnd,
    kRequestName,
    kUploadName,
    kUploadSize,
    kUploadSum,
  };

  void Begin();
  // The frame begun is not one: skip it, and start again at byte when it is a
  // start mark.
  void Resync(uint8_t byte);
  eResult BreakUploadHeader(uint8_t byte);
  eResult Complete(eHostFrame kind);

  eState mState = eState::kHunt;
  sHostFrame mFrame;
  size_t mIndex = 0;
  uint16_t mSum = 0;
  uint16_t mReceivedSum = 0;
  size_t mSkipped = 0;
};

}  // namespace olv
