// cWppReplyReceiver: reads the replies of receive mode 0 (scan answers and
// file-list lines) byte by byte. A reply is: the start mark 0xFF, the replying
// device's ID, a flag that is also the reply type (non-zero = password
// accepted), a header check (ID + flag + 0x37), then data. File-list data are
// lines ended by CR LF and the end mark 0x15; a scan answer is a text ended by
// 0x00. A 0xFF inside the data starts a new reply at once, so back-to-back scan
// answers of several devices are all read. Lines longer than 240 bytes are cut
// to their first 240 bytes, of which the last two count as the line end.
//
// Any byte sequence is safe: state is bounded, nothing is allocated per byte
// (only per completed line). Lines are kept as the bytes arrived (CP1250).
//
// Callers must guarantee: one thread; the handlers do not destroy the receiver.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "comm/wpp_protocol.h"

namespace olv {

class cWppReplyReceiver {
 public:
  // A reply header whose check matched.
  std::function<void(uint32_t device_id, uint8_t flag)> OnHeaderChecked;
  // A file-list line has been added to FileListLines().
  std::function<void()> OnFileListLine;
  // The file list's end mark has arrived.
  std::function<void()> OnFileListEnd;

  // Forgets the reply being read (frame position, line, reply header).
  void Zeruj();
  void Odbierz(const uint8_t* data, size_t count);

  std::vector<std::string>& FileListLines() { return mFileListLines; }
  const std::vector<std::string>& FileListLines() const { return mFileListLines; }
  // One line per scan answer: the decimal ID, ":" and the answer text.
  std::vector<std::string>& FoundDeviceLines() { return mFoundDeviceLines; }

  int FramePosition() const { return mPozycja; }
  // Lines received since the last reply start at frame position 0.
  size_t LineCount() const { return mIloscLinii; }

 private:
  void OdbierzBajt(uint8_t b);
  void DaneListyPlikow(uint8_t b);
  void DaneZgloszenia(uint8_t b);

  // Frame positions 1 to 3 are the header; every later position is data, so
  // the position stops growing at 4 and a reply that never ends cannot
  // overflow it.
  static constexpr int kFirstDataPosition = 4;

  int mPozycja = 0;
  uint32_t mIdUrzadzenia = 0;
  uint8_t mFlaga = 0;
  std::array<uint8_t, kWppLineBufferSize> mLinia{};
  size_t mIndeksLinii = 0;
  size_t mIloscLinii = 0;
  std::vector<std::string> mFileListLines;
  std::vector<std::string> mFoundDeviceLines;
};

}  // namespace olv
