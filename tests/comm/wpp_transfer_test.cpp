// The engine's file transfer, the in-memory link and the reply receiver in
// virtual time, with the device's side scripted byte by byte.
#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "comm/memory_link.h"
#include "comm/wpp.h"
#include "comm/wpp_reply_receiver.h"
#include "common/virtual_clock.h"

namespace olv {
namespace {

using Bytes = std::vector<uint8_t>;

// The header of device 2's download: start mark, size (low first), ID, the
// password flag, check (0x37 added).
Bytes FileHeader(uint32_t size) {
  Bytes bytes{0xFF, uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16), uint8_t(size >> 24), 2, 1};
  bytes.push_back(std::accumulate(bytes.begin() + 1, bytes.end(), uint8_t{0x37}));
  return bytes;
}

// Number, size (low first), header check, payload, payload sum (low first).
Bytes DataFrame(uint8_t number, const std::string& payload) {
  const size_t size = payload.size();
  Bytes bytes{number, uint8_t(size), uint8_t(size >> 8), uint8_t(number + size + (size >> 8))};
  bytes.insert(bytes.end(), payload.begin(), payload.end());
  const auto sum = std::accumulate(bytes.begin() + 4, bytes.end(), uint16_t{0});
  bytes.insert(bytes.end(), {uint8_t(sum), uint8_t(sum >> 8)});
  return bytes;
}

std::string Pattern(size_t size) {
  std::string data(size, '\0');
  for (size_t i = 0; i < size; ++i) data[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return data;
}

class WppTransferTest : public ::testing::Test {
 protected:
  WppTransferTest() {
    auto link = std::make_unique<cMemoryLink>(clock);
    mLink = link.get();
    wpp = std::make_unique<cWPP>(clock, std::move(link));
    mLink->SetDeviceReceiver([this](const uint8_t* d, size_t n) { sent.insert(sent.end(), d, d + n); });
    wpp->OnFileReceived = [this](const std::string& target, const std::string& data) {
      received_target = target;
      received.push_back(data);
    };
    EXPECT_TRUE(wpp->OtworzPort("COM1", 115200));
  }

  void FromDevice(const Bytes& bytes) { mLink->SendFromDevice(bytes.data(), bytes.size()); }
  // Runs until the engine has written `count` bytes in all.
  bool WaitForSent(size_t count, uint64_t limit_ms = 3000) {
    return clock.RunUntil([&] { return sent.size() >= count; }, limit_ms);
  }

  // Starts a download and checks its request frame.
  void RequestDownload(const std::string& name) {
    ASSERT_TRUE(wpp->SciagnijPlik(name, "/target/" + name));
    ASSERT_TRUE(WaitForSent(sent.size() + 9 + cWPP::NameField(name)->size() + 1));
    sent.clear();
  }

  cVirtualClock clock;
  cMemoryLink* mLink = nullptr;
  std::unique_ptr<cWPP> wpp;
  Bytes sent;
  std::vector<std::string> received;
  std::string received_target;
};

// One '{' per frame kept. Frame numbers: the frame kept
// last, sent again after a lost '{', is acknowledged again and not kept; a
// frame out of order, or carrying nothing, is refused like a damaged one.
TEST_F(WppTransferTest, DownloadFramesKeptByTheirNumbersAndEndedByTooMuchPayloadOrAClosedPort) {
  RequestDownload("21051110.CSV");
  const std::string file = Pattern(1536);
  FromDevice(FileHeader(1536));
  FromDevice(DataFrame(0, file.substr(0, 512)));
  ASSERT_TRUE(WaitForSent(1));
  FromDevice(DataFrame(0, file.substr(0, 512)));
  ASSERT_TRUE(WaitForSent(2));
  EXPECT_EQ(sent, (Bytes{'{', '{'})) << "the repeat is acknowledged again";
  EXPECT_EQ(wpp->BajtyPrzeslane(), 512u);
  for (const Bytes& wrong : {DataFrame(2, file.substr(1024)), DataFrame(1, "")}) {
    sent.clear();
    FromDevice(wrong);
    ASSERT_TRUE(WaitForSent(1, 1500));
    EXPECT_EQ(sent, Bytes{'d'}) << "refused by silence";
    EXPECT_EQ(wpp->BajtyPrzeslane(), 512u);
  }
  sent.clear();
  FromDevice(DataFrame(1, file.substr(512, 512)));
  ASSERT_TRUE(WaitForSent(1));
  FromDevice(DataFrame(2, file.substr(1024)));
  ASSERT_TRUE(clock.RunUntil([&] { return !received.empty(); }, 1000));
  EXPECT_EQ(received[0], file);
  EXPECT_EQ(received_target, "/target/21051110.CSV");
  EXPECT_EQ(sent, (Bytes{'{', '{'}));
  EXPECT_FALSE(wpp->TrybTransferuPliku());

  // Too much payload abandons a download; closing the port ends one.
  int abandoned = 0, lost = 0;
  wpp->OnDownloadAbandoned = [&] { ++abandoned; };
  wpp->OnConnectionLost = [&] { ++lost; };
  RequestDownload("D.CSV");
  FromDevice(FileHeader(300));
  FromDevice(DataFrame(0, Pattern(512)));
  ASSERT_TRUE(clock.RunUntil([&] { return abandoned == 1; }, 500));
  EXPECT_FALSE(wpp->TrybTransferuPliku());
  RequestDownload("E.CSV");
  FromDevice(FileHeader(100));
  clock.AdvanceMs(100);
  wpp->ZamknijPort();
  clock.AdvanceMs(3000);
  EXPECT_EQ(lost, 0) << "no repeat requests go to a closed port";
  EXPECT_EQ(received.size(), 1u);
  EXPECT_FALSE(wpp->UsunPlikZUrzadzenia("konfig.txt"));
}

TEST_F(WppTransferTest, NameFieldsRefusedNamesAndTheDeleteFrame) {
  EXPECT_EQ(cWPP::NameField("21051110.CSV"), "21051110.CSV");
  EXPECT_EQ(cWPP::NameField("NAME.LONGEXT"), "NAME.LON");
  EXPECT_EQ(cWPP::NameField("A.B"), "A.B");
  for (const char* bad : {"00000002", "123456789.TXT", ".CSV", "NAME.", "A\rB.TXT", ""}) {
    EXPECT_FALSE(cWPP::NameField(bad)) << bad;
  }
  EXPECT_FALSE(wpp->SciagnijPlik("00000002", "/t/x"));
  EXPECT_FALSE(wpp->UsunPlikZUrzadzenia("123456789.TXT"));
  clock.AdvanceMs(100);
  EXPECT_TRUE(sent.empty());
  EXPECT_FALSE(wpp->TrybTransferuPliku());
  // A delete goes out at once and completes, without an answer, on a later turn.
  int deleted = 0;
  wpp->OnFileDeleted = [&] { ++deleted; };
  ASSERT_TRUE(wpp->UsunPlikZUrzadzenia("konfig.txt"));
  EXPECT_EQ(deleted, 0);
  clock.AdvanceMs(5);
  EXPECT_EQ(deleted, 1);
  EXPECT_EQ(std::string(sent.begin(), sent.end()), std::string("\xFF" "427051") + '\0' + "\x0B" "konfig.txt\r");
}

// Bytes take 10 bit times each way (86.8 us at 115 200 baud); bytes that
// arrive while the link is closed are lost.
TEST(MemoryLinkTest, BytesCrossAtTheLineRateAndAreLostWhileClosed) {
  cVirtualClock clock;
  cMemoryLink link{clock};
  link.SetPorts({"COM1", "/dev/pts/4"});
  ASSERT_TRUE(link.SetPortName("COM1") && link.Open());
  link.LineSettings().BaudRate = 115200;
  ASSERT_TRUE(link.SetState());
  std::vector<uint64_t> arrivals;
  link.SetDeviceReceiver([&](const uint8_t*, size_t n) {
    ASSERT_EQ(n, 1u);
    arrivals.push_back(clock.NowMicros());
  });
  const uint8_t bytes[] = {10, 20, 30, 40, 50};
  EXPECT_EQ(link.Write(bytes, 3), 3u);
  EXPECT_EQ(link.BytesOnTheWayToDevice(), 3u);
  link.SendFromDevice(bytes, 5);
  clock.AdvanceMicros(200);
  EXPECT_EQ(link.BytesAvailable(), 2u);
  clock.AdvanceMicros(300);
  EXPECT_EQ(arrivals, (std::vector<uint64_t>{87, 174, 261}));
  uint8_t got[8] = {};
  EXPECT_EQ(link.Read(got, 3), 3u);
  EXPECT_EQ(link.Read(got + 3, 8), 2u);
  EXPECT_EQ(std::vector<uint8_t>(got, got + 5), std::vector<uint8_t>(bytes, bytes + 5));

  EXPECT_TRUE(link.Close());
  link.SendFromDevice(bytes, 2);
  EXPECT_EQ(link.Write(bytes, 2), 0u);
  clock.AdvanceMs(1);
  EXPECT_TRUE(link.Open());
  EXPECT_EQ(link.BytesAvailable(), 0u);
}

// A device's answer to the scan: 0xFF, ID, flag 10, header check, text, NUL.
Bytes ScanAnswer(uint8_t id, const std::string& text) {
  Bytes bytes{0xFF, id, 10, static_cast<uint8_t>(id + 10 + 0x37)};
  bytes.insert(bytes.end(), text.begin(), text.end());
  bytes.push_back(0x00);
  return bytes;
}

class ReplyReceiverTest : public ::testing::Test {
 protected:
  ReplyReceiverTest() {
    receiver.OnHeaderChecked = [this](uint32_t id, uint8_t flag) { headers.push_back({id, flag}); };
  }
  void Feed(const Bytes& bytes) { receiver.Odbierz(bytes.data(), bytes.size()); }

  cWppReplyReceiver receiver;
  std::vector<std::pair<uint32_t, uint8_t>> headers;
};

TEST_F(ReplyReceiverTest, BackToBackRepliesLoseTheFirstCharacterOfTheTextAndNeitherNoiseNorACutShiftThem) {
  Bytes all{0x00, 0x13, 'z'};
  for (uint8_t id : {2, 5, 9}) {
    const Bytes one = ScanAnswer(id, id == 9 ? "" : "xdev" + std::to_string(id));
    all.insert(all.end(), one.begin(), one.end());
  }
  Feed(all);
  EXPECT_EQ(headers.size(), 3u);
  // Device 2's list is cut in the middle of its second line by device 3's scan
  // answer; the first line stays, the fragment is not glued to anything.
  Feed({0xFF, 0x02, 0x01, 0x3A, 'O', 'N', 'E', 0x0D, 0x0A, 'T', 'W'});
  Feed(ScanAnswer(3, "xthree"));
  EXPECT_EQ(receiver.FoundDeviceLines(), (std::vector<std::string>{"2:dev2", "5:dev5", "9:", "3:three"}));
  EXPECT_EQ(receiver.FileListLines(), std::vector<std::string>{"ONE"});
  EXPECT_EQ(receiver.LineCount(), 1u) << "the line count is not reset by a reply inside a reply";
}

TEST_F(ReplyReceiverTest, LongLinesAreCutABadHeaderCheckIsOnlyNotReportedAndNothingRunsUnbounded) {
  Bytes reply{0xFF, 0x02, 0x01, 0x3A};
  reply.insert(reply.end(), 300, 'a');
  reply.insert(reply.end(), {0x0D, 0x0A, 'B', 0x0D, 0x0A, 0x15});
  Feed(reply);
  EXPECT_EQ(receiver.FileListLines(), (std::vector<std::string>{std::string(238, 'a'), "B"}));
  Feed({0xFF, 0x02, 0x01, 0x00, 'X', 0x0D, 0x0A, 0x15});
  EXPECT_EQ(headers.size(), 1u) << "a bad header check is not reported";
  EXPECT_EQ(receiver.FileListLines().back(), "X");
  Feed({0xFF, 0x02, 0x01, 0x3A, 'h', 'a', 'l', 'f'});
  receiver.Zeruj();
  Feed({0xFF, 0x02, 0x01, 0x3A, 'B', 0x0D, 0x0A});
  EXPECT_EQ(receiver.FileListLines().back(), "B");
  // Storms and endless replies stay bounded.
  receiver.Zeruj();
  Feed(Bytes(100000, 0xFF));
  EXPECT_TRUE(receiver.FileListLines().size() == 4 && receiver.FoundDeviceLines().empty());
  receiver.Zeruj();
  Bytes endless{0xFF, 0x02, 0x0A, 0x43};
  endless.insert(endless.end(), 1000000, 'q');
  Feed(endless);
  EXPECT_LE(receiver.FramePosition(), 4);
  Feed({0x00});
  EXPECT_EQ(receiver.FoundDeviceLines(), std::vector<std::string>{"2:" + std::string(239, 'q')});
}

}  // namespace
}  // namespace olv
