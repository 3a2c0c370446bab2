#include "comm/wpp.h"

#include <algorithm>
#include <utility>

namespace olv {

namespace {

constexpr uint32_t kPollIntervalMs = 50;
constexpr uint32_t kScanWindowMs = 500;
constexpr uint32_t kCloseDelayMs = 50;

bool IsPlainCharacter(uint8_t b) {
  return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

}  // namespace

cWPP::cWPP(cClock& clock, std::unique_ptr<cSerialLink> port)
    : mClock(clock),
      mPort(std::move(port)),
      mBuforOdbioru(kWppReceiveBufferSize),
      mTimerOdpytywania(clock.CreateTimer(kPollIntervalMs, [this] { TimerOdpytywaniaTimer(); })),
      mTimerSkanowania(clock.CreateTimer(
          kScanWindowMs, [this] { TimerZakonczOczekiwanieNaZgloszenieUrzadzenTimer(); })),
      mTimerListyPlikow(clock.CreateTimer(1, [this] { TimerOdbiorListyPlikowTimer(); })),
      mTimerOdbioruPliku(clock.CreateTimer(1, [this] { TimerOdbiorPlikuTimer(); })),
      mTimerWysylaniaPliku(clock.CreateTimer(1, [this] { TimerWysylPlikuTimer(); })),
      mTimerUsunieciaPliku(clock.CreateTimer(1, [this] { TimerUsunPlikZUrzadzeniaTimer(); })),
      mTimerPorzuceniaPobierania(
          clock.CreateTimer(1, [this] { TimerPorzuceniaPobieraniaTimer(); })),
      mTimerRamki(clock.CreateTimer(1, [this] { TimerRamkiTimer(); })),
      mTimerAktywacji(clock.CreateTimer(1, [this] { TimerAktywujUrzadzenieTimer(); })),
      mTimerUtraconegoPolaczenia(
          clock.CreateTimer(1, [this] { TimerUtraconoPolaczenieTimer(); })) {
  mOdbiornik.OnHeaderChecked = [this](uint32_t id, uint8_t flag) {
    Status("Device ID =  " + std::to_string(id) + "password " +
           (flag != 0 ? "haslo prawidlowe" : "haslo błędne"));
  };
  mOdbiornik.OnFileListLine = [this] {
    if (OnFileListLine) OnFileListLine();
  };
  mOdbiornik.OnFileListEnd = [this] {
    if (OnFileListReceived) mTimerListyPlikow->Start();
  };
  mPobieranie.OnStatus = [this](const std::string& text) { Status(text); };
  mPobieranie.OnFrameEnd = [this](cWppDownloadReceiver::eKoniecRamki koniec) {
    mClock.Sleep(1);
    if (koniec == cWppDownloadReceiver::eKoniecRamki::kOdrzucona) return;
    WyslijBajt(mParametry.Acknowledgement);
    // A repeated frame brings nothing new: it is no progress.
    if (koniec == cWppDownloadReceiver::eKoniecRamki::kPrzyjeta && OnProgress) {
      OnProgress(mPobieranie.BytesDone(), mPobieranie.FileSize());
    }
  };
  mTimerOdpytywania->Start();
}

cWPP::~cWPP() { mPort->Close(); }

void cWPP::Status(const std::string& text) const {
  if (OnStatus) OnStatus(text);
}

bool cWPP::OtworzPort(const std::string& port_name, uint32_t baud_rate) {
  Log("WPP: OtworzPort");
  bool opened_here = false;
  bool ok = mPort->SetPortName(port_name) && (opened_here = mPort->Open()) && mPort->GetState();
  if (ok) {
    cLineSettings& line = mPort->LineSettings();
    line.BaudRate = baud_rate;
    line.ByteSize = 8;
    line.Parity = eParity::None;
    line.StopBits = eStopBits::One;
    line.fBinary = true;
    line.fOutxCtsFlow = false;
    line.fOutxDsrFlow = false;
    line.fDtrControl = eDtrControl::Disable;
    line.fRtsControl = eRtsControl::Disable;
    line.fDsrSensitivity = false;
    line.fOutX = false;
    line.fInX = false;
    line.fErrorChar = false;
    line.fNull = false;
    line.fAbortOnError = false;
    mPort->SetQueueSizes(mParametry.InputQueueSize, mParametry.OutputQueueSize);
    cCommTimeouts& timeouts = mPort->Timeouts();
    timeouts.ReadIntervalTimeout = 10;
    timeouts.ReadTotalTimeoutMultiplier = 10;
    timeouts.ReadTotalTimeoutConstant = mParametry.Timeout;
    timeouts.WriteTotalTimeoutMultiplier = 10;
    timeouts.WriteTotalTimeoutConstant = mParametry.Timeout;
    ok = mPort->SetState() && mPort->SetupBuffers() && mPort->SetTimeouts() && mPort->GetState();
  }
  if (ok) {
    mObecnyPort = port_name;
    if (OnPortOpened) OnPortOpened();
    return true;
  }
  mObecnyPort.clear();
  // A port left open after a failed set-up would refuse every later open.
  if (opened_here) mPort->Close();
  Log("WPP: OtworzPort: nie udało się otworzyć portu \"" + port_name + "\"");
  if (OnPortOpenFailed) OnPortOpenFailed();
  return false;
}

bool cWPP::ZamknijPort() {
  Log("WPP: ZamknijPort");
  mObecnyPort.clear();
  mAktywneUrzadzenie = 0;
  // A transfer cannot go on over a closed port; without this the silence
  // watch would keep asking a closed port for frames.
  mTrybTransferuPliku = false;
  mTimerRamki->Stop();
  mTrybWysylania = 0;
  mPlikWysylany.clear();
  mTrybOdbioru = kOdbiorListyLubUrzadzen;
  mClock.Sleep(kCloseDelayMs);
  return mPort->Close();
}

uint32_t cWPP::WyslijRamkeAktywacji(uint8_t address) {
  uint8_t frame[17];
  frame[0] = kWppStartMark;
  std::copy(kWppActivationSignature.begin(), kWppActivationSignature.end(), frame + 1);
  frame[16] = address;
  return WyslijDane(frame, sizeof frame);
}

bool cWPP::RozglosSkanowanie() {
  Log("WPP: RozglosSkanowanie");
  // Started even when nothing can be sent, so that OnDevicesFound always
  // follows a scan.
  mTimerSkanowania->Start();
  if (!mPort->IsOpen()) {
    Log("WPP: RozglosSkanowanie: port zamknięty");
    return false;
  }
  mOdbiornik.FoundDeviceLines().clear();
  mResetPending = true;
  mTrybOdbioru = kOdbiorListyLubUrzadzen;
  WyslijRamkeAktywacji(kWppAllDevices);
  return true;
}

bool cWPP::AktywujUrzadzenie(int id) {
  Log("WPP: AktywujUrzadzenie");
  if (!mPort->IsOpen()) {
    Log("WPP: AktywujUrzadzenie: port zamknięty");
    return false;
  }
  if (id < 1 || id >= kWppAllDevices) {
    Log("WPP: AktywujUrzadzenie: niepoprawny numer urządzenia " + std::to_string(id));
    return false;
  }
  mResetPending = true;
  mTrybOdbioru = kOdbiorListyLubUrzadzen;
  WyslijRamkeAktywacji(static_cast<uint8_t>(id));
  mAktywneUrzadzenie = id;
  mTimerAktywacji->Start();
  return true;
}

bool cWPP::SciagnijListePlikowZUrzadzenia() {
  Log("WPP: SciagnijListePlikowZUrzadzenia");
  if (!mPort->IsOpen()) {
    Log("WPP: SciagnijListePlikowZUrzadzenia: port zamknięty");
    return false;
  }
  mOdbiornik.FileListLines().clear();
  mResetPending = true;
  mTrybOdbioru = kOdbiorListyLubUrzadzen;
  uint8_t frame[10];
  frame[0] = kWppStartMark;
  std::copy(kWppPassword.begin(), kWppPassword.end(), frame + 1);
  frame[7] = 0x00;
  frame[8] = static_cast<uint8_t>(mParametry.FileListCommand);
  frame[9] = 0x0D;
  WyslijDane(frame, sizeof frame);
  return true;
}

std::string cWPP::OstatniaLiniaListy() const {
  const std::vector<std::string>& linie = mOdbiornik.FileListLines();
  return linie.empty() ? std::string() : linie.back();
}

std::string cWPP::RenderBytes(const uint8_t* data, uint32_t length) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(static_cast<size_t>(length) * 6);
  for (uint32_t i = 0; i < length; ++i) {
    if (i > 0) text += ", ";
    const uint8_t b = data[i];
    if (IsPlainCharacter(b)) {
      text += static_cast<char>(b);
    } else {
      text += "0x";
      if (b >= 16) text += kHex[b >> 4];
      text += kHex[b & 0x0F];
    }
  }
  return text;
}

uint32_t cWPP::WyslijDane(const uint8_t* data, uint32_t length) {
  Log("WPP: WyslijDane");
  if (!mPort->IsOpen()) {
    mTimerUtraconegoPolaczenia->Start();
    return 0;
  }
  if (data == nullptr) return 0;
  Log("WPP: WyslijDane: " + RenderBytes(data, length));
  const uint32_t written = mPort->Write(data, length);
  if (written != length) {
    Log("WPP: WyslijDane: zapisano " + std::to_string(written) + " z " + std::to_string(length) +
        " bajtów");
  }
  return written;
}

void cWPP::ListaPortow(std::vector<std::string>& list) {
  Log("WPP: ListaPortow");
  list.clear();
  mPort->ListPorts(list);
}

void cWPP::Zeruj() {
  mOdbiornik.Zeruj();
  mPobieranie.ZerujPozycje();
}

uint32_t cWPP::CzytajOczekujace() {
  const uint32_t capacity = static_cast<uint32_t>(mBuforOdbioru.size());
  while (mIloscOdebranych < capacity && mPort->BytesAvailable() > 0) {
    const uint32_t room = std::min(capacity - mIloscOdebranych, mParametry.LargestRead);
    const uint32_t got = mPort->Read(mBuforOdbioru.data() + mIloscOdebranych, room);
    if (got == 0) break;
    mIloscOdebranych += got;
  }
  return mIloscOdebranych;
}

void cWPP::ZerujJesliTrzeba() {
  if (!mResetPending) return;
  mResetPending = false;
  Zeruj();
}

void cWPP::PrzyjmijDane() {
  const uint32_t count = CzytajOczekujace();
  if (count > 0) {
    switch (mTrybOdbioru) {
      case kOdbiorListyLubUrzadzen: mOdbiornik.Odbierz(mBuforOdbioru.data(), count); break;
      case kOdbiorPliku: PobieraniePliku(count); break;
      case kOdbiorPotwierdzenUploadu: UploadPliku(count); break;
      default: break;
    }
  }
  mIloscOdebranych = 0;
}

void cWPP::TimerOdpytywaniaTimer() {
  // Stopped while one cycle runs, so cycles never overlap and the next one
  // comes a whole interval after this one has finished.
  mTimerOdpytywania->Stop();
  ZerujJesliTrzeba();
  if (mTrybWysylania == 1) {
    WyslijNaglowekUploadowanegoPliku();
  } else if (mTrybWysylania == 2) {
    WyslijRamkeDanychUploadowanegoPliku();
  }
  PrzyjmijDane();
  StrazCiszy();
  SprawdzKoniecPobierania();
  mTimerOdpytywania->Start();
}

void cWPP::TimerZakonczOczekiwanieNaZgloszenieUrzadzenTimer() {
  Log("WPP: TimerZakonczOczekiwanieNaZgloszenieUrzadzenTimer");
  mTimerSkanowania->Stop();
  // Answers that arrived since the last poll still belong to this scan.
  ZerujJesliTrzeba();
  PrzyjmijDane();
  std::vector<std::string> lines = std::move(mOdbiornik.FoundDeviceLines());
  mOdbiornik.FoundDeviceLines().clear();
  if (OnDevicesFound) OnDevicesFound(lines);
}

void cWPP::TimerOdbiorListyPlikowTimer() {
  Log("WPP: TimerOdbiorListyPlikowTimer");
  mTimerListyPlikow->Stop();
  std::vector<std::string> lines = std::move(mOdbiornik.FileListLines());
  mOdbiornik.FileListLines().clear();
  if (OnFileListReceived) OnFileListReceived(lines);
}

void cWPP::TimerAktywujUrzadzenieTimer() {
  Log("WPP: TimerAktywujUrzadzenieTimer");
  mTimerAktywacji->Stop();
  if (OnDeviceActivated) OnDeviceActivated();
}

void cWPP::TimerUtraconoPolaczenieTimer() {
  Log("WPP: TimerUtraconoPolaczenieTimer");
  mTimerUtraconegoPolaczenia->Stop();
  if (OnConnectionLost) OnConnectionLost();
}

}  // namespace olv
