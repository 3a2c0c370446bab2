#include "app/form1.h"

#include <QLabel>
#include <algorithm>

#include "common/files.h"
#include "common/strings.h"
#include "model/data_files.h"
#include "tests/app/form1_fixture.h"
#include "ui/devices/form_pasek_postepu.h"
#include "ui/devices/form_prosze_czekac.h"

namespace olv {
namespace {

using test::RunUntil;

class Form1Test : public test::cForm1Fixture {};

TEST_F(Form1Test, DebugModeFromExactlyOneArgumentInAnyCase) {
  for (const auto& [arguments, debug] : std::vector<std::pair<std::vector<std::string>, bool>>{
           {{"debug"}, true}, {{"DeBuG"}, true}, {{}, false}, {{"DEBUG", "DEBUG"}, false}, {{"DEBUG1"}, false}})
    EXPECT_EQ(CzyTrybDebug(arguments), debug) << arguments.size();
}

// Start-up runs once, after the first show: the folders, then the devices in
// name order ignoring case, none answering behind a port that does not open.
// Damaged or unreadable data files and log are told and never written over.
TEST_F(Form1Test, StartUpRunsOnceShowsTheDevicesInNameOrderAndTellsWhatCouldNotBeRead) {
  const std::string devices = folder + "data/devices.txt";
  const std::string users = folder + "data/users.txt";
  // Something that exists under the name but cannot be read as a file.
  ASSERT_TRUE(CreateDirectories(users));
  // A file where the log folder should be: told once, after the logging call.
  ASSERT_TRUE(WriteFileAtomically(folder + "log", "a file where the folder should be"));
  auto form = Make();
  EXPECT_TRUE(messages.Informations().empty());
  for (int id = 1; id <= 9; ++id)
    EXPECT_TRUE(DirectoryExists(folder + "data/extSD/" + IntToStrZeZerami(id, 8) + "/sent")) << id;
  int startups = 0;
  form->UstawObslugeKoncaStartu([&] { ++startups; });
  form->show();
  ASSERT_TRUE(RunUntil([&] { return startups == 1; }));
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa"), "brak zapisanych urządzeń");
  EXPECT_TRUE(Find<QLabel>(*form, "ImageOLV2")->isHidden());
  form->hide();
  form->show();
  test::RunFor(30);
  EXPECT_EQ(startups, 1);
  std::string told;
  for (const std::string& message : messages.Informations()) told += message + "\n";
  EXPECT_EQ(std::count_if(messages.Informations().begin(), messages.Informations().end(),
                          [](const std::string& m) { return m.starts_with("Nie można zapisać dziennika"); }),
            1)
      << told;
  EXPECT_NE(told.find("Nie można odczytać pliku users.txt."), std::string::npos) << told;

  WriteDevices({"Zeta", "alfa", "Brama", "magazyn", "Biuro"});
  ASSERT_TRUE(AppendToFile(devices, "not base64 at all!\r\n"));
  auto loaded = Make();
  StartUp(*loaded);
  std::string shown;
  for (int n = 1; n <= 5; ++n)
    shown += Text(*loaded, "LabelOLV" + QString::number(n) + "Nazwa") + " " +
             Text(*loaded, "LabelOLV" + QString::number(n) + "Aktywnosc") + ", ";
  EXPECT_EQ(shown, "alfa nieaktywne, Biuro nieaktywne, Brama nieaktywne, magazyn nieaktywne, Zeta nieaktywne, ");
  loaded->OdswiezUrzadzenia(true);
  EXPECT_EQ(Text(*loaded, "LabelOLV5Aktywnosc"), "aktywne");
  told.clear();
  for (const std::string& message : messages.Informations()) told += message + "\n";
  EXPECT_NE(told.find("jako devices.txt.bad."), std::string::npos) << told;
  // The port is named by the devices behind it.
  EXPECT_NE(told.find("Nie udało się przeszukać szyny:\n  Nie można otworzyć portu szeregowego (Zeta (ID 2), alfa "
                      "(ID 3), Brama (ID 4), magazyn (ID 5), Biuro (ID 6))\nNie odpowiedziały urządzenia:\n"
                      "  Zeta (ID 2)"),
            std::string::npos)
      << told;
  EXPECT_TRUE(FileExists(devices + ".bad"));
  EXPECT_EQ(told.find(folder), std::string::npos) << "no path of this computer: " << told;
  std::string error;
  EXPECT_FALSE(loaded->ZapiszUzytkownikow(users, &error));
  EXPECT_NE(error.find("users.txt"), std::string::npos);
  EXPECT_EQ(error.find(folder), std::string::npos) << error;
  EXPECT_TRUE(DirectoryExists(users));
  // The device list is still saved where asked.
  const std::string copy = folder + "devices-copy.txt";
  ASSERT_TRUE(loaded->ZapiszUrzadzenia(copy));
  ASSERT_TRUE(loaded->ZapiszUrzadzenia(devices));
  EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(devices));
}

TEST_F(Form1Test, WaitAndProgressWindowsCloseWhenTheWorkEnds) {
  auto form = Make();
  // Asked for after the work ended: never shown.
  form->PokazProszeCzekacPozniej();
  form->ZamknijProszeCzekac();
  test::RunFor(50);
  EXPECT_FALSE(form->FormProszeCzekac().isVisible());

  auto closer = clock.CreateTimer(20, nullptr);
  closer->SetHandler([&] {
    closer->Stop();
    form->ZamknijProszeCzekac();
  });
  closer->Start();
  form->PokazProszeCzekac();
  EXPECT_FALSE(closer->IsActive());

  int ticks = 0;
  form->UstawTekstPostepu("Trwa pobieranie danych z urządzeń...");
  form->UstawFunkcjeTaktuPostepu([&] {
    ++ticks;
    form->UstawPostep(ticks, 3);
    if (ticks == 3) form->ZamknijPasekPostepu();
  });
  form->PokazPasekPostepu();
  EXPECT_EQ(form->FormPasekPostepu().Procent(), 100);

  // With no download running the driver's progress is 0.
  form->UstawPostepZeSterownika();
  EXPECT_EQ(form->FormPasekPostepu().Procent(), 0);
}

}  // namespace
}  // namespace olv
