#include "app/plan_synchronizacji.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/files.h"
#include "tests/model/model_test_support.h"

namespace olv {
namespace {

TEST(FileListLine, NameIsTheFirstFieldAndSizeTheFourthWhateverTheBlanks) {
  const auto entry = OdczytajWpisListyPlikow("21051110.CSV 06.12.2026 08:00:00       1234");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Nazwa, "21051110.CSV");
  EXPECT_EQ(entry->Rozmiar, 1234);
  // A trailing blank or a fifth field does not turn the size into 0. A device
  // sends a file's size in 32 bits: a larger listed size is garbled, and summed
  // with others it would overflow the total asked about.
  const std::pair<const char*, std::optional<int64_t>> sizes[] = {
      {"A.CSV  1  2  10", 10}, {"A.CSV 1 2 10 ", 10}, {"A.CSV 1 2 10\t", 10}, {"A.CSV 1 2 10 A", 10},
      {"  A.CSV 1 2 10", 10}, {"A.CSV 1 2 3000000000", 3000000000}, {"A.CSV 1 2", std::nullopt},
      {"A.CSV 1 2 1O", std::nullopt}, {"A.CSV 1 2 -5", std::nullopt}, {"A.CSV 1 2 4294967295", 4294967295},
      {"A.CSV 1 2 4294967296", std::nullopt}, {"A.CSV 1 2 9223372036854775807", std::nullopt}};
  for (const auto& [line, size] : sizes) {
    const auto read = OdczytajWpisListyPlikow(line);
    ASSERT_TRUE(read) << line;
    EXPECT_EQ(read->Rozmiar, size) << line;
  }
  // Lines without a dot are the list's own (a heading, a total).
  EXPECT_FALSE(OdczytajWpisListyPlikow("3 pliki 1234 bajty"));
  EXPECT_FALSE(OdczytajWpisListyPlikow(""));
  // The configuration is wanted always, whatever the case of its name.
  EXPECT_TRUE(CzyPlikPotrzebny({"konfout.txt", 90}, 90));
}

TEST(PlanTest, FetchesWhatTheMirrorLacksAndRefusesNamesThatAreNotPlain) {
  const test::cTempFolder temporary;
  const std::string& root = temporary.Path();
  const auto local = [&](const std::string& path, size_t size) {
    ASSERT_TRUE(CreateDirectories(root + "data/extSD/" + path.substr(0, 8)));
    ASSERT_TRUE(WriteFileAtomically(root + "data/extSD/" + path, std::string(size, 'x')));
  };
  local("00000002/SAME.CSV", 10);
  local("00000002/TRAIL.CSV", 12);
  local("00000002/GROWN.CSV", 10);
  local("00000002/SHRUNK.CSV", 30);
  local("00000002/KONFOUT.TXT", 90);
  // The same name under another device's folder is not that device's copy.
  local("00000003/NEW.CSV", 7);
  const std::vector<cListaPlikowZUrzadzenia> lists = {
      {{"SAME.CSV 1 2 10", "TRAIL.CSV  1  2  12 ", "GROWN.CSV 1 2 20", "SHRUNK.CSV 1 2 20", "KONFOUT.TXT 1 2 90", "NEW.CSV 1 2 7",
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
  EXPECT_EQ(wanted, (std::vector<std::string>{"COM1 2 GROWN.CSV 20", "COM1 2 SHRUNK.CSV 20", "COM1 2 KONFOUT.TXT 90",
                                              "COM1 2 NEW.CSV 7", "COM1 2 NOSIZE.CSV -1"}));
  std::vector<std::string> refused;
  for (const auto& file : plan.Odrzucone) refused.push_back(std::to_string(file.Id) + " " + file.Nazwa);
  EXPECT_EQ(refused, (std::vector<std::string>{"2 ../../X.CSV", "2 LONGNAME1.CSV"}));
}

// The full list groups the files by device and reason, naming a sent file
// by its name only; the summary counts them, its closing line saying whether
// others came.
TEST(SyncReport, GroupsTheFailuresByDeviceAndReasonAndSumsThemUp) {
  for (const auto& [count, text] : std::vector<std::pair<int, std::string>>{
           {1, "1 plik"}, {4, "4 pliki"}, {12, "12 plików"}, {22, "22 pliki"}, {25, "25 plików"}}) {
    EXPECT_EQ(LiczbaPlikow(count), text);
  }
  const std::vector<cNieudaneZadanie> failures = {
      {"COM1", 3, "A.CSV", "Urządzenie nie przesłało pliku mimo 3 ponowień"},
      {"COM1", 3, "B.CSV", "Urządzenie nie przesłało pliku mimo 3 ponowień"},
      {"COM2", 5, "", "Nie można otworzyć portu szeregowego"},
      {"COM1", 3, "C.CSV", "Nie można zapisać pliku: brak miejsca"},
      {"COM1", 3, "/home/olv/data/extSD/00000003/sent/USERS.txt", "Nie można zapisać pliku: brak miejsca"},
  };
  const auto name = [](const std::string& port, int id) {
    return port == "COM1" && id == 3 ? std::string("Magazyn") : std::string();
  };
  EXPECT_EQ(TekstNiepowodzen("Nagłówek:", failures, name),
            "Nagłówek:\n"
            "Magazyn (ID 3):\n"
            "  A.CSV, B.CSV – Urządzenie nie przesłało pliku mimo 3 ponowień\n"
            "  C.CSV, USERS.txt – Nie można zapisać pliku: brak miejsca\n"
            "urządzenie (ID 5):\n"
            "  Nie można otworzyć portu szeregowego");
  EXPECT_EQ(PodsumowanieNiepowodzen(10, failures, name),
            "Nie udało się pobrać 4 plików z 10:\n"
            "Magazyn (ID 3): 4 pliki – Urządzenie nie przesłało pliku mimo 3 ponowień; Nie można zapisać pliku: "
            "brak miejsca\n"
            "urządzenie (ID 5): Nie można otworzyć portu szeregowego\n"
            "Pozostałe pliki zostały pobrane.");
  EXPECT_TRUE(PodsumowanieNiepowodzen(4, failures, name).ends_with("\nŻaden plik nie został pobrany."));
}

}  // namespace
}  // namespace olv
