#include <gtest/gtest.h>
#include <iconv.h>

#include <string>
#include <vector>

#include "common/base64.h"
#include "common/collation.h"
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

TEST(Cp1250, RefusesWhatItCannotHoldOrBrokenUtf8) {
  EXPECT_FALSE(Utf8ToCp1250("Zoë ☺").has_value());  // ☺ is outside the code page
  EXPECT_FALSE(Utf8ToCp1250("日本").has_value());
  EXPECT_FALSE(Utf8ToCp1250("\xC5").has_value());          // truncated
  EXPECT_FALSE(Utf8ToCp1250("\xC0\x80").has_value());      // overlong NUL
  EXPECT_FALSE(Utf8ToCp1250("\xED\xA0\x80").has_value());  // surrogate
  EXPECT_TRUE(FitsCp1250("Żółć €"));
}

TEST(Cp1250, ReplacingEncoderTurnsWhatItCannotHoldIntoAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1250Replacing("a€b"), "a\x80" "b");
  EXPECT_EQ(Utf8ToCp1250Replacing("x☃y"), "x?y");
  EXPECT_EQ(Utf8ToCp1250Replacing("x\xFFy"), "x?y");
  EXPECT_EQ(Utf8ToCp1250Replacing("x\xC5"), "x?");
}

TEST(Base64, KnownVectorsAndRoundTrip) {
  EXPECT_EQ(Base64Encode(""), "");
  EXPECT_EQ(Base64Encode("f"), "Zg==");
  EXPECT_EQ(Base64Encode("fo"), "Zm8=");
  EXPECT_EQ(Base64Encode("foo"), "Zm9v");
  EXPECT_EQ(Base64Encode("foobar"), "Zm9vYmFy");
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  for (size_t n = 0; n < 7; ++n) {
    const std::string part = all.substr(250 - n, n + 3);
    EXPECT_EQ(Base64Decode(Base64Encode(part)), part);
  }
  EXPECT_EQ(Base64Decode(Base64Encode(all)), all);
  EXPECT_EQ(Base64EncodeLines({"f", "fo"}), (Fields{"Zg==", "Zm8="}));
}

TEST(Base64, InvalidInputIsReported) {
  EXPECT_FALSE(Base64Decode("Zg=").has_value());       // length
  EXPECT_FALSE(Base64Decode("Zm9v!A==").has_value());  // character
  EXPECT_FALSE(Base64Decode("Zg==Zm9v").has_value());  // padding inside
  EXPECT_FALSE(Base64Decode("Z===").has_value());      // too much padding
  EXPECT_FALSE(Base64Decode("Zm9v\r").has_value());
  EXPECT_EQ(Base64Decode(""), std::string());
}

TEST(RecordLine, QuotingRule) {
  EXPECT_EQ(EncodeRecordLine({"a", "b c", "", "x,y", "say \"hi\""}),
            "a,\"b c\",,\"x,y\",\"say \"\"hi\"\"\"");
  EXPECT_EQ(EncodeRecordLine({""}), "\"\"");
  EXPECT_EQ(EncodeRecordLine({"", ""}), ",");
  EXPECT_EQ(EncodeRecordLine({}), "");
  EXPECT_EQ(EncodeRecordLine({"tab\there"}), "\"tab\there\"");
}

TEST(RecordLine, SplittingRule) {
  EXPECT_EQ(DecodeRecordLine("a,\"b c\",,\"x,y\""), (Fields{"a", "b c", "", "x,y"}));
  EXPECT_EQ(DecodeRecordLine("\"\""), (Fields{""}));
  EXPECT_EQ(DecodeRecordLine(""), Fields{});
  EXPECT_EQ(DecodeRecordLine("   "), Fields{});
  // A comma at the very end adds one empty field; blanks after it do not.
  EXPECT_EQ(DecodeRecordLine("a,"), (Fields{"a", ""}));
  EXPECT_EQ(DecodeRecordLine("a, "), (Fields{"a"}));
  // An unquoted field ends at a blank; blanks between fields are skipped.
  EXPECT_EQ(DecodeRecordLine("a b ,  c"), (Fields{"a", "b", "c"}));
  EXPECT_EQ(DecodeRecordLine("\"say \"\"hi\"\"\",x"), (Fields{"say \"hi\"", "x"}));
  // An unterminated quote runs to the end of the line.
  EXPECT_EQ(DecodeRecordLine("\"open,end"), (Fields{"open,end"}));
}

TEST(RecordLine, RoundTripsAwkwardFields) {
  const std::vector<Fields> cases = {
      {"Jan Kowalski", "0,333333333333333", "a\"b", ",", "\"", "Łódź Żółć"},
      {""},
      {"", "x", ""},
      {"trailing ", " leading", "in\r\nside"},
  };
  for (const Fields& fields : cases) EXPECT_EQ(DecodeRecordLine(EncodeRecordLine(fields)), fields);
}

TEST(Strings, SmallHelpers) {
  EXPECT_EQ(IntToStrZeZerami(7, 4), "0007");
  EXPECT_EQ(IntToStrZeZerami(12345, 4), "12345");
  EXPECT_EQ(IntToStrZeZerami(2, 8), "00000002");
  EXPECT_EQ(IntToStrZeZerami(-5, 4), "-0005");
  EXPECT_TRUE(ZawieraTylkoZnaki("0123", "0123456789"));
  EXPECT_TRUE(ZawieraTylkoZnaki("", "0123456789"));
  EXPECT_FALSE(ZawieraTylkoZnaki("12a", "0123456789"));
  EXPECT_EQ(DodajPrefiks("COM3", "COM"), "COM3");
  EXPECT_EQ(DodajPrefiks("3", "COM"), "COM3");
  EXPECT_TRUE(TimesEqual(0.5, 0.5 + 1e-9, 1e-8));
  EXPECT_FALSE(TimesEqual(0.5, 0.51, 1e-8));
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd\r\n"), (Fields{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Fields{"a", "", "b"}));
  EXPECT_EQ(JoinLinesCrLf({"a", "b"}), "a\r\nb\r\n");
}

TEST(Numbers, GeneralFormWithFifteenDigits) {
  EXPECT_EQ(FormatNumber(1.0 / 3.0, ','), "0,333333333333333");
  EXPECT_EQ(FormatNumber(1.0, ','), "1");
  EXPECT_EQ(FormatNumber(45419.375, '.'), "45419.375");
  EXPECT_EQ(FormatNumber(-0.25, ','), "-0,25");
  EXPECT_EQ(FormatNumber(0.0, ','), "0");
}

TEST(Numbers, ReadingAcceptsCommaAndPoint) {
  EXPECT_DOUBLE_EQ(*ParseNumber("0,333333333333333"), 0.333333333333333);
  EXPECT_DOUBLE_EQ(*ParseNumber("0.333333333333333"), 0.333333333333333);
  EXPECT_DOUBLE_EQ(*ParseNumber(" 12 "), 12.0);
  EXPECT_DOUBLE_EQ(*ParseNumber("+1.5"), 1.5);
  EXPECT_FALSE(ParseNumber("").has_value());
  EXPECT_FALSE(ParseNumber("1,2,3").has_value());
  EXPECT_FALSE(ParseNumber("abc").has_value());
  EXPECT_FALSE(ParseNumber("nan").has_value());
  EXPECT_EQ(ParseInt(" 42"), 42);
  EXPECT_EQ(ParseInt("-7"), -7);
  EXPECT_FALSE(ParseInt("4.2").has_value());
  EXPECT_FALSE(ParseInt("99999999999").has_value());
}

TEST(Collation, PolishOrderIgnoringCase) {
  const Fields ordered = {"ala", "Ąbc", "Bogdan", "Łukasz", "Zenon", "Żaneta"};
  for (size_t i = 0; i + 1 < ordered.size(); ++i) {
    EXPECT_TRUE(LessPolish(ordered[i], ordered[i + 1])) << ordered[i];
    EXPECT_TRUE(LessPolish(ToUpperAscii(ordered[i]), ordered[i + 1])) << ordered[i];
    EXPECT_FALSE(LessPolish(ordered[i + 1], ordered[i])) << ordered[i];
  }
  EXPECT_EQ(ComparePolish("kowalski", "KOWALSKI"), 0);
  EXPECT_EQ(ComparePolish("łukasz", "ŁUKASZ"), 0);
}

}  // namespace
}  // namespace olv
