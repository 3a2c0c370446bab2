// cWPP: the WPP protocol engine. A polled, single-threaded state machine: a
// 50 ms timer reads whatever bytes have arrived and feeds them to the receiver
// of the current mode; requests are written at once. It knows no tasks and no
// device list: its owner (the WPP driver) makes one request at a time and
// learns the outcome from the events.
//
// Requests carry no device address: an activation frame with a bus ID selects
// the device that answers the requests after it; the scan frame addresses all.
//
// Nothing here waits for an answer: a device that stays silent simply leaves
// the engine waiting, and the owner decides how long is too long. A request
// made while the port is closed sends nothing and returns false, and no
// completion event follows it.
//
// Files travel in data frames of at most 512 payload bytes, each acknowledged
// ('{') or refused; a download frame that is refused by silence is asked for
// again with 'd' after about a second without a byte.
//
// The completion events (OnDevicesFound, OnDeviceActivated, OnFileListReceived,
// OnFileReceived, OnFileSent, OnFileDeleted, OnDownloadAbandoned,
// OnConnectionLost) come from one-shot timers, never from inside a request, so
// a handler may make the next request. OnPortOpened, OnPortOpenFailed,
// OnFileListLine, OnStatus and OnProgress are called directly. Lines and file
// names from devices are handed over as the bytes arrived (CP1250), and device
// file names are sent as given.
//
// Callers must guarantee: the clock outlives the engine; one thread; a handler
// does not destroy the engine.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "comm/serial_link.h"
#include "comm/wpp_download_receiver.h"
#include "comm/wpp_protocol.h"
#include "comm/wpp_reply_receiver.h"
#include "common/clock.h"
#include "common/logging.h"

namespace olv {

class cWPP : public cLogujacy {
 public:
  using LinesEvent = std::function<void(const std::vector<std::string>&)>;

  // Receive modes.
  static constexpr uint8_t kOdbiorListyLubUrzadzen = 0;
  static constexpr uint8_t kOdbiorPliku = 1;
  static constexpr uint8_t kOdbiorPotwierdzenUploadu = 2;

  cWPP(cClock& clock, std::unique_ptr<cSerialLink> port);
  ~cWPP() override;
  cWPP(const cWPP&) = delete;
  cWPP& operator=(const cWPP&) = delete;

  // Opens and configures the port (8N1, no flow control, 10 ms time-outs);
  // raises OnPortOpened or OnPortOpenFailed. A port this call opened is closed
  // again when configuring it fails; a port that was open before stays open.
  bool OtworzPort(const std::string& port_name, uint32_t baud_rate);
  // Waits 50 ms (so the last frame leaves the line) and closes the port. A
  // transfer under way ends without its completion event.
  bool ZamknijPort();
  // Broadcasts the scan frame; OnDevicesFound follows 500 ms later with the
  // answers gathered (empty when the port is closed). False when not sent.
  bool RozglosSkanowanie();
  // Addresses the device with the given bus ID (1 to 254); OnDeviceActivated
  // follows. False (and no event) when the port is closed or the ID is not a
  // bus address.
  bool AktywujUrzadzenie(int id);
  // Asks the active device for its file list; OnFileListLine for every line
  // and OnFileListReceived after the end mark. False when the port is closed.
  bool SciagnijListePlikowZUrzadzenia();
  // Asks the active device for a file; OnFileReceived(target, data) follows
  // when all its announced bytes have arrived (at once for an empty file).
  // rozmiar: the size the device's file list gave, when known; a header
  // announcing another size abandons the download (OnDownloadAbandoned).
  // False, with nothing sent, when the port is closed or the name cannot form
  // an 8.3 name field (see NameField).
  bool SciagnijPlik(const std::string& device_file_name, const std::string& target,
                    std::optional<uint32_t> rozmiar = std::nullopt);
  // Sends a local file under its file-name part; OnFileSent follows the
  // acknowledgement of its last frame. False when the port is closed or the
  // file cannot be read.
  bool WyslijPlik(const std::string& path);
  // Deletes a file on the active device; OnFileDeleted follows (no answer is
  // awaited). False when the port is closed or the name cannot form a name
  // field.
  bool UsunPlikZUrzadzenia(const std::string& device_file_name);
  // Writes raw bytes; returns the count written. With the port closed nothing
  // is written and OnConnectionLost follows.
  uint32_t WyslijDane(const uint8_t* data, uint32_t length);
  // Replaces list with the machine's serial ports.
  void ListaPortow(std::vector<std::string>& list);

  // The name field of a download or delete request: the name up to its first
  // dot (1 to 8 characters), the dot, and at most three characters after it.
  // Empty when the name cannot form one (no dot, nothing or more than 8
  // characters before it, nothing after it, or a control character or 0xFF).
  static std::optional<std::string> NameField(const std::string& device_file_name);

  // Name of the open port, empty when closed.
  const std::string& ObecnyPort() const { return mObecnyPort; }
  // Bus ID of the last activated device, 0 after closing.
  int AktywneUrzadzenie() const { return mAktywneUrzadzenie; }
  // A download is under way.
  bool TrybTransferuPliku() const { return mTrybTransferuPliku; }
  // The size the download under way announced; 0 before its header.
  uint32_t RozmiarPobieranego() const { return mPobieranie.FileSize(); }
  // The file-list line received last (CP1250); empty when none.
  std::string OstatniaLiniaListy() const;
  // Download: payload bytes accepted. Upload: payload bytes put into frames.
  uint32_t BajtyPrzeslane() const;
  uint16_t IloscBledow() const;
  cSerialLink& Port() { return *mPort; }
  // How the engine writes bytes to its log: digits and ASCII letters as they
  // are, every other byte as 0x and upper-case hex, joined by ", ".
  static std::string RenderBytes(const uint8_t* data, uint32_t length);

  std::function<void()> OnPortOpened;
  std::function<void()> OnPortOpenFailed;
  LinesEvent OnDevicesFound;
  std::function<void()> OnDeviceActivated;
  std::function<void()> OnFileListLine;
  LinesEvent OnFileListReceived;
  std::function<void(const std::string& target, const std::string& data)> OnFileReceived;
  std::function<void()> OnFileSent;
  std::function<void()> OnFileDeleted;
  // The file cannot be right: its header announced another size than the one
  // expected, or more payload came than it announced. The download is
  // abandoned and must be made again.
  std::function<void()> OnDownloadAbandoned;
  // (0, 0) when an upload header goes out; then after every acknowledged
  // upload frame and every accepted download frame, with the payload bytes so
  // far and the file size.
  std::function<void(uint32_t done, uint32_t total)> OnProgress;
  std::function<void()> OnConnectionLost;
  std::function<void(const std::string&)> OnStatus;

 private:
  void TimerOdpytywaniaTimer();
  // The reset that a request left pending for the next poll.
  void ZerujJesliTrzeba();
  // Reads the bytes waiting and hands them to the receiver of the current mode.
  void PrzyjmijDane();
  void Zeruj();
  uint32_t CzytajOczekujace();
  void Status(const std::string& text) const;
  // The 17-byte activation frame; byte 16 is the address.
  uint32_t WyslijRamkeAktywacji(uint8_t address);

  // File transfer.
  void PobieraniePliku(uint32_t count);
  // Arms the frame timer for when the frame under way, or the next one, will
  // have arrived whole at the line speed.
  void CzekajNaRamke();
  void TimerRamkiTimer();
  void StrazCiszy();
  void SprawdzKoniecPobierania();
  // Ends the download under way without its completion event and raises
  // OnDownloadAbandoned.
  void PorzucPobieranie(const std::string& powod);
  void KoniecPobieraniaPliku();
  void WyslijNaglowekUploadowanegoPliku();
  void WyslijRamkeDanychUploadowanegoPliku();
  void UploadPliku(uint32_t count);
  void WyslijBajt(uint32_t value);

  void TimerZakonczOczekiwanieNaZgloszenieUrzadzenTimer();
  void TimerOdbiorPlikuTimer();
  void TimerWysylPlikuTimer();
  void TimerUsunPlikZUrzadzeniaTimer();
  void TimerPorzuceniaPobieraniaTimer();
  void TimerOdbiorListyPlikowTimer();
  void TimerAktywujUrzadzenieTimer();
  void TimerUtraconoPolaczenieTimer();

  cClock& mClock;
  const cParametryWPP mParametry;
  std::unique_ptr<cSerialLink> mPort;
  std::string mObecnyPort;
  int mAktywneUrzadzenie = 0;
  uint8_t mTrybOdbioru = kOdbiorListyLubUrzadzen;
  bool mResetPending = false;
  std::vector<uint8_t> mBuforOdbioru;
  uint32_t mIloscOdebranych = 0;
  cWppReplyReceiver mOdbiornik;

  // Download.
  cWppDownloadReceiver mPobieranie;
  bool mTrybTransferuPliku = false;
  int mLicznikCiszy = 0;
  std::string mNazwaDocelowa;
  std::string mNazwaPlikuWUrzadzeniu;
  std::string mPobranyPlik;
  // Upload.
  uint8_t mTrybWysylania = 0;
  std::string mPlikWysylany;
  size_t mPozycjaWPliku = 0;
  uint32_t mRozmiarWysylanego = 0;
  uint32_t mWyslano = 0;
  uint32_t mPozostalo = 0;
  uint8_t mNumerRamki = 0;
  int mIloscWyslanychRamek = 0;
  uint16_t mIloscBledowUploadu = 0;
  // 0 = next frame may go, 1 = waiting, 2 = send the same frame again.
  uint8_t mStanPotwierdzenia = 0;
  bool mBladWymuszony = false;
  std::vector<uint8_t> mRamka;

  std::unique_ptr<cTimer> mTimerOdpytywania;
  std::unique_ptr<cTimer> mTimerSkanowania;
  std::unique_ptr<cTimer> mTimerListyPlikow;
  std::unique_ptr<cTimer> mTimerOdbioruPliku;
  std::unique_ptr<cTimer> mTimerWysylaniaPliku;
  std::unique_ptr<cTimer> mTimerUsunieciaPliku;
  std::unique_ptr<cTimer> mTimerPorzuceniaPobierania;
  // Reads a download frame as soon as it can be whole, so that acknowledging
  // it does not wait for the next 50 ms poll.
  std::unique_ptr<cTimer> mTimerRamki;
  std::unique_ptr<cTimer> mTimerAktywacji;
  std::unique_ptr<cTimer> mTimerUtraconegoPolaczenia;
};

}  // namespace olv
