#include "comm/wpp_reply_receiver.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace olv
