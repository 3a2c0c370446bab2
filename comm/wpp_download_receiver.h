// cWppDownloadReceiver: reads a file the active device sends (receive mode 1):
// a file header (start mark, 32-bit size, device ID, password flag, check =
// their sum + 0x37), then data frames (frame number, 16-bit payload size, a
// header check = their 8-bit sum, at most 512 payload bytes, 16-bit payload
// sum). The receiver collects the file and, after each frame, says whether the
// frame is to be acknowledged; the engine sends the acknowledgement and asks
// for a refused frame again after a silence.
//
// A frame's payload is kept only when both its header check and its payload
// sum agree and it carries the next frame number, so that no frame is ever
// kept twice: the frame just kept, sent again because its acknowledgement was
// lost, is acknowledged again and not kept; any other number, a frame without
// payload and a frame announcing more than 512 payload bytes are refused like
// a damaged frame. Nothing is ever written past the frame buffer.
//
// When the caller knows the file's size (from the device's file list), a
// header announcing another size is refused: the download must be asked for
// again.
//
// Callers must guarantee: one thread; the handlers do not destroy the receiver.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
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
  enum class eKoniecRamki : uint8_t {
    // Its payload was kept; it is to be acknowledged.
    kPrzyjeta,
    // The frame kept last, once more: acknowledged again, not kept.
    kPowtorzona,
    // Damaged or out of order: refused by silence.
    kOdrzucona,
  };
  // A data frame has ended.
  std::function<void(eKoniecRamki)> OnFrameEnd;

  // Starts a new file: no data, header expected. rozmiar: the size the file
  // must have, when known.
  void Start(std::optional<uint32_t> rozmiar = std::nullopt);
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
  // A header whose check agreed announced a size other than the one given to
  // Start; nothing more is read until Start.
  bool HeaderRefused() const { return mNaglowekOdrzucony; }
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
  std::optional<uint32_t> mOczekiwanyRozmiar;
  bool mNaglowekOdrzucony = false;
  // The number the next frame must carry, and whether any frame was kept.
  uint8_t mNastepnyNumer = 0;
  bool mCosPrzyjeto = false;
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
