#include "app/plan_synchronizacji.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/files.h"

namespace olv {
namespace {

std::optional<int64_t> SizeOf(std::string_view line) {
  const auto entry = OdczytajWpisListyPlikow(line);
  EXPECT_TRUE(entry) << line;
  return entry ? entry->Rozmiar : std::nullopt;
}

TEST(FileListLine, NameIsTheFirstFieldAndSizeTheFourthWhateverTheBlanks) {
  const auto entry = OdczytajWpisListyPlikow("21051110.CSV 06.12.2026 08:00:00       1234");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Nazwa, "21051110.CSV");
  EXPECT_EQ(entry->Rozmiar, 1234);
  EXPECT_EQ(SizeOf("A.CSV  1  2  10"), SizeOf("A.CSV 1 2 10"));
  EXPECT_EQ(SizeOf("A.CSV 1 2 10"), 10);
  // A trailing blank or a fifth field does not turn the size into 0.
  EXPECT_EQ(SizeOf("A.CSV 1 2 10 "), 10);
  EXPECT_EQ(SizeOf("A.CSV 1 2 10\t"), 10);
  EXPECT_EQ(SizeOf("A.CSV 1 2 10 A"), 10);
  EXPECT_EQ(SizeOf("  A.CSV 1 2 10"), 10);
  EXPECT_EQ(SizeOf("A.CSV 1 2 3000000000"), 3000000000);
  EXPECT_EQ(SizeOf("A.CSV 1 2"), std::nullopt);
  EXPECT_EQ(SizeOf("A.CSV 1 2 1O"), std::nullopt);
  EXPECT_EQ(SizeOf("A.CSV 1 2 -5"), std::nullopt);
  // A device sends a file's size in 32 bits: a larger listed size is garbled,
  // and summed with others it would overflow the total asked about.
  EXPECT_EQ(SizeOf("A.CSV 1 2 4294967295"), 4294967295);
  EXPECT_EQ(SizeOf("A.CSV 1 2 4294967296"), std::nullopt);
  EXPECT_EQ(SizeOf("A.CSV 1 2 9223372036854775807"), std::nullopt);
  // Lines without a dot are the list's own (a heading, a total).
  EXPECT_FALSE(OdczytajWpisListyPlikow("3 pliki 1234 bajty"));
  EXPECT_FALSE(OdczytajWpisListyPlikow(""));
}

TEST(FileListLine, WantedByTheLocalCopysSizeAndTheConfigurationAlways) {
  EXPECT_TRUE(CzyPlikPotrzebny({"A.CSV", 10}, -1));
  EXPECT_FALSE(CzyPlikPotrzebny({"A.CSV", 10}, 10));
  EXPECT_TRUE(CzyPlikPotrzebny({"A.CSV", 10}, 9));
  EXPECT_TRUE(CzyPlikPotrzebny({"A.CSV", std::nullopt}, 10));
  EXPECT_TRUE(CzyPlikPotrzebny({"KONFOUT.TXT", 90}, 90));
  EXPECT_TRUE(CzyPlikPotrzebny({"konfout.txt", 90}, 90));
}

class PlanTest : public ::testing::Test {
 protected:
  PlanTest() {
    std::filesystem::create_directories(root + "data/extSD/00000002");
    std::filesystem::create_directories(root + "data/extSD/00000003");
  }
  ~PlanTest() override { std::filesystem::remove_all(root); }
  void Local(const std::string& path, size_t size) {
    ASSERT_TRUE(WriteFileAtomically(root + "data/extSD/" + path, std::string(size, 'x')));
  }
  std::string root = (std::filesystem::temp_directory_path() /
                      ("olv_plan_" + std::to_string(reinterpret_cast<uintptr_t>(this))))
                         .string() +
                     "/";
};

TEST_F(PlanTest, FetchesWhatTheMirrorLacksAndRefusesNamesThatAreNotPlain) {
  Local("00000002/SAME.CSV", 10);
  Local("00000002/TRAIL.CSV", 12);
  Local("00000002/GROWN.CSV", 10);
  Local("00000002/KONFOUT.TXT", 90);
  // The same name under another device's folder is not that device's copy.
  Local("00000003/NEW.CSV", 7);
  const std::vector<cListaPlikowZUrzadzenia> lists = {
      {{"SAME.CSV 1 2 10", "TRAIL.CSV  1  2  12 ", "GROWN.CSV 1 2 20", "KONFOUT.TXT 1 2 90", "NEW.CSV 1 2 7",
        "../../X.CSV 1 2 5", "LONGNAME1.CSV 1 2 5", "NOSIZE.CSV 1 2"},
       "COM1",
       2},
      {{"NEW.CSV 1 2 7", "Razem: 1 plik"}, "COM2", 3},
  };
  const cPlanSciagania plan = ZaplanujSciaganie(lists, root);
  std::vector<std::string> wanted;
  for (const cPlikDoSciagniecia& file : plan.Pliki) {
    wanted.push_back(file.Port + " " + std::to_string(file.Id) + " " + file.NazwaPliku + " " +
                     std::to_string(file.Rozmiar));
  }
  EXPECT_EQ(wanted, (std::vector<std::string>{"COM1 2 GROWN.CSV 20", "COM1 2 KONFOUT.TXT 90",
                                              "COM1 2 NEW.CSV 7", "COM1 2 NOSIZE.CSV -1"}));
  ASSERT_EQ(plan.Odrzucone.size(), 2u);
  EXPECT_EQ(plan.Odrzucone[0].Nazwa, "../../X.CSV");
  EXPECT_EQ(plan.Odrzucone[0].Id, 2);
  EXPECT_EQ(plan.Odrzucone[1].Nazwa, "LONGNAME1.CSV");
}

TEST(SyncQuestion, CountSizeAndSevenTenthsOfASecondAFileRoundedDown) {
  EXPECT_EQ(TekstPytaniaOSciagniecie(10, 10 * 1000),
            "Potrzeba ściągnąć 10 plików o łącznej wielkości 10000 B. Potrwa to ~7sek. Kontynuować?");
  EXPECT_EQ(SzacowanyCzasSciaganiaSek(1), 0);
  EXPECT_EQ(SzacowanyCzasSciaganiaSek(2), 1);
  EXPECT_EQ(SzacowanyCzasSciaganiaSek(33), 23);
  EXPECT_EQ(TekstPytaniaOSciagniecie(1, 5),
            "Potrzeba ściągnąć 1 plików o łącznej wielkości 5 B. Potrwa to ~0sek. Kontynuować?");
}

TEST(SyncReport, GroupsTheFailuresByDeviceAndReason) {
  const std::vector<cNieudaneZadanie> failures = {
      {"COM1", 3, "A.CSV", "Urządzenie nie przesłało pliku mimo 3 ponowień"},
      {"COM1", 3, "B.CSV", "Urządzenie nie przesłało pliku mimo 3 ponowień"},
      {"COM2", 5, "", "Nie można otworzyć portu COM2"},
      {"COM1", 3, "C.CSV", "Nie można zapisać pliku: brak miejsca"},
  };
  const std::string text = TekstNiepowodzen("Nagłówek:", failures, [](const std::string& port, int id) {
    return port == "COM1" && id == 3 ? std::string("Magazyn") : std::string();
  });
  EXPECT_EQ(text,
            "Nagłówek:\n"
            "Magazyn (port COM1, ID 3):\n"
            "  A.CSV, B.CSV – Urządzenie nie przesłało pliku mimo 3 ponowień\n"
            "  C.CSV – Nie można zapisać pliku: brak miejsca\n"
            "urządzenie (port COM2, ID 5):\n"
            "  Nie można otworzyć portu COM2");
}

TEST(PlanSynchronizacjiTest, SummaryCountsTheFilesOfEachDeviceAndSaysWhetherOthersWereFetched) {
  EXPECT_EQ(LiczbaPlikow(1), "1 plik");
  EXPECT_EQ(LiczbaPlikow(4), "4 pliki");
  EXPECT_EQ(LiczbaPlikow(12), "12 plików");
  EXPECT_EQ(LiczbaPlikow(22), "22 pliki");
  EXPECT_EQ(LiczbaPlikow(25), "25 plików");
  const std::vector<cNieudaneZadanie> failures = {
      {"COM1", 2, "", "Nie można otworzyć portu COM1"},
      {"COM1", 2, "A.CSV", "Nie można otworzyć portu COM1"},
      {"COM1", 2, "B.CSV", "Nie można otworzyć portu COM1"},
      {"COM2", 3, "C.CSV", "Nie można zapisać pliku: brak miejsca na dysku"}};
  const auto name = [](const std::string&, int id) { return id == 2 ? std::string("Brama") : std::string(); };
  EXPECT_EQ(PodsumowanieNiepowodzen(10, failures, name),
            "Nie udało się pobrać 3 plików z 10:\n"
            "Brama (port COM1, ID 2): 2 pliki – Nie można otworzyć portu COM1\n"
            "urządzenie (port COM2, ID 3): 1 plik – Nie można zapisać pliku: brak miejsca na dysku\n"
            "Pozostałe pliki zostały pobrane.");
  EXPECT_TRUE(PodsumowanieNiepowodzen(3, failures, name).starts_with("Nie udało się pobrać 3 plików z 3:"));
  EXPECT_TRUE(PodsumowanieNiepowodzen(3, failures, name).ends_with("\nŻaden plik nie został pobrany."));
}

}  // namespace
}  // namespace olv
