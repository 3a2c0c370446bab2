#include "sim/card_users.h"

#include <gtest/gtest.h>

#include "tests/sim/sim_test_support.h"

namespace olv::simtest {
namespace {

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
