// The file transfer of cWPP: download, upload and delete on the active device.
#include <algorithm>
#include <utility>

#include "comm/wpp.h"
#include "common/cp1250.h"
#include "common/files.h"

namespace olv {

namespace {

// Poll cycles without a received byte after which a download frame is asked
// for again (about one second).
constexpr int kSilenceCycles = 20;

void AppendPasswordAndCommand(std::vector<uint8_t>& frame, uint32_t command) {
  frame.push_back(kWppStartMark);
  frame.insert(frame.end(), kWppPassword.begin(), kWppPassword.end());
  frame.push_back(0x00);
  frame.push_back(static_cast<uint8_t>(command));
}

}  // namespace

std::optional<std::string> cWPP::NameField(const std::string& device_file_name) {
  const size_t dot = device_file_name.find('.');
  if (dot == std::string::npos || dot == 0 || dot > 8 || dot + 1 >= device_file_name.size()) {
    return std::nullopt;
  }
  std::string field = device_file_name.substr(0, dot + 4);
  for (const char c : field) {
    const auto b = static_cast<uint8_t>(c);
    if (b < 0x20 || b == kWppStartMark) return std::nullopt;
  }
  return field;
}

uint32_t cWPP::BajtyPrzeslane() const {
  return mTrybWysylania != 0 ? mWyslano : mPobieranie.BytesDone();
}

uint16_t cWPP::IloscBledow() const {
  return mTrybWysylania != 0 ? mIloscBledowUploadu : mPobieranie.ErrorCount();
}

void cWPP::WyslijBajt(uint32_t value) {
  const auto byte = static_cast<uint8_t>(value);
  WyslijDane(&byte, 1);
}

bool cWPP::SciagnijPlik(const std::string& device_file_name, const std::string& target,
                        std::optional<uint32_t> rozmiar) {
  Log("WPP: SciagnijPlik");
  if (!mPort->IsOpen()) {
    Log("WPP: SciagnijPlik: port zamknięty");
    return false;
  }
  const auto field = NameField(device_file_name);
  if (!field) {
    Log("WPP: SciagnijPlik: niepoprawna nazwa pliku \"" + Cp1250ToUtf8(device_file_name) + "\"");
    return false;
  }
  mNazwaDocelowa = target;
  mResetPending = true;
  mTrybOdbioru = kOdbiorPliku;
  mPobieranie.Start(rozmiar);
  mPobranyPlik.clear();
  std::vector<uint8_t> frame;
  AppendPasswordAndCommand(frame, mParametry.DownloadCommand);
  frame.insert(frame.end(), field->begin(), field->end());
  frame.push_back(0x0D);
  WyslijDane(frame.data(), static_cast<uint32_t>(frame.size()));
  mNazwaPlikuWUrzadzeniu = device_file_name;
  Status("Rozpoczęto sciąganie pliku.");
  mLicznikCiszy = 0;
  mTrybTransferuPliku = true;
  return true;
}

void cWPP::PobieraniePliku(uint32_t count) {
  Status("RS: " + std::to_string(count));
  mLicznikCiszy = 0;
  mPobieranie.Odbierz(mBuforOdbioru.data(), count);
  if (mTrybTransferuPliku && mPobieranie.HeaderRefused()) {
    PorzucPobieranie("nagłówek podaje inny rozmiar niż lista plików");
    return;
  }
  CzekajNaRamke();
}

void cWPP::CzekajNaRamke() {
  uint32_t bytes = mPobieranie.BytesToFrameEnd();
  if (bytes == 0 && mPobieranie.HeaderDone() &&
      mPobieranie.BytesDone() < mPobieranie.FileSize()) {
    bytes = std::min(mPobieranie.FileSize() - mPobieranie.BytesDone(),
                     cWppDownloadReceiver::kFrameSizeLimit) + 6;
  }
  const uint32_t baud = mPort->LineSettings().BaudRate;
  if (!mTrybTransferuPliku || bytes == 0 || baud == 0) {
    mTimerRamki->Stop();
    return;
  }
  // Ten bit times a byte, rounded up, and a millisecond for the device to turn.
  const uint64_t ms = (uint64_t{bytes} * 10 * 1000 + baud - 1) / baud + 1;
  mTimerRamki->SetInterval(static_cast<uint32_t>(ms));
  mTimerRamki->Start();
}

void cWPP::TimerRamkiTimer() {
  mTimerRamki->Stop();
  ZerujJesliTrzeba();
  PrzyjmijDane();
  SprawdzKoniecPobierania();
}

void cWPP::StrazCiszy() {
  if (!mTrybTransferuPliku) {
    mPobieranie.ZerujFaze();
    return;
  }
  if (++mLicznikCiszy <= kSilenceCycles) return;
  // Whatever frame was under way is lost or refused: ask for it again and
  // read it from its start.
  WyslijBajt(mParametry.RepeatRequest);
  mLicznikCiszy = 0;
  mPobieranie.ZerujPozycje();
}

void cWPP::SprawdzKoniecPobierania() {
  if (!mTrybTransferuPliku || !mPobieranie.HeaderDone()) return;
  if (mPobieranie.BytesDone() == mPobieranie.FileSize()) {
    KoniecPobieraniaPliku();
  } else if (mPobieranie.BytesDone() > mPobieranie.FileSize()) {
    PorzucPobieranie("urządzenie przysłało " + std::to_string(mPobieranie.BytesDone()) +
                     " bajtów zamiast " + std::to_string(mPobieranie.FileSize()));
  }
}

void cWPP::PorzucPobieranie(const std::string& powod) {
  Log("WPP: PobieraniePliku: " + powod + ", plik odrzucony");
  mTrybTransferuPliku = false;
  mTimerRamki->Stop();
  mPobieranie.Start();
  mTimerPorzuceniaPobierania->Start();
}

void cWPP::KoniecPobieraniaPliku() {
  mTrybTransferuPliku = false;
  mTimerRamki->Stop();
  mPobranyPlik = mPobieranie.TakeData();
  mPobieranie.Start();
  Status("Transmisja pliku zostala zakonczona");
  mTimerOdbioruPliku->Start();
}

void cWPP::TimerOdbiorPlikuTimer() {
  Log("WPP: TimerOdbiorPlikuTimer");
  mTimerOdbioruPliku->Stop();
  const std::string data = std::move(mPobranyPlik);
  mPobranyPlik.clear();
  if (OnFileReceived) OnFileReceived(mNazwaDocelowa, data);
}

void cWPP::TimerPorzuceniaPobieraniaTimer() {
  Log("WPP: TimerPorzuceniaPobieraniaTimer");
  mTimerPorzuceniaPobierania->Stop();
  if (OnDownloadAbandoned) OnDownloadAbandoned();
}

bool cWPP::WyslijPlik(const std::string& path) {
  Log("WPP: WyslijPlik");
  if (!mPort->IsOpen()) {
    Log("WPP: WyslijPlik: port zamknięty");
    return false;
  }
  auto contents = ReadWholeFile(path);
  const auto name = Utf8ToCp1250(FileNameOf(path));
  if (!contents || !name || name->empty() || name->find('\0') != std::string::npos) {
    Log("WPP: WyslijPlik: nie można odczytać pliku \"" + path + "\"");
    return false;
  }
  mResetPending = true;
  mPlikWysylany = std::move(*contents);
  mPozycjaWPliku = 0;
  mNazwaPlikuWUrzadzeniu = *name;
  Log("WPP: WyslijPlik: wysylam plik o nazwie " + FileNameOf(path));
  mTrybWysylania = 1;
  mTrybOdbioru = kOdbiorPotwierdzenUploadu;
  return true;
}

void cWPP::WyslijNaglowekUploadowanegoPliku() {
  mRozmiarWysylanego = static_cast<uint32_t>(mPlikWysylany.size());
  mPozostalo = mRozmiarWysylanego;
  mNumerRamki = 0;
  mIloscWyslanychRamek = 0;
  mIloscBledowUploadu = 0;
  mWyslano = 0;
  mBladWymuszony = false;
  mTrybWysylania = 2;
  // Kept as the frame being sent, so that a device that asks for the header
  // again gets it.
  std::vector<uint8_t>& frame = mRamka;
  frame.clear();
  AppendPasswordAndCommand(frame, mParametry.UploadCommand);
  frame.insert(frame.end(), mNazwaPlikuWUrzadzeniu.begin(), mNazwaPlikuWUrzadzeniu.end());
  frame.push_back(0x00);
  for (int shift = 0; shift < 32; shift += 8) {
    frame.push_back(static_cast<uint8_t>(mRozmiarWysylanego >> shift));
  }
  uint16_t sum = 0;
  for (const uint8_t b : frame) sum = static_cast<uint16_t>(sum + b);
  frame.push_back(static_cast<uint8_t>(sum));
  frame.push_back(static_cast<uint8_t>(sum >> 8));
  Status("numer ramki = " + std::to_string(mNumerRamki));
  Status("Rozmiar ramki = " + std::to_string(frame.size()));
  Status("rozmiar pliku = " + std::to_string(mRozmiarWysylanego));
  Status("Wyslano danych = " + std::to_string(mWyslano));
  Status("Ilosc bledow = " + std::to_string(mIloscBledowUploadu));
  if (OnProgress) OnProgress(0, 0);
  WyslijDane(frame.data(), static_cast<uint32_t>(frame.size()));
  mStanPotwierdzenia = 1;
}

void cWPP::WyslijRamkeDanychUploadowanegoPliku() {
  Log("WPP: WyslijRamkeDanychUploadowanegoPliku (ack = " + std::to_string(mStanPotwierdzenia) + ")");
  if (mStanPotwierdzenia == 0) {
    Log("WPP: WyslijRamkeDanychUploadowanegoPliku: Nowa ramka");
    const uint32_t size = std::min<uint32_t>(mPozostalo, cWppDownloadReceiver::kFrameSizeLimit);
    mPozostalo -= size;
    mRamka.clear();
    mRamka.push_back(mNumerRamki++);
    mRamka.push_back(static_cast<uint8_t>(size));
    mRamka.push_back(static_cast<uint8_t>(size >> 8));
    mRamka.push_back(static_cast<uint8_t>(mRamka[0] + mRamka[1] + mRamka[2] + kWppCheckOffset));
    uint16_t sum = 0;
    for (uint32_t i = 0; i < size; ++i) {
      const auto b = static_cast<uint8_t>(mPlikWysylany[mPozycjaWPliku++]);
      mRamka.push_back(b);
      sum = static_cast<uint16_t>(sum + b);
    }
    mRamka.push_back(static_cast<uint8_t>(sum));
    mRamka.push_back(static_cast<uint8_t>(sum >> 8));
    mWyslano += size;
    Status("numer ramki = " + std::to_string(mRamka[0]));
    Status("Rozmiar ramki = " + std::to_string(size));
    if (mIloscWyslanychRamek == 3 && !mBladWymuszony) {
      // Once per upload the fourth frame goes out with a wrong size, so that
      // the device's recovery from a broken frame is exercised on every long
      // upload; the stored frame stays whole for the resend.
      mBladWymuszony = true;
      std::vector<uint8_t> broken = mRamka;
      broken[2] = static_cast<uint8_t>(broken[2] + 1);
      WyslijDane(broken.data(), static_cast<uint32_t>(broken.size()));
    } else {
      WyslijDane(mRamka.data(), static_cast<uint32_t>(mRamka.size()));
    }
    ++mIloscWyslanychRamek;
  } else if (mStanPotwierdzenia == 2) {
    Log("WPP: WyslijRamkeDanychUploadowanegoPliku: Tylko retransmisja");
    ++mIloscBledowUploadu;
    Status("o jakas retransmisja " + std::to_string(mIloscBledowUploadu));
    WyslijDane(mRamka.data(), static_cast<uint32_t>(mRamka.size()));
    Status("Ilosc bledow = " + std::to_string(mIloscBledowUploadu));
  }
  mStanPotwierdzenia = 1;
}

void cWPP::UploadPliku(uint32_t count) {
  Log("WPP: UploadPliku: BuforOdbioru: " + RenderBytes(mBuforOdbioru.data(), count));
  for (uint32_t i = 0; i < count && mTrybOdbioru == kOdbiorPotwierdzenUploadu; ++i) {
    Log("WPP: UploadPliku: petla " + std::to_string(i) + " do " + std::to_string(count));
    const uint8_t b = mBuforOdbioru[i];
    if (b == mParametry.Acknowledgement) {
      Log("WPP: UploadPliku: Po {");
      mStanPotwierdzenia = 0;
      if (OnProgress) OnProgress(mWyslano, mRozmiarWysylanego);
      if (mPozostalo == 0 && mTrybWysylania == 2) {
        mPlikWysylany.clear();
        mPlikWysylany.shrink_to_fit();
        mTrybWysylania = 0;
        mTrybOdbioru = kOdbiorListyLubUrzadzen;
        Status("Wysyłanie pliku zakończone powodzeniem");
        mTimerWysylaniaPliku->Start();
      }
    } else if (b == mParametry.RepeatRequest) {
      Log("WPP: UploadPliku: zadanie powtworzenia");
      mStanPotwierdzenia = 2;
    }
  }
}

void cWPP::TimerWysylPlikuTimer() {
  Log("WPP: TimerWysylPlikuTimer");
  mTimerWysylaniaPliku->Stop();
  if (OnFileSent) OnFileSent();
}

bool cWPP::UsunPlikZUrzadzenia(const std::string& device_file_name) {
  Log("WPP: UsunPlikZUrzadzenia");
  if (!mPort->IsOpen()) {
    Log("WPP: UsunPlikZUrzadzenia: port zamknięty");
    return false;
  }
  const auto field = NameField(device_file_name);
  if (!field) {
    Log("WPP: UsunPlikZUrzadzenia: niepoprawna nazwa pliku \"" + Cp1250ToUtf8(device_file_name) +
        "\"");
    return false;
  }
  std::vector<uint8_t> frame;
  AppendPasswordAndCommand(frame, mParametry.DeleteCommand);
  frame.insert(frame.end(), field->begin(), field->end());
  frame.push_back(0x0D);
  WyslijDane(frame.data(), static_cast<uint32_t>(frame.size()));
  mNazwaPlikuWUrzadzeniu = device_file_name;
  mTimerUsunieciaPliku->Start();
  return true;
}

void cWPP::TimerUsunPlikZUrzadzeniaTimer() {
  Log("WPP: TimerUsunPlikZUrzadzeniaTimer");
  mTimerUsunieciaPliku->Stop();
  if (OnFileDeleted) OnFileDeleted();
}

}  // namespace olv
