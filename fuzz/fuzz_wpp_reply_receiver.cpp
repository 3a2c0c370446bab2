// Feeds arbitrary bytes to the receiver of scan answers and file lists, in
// chunks whose sizes the input chooses, as the poll cycle would.
#include <cstddef>
#include <cstdint>

#include "comm/wpp_reply_receiver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  olv::cWppReplyReceiver receiver;
  size_t lines = 0;
  receiver.OnFileListLine = [&] { ++lines; };
  size_t at = 0;
  while (at < size) {
    const size_t chunk = 1 + data[at] % 64;
    const size_t n = chunk < size - at ? chunk : size - at;
    receiver.Odbierz(data + at, n);
    at += n;
    if (receiver.FramePosition() < 0 || receiver.FramePosition() > 4) __builtin_trap();
  }
  for (const auto& line : receiver.FileListLines()) {
    if (line.size() > 238) __builtin_trap();
  }
  if (lines != receiver.FileListLines().size()) __builtin_trap();
  return 0;
}
