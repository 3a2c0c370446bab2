#include "comm/wpp_reply_receiver.h"

namespace olv {

namespace {

constexpr cParametryWPP kParametry;

}  // namespace

void cWppReplyReceiver::Zeruj() {
  mPozycja = 0;
  mIndeksLinii = 0;
  mIdUrzadzenia = 0;
  mFlaga = 0;
}

void cWppReplyReceiver::Odbierz(const uint8_t* data, size_t count) {
  if (data == nullptr) return;
  for (size_t i = 0; i < count; ++i) OdbierzBajt(data[i]);
}

void cWppReplyReceiver::OdbierzBajt(uint8_t b) {
  if (mPozycja <= 0) {
    // Between replies only a start mark means anything; noise on the line
    // before a reply must not shift its header.
    if (b != kWppStartMark) return;
    mPozycja = 0;
    mIloscLinii = 0;
    mIndeksLinii = 0;
  } else if (b == kWppStartMark && mPozycja >= kFirstDataPosition) {
    // A new reply inside the data of another: the next byte is its device ID.
    // What the cut reply left in the line buffer belongs to no line.
    mPozycja = 0;
    mIndeksLinii = 0;
  } else if (mPozycja == 1) {
    mIdUrzadzenia = b;
  } else if (mPozycja == 2) {
    mFlaga = b;
  } else if (mPozycja == 3) {
    if (b == static_cast<uint8_t>(mIdUrzadzenia + mFlaga + kWppCheckOffset) && OnHeaderChecked) {
      OnHeaderChecked(mIdUrzadzenia, mFlaga);
    }
  } else if (mFlaga == kParametry.FileListReply) {
    DaneListyPlikow(b);
  } else if (mFlaga == kParametry.DeviceEntryReply) {
    DaneZgloszenia(b);
  }
  if (mPozycja < kFirstDataPosition) ++mPozycja;
}

void cWppReplyReceiver::DaneListyPlikow(uint8_t b) {
  if (mIndeksLinii < mLinia.size()) mLinia[mIndeksLinii++] = b;
  if (b == 0x0A) {
    // The last two bytes held are the CR LF (or, for a cut line, stand in its
    // place).
    const size_t length = mIndeksLinii >= 2 ? mIndeksLinii - 2 : 0;
    mFileListLines.emplace_back(reinterpret_cast<const char*>(mLinia.data()), length);
    mIndeksLinii = 0;
    ++mIloscLinii;
    if (OnFileListLine) OnFileListLine();
  } else if (b == kWppFileListEnd) {
    mIndeksLinii = 0;
    // The reply is over: the next byte is read as a possible start mark.
    mPozycja = -1;
    if (OnFileListEnd) OnFileListEnd();
  }
}

void cWppReplyReceiver::DaneZgloszenia(uint8_t b) {
  if (b != 0x00) {
    if (mIndeksLinii < mLinia.size()) mLinia[mIndeksLinii++] = b;
    return;
  }
  // The answer text without its first character.
  const size_t skip = mIndeksLinii > 0 ? 1 : 0;
  std::string line = std::to_string(mIdUrzadzenia);
  line += ':';
  line.append(reinterpret_cast<const char*>(mLinia.data()) + skip, mIndeksLinii - skip);
  mFoundDeviceLines.push_back(std::move(line));
  mIndeksLinii = 0;
}

}  // namespace olv
