#include "sim/host_frame_parser.h"

#include <gtest/gtest.h>

#include "tests/sim/sim_test_support.h"

namespace olv::simtest {
namespace {

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

TEST(HostFrameParser, StartMarkInsideAFrameStartsANewOne) {
  cHostFrameParser parser;
  EXPECT_EQ(Feed(parser, Bytes({0xFF, '4', '2'}) + FileListRequest()), "F");
  EXPECT_EQ(parser.Frame().kind, eHostFrame::kFileList);
  EXPECT_EQ(parser.Frame().raw, FileListRequest());
  EXPECT_EQ(parser.TakeSkipped(), 3u);
  // The scan's address byte is 0xFF and belongs to the frame.
  EXPECT_EQ(Feed(parser, ScanFrame()), "F");
  EXPECT_EQ(parser.Frame().kind, eHostFrame::kScan);
}

TEST(HostFrameParser, NamesOverTheirRoomAreRefused) {
  cHostFrameParser parser;
  EXPECT_EQ(Feed(parser, Request(3, "123456789.CSV" + Bytes({0x0D}))), "");
  EXPECT_EQ(Feed(parser, Request(11, "12345678.CSV" + Bytes({0x0D}))), "F");
  EXPECT_EQ(parser.Frame().kind, eHostFrame::kDelete);
  EXPECT_EQ(parser.Frame().name, "12345678.CSV");
  // An upload header is known by its command, so a broken one is reported.
  EXPECT_EQ(Feed(parser, Request(9, std::string(65, 'A'))), "B");
  EXPECT_EQ(Feed(parser, Request(7, "X.TXT" + Bytes({0x0D}))), "");
}

}  // namespace
}  // namespace olv::simtest
