#include "sim/sim_device.h"

#include "common/cp1250.h"
#include "common/device_file_name.h"
#include "common/strings.h"
#include "model/pin_table.h"
#include "sim/byte_dump.h"
#include "sim/device_replies.h"
#include "sim/event_line.h"
#include "sim/wire_format.h"

namespace olv {
namespace {

constexpr std::string_view kKonfout = "KONFOUT.TXT";
constexpr std::string_view kUsers = "USERS.TXT";

const char* FrameName(eHostFrame kind) {
  switch (kind) {
    case eHostFrame::kScan:
      return "scan";
    case eHostFrame::kActivation:
      return "activation";
    case eHostFrame::kFileList:
      return "file-list request";
    case eHostFrame::kDownload:
      return "download request";
    case eHostFrame::kDelete:
      return "delete request";
    case eHostFrame::kUploadHeader:
      return "upload header";
  }
  return "frame";
}

// konfig.txt, or the factory configuration file: eight digits, no extension.
bool IsConfigurationFile(std::string_view name) {
  if (ToUpperAscii(name) == "KONFIG.TXT") return true;
  return name.size() == 8 && ZawieraTylkoZnaki(name, "0123456789");
}

}  // namespace

cSimDevice::cSimDevice(cClock& clock, int bus_id, std::string card_folder,
                       TransmitFunction transmit)
    : mClock(clock),
      mBusId(bus_id),
      mCard(std::move(card_folder)),
      mConfig(cDeviceConfig::Factory(bus_id)),
      mTransmit(std::move(transmit)) {
  mScanTimer = mClock.CreateTimer(ScanAnswerDelayMs(bus_id), [this] {
    mScanTimer->Stop();
    Send(BuildScanAnswer(static_cast<uint8_t>(mBusId), mConfig.device_id));
  });
  mQuietTimer = mClock.CreateTimer(kQuietMs, [this] {
    mQuietTimer->Stop();
    OnQuiet();
  });
  mDelayTimer = mClock.CreateTimer(1, [this] { SendDelayed(); });
  mListTimer = mClock.CreateTimer(1, [this] { RepeatFileList(); });
}

cSimDevice::~cSimDevice() = default;

uint32_t cSimDevice::ScanAnswerDelayMs(int bus_id) {
  // 40 ms apart leaves room for an answer of 200 characters (about 18 ms at
  // 115 200 baud) and ends the last one (ID 9) near 350 ms.
  return 10 + 40 * static_cast<uint32_t>(bus_id > 0 ? bus_id - 1 : 0);
}

bool cSimDevice::Start(std::string* error) {
  if (!mCard.Prepare(error)) return false;
  const auto konfout = mCard.Read(kKonfout);
  if (konfout) {
    mConfig.Apply(*konfout);
    if (mConfig.rsid != mBusId) {
      Note("KONFOUT.TXT says RSID=" + std::to_string(mConfig.rsid) + ", set to the bus ID " +
           std::to_string(mBusId));
      mConfig.rsid = mBusId;
    }
  }
  if (const auto users = mCard.Read(kUsers)) LoadUsers(*users, "USERS.txt on the card");
  // The device writes its file whole: every key, in its own order and name.
  const auto stored = mCard.Find(kKonfout);
  if (konfout && stored && *stored == kKonfout && *konfout == mConfig.ToKonfout()) return true;
  if (!WriteKonfout()) {
    if (error) *error = "cannot write KONFOUT.TXT in " + mCard.Folder();
    return false;
  }
  return true;
}

bool cSimDevice::WriteKonfout() {
  std::string error;
  if (mCard.Store(kKonfout, mConfig.ToKonfout(), &error)) return true;
  Note("cannot write KONFOUT.TXT: " + error);
  return false;
}

void cSimDevice::Note(const std::string& text) const {
  Log("SIM " + std::to_string(mBusId) + ": " + text);
}

void cSimDevice::CutLineAfter(uint64_t bytes, bool stay_silent) {
  mCutArmed = true;
  mCutRemaining = bytes;
  mSilentAfterCut = stay_silent;
}

bool cSimDevice::PasswordOk(const sHostFrame& frame) const {
  return frame.password == wire::kPassword;
}

// Receiving.

void cSimDevice::Receive(std::string_view bytes) {
  for (char c : bytes) ReceiveByte(static_cast<uint8_t>(c));
}

void cSimDevice::ReceiveByte(uint8_t byte) {
  const eMode mode_before = mMode;
  const bool uploading = mMode == eMode::kReceiving || mMode == eMode::kUploadDone ||
                         (mMode == eMode::kDiscarding && mAfterDiscarding == eMode::kReceiving);
  if (mMode == eMode::kSending) {
    if (byte == wire::kAcknowledge) {
      OnDownloadAcknowledged();
    } else if (byte == wire::kRepeat) {
      Note("<- 'd': frame " + std::to_string(mDownloadFrame) + " again");
      SendDownloadFrame();
    }
  } else if (mMode == eMode::kDiscarding) {
    mQuietTimer->Start();
  } else if (uploading) {
    HandleUploadByte(byte);
  }

  // Every byte also goes through the command parser: a scan or an activation
  // must be heard whatever the device was doing.
  const auto result = mParser.Feed(byte);
  if (uploading) {
    mParser.TakeSkipped();
    if (result != cHostFrameParser::eResult::kFrame) return;
    const eHostFrame kind = mParser.Frame().kind;
    // Inside upload data only the frames with the 15-byte signature are
    // trusted; anything else may be file content.
    if (mMode != eMode::kUploadDone && kind != eHostFrame::kScan &&
        kind != eHostFrame::kActivation) {
      return;
    }
    AbandonTransfer("a new frame arrived");
    HandleFrame(mParser.Frame());
    return;
  }
  if (const size_t skipped = mParser.TakeSkipped(); skipped > 0 && mode_before == eMode::kIdle) {
    Note("<- " + std::to_string(skipped) + " byte(s) outside any frame skipped");
  }
  if (result == cHostFrameParser::eResult::kFrame) {
    if (mMode != eMode::kIdle) AbandonTransfer("a new frame arrived");
    HandleFrame(mParser.Frame());
  } else if (result == cHostFrameParser::eResult::kBrokenUploadHeader && mActive) {
    Note("<- broken upload header");
    if (mMode != eMode::kIdle) AbandonTransfer("a broken upload header arrived");
    StartDiscarding(eMode::kIdle);
  }
}

void cSimDevice::AbandonTransfer(const char* why) {
  if (mMode == eMode::kSending || mMode == eMode::kReceiving ||
      (mMode == eMode::kDiscarding && mAfterDiscarding == eMode::kReceiving)) {
    Note(std::string("transfer abandoned: ") + why);
  }
  mMode = eMode::kIdle;
  mQuietTimer->Stop();
  mListTimer->Stop();
  mDownloadData.clear();
  mUploadData.clear();
  mUploadParser.Reset();
}

void cSimDevice::HandleFrame(const sHostFrame& frame) {
  // Each device logs the frames meant for it, so that a frame log shows every
  // frame once per device it concerns.
  const bool for_me = frame.kind == eHostFrame::kScan || mActive ||
                      (frame.kind == eHostFrame::kActivation && frame.address == mBusId);
  if (for_me) Note("<- " + std::string(FrameName(frame.kind)) + ": " + DumpBytes(frame.raw));
  mListTimer->Stop();
  switch (frame.kind) {
    case eHostFrame::kScan:
      mScanTimer->Start();
      return;
    case eHostFrame::kActivation:
      mActive = frame.address == mBusId;
      return;
    default:
      break;
  }
  if (!mActive) return;
  switch (frame.kind) {
    case eHostFrame::kFileList:
      AnswerFileList(frame);
      break;
    case eHostFrame::kDownload:
      StartDownload(frame);
      break;
    case eHostFrame::kDelete:
      DeleteFile(frame);
      break;
    case eHostFrame::kUploadHeader:
      StartUpload(frame);
      break;
    case eHostFrame::kScan:
    case eHostFrame::kActivation:
      break;
  }
}

// File list.

void cSimDevice::AnswerFileList(const sHostFrame& frame) {
  const bool password_ok = PasswordOk(frame);
  std::vector<std::string> lines;
  if (password_ok) {
    for (const sCardFile& file : mCard.Files()) lines.push_back(FormatFileListLine(file));
  } else {
    Note("wrong password, file list refused");
  }
  std::string reply = BuildFileListReply(static_cast<uint8_t>(mBusId), password_ok, lines);
  if (!mEndlessFileList || !password_ok) {
    Send(std::move(reply));
    return;
  }
  reply.pop_back();  // the end mark
  const size_t header = 4;
  mRepeatedList = reply.substr(header);
  Note("file list without its end mark, repeated");
  Send(std::move(reply));
  // Again once the lines have left at the line rate, so the line never rests.
  const size_t ms = mRepeatedList.size() * 10 * 1000 / 115200 + 1;
  mListTimer->SetInterval(static_cast<uint32_t>(ms));
  mListTimer->Start();
}

void cSimDevice::RepeatFileList() { Send(mRepeatedList); }

// Download: the device sends.

void cSimDevice::StartDownload(const sHostFrame& frame) {
  if (!PasswordOk(frame)) {
    Note("wrong password, download refused");
    Send(BuildDownloadHeader(0, static_cast<uint8_t>(mBusId), false));
    return;
  }
  const auto data = mCard.Read(frame.name);
  if (!data) {
    Note("no file " + DumpBytes(frame.name) + " on the card, no answer");
    return;
  }
  mDownloadData = *data;
  mDownloadFrame = 0;
  mDownloadFrames = (mDownloadData.size() + wire::kMaxFramePayload - 1) / wire::kMaxFramePayload;
  Note("sending " + frame.name + ", " + std::to_string(mDownloadData.size()) + " bytes in " +
       std::to_string(mDownloadFrames) + " frame(s)");
  Send(BuildDownloadHeader(static_cast<uint32_t>(mDownloadData.size()),
                           static_cast<uint8_t>(mBusId), true));
  if (mDownloadFrames == 0) return;
  mMode = eMode::kSending;
  SendDownloadFrame();
}

void cSimDevice::SendDownloadFrame() {
  const size_t offset = mDownloadFrame * wire::kMaxFramePayload;
  const std::string_view payload =
      mEmptyFrames && mDownloadFrame > 0
          ? std::string_view()
          : std::string_view(mDownloadData).substr(offset, wire::kMaxFramePayload);
  Send(BuildDownloadFrame(static_cast<uint8_t>(mDownloadFrame), payload));
}

void cSimDevice::OnDownloadAcknowledged() {
  if (++mDownloadFrame < mDownloadFrames) {
    SendDownloadFrame();
    return;
  }
  Note("<- '{': download complete");
  mMode = eMode::kIdle;
  mDownloadData.clear();
}

// Delete.

void cSimDevice::DeleteFile(const sHostFrame& frame) {
  if (!PasswordOk(frame)) {
    Note("wrong password, delete refused");
    return;
  }
  if (mCard.Delete(frame.name)) {
    Note("deleted " + frame.name);
  } else {
    Note("nothing deleted: no file " + DumpBytes(frame.name));
  }
}

// Upload: the device receives.

void cSimDevice::StartUpload(const sHostFrame& frame) {
  if (!PasswordOk(frame)) {
    Note("wrong password, upload refused without an answer");
    return;
  }
  if (!IsPlain83Name(frame.name)) {
    Note("upload of a name that is not plain 8.3 refused without an answer: " +
         DumpBytes(frame.name));
    return;
  }
  if (frame.size > kMaxUploadSize) {
    Note("upload of " + std::to_string(frame.size) + " bytes refused: the card takes at most " +
         std::to_string(kMaxUploadSize));
    return;
  }
  mUploadName = frame.name;
  mUploadSize = frame.size;
  mUploadData.clear();
  mExpectedFrame = 0;
  mAnyFrameTaken = false;
  mUploadParser.Reset();
  Note("receiving " + mUploadName + ", " + std::to_string(mUploadSize) + " bytes");
  if (mUploadSize == 0) {
    FinishUpload();
    return;
  }
  mMode = eMode::kReceiving;
  Send(std::string(1, static_cast<char>(wire::kAcknowledge)));
}

void cSimDevice::HandleUploadByte(uint8_t byte) {
  const auto result = mUploadParser.Feed(byte);
  if (result == cUploadFrameParser::eResult::kNone) return;
  if (mMode == eMode::kUploadDone) {
    // Only the last frame once more (its acknowledgement was lost) is
    // answered; anything else is the start of something new.
    if (result == cUploadFrameParser::eResult::kFrame &&
        mUploadParser.Number() == static_cast<uint8_t>(mExpectedFrame - 1)) {
      Note("<- last data frame again: acknowledged again");
      Send(std::string(1, static_cast<char>(wire::kAcknowledge)));
    }
    mMode = eMode::kIdle;
    return;
  }
  if (result == cUploadFrameParser::eResult::kBrokenHeader) {
    Note("<- data frame with a broken header");
    StartDiscarding(eMode::kReceiving);
    return;
  }
  if (result == cUploadFrameParser::eResult::kBadSum) {
    Note("<- data frame " + std::to_string(mUploadParser.Number()) + " with a wrong sum");
    StartDiscarding(eMode::kReceiving);
    return;
  }
  TakeUploadFrame();
}

void cSimDevice::TakeUploadFrame() {
  const uint8_t number = mUploadParser.Number();
  const std::string_view payload = mUploadParser.Payload();
  if (mAnyFrameTaken && number == static_cast<uint8_t>(mExpectedFrame - 1)) {
    Note("<- data frame " + std::to_string(number) + " again: acknowledged, not stored twice");
    Send(std::string(1, static_cast<char>(wire::kAcknowledge)));
    return;
  }
  if (number != mExpectedFrame) {
    Note("<- data frame " + std::to_string(number) + " out of order, expected " +
         std::to_string(mExpectedFrame));
    StartDiscarding(eMode::kReceiving);
    return;
  }
  if (mUploadData.size() + payload.size() > mUploadSize) {
    Note("<- data frame " + std::to_string(number) + " goes past the announced size " +
         std::to_string(mUploadSize) + ": upload abandoned");
    AbandonTransfer("too many bytes");
    return;
  }
  Note("<- data frame " + std::to_string(number) + ", " + std::to_string(payload.size()) +
       " bytes");
  mUploadData.append(payload);
  ++mExpectedFrame;
  mAnyFrameTaken = true;
  if (mUploadData.size() == mUploadSize) {
    FinishUpload();
  } else {
    Send(std::string(1, static_cast<char>(wire::kAcknowledge)));
  }
}

void cSimDevice::FinishUpload() {
  std::string error;
  if (!mCard.Store(mUploadName, mUploadData, &error)) {
    // No acknowledgement: the PC must not take a file the card lost for sent.
    Note("cannot store " + mUploadName + ": " + error);
    AbandonTransfer("the card cannot store the file");
    return;
  }
  Note("stored " + mUploadName + ", " + std::to_string(mUploadData.size()) + " bytes");
  if (IsConfigurationFile(mUploadName)) ApplyConfiguration(mUploadData, mUploadName);
  if (ToUpperAscii(mUploadName) == kUsers) LoadUsers(mUploadData, mUploadName);
  mUploadData.clear();
  mMode = mAnyFrameTaken ? eMode::kUploadDone : eMode::kIdle;
  mUploadParser.Reset();
  Send(std::string(1, static_cast<char>(wire::kAcknowledge)));
}

void cSimDevice::ApplyConfiguration(std::string_view text, const std::string& source) {
  std::vector<std::string> problems;
  mConfig.Apply(text, &problems);
  for (const std::string& problem : problems) Note(source + ": " + problem);
  SetClock(source);
  WriteKonfout();
  if (mConfig.rsid == mBusId) {
    Note("configuration from " + source + " applied");
    return;
  }
  const int old_id = mBusId;
  mBusId = mConfig.rsid;
  mScanTimer->SetInterval(ScanAnswerDelayMs(mBusId));
  Note("configuration from " + source + " applied: bus ID " + std::to_string(old_id) + " -> " +
       std::to_string(mBusId));
  if (mIdChanged) mIdChanged(old_id, mBusId);
}

void cSimDevice::SetClock(const std::string& source) {
  if (!mConfig.clock_date && !mConfig.clock_time) return;
  // A line missing leaves that part of the device's clock as it was.
  cDateTimeFields now = DecodeDateTime(Now());
  if (mConfig.clock_date) {
    now.year = mConfig.clock_date->year;
    now.month = mConfig.clock_date->month;
    now.day = mConfig.clock_date->day;
  }
  if (mConfig.clock_time) {
    now.hour = mConfig.clock_time->hour;
    now.minute = mConfig.clock_time->minute;
    now.second = mConfig.clock_time->second;
    now.millisecond = 0;
  }
  mClockOffset = EncodeDateTime(now.year, now.month, now.day, now.hour, now.minute, now.second,
                                now.millisecond) -
                 mClock.Now();
  Note("clock set from " + source + ": " + FormatDate(Now()) + " " + std::to_string(now.hour) + ":" +
       std::to_string(now.minute) + ":" + std::to_string(now.second));
}

void cSimDevice::LoadUsers(std::string_view bytes, const std::string& source) {
  std::string error;
  auto users = ReadCardUsers(bytes, PinTable(), &error);
  if (!users) {
    Note(source + " cannot be read, the users stay as they were: " + error);
    return;
  }
  mUsers = std::move(*users);
  Note(source + ": " + std::to_string(mUsers.size()) + " user(s)");
}

void cSimDevice::StartDiscarding(eMode after) {
  mMode = eMode::kDiscarding;
  mAfterDiscarding = after;
  mUploadParser.Reset();
  mQuietTimer->Start();
}

void cSimDevice::OnQuiet() {
  if (mMode != eMode::kDiscarding) return;
  Note("line quiet: asking for the frame again");
  mMode = mAfterDiscarding;
  mUploadParser.Reset();
  Send(std::string(1, static_cast<char>(wire::kRepeat)));
}

bool cSimDevice::RecordEvent(int user_id, int reader, bool by_pin) {
  sDeviceEvent event;
  event.user_id = user_id;
  event.when = DecodeDateTime(Now());
  event.reader = reader == 1 ? 1 : 0;
  event.by_pin = by_pin;
  event.reader_name = event.reader == 1 ? mConfig.port1 : mConfig.port0;
  const std::string name = EventFileName(event.when);
  const std::string line = FormatEventLine(event);
  std::string error;
  if (!mCard.Append(name, line, &error)) {
    Note("cannot record an event in " + name + ": " + error);
    return false;
  }
  Note("event in " + name + ": " + Cp1250ToUtf8(line.substr(0, line.size() - 2)));
  return true;
}

// Sending, with the fault knobs.

void cSimDevice::Send(std::string bytes) {
  if (mAnswerDelayMs == 0 && mDelayed.empty()) {
    SendNow(bytes);
    return;
  }
  mDelayed.emplace_back(mClock.GetTickCount() + mAnswerDelayMs, std::move(bytes));
  if (!mDelayTimer->IsActive()) {
    mDelayTimer->SetInterval(mAnswerDelayMs == 0 ? 1 : mAnswerDelayMs);
    mDelayTimer->Start();
  }
}

void cSimDevice::SendDelayed() {
  const uint32_t now = mClock.GetTickCount();
  while (!mDelayed.empty() && static_cast<int32_t>(now - mDelayed.front().first) >= 0) {
    const std::string bytes = std::move(mDelayed.front().second);
    mDelayed.pop_front();
    SendNow(bytes);
  }
  if (mDelayed.empty()) {
    mDelayTimer->Stop();
    return;
  }
  const auto wait = static_cast<int32_t>(mDelayed.front().first - now);
  mDelayTimer->SetInterval(static_cast<uint32_t>(wait > 0 ? wait : 1));
  mDelayTimer->Start();
}

void cSimDevice::SendNow(std::string_view bytes) {
  if (mSilent) {
    Note("silent: " + std::to_string(bytes.size()) + " byte(s) not sent");
    return;
  }
  if (mCutArmed) {
    if (bytes.size() > mCutRemaining) {
      Note("line cut after " + std::to_string(mCutRemaining) + " of " +
           std::to_string(bytes.size()) + " byte(s)");
      bytes = bytes.substr(0, mCutRemaining);
      mCutArmed = false;
      if (mSilentAfterCut) mSilent = true;
    } else {
      mCutRemaining -= bytes.size();
    }
  }
  if (bytes.empty()) return;
  Note("-> " + DumpBytes(bytes));
  if (mTransmit) mTransmit(bytes);
}

}  // namespace olv
