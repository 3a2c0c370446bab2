#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include "common/virtual_clock.h"
#include "sim/line_pacer.h"

namespace olv {
namespace {

// The devices, cards, link, log and pacing are taken in olv8_sim_test; here
// the fault knobs.
TEST(SimOptions, FaultKnobsAreTaken) {
  std::string error;
  const auto options =
      ParseSimOptions({"--devices", "3", "--verbose", "--silent", "3", "--late", "2:600", "--cut",
                       "4:100", "--fall-silent", "5:2000", "--drop", "0,001", "--garble", "0.0002", "--seed", "42"},
                      &error);
  ASSERT_TRUE(options) << error;
  EXPECT_TRUE(options->verbose && options->seed == 42u);
  EXPECT_EQ(options->silent, std::vector<int>{3});
  EXPECT_EQ(options->late, (std::vector<std::pair<int, uint32_t>>{{2, 600}}));
  EXPECT_EQ(options->cut, (std::vector<std::pair<int, uint64_t>>{{4, 100}}));
  EXPECT_EQ(options->fall_silent, (std::vector<std::pair<int, uint64_t>>{{5, 2000}}));
  EXPECT_DOUBLE_EQ(options->drop, 0.001);
  EXPECT_DOUBLE_EQ(options->garble, 0.0002);
}

TEST(SimOptions, BadValuesAreRefusedWithTheReason) {
  std::string error;
  EXPECT_FALSE(ParseSimOptions({}, &error));
  EXPECT_EQ(error, "no devices: give --device, --devices or --cards");
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--device", "10:x"}, {"--device", "2:"}, {"--devices", "9"},
           {"--devices", "2", "--garble", "1.5"}, {"--devices", "2", "--late", "2"},
           {"--devices", "2", "--fall-silent", "2:-1"}}) {
    EXPECT_FALSE(ParseSimOptions(bad, &error)) << bad.back();
  }
  EXPECT_FALSE(ParseSimOptions({"--devices"}, &error));
  EXPECT_EQ(error, "missing value after --devices");
  EXPECT_FALSE(ParseSimOptions({"--devices", "2", "--fast"}, &error));
  EXPECT_EQ(error, "unknown option --fast");
  EXPECT_TRUE(ParseSimOptions({"--help"}, &error));
}

TEST(LinePacer, LetsBytesOutAtTheLineRate) {
  cVirtualClock clock;
  std::vector<std::pair<uint64_t, size_t>> out;
  cLinePacer pacer(clock, 11520, [&](std::string_view bytes) {
    out.emplace_back(clock.NowMicros() / 1000, bytes.size());
  });
  pacer.Push(std::string(1153, 'x'));
  clock.AdvanceMs(99);
  EXPECT_GT(pacer.Waiting(), 0u);
  clock.AdvanceMs(1);
  EXPECT_EQ(pacer.Waiting(), 0u);
  size_t total = 0;
  for (const auto& [ms, n] : out) {
    total += n;
    // Never ahead of the line: one byte at once, then 11.52 a millisecond.
    EXPECT_LE(total, 1 + ms * 11520 / 1000);
  }
  EXPECT_EQ(total, 1153u);

  cLinePacer direct(clock, 0, [&](std::string_view bytes) { out.emplace_back(0, bytes.size()); });
  out.clear();
  direct.Push("abc");
  EXPECT_EQ(out, (std::vector<std::pair<uint64_t, size_t>>{{0, 3}}));
}

}  // namespace
}  // namespace olv
