#include "comm/wpp_reply_receiver.h"

#include <gtest/gtest.h>

#include <random>

namespace olv {
namespace {

using Bytes = std::vector<uint8_t>;

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
    receiver.OnFileListLine = [this] { ++line_events; };
    receiver.OnFileListEnd = [this] { ++end_events; };
  }
  void Feed(const Bytes& bytes) { receiver.Odbierz(bytes.data(), bytes.size()); }

  cWppReplyReceiver receiver;
  std::vector<std::pair<uint32_t, uint8_t>> headers;
  int line_events = 0;
  int end_events = 0;
};

TEST_F(ReplyReceiverTest, BackToBackScanAnswersLoseTheirFirstCharacterAndNoiseDoesNotShiftThem) {
  Bytes all{0x00, 0x13, 'z'};
  for (uint8_t id : {2, 5, 9}) {
    const Bytes one = ScanAnswer(id, id == 9 ? "" : "xdev" + std::to_string(id));
    all.insert(all.end(), one.begin(), one.end());
  }
  Feed(all);
  EXPECT_EQ(receiver.FoundDeviceLines(), (std::vector<std::string>{"2:dev2", "5:dev5", "9:"}));
  EXPECT_EQ(headers.size(), 3u);
}

TEST_F(ReplyReceiverTest, StartMarkInsideDataStartsANewReplyAndKeepsEarlierLines) {
  // Device 2's list is cut in the middle of its second line by device 3's scan
  // answer; the first line stays, the fragment is not glued to anything.
  Feed({0xFF, 0x02, 0x01, 0x3A, 'O', 'N', 'E', 0x0D, 0x0A, 'T', 'W'});
  Feed(ScanAnswer(3, "xthree"));
  EXPECT_EQ(receiver.FileListLines(), std::vector<std::string>{"ONE"});
  EXPECT_EQ(receiver.FoundDeviceLines(), std::vector<std::string>{"3:three"});
  EXPECT_EQ(receiver.LineCount(), 1u) << "the line count is not reset by a reply inside a reply";
}

TEST_F(ReplyReceiverTest, LongLineIsCutTo240BytesLessTheLineEnd) {
  Bytes reply{0xFF, 0x02, 0x01, 0x3A};
  reply.insert(reply.end(), 300, 'a');
  reply.insert(reply.end(), {0x0D, 0x0A, 'B', 0x0D, 0x0A, 0x15});
  Feed(reply);
  ASSERT_EQ(receiver.FileListLines().size(), 2u);
  EXPECT_EQ(receiver.FileListLines()[0], std::string(238, 'a'));
  EXPECT_EQ(receiver.FileListLines()[1], "B");
}

TEST_F(ReplyReceiverTest, ABadHeaderCheckIsOnlyNotReportedAndZerujForgetsAHalfReadReply) {
  Feed({0xFF, 0x02, 0x01, 0x00, 'X', 0x0D, 0x0A, 0x15});
  EXPECT_TRUE(headers.empty());
  EXPECT_EQ(receiver.FileListLines(), std::vector<std::string>{"X"});
  Feed({0xFF, 0x02, 0x01, 0x3A, 'h', 'a', 'l', 'f'});
  receiver.Zeruj();
  Feed({0xFF, 0x02, 0x01, 0x3A, 'B', 0x0D, 0x0A});
  EXPECT_EQ(receiver.FileListLines().back(), "B");
}

TEST_F(ReplyReceiverTest, StormsAndEndlessRepliesStayBounded) {
  Feed(Bytes(100000, 0xFF));
  EXPECT_TRUE(receiver.FileListLines().empty() && receiver.FoundDeviceLines().empty());
  receiver.Zeruj();
  Bytes endless{0xFF, 0x02, 0x0A, 0x43};
  endless.insert(endless.end(), 1000000, 'q');
  Feed(endless);
  EXPECT_LE(receiver.FramePosition(), 4);
  Feed({0x00});
  ASSERT_EQ(receiver.FoundDeviceLines().size(), 1u);
  EXPECT_EQ(receiver.FoundDeviceLines()[0], "2:" + std::string(239, 'q'));
}

TEST_F(ReplyReceiverTest, MillionsOfRandomBytesKeepEveryInvariant) {
  std::mt19937 random(20240611);
  // Bytes drawn mostly from the ones that mean something, so the receiver
  // walks all its states, in chunks of random size.
  const uint8_t meaningful[] = {0xFF, 0x00, 0x01, 0x0A, 0x0D, 0x15, 0x02, 0x3A, 0x49, 'a'};
  Bytes chunk;
  size_t fed = 0;
  while (fed < 3'000'000) {
    chunk.resize(random() % 2000);
    for (uint8_t& b : chunk) {
      b = random() % 3 == 0 ? static_cast<uint8_t>(random()) : meaningful[random() % 10];
    }
    receiver.Odbierz(chunk.data(), chunk.size());
    fed += chunk.size();
    ASSERT_TRUE(receiver.FramePosition() >= 0 && receiver.FramePosition() <= 4);
    if (random() % 50 == 0) receiver.Zeruj();
  }
  for (const std::string& line : receiver.FileListLines()) ASSERT_LE(line.size(), 238u);
  for (const std::string& line : receiver.FoundDeviceLines()) {
    const size_t colon = line.find(':');
    ASSERT_NE(colon, std::string::npos);
    ASSERT_LE(line.size() - colon - 1, 239u);
  }
  EXPECT_TRUE(line_events > 0 && end_events > 0 && !receiver.FoundDeviceLines().empty());
}

}  // namespace
}  // namespace olv
