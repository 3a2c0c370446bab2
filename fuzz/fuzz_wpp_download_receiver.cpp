// Feeds arbitrary bytes to the receiver of downloaded files, in chunks whose
// sizes the input chooses, with the silences (position resets) the engine
// makes between frames.
#include <cstddef>
#include <cstdint>

#include "comm/wpp_download_receiver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  olv::cWppDownloadReceiver receiver;
  receiver.Start();
  uint32_t accepted_frames = 0;
  receiver.OnFrameEnd = [&](olv::cWppDownloadReceiver::eKoniecRamki koniec) {
    accepted_frames += koniec == olv::cWppDownloadReceiver::eKoniecRamki::kPrzyjeta ? 1 : 0;
  };
  size_t at = 0;
  while (at < size) {
    const uint8_t control = data[at++];
    const size_t chunk = 1 + control % 128;
    const size_t n = chunk < size - at ? chunk : size - at;
    receiver.Odbierz(data + at, n);
    at += n;
    if (control & 0x80) receiver.ZerujPozycje();
  }
  if (receiver.BytesDone() > accepted_frames * olv::cWppDownloadReceiver::kFrameSizeLimit) {
    __builtin_trap();
  }
  return 0;
}
