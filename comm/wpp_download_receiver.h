// cWppDownloadReceiver: reads a file the active device sends (receive mode 1):
// a file header (start mark, 32-bit size, device ID, password flag, check =
// their sum + 0x37), then data frames (frame number, 16-bit payload size, a
// header check = their 8-bit sum, at most 512 payload bytes, 16-bit payload
// sum). The receiver collects the file and, after each frame, says whether the
// frame is to be acknowledged; the engine sends the acknowledgement and asks
// for a refused frame again after a silence.
//
// A frame's payload is kept only when both its header check and its payload
// sum agree, so that a refused frame sent again is never kept twice. A frame
// announcing more than 512 payload bytes is refused, and nothing is ever
// written past the frame buffer.
//
// Callers must guarantee: one thread; the handlers do not destroy the receiver.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "comm/wpp_protocol.h"

namespace olv {

class cWppDownloadReceiver {
 public:
  static constexpr uint32_t kFrameSizeLimit = 512;

  // Progress and diagnostic texts ("numer ramki = 3", "Ilosc bledow = 1", ...).
  std::function<void(const std::string&)> OnStatus;
  // The file header has been read and checked; the size is FileSize().
  std::function<void()> OnHeader;
  // A data frame has ended; accepted: its payload was kept and it is to be
  // acknowledged.
  std::function<void(bool accepted)> OnFrameEnd;

  // Starts a new file: no data, header expected.
  void Start();
  // Back to the start of the current header or frame (after a silence the
  // device sends it again from its start).
  void ZerujPozycje();
  // Back to expecting a file header; the data kept so far stay.
  void ZerujFaze() {
    ZerujPozycje();
    mFaza = 0;
  }
  void Odbierz(const uint8_t* data, size_t count);

  bool HeaderDone() const { return mFaza == 1; }
  // Bytes still to come before the header or frame under way is whole (the
  // largest frame while its size is not known yet); 0 between frames.
  uint32_t BytesToFrameEnd() const;
  uint32_t FileSize() const { return mRozmiarPliku; }
  // Payload bytes kept so far.
  uint32_t BytesDone() const { return static_cast<uint32_t>(mDane.size()); }
  uint16_t ErrorCount() const { return mIloscBledow; }
  const std::string& Data() const { return mDane; }
  std::string TakeData();

 private:
  void BajtNaglowka(uint8_t b);
  void BajtRamki(uint8_t b);
  void Status(const std::string& text) const {
    if (OnStatus) OnStatus(text);
  }

  // Header positions past the check have no meaning; the position stops there.
  static constexpr uint32_t kHeaderLength = 8;

  uint8_t mFaza = 0;
  uint32_t mPozycja = 0;
  std::array<uint8_t, kHeaderLength> mNaglowek{};
  uint32_t mRozmiarPliku = 0;
  uint16_t mIloscBledow = 0;
  // The frame being read.
  uint8_t mNumerRamki = 0;
  uint32_t mRozmiarRamki = 0;
  bool mBladRamki = false;
  uint16_t mSumaObliczona = 0;
  uint16_t mSumaOdebrana = 0;
  std::array<uint8_t, kWppFrameBufferSize> mRamka{};
  std::string mDane;
};

}  // namespace olv
