#include "app/wysylanie_users.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>

#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/users_file.h"

namespace olv {
namespace {

TEST(WysylanieUsers, WritesEachAskedDeviceInOrderAndNamesThoseThatCouldNotBeWritten) {
  char pattern[] = "/tmp/olv-wysylanie-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = std::string(pattern) + "/";
  ASSERT_TRUE(std::filesystem::create_directories(folder + "data/extSD/00000003"));
  // A file where device 3's sent folder belongs: its USERS.txt cannot be written.
  ASSERT_TRUE(WriteFileAtomically(folder + "data/extSD/00000003/sent", "x"));

  cVirtualClock clock;
  cUserList users(clock);
  cDevList devices(clock);
  ASSERT_TRUE(users.DodajUzytkownika("Ala", 7, "1234", ""));
  for (int id : {2, 3, 4})
    ASSERT_TRUE(devices.DodajUrzadzenie("D" + std::to_string(id), id, cCzytnik("We", 1), cCzytnik("Wy", 2), false,
                                        {"COM" + std::to_string(id), 115200}));
  const int32_t d2 = devices.GetDeviceByID(2)->Unique;
  const int32_t d3 = devices.GetDeviceByID(3)->Unique;
  const int32_t d4 = devices.GetDeviceByID(4)->Unique;
  devices.GetDeviceByID(4)->ListaDostepow.Dodaj(users.GetUserByIndex(0)->Unique);

  std::mt19937 random(5);
  const cPlanWysylaniaUsers plan = ZapiszPlikiUsers(folder, devices, users, {d4, d3, 999, d2}, random);
  ASSERT_EQ(plan.Pliki.size(), 2u);
  EXPECT_EQ(plan.Pliki[0].Port + " " + plan.Pliki[0].Sciezka, "COM4 " + folder + "data/extSD/00000004/sent/USERS.txt");
  EXPECT_EQ(plan.Pliki[1].Id, 2);
  const auto sent = OdczytajUsers(ReadWholeFile(plan.Pliki[0].Sciezka).value_or("?"));
  ASSERT_TRUE(sent);
  ASSERT_EQ(sent->size(), 1u);
  EXPECT_EQ((*sent)[0].PIN, "1234");
  EXPECT_EQ(FileSize(plan.Pliki[1].Sciezka), 0);
  ASSERT_EQ(plan.Niezapisane.size(), 1u);
  EXPECT_EQ(plan.Niezapisane[0].Id, 3);

  const std::string text = TekstNieudanegoWysylaniaUsers(
      plan.Niezapisane, [](const std::string& port, int id) { return port == "COM3" && id == 3 ? "Biuro" : ""; });
  EXPECT_EQ(text.rfind("Nie udało się wysłać listy użytkowników (USERS.txt) do urządzeń:\nBiuro (ID 3):\n"
                       "  USERS.txt – nie udało się zapisać pliku: ",
                       0),
            0u)
      << text;
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace olv
