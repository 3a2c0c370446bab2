#include "comm/kolejka_zadan.h"

#include <gtest/gtest.h>

#include "comm/odpalacz_funkcji.h"
#include "common/virtual_clock.h"

namespace olv {
namespace {

class KolejkaTest : public ::testing::Test {
 protected:
  KolejkaTest() {
    queue.UstawFunkcjeObslugujacaZadanie([this](cZadanie& z) { handled.push_back(z.Parametr); });
  }
  cVirtualClock clock;
  cKolejkaZadan queue{clock};
  std::vector<std::string> handled;
};

TEST_F(KolejkaTest, TasksRunOnePerTurnUntilTheirEndAndLateEndsOrStrayEmptyEntriesRemoveNothing) {
  queue.DodajZadanie(eRodzajZadania::UstawPostep, "A", true);
  queue.DodajZadanie(eRodzajZadania::AktywujUrzadzenie, "T", false);
  queue.DodajZadanie(eRodzajZadania::ZamknijPort, "N", true);
  queue.ZacznijRobicNastepne();
  EXPECT_TRUE(handled.empty()) << "nothing runs inside the start call";
  clock.AdvanceMs(1);
  EXPECT_EQ(handled, std::vector<std::string>{"A"});
  clock.AdvanceMs(1);  // A is removed on this turn
  EXPECT_EQ(handled, std::vector<std::string>{"A"});
  clock.AdvanceMs(1);
  EXPECT_EQ(handled, (std::vector<std::string>{"A", "T"}));
  queue.ZacznijRobicNastepne();
  clock.AdvanceMs(100);
  EXPECT_EQ(handled, (std::vector<std::string>{"A", "T"})) << "T runs until its end is reported";
  queue.ZakonczObecneZadanie();
  clock.AdvanceMs(5);
  EXPECT_EQ(handled, (std::vector<std::string>{"A", "T", "N"}));
  clock.AdvanceMs(10);
  EXPECT_TRUE(queue.CzyPusta() && !queue.CosSieRobi());

  // A late end report while idle removes nothing; a stray empty entry is skipped.
  queue.DodajZadanie(eRodzajZadania::SciagnijListePlikow, "waiting", true);
  queue.ZakonczObecneZadanie();
  clock.AdvanceMs(5);
  EXPECT_EQ(queue.IloscWpisow(), 1);
  queue.WcisnijZadanieNaPoczatekKolejki(nullptr);
  queue.ZacznijRobicNastepne();
  clock.AdvanceMs(10);
  EXPECT_EQ(handled, (std::vector<std::string>{"A", "T", "N", "waiting"}));
  EXPECT_TRUE(queue.CzyPusta());
}

TEST(OdpalaczFunkcjiTest, DefersOneCallAndDropsTheSecond) {
  cVirtualClock clock;
  cOdpalaczFunkcji odpalacz(clock);
  std::vector<int> calls;
  odpalacz.Odpal([&] {
    calls.push_back(1);
    odpalacz.Odpal([&] { calls.push_back(3); });
  });
  odpalacz.Odpal([&] { calls.push_back(2); });
  EXPECT_TRUE(calls.empty());
  clock.AdvanceMs(1);
  EXPECT_EQ(calls, std::vector<int>{1});
  clock.AdvanceMs(1);
  EXPECT_EQ(calls, (std::vector<int>{1, 3}));
  EXPECT_FALSE(odpalacz.CzyCzeka());
}

}  // namespace
}  // namespace olv
