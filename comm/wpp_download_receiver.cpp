#include "comm/wpp_download_receiver.h"

#include <utility>

namespace olv {

void cWppDownloadReceiver::Start(std::optional<uint32_t> rozmiar) {
  mFaza = 0;
  mPozycja = 0;
  mOczekiwanyRozmiar = rozmiar;
  mNaglowekOdrzucony = false;
  mNastepnyNumer = 0;
  mCosPrzyjeto = false;
  mRozmiarPliku = 0;
  mIloscBledow = 0;
  mBladRamki = false;
  mSumaObliczona = 0;
  mDane.clear();
}

void cWppDownloadReceiver::ZerujPozycje() {
  mPozycja = 0;
  mBladRamki = false;
  mSumaObliczona = 0;
}

std::string cWppDownloadReceiver::TakeData() {
  std::string data = std::move(mDane);
  mDane.clear();
  return data;
}

uint32_t cWppDownloadReceiver::BytesToFrameEnd() const {
  if (mFaza == 0) return mPozycja < kHeaderLength ? kHeaderLength - mPozycja : 0;
  if (mPozycja == 0) return 0;
  const uint32_t frame_length = (mPozycja < 3 ? kFrameSizeLimit : mRozmiarRamki) + 6;
  return frame_length > mPozycja ? frame_length - mPozycja : 0;
}

void cWppDownloadReceiver::Odbierz(const uint8_t* data, size_t count) {
  if (data == nullptr || mNaglowekOdrzucony) return;
  for (size_t i = 0; i < count && !mNaglowekOdrzucony; ++i) {
    if (mFaza == 0) {
      BajtNaglowka(data[i]);
    } else {
      BajtRamki(data[i]);
    }
  }
}

void cWppDownloadReceiver::BajtNaglowka(uint8_t b) {
  if (mPozycja >= kHeaderLength) return;  // a header whose check failed
  mNaglowek[mPozycja++] = b;
  if (mPozycja < kHeaderLength) return;
  uint8_t check = kWppCheckOffset;
  for (uint32_t i = 1; i < kHeaderLength - 1; ++i) check = static_cast<uint8_t>(check + mNaglowek[i]);
  if (check != mNaglowek[7]) return;
  const uint32_t rozmiar = uint32_t{mNaglowek[1]} | uint32_t{mNaglowek[2]} << 8 |
                           uint32_t{mNaglowek[3]} << 16 | uint32_t{mNaglowek[4]} << 24;
  if (mOczekiwanyRozmiar && rozmiar != *mOczekiwanyRozmiar) {
    // An 8-bit check lets some damaged headers through; a wrong size would
    // store a wrong file as complete.
    mNaglowekOdrzucony = true;
    Status("rozmiar pliku = " + std::to_string(rozmiar) + " zamiast " +
           std::to_string(*mOczekiwanyRozmiar));
    return;
  }
  mRozmiarPliku = rozmiar;
  mFaza = 1;
  mPozycja = 0;
  mIloscBledow = 0;
  mSumaObliczona = 0;
  Status("Ilosc bledow = 0");
  Status("rozmiar pliku = " + std::to_string(mRozmiarPliku));
  Status(mNaglowek[6] != 0 ? "haslo prawidlowe" : "haslo błędne");
  if (OnHeader) OnHeader();
}

void cWppDownloadReceiver::BajtRamki(uint8_t b) {
  const uint32_t p = mPozycja++;
  if (p == 0) {
    mNumerRamki = b;
    mSumaObliczona = b;
    mBladRamki = false;
    Status("numer ramki = " + std::to_string(b));
  } else if (p == 1) {
    mRozmiarRamki = b;
    mSumaObliczona = static_cast<uint16_t>(mSumaObliczona + b);
  } else if (p == 2) {
    mRozmiarRamki |= uint32_t{b} << 8;
    mSumaObliczona = static_cast<uint16_t>(mSumaObliczona + b);
    Status("Rozmiar ramki = " + std::to_string(mRozmiarRamki));
  } else if (p == 3) {
    const bool header_ok = static_cast<uint8_t>(mSumaObliczona) == b;
    if (!header_ok || mRozmiarRamki > kFrameSizeLimit) {
      // The size cannot be trusted: read at most a whole frame's worth and
      // refuse it, so the device sends it again.
      if (mRozmiarRamki > kFrameSizeLimit) mRozmiarRamki = kFrameSizeLimit;
      mBladRamki = true;
      ++mIloscBledow;
      Status("Ilosc bledow = " + std::to_string(mIloscBledow));
    }
    mSumaObliczona = 0;
  } else if (p < mRozmiarRamki + 4) {
    mRamka[p - 4] = b;
    mSumaObliczona = static_cast<uint16_t>(mSumaObliczona + b);
  } else if (p == mRozmiarRamki + 4) {
    mSumaOdebrana = b;
  } else {
    mSumaOdebrana = static_cast<uint16_t>(mSumaOdebrana | b << 8);
    mPozycja = 0;
    const bool cala = !mBladRamki && mSumaOdebrana == mSumaObliczona;
    eKoniecRamki koniec = eKoniecRamki::kOdrzucona;
    if (cala && mRozmiarRamki > 0 && mNumerRamki == mNastepnyNumer) {
      mDane.append(reinterpret_cast<const char*>(mRamka.data()), mRozmiarRamki);
      ++mNastepnyNumer;
      mCosPrzyjeto = true;
      koniec = eKoniecRamki::kPrzyjeta;
    } else if (cala && mCosPrzyjeto && mNumerRamki == static_cast<uint8_t>(mNastepnyNumer - 1)) {
      Status("ramka " + std::to_string(mNumerRamki) + " powtórzona");
      koniec = eKoniecRamki::kPowtorzona;
    } else if (cala) {
      // Whole, yet not the frame due: a frame number the device could not
      // have meant, or a frame that carries nothing.
      ++mIloscBledow;
      Status("Ilosc bledow = " + std::to_string(mIloscBledow));
    }
    if (OnFrameEnd) OnFrameEnd(koniec);
  }
}

}  // namespace olv
