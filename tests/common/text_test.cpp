#include <gtest/gtest.h>
#include <iconv.h>

#include <vector>

#include "common/base64.h"
#include "common/cp1250.h"
#include "common/numbers.h"
#include "common/record_line.h"
#include "common/strings.h"

namespace olv {
namespace {

using Fields = std::vector<std::string>;

// Every byte decodes, and the assigned ones agree with the C library's own
// table of the code page.
TEST(Cp1250, AllBytesDecodeAndEncodeBackLikeIconv) {
  iconv_t cd = iconv_open("UTF-8", "CP1250");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    const std::string utf8 = Cp1250ToUtf8(one);
    EXPECT_EQ(Utf8ToCp1250(utf8), one) << "byte " << b;
    char in[1] = {static_cast<char>(b)};
    char out[8] = {};
    char* pin = in;
    char* pout = out;
    size_t in_left = 1, out_left = sizeof out;
    if (iconv(cd, &pin, &in_left, &pout, &out_left) != static_cast<size_t>(-1)) {
      EXPECT_EQ(utf8, std::string(out, pout)) << "byte " << b;
    }
  }
  iconv_close(cd);
}

TEST(Cp1250, RefusesWhatItCannotHoldOrBrokenUtf8AndTheReplacingEncoderWritesAQuestionMark) {
  // Outside the code page, truncated, overlong NUL, surrogate.
  for (const char* text : {"Zoë ☺", "日本", "x\xC5", "x\xC0\x80", "x\xED\xA0\x80"}) {
    EXPECT_FALSE(Utf8ToCp1250(text).has_value()) << text;
    EXPECT_EQ(Utf8ToCp1250Replacing(text).find('\0'), std::string::npos) << text;
  }
  EXPECT_EQ(Utf8ToCp1250Replacing("a€b☃"), "a\x80" "b?");
  EXPECT_EQ(Utf8ToCp1250Replacing("x\xFFy\xC5"), "x?y?");
}

TEST(Base64, KnownVectorsRoundTripsOfEveryLengthAndInvalidInputIsReported) {
  EXPECT_EQ(Base64EncodeLines({"", "f", "fo", "foobar"}), (Fields{"", "Zg==", "Zm8=", "Zm9vYmFy"}));
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(255 - i);
  for (size_t n = 0; n <= all.size(); ++n) {
    EXPECT_EQ(Base64Decode(Base64Encode(all.substr(0, n))), all.substr(0, n)) << n;
  }
  // Length, character, padding inside, too much padding, a line end.
  for (const char* bad : {"Zg=", "Zm9v!A==", "Zg==Zm9v", "Z===", "Zm9v\r"}) {
    EXPECT_FALSE(Base64Decode(bad).has_value()) << bad;
  }
  // A length that is no multiple of 4, where more text follows in memory.
  EXPECT_FALSE(Base64Decode(std::string_view("Zm9vZm9v", 6)).has_value());
}

TEST(RecordLine, QuotingSplittingAndRoundTripsOfAwkwardFields) {
  EXPECT_EQ(EncodeRecordLine({"a", "b c", "", "x,y", "say \"hi\"", "t\tb"}),
            "a,\"b c\",,\"x,y\",\"say \"\"hi\"\"\",\"t\tb\"");
  EXPECT_EQ(EncodeRecordLine({""}) + EncodeRecordLine({"", ""}), "\"\",");
  EXPECT_EQ(DecodeRecordLine("   "), Fields{});
  // A comma at the very end adds one empty field; blanks after it do not.
  EXPECT_EQ(DecodeRecordLine("a,"), (Fields{"a", ""}));
  EXPECT_EQ(DecodeRecordLine("a, "), (Fields{"a"}));
  // An unquoted field ends at a blank; blanks between fields are skipped.
  EXPECT_EQ(DecodeRecordLine("a b ,  c"), (Fields{"a", "b", "c"}));
  // An unterminated quote runs to the end of the line.
  EXPECT_EQ(DecodeRecordLine("\"open,end"), (Fields{"open,end"}));
  const std::vector<Fields> cases = {
      {"Jan Kowalski", "0,333333333333333", "a\"b", ",", "\"", "Łódź Żółć"},
      {""}, {}, {"", "x", ""}, {"trailing ", " leading", "in\r\nside"}};
  for (const Fields& fields : cases) {
    EXPECT_EQ(DecodeRecordLine(EncodeRecordLine(fields)), fields);
    EXPECT_TRUE(IsCleanRecordLine(EncodeRecordLine(fields)));
  }
  for (const std::string& unclean : {std::string("a\tb,1"), std::string("a,\r"), std::string("\"a\0\",1", 6),
                                     std::string("\"a\"\x1f")})
    EXPECT_FALSE(IsCleanRecordLine(unclean)) << unclean;
}

TEST(Strings, SmallHelpersAndNumbersInGeneralFormReadWithCommaOrPoint) {
  EXPECT_EQ(IntToStrZeZerami(12345, 4) + IntToStrZeZerami(-5, 4), "12345-0005");
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd\r\n"), (Fields{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Fields{"a", "", "b"}));
  EXPECT_EQ(JoinLinesCrLf({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(FormatNumber(1.0 / 3.0, ',') + " " + FormatNumber(45419.375, '.') + " " +
                FormatNumber(-0.25, ',') + " " + FormatNumber(1.0, ','),
            "0,333333333333333 45419.375 -0,25 1");
  for (const char* text : {"0,333333333333333", "0.333333333333333"}) {
    EXPECT_DOUBLE_EQ(*ParseNumber(text), 0.333333333333333) << text;
  }
  EXPECT_DOUBLE_EQ(*ParseNumber(" 12 ") + *ParseNumber("+1.5"), 13.5);
  for (const char* bad : {"", "1,2,3", "abc", "nan"}) EXPECT_FALSE(ParseNumber(bad)) << bad;
  EXPECT_EQ(ParseInt(" -7"), -7);
  EXPECT_FALSE(ParseInt("4.2") || ParseInt("99999999999"));
}

}  // namespace
}  // namespace olv
