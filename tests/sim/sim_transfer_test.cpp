#include "common/files.h"
#include "common/strings.h"
#include "sim/card_users.h"
#include "sim/host_frame_parser.h"
#include "tests/sim/sim_test_support.h"

namespace olv::simtest {
namespace {

// Two bytes, low first: the byte sum of the frame so far.
std::string Sum(const std::string& bytes) {
  unsigned sum = 0;
  for (char c : bytes) sum += static_cast<uint8_t>(c);
  return Bytes({static_cast<int>(sum & 0xFF), static_cast<int>((sum >> 8) & 0xFF)});
}

std::string UploadHeader(const std::string& name, uint32_t size, const std::string& password = "427051") {
  const std::string frame = Request(9, name + Bytes({0x00, static_cast<int>(size & 0xFF),
                                                     static_cast<int>((size >> 8) & 0xFF),
                                                     static_cast<int>((size >> 16) & 0xFF),
                                                     static_cast<int>(size >> 24)}),
                                    password);
  return frame + Sum(frame);
}

// An upload's data frame: number, size, header check (with 0x37), payload,
// sum.
std::string UploadFrame(int number, const std::string& payload) {
  const int low = static_cast<int>(payload.size() & 0xFF);
  const int high = static_cast<int>(payload.size() >> 8);
  return Bytes({number, low, high, (number + low + high + 0x37) & 0xFF}) + payload + Sum(payload);
}

class SimTransfer : public SimBusTest {
 protected:
  void SetUp() override {
    SimBusTest::SetUp();
    AddDevice(2);
    AddDevice(3);
    Send(ActivationFrame(2));
  }
};

// Transfers over a clean and a damaged line are checked against the driver
// (sterownik_wpp_test); here what only the card's side shows.

// Uploads of a name that is not plain or with a wrong password are refused
// unanswered; a delete ignores case and needs the password. (Uploaded users
// are decoded in the users editor's scenario against olv8-sim.)
TEST_F(SimTransfer, UploadsAndDeletesNeedThePasswordAndAPlainNameBrokenUsersLeaveTheUsersAndKonfigMovesTheDevice) {
  Send(UploadHeader("../EVIL.TXT", 1));
  Send(UploadHeader("a/b.txt", 1));
  Send(UploadHeader("OK.TXT", 1, "000000"));
  mClock.AdvanceMs(100);
  EXPECT_FALSE(FileExists(mRoot + "/EVIL.TXT"));
  ASSERT_TRUE(WriteFileAtomically(CardFolder(2) + "/21051110.CSV", "x"));
  Send(Request(11, "21051110.csv\r", "111111"));
  EXPECT_TRUE(FileExists(CardFolder(2) + "/21051110.CSV"));
  Send(Request(11, "21051110.csv\r"));
  EXPECT_FALSE(FileExists(CardFolder(2) + "/21051110.CSV"));
  EXPECT_EQ(TakeAll(), "");

  // A users file that breaks the layout replaces the one of the same name in
  // any case on the card, and the users stay.
  const std::string users = std::string(8, ' ') + "0007u" + Bytes({0x00, 0x00}) + "Ala\r\n";
  Send(UploadHeader("USERS.txt", static_cast<uint32_t>(users.size())) + UploadFrame(0, users));
  const cSimDevice& device = *mBus.FindDevice(2);
  ASSERT_EQ(device.Users().size(), 1u);
  Send(UploadHeader("users.txt", 3) + UploadFrame(0, "bad"));
  EXPECT_EQ(TakeAll(), "{{{{");
  EXPECT_EQ(device.Users().size(), 1u);
  EXPECT_EQ(ListFiles(CardFolder(2)), (std::vector<std::string>{"KONFOUT.TXT", "users.txt"}));

  // konfig.txt moves the bus ID and sets the clock that stamps the events
  // (what it makes of KONFOUT.TXT is read by the device editor's test against
  // olv8-sim).
  const std::string konfig =
      "DeviceID=Brama\r\nport1=Wyj\x9C" "cie\r\nport0=Wej\x9C" "cie\r\nbutton=on\r\n"
      "data:2025.12.31\r\ntime:23.59.50\r\nRSID=5\r\n";
  Send(UploadHeader("konfig.txt", static_cast<uint32_t>(konfig.size())));
  Send(UploadFrame(0, konfig));
  EXPECT_EQ(TakeAll(), "{{");
  EXPECT_EQ(mBus.FindDevice(2), nullptr);
  ASSERT_NE(mBus.FindDevice(5), nullptr);
  mClock.AdvanceMs(20000);
  ASSERT_TRUE(mBus.FindDevice(5)->RecordEvent(7, 0, false));
  const auto lines = SplitLines(ReadWholeFile(CardFolder(2) + "/20260101.CSV").value_or(""));
  ASSERT_EQ(lines.size(), 1u);
  const sEventRead read = ReadAsTheManagerDoes(lines[0]);
  EXPECT_EQ(read.date + " " + read.time, "2026-01-01 00:00:10");
  EXPECT_EQ(mBus.FindDevice(3)->Now(), mClock.Now()) << "the other device keeps the host's clock";
}

using eResult = cHostFrameParser::eResult;

// The results of feeding bytes, one letter each result that is not kNone:
// F for a frame, B for a broken upload header.
std::string Feed(cHostFrameParser& parser, const std::string& bytes) {
  std::string results;
  for (char c : bytes) {
    const eResult r = parser.Feed(static_cast<uint8_t>(c));
    if (r == eResult::kFrame) results += 'F';
    if (r == eResult::kBrokenUploadHeader) results += 'B';
  }
  return results;
}

TEST(HostFrameParser, StartMarkInsideAFrameStartsANewOneAndNamesOverTheirRoomAreRefused) {
  cHostFrameParser parser;
  EXPECT_EQ(Feed(parser, Bytes({0xFF, '4', '2'}) + FileListRequest()), "F");
  EXPECT_EQ(parser.Frame().raw, FileListRequest());
  EXPECT_EQ(parser.TakeSkipped(), 3u);
  EXPECT_EQ(Feed(parser, Request(3, "123456789.CSV" + Bytes({0x0D}))), "");
  EXPECT_EQ(Feed(parser, Request(11, "12345678.CSV" + Bytes({0x0D}))), "F");
  EXPECT_EQ(parser.Frame().kind, eHostFrame::kDelete);
  EXPECT_EQ(parser.Frame().name, "12345678.CSV");
  // An upload header is known by its command, so a broken one is reported.
  EXPECT_EQ(Feed(parser, Request(9, std::string(65, 'A'))), "B");
  EXPECT_EQ(Feed(parser, Request(7, "X.TXT" + Bytes({0x0D}))), "");
}

// A table of our own: byte b stands for digit b mod 10.
std::array<uint8_t, 256> TestTable() {
  std::array<uint8_t, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = static_cast<uint8_t>(b % 10);
  return table;
}

// Whole files are read in sim_transfer_test (an uploaded USERS.txt); here the
// refusals of broken ones.
TEST(CardUsers, BrokenFilesAreRefusedWithThePlace) {
  const std::string good = std::string(8, ' ') + "0007u" + Bytes({0x00, 0x00}) + "Ala\r\n";
  std::string error;
  EXPECT_FALSE(ReadCardUsers(good.substr(0, good.size() - 1), TestTable(), &error));
  EXPECT_EQ(error, "record 1 broken at byte 15: name not ended by CR LF");
  EXPECT_FALSE(ReadCardUsers(good + "x", TestTable(), &error));
  EXPECT_EQ(error, "record 2 broken at byte 20: too short");
  std::string bad_id = good;
  bad_id[9] = 'x';
  EXPECT_FALSE(ReadCardUsers(bad_id, TestTable(), &error));
  EXPECT_FALSE(ReadCardUsers(std::string(8, ' ') + "0007u" + Bytes({0x00}) + std::string(40, '\x01'),
                             TestTable(), &error));
  EXPECT_EQ(error, "record 1 broken at byte 30: PIN too long");
  EXPECT_TRUE(ReadCardUsers("", TestTable())->empty());
}

}  // namespace
}  // namespace olv::simtest
