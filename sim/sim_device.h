// One simulated OLV device on the bus: it reads every byte the PC sends and
// answers as a device does. It answers a scan after a delay that depends on
// its bus ID (so that the answers of up to eight devices follow each other
// within the 500 ms the PC listens), takes an activation frame addressed to its
// ID, and while active answers the file-list, download, upload and delete
// requests from its SD card folder. A broken upload frame is discarded until
// the line has been quiet for a short while, then the device asks for it
// again with 'd'. An uploaded konfig.txt or factory configuration file
// (8 digits, no dot) is applied: a new RSID changes the ID the device answers
// to, and KONFOUT.TXT is rewritten to match. The users of USERS.txt (on the
// card at start, or uploaded) are decoded with the PIN table the manager uses
// and kept.
//
// Faults a test or a demo can switch on: silence, a late answer (every reply
// leaves later), a line cut after a number of bytes, download frames without
// payload after the first, and a file list sent over and over without its
// end mark.
//
// Callers must guarantee: the clock outlives the device; Start() succeeded
// before bytes are fed; the transmit function does not destroy the device.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "common/logging.h"
#include "sim/card_users.h"
#include "sim/device_config.h"
#include "sim/host_frame_parser.h"
#include "sim/sd_card.h"
#include "sim/upload_frame_parser.h"

namespace olv {

class cSimDevice : public cLogujacy {
 public:
  using TransmitFunction = std::function<void(std::string_view)>;

  // The line must have been quiet this long before a broken upload frame is
  // asked for again.
  static constexpr uint32_t kQuietMs = 20;
  // The largest file the device accepts.
  static constexpr uint32_t kMaxUploadSize = 16 * 1024 * 1024;

  // bus_id 1 to 9; transmit puts the device's bytes on the line.
  cSimDevice(cClock& clock, int bus_id, std::string card_folder, TransmitFunction transmit);
  ~cSimDevice() override;
  cSimDevice(const cSimDevice&) = delete;
  cSimDevice& operator=(const cSimDevice&) = delete;

  // Creates the card folder when missing and makes KONFOUT.TXT state the
  // device's configuration with its bus ID (a factory file when there is none).
  bool Start(std::string* error = nullptr);

  // Milliseconds after a scan frame at which the device with this ID answers.
  static uint32_t ScanAnswerDelayMs(int bus_id);

  void Receive(std::string_view bytes);

  int BusId() const { return mBusId; }
  bool IsActive() const { return mActive; }
  const cDeviceConfig& Config() const { return mConfig; }
  const cSdCard& Card() const { return mCard; }
  // The users of the last USERS.txt that could be read.
  const std::vector<sCardUser>& Users() const { return mUsers; }

  // The device's own clock: the host's local time until a configuration sets
  // it ("data:" and "time:" of konfig.txt), then kept as an offset from it.
  double Now() const { return mClock.Now() + mClockOffset; }

  // A card or PIN presented at reader 0 or 1: the event is added to the
  // day's event file, stamped with the device's clock. User 0 stands for
  // nobody recognised. False (and logged) when the card cannot take it.
  bool RecordEvent(int user_id, int reader, bool by_pin);

  // Faults.
  void SetSilent(bool silent) { mSilent = silent; }
  bool IsSilent() const { return mSilent; }
  void SetAnswerDelay(uint32_t ms) { mAnswerDelayMs = ms; }
  // The device's next `bytes` bytes go out, then the line breaks: the rest of
  // that reply is lost. With stay_silent the device says nothing more;
  // otherwise its later replies go out whole.
  void CutLineAfter(uint64_t bytes, bool stay_silent);
  // Every download frame after the first, sent after '{' or again after 'd',
  // carries no payload.
  void SetEmptyFrames(bool on) { mEmptyFrames = on; }
  // The file list's lines are sent again and again, never followed by the
  // end mark, until the PC sends another frame.
  void SetEndlessFileList(bool on) { mEndlessFileList = on; }

  // Reports whenever the device's bus ID changes (old, new), so the bus can
  // tell about two devices answering to one ID.
  void SetIdChangedHandler(std::function<void(int, int)> handler) {
    mIdChanged = std::move(handler);
  }

 private:
  enum class eMode : uint8_t {
    kIdle,
    // A file is being downloaded: '{' asks for the next frame, 'd' for the
    // same again.
    kSending,
    // A file is being uploaded: data frames expected.
    kReceiving,
    // A broken upload header or frame: bytes are dropped until the line is
    // quiet, then 'd' is sent.
    kDiscarding,
    // An upload just ended: the last frame may come again when its
    // acknowledgement was lost.
    kUploadDone,
  };

  void ReceiveByte(uint8_t byte);
  void HandleFrame(const sHostFrame& frame);
  void HandleUploadByte(uint8_t byte);
  void StartDiscarding(eMode after);
  void OnQuiet();
  void AbandonTransfer(const char* why);

  void AnswerFileList(const sHostFrame& frame);
  void StartDownload(const sHostFrame& frame);
  void SendDownloadFrame();
  void OnDownloadAcknowledged();
  void DeleteFile(const sHostFrame& frame);
  void StartUpload(const sHostFrame& frame);
  void TakeUploadFrame();
  void FinishUpload();
  void ApplyConfiguration(std::string_view text, const std::string& source);
  void SetClock(const std::string& source);
  void LoadUsers(std::string_view bytes, const std::string& source);
  bool WriteKonfout();

  void Send(std::string bytes);
  void SendNow(std::string_view bytes);
  void RepeatFileList();
  void SendDelayed();
  void Note(const std::string& text) const;
  bool PasswordOk(const sHostFrame& frame) const;

  cClock& mClock;
  int mBusId;
  cSdCard mCard;
  cDeviceConfig mConfig;
  // Days the device's clock is ahead of the host's.
  double mClockOffset = 0;
  std::vector<sCardUser> mUsers;
  TransmitFunction mTransmit;
  std::function<void(int, int)> mIdChanged;
  cHostFrameParser mParser;
  cUploadFrameParser mUploadParser;
  bool mActive = false;
  eMode mMode = eMode::kIdle;
  eMode mAfterDiscarding = eMode::kIdle;

  // Download.
  std::string mDownloadData;
  size_t mDownloadFrame = 0;
  size_t mDownloadFrames = 0;

  // Upload.
  std::string mUploadName;
  uint32_t mUploadSize = 0;
  std::string mUploadData;
  uint8_t mExpectedFrame = 0;
  bool mAnyFrameTaken = false;

  // Faults and delayed output.
  bool mSilent = false;
  uint32_t mAnswerDelayMs = 0;
  bool mCutArmed = false;
  uint64_t mCutRemaining = 0;
  bool mSilentAfterCut = false;
  bool mEmptyFrames = false;
  bool mEndlessFileList = false;
  // The lines the endless file list repeats.
  std::string mRepeatedList;
  std::deque<std::pair<uint32_t, std::string>> mDelayed;

  std::unique_ptr<cTimer> mScanTimer;
  std::unique_ptr<cTimer> mQuietTimer;
  std::unique_ptr<cTimer> mDelayTimer;
  std::unique_ptr<cTimer> mListTimer;
};

}  // namespace olv
