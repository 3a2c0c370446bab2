#include "app/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <algorithm>

#include "common/files.h"
#include "common/strings.h"
#include "model/data_files.h"
#include "tests/app/form1_fixture.h"
#include "ui/devices/form_edytor_urzadzen.h"
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
TEST_F(Form1Test, StartUpRunsOnceAndShowsTheDevicesInNameOrderIgnoringCase) {
  auto form = Make();
  EXPECT_TRUE(DirectoryExists(folder + "log"));
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

  WriteDevices({"Zeta", "alfa", "Brama", "magazyn", "Biuro"});
  auto loaded = Make();
  StartUp(*loaded);
  std::string shown;
  for (int n = 1; n <= 5; ++n)
    shown += Text(*loaded, "LabelOLV" + QString::number(n) + "Nazwa") + " " +
             Text(*loaded, "LabelOLV" + QString::number(n) + "Aktywnosc") + ", ";
  EXPECT_EQ(shown, "alfa nieaktywne, Biuro nieaktywne, Brama nieaktywne, magazyn nieaktywne, Zeta nieaktywne, ");
  loaded->OdswiezUrzadzenia(true);
  EXPECT_EQ(Text(*loaded, "LabelOLV5Aktywnosc"), "aktywne");
}

TEST_F(Form1Test, DamagedOrUnreadableDataFilesAndLogAreToldAndNeverWrittenOver) {
  WriteDevices({"Brama"});
  const std::string devices = folder + "data/devices.txt";
  const std::string users = folder + "data/users.txt";
  ASSERT_TRUE(AppendToFile(devices, "not base64 at all!\r\n"));
  // Something that exists under the name but cannot be read as a file.
  ASSERT_TRUE(CreateDirectory(users));
  // A file where the log folder should be: told once, after the logging call.
  ASSERT_TRUE(WriteFileAtomically(folder + "log", "a file where the folder should be"));
  auto form = Make();
  EXPECT_TRUE(messages.Informations().empty());
  StartUp(*form);
  EXPECT_EQ(form->DevList().CountDevices(), 1);
  std::string told;
  for (const std::string& message : messages.Informations()) told += message + "\n";
  EXPECT_EQ(std::count_if(messages.Informations().begin(), messages.Informations().end(),
                          [](const std::string& m) { return m.starts_with("Nie można zapisać dziennika"); }),
            1)
      << told;
  EXPECT_NE(told.find("jako devices.txt.bad."), std::string::npos) << told;
  EXPECT_TRUE(FileExists(devices + ".bad"));
  EXPECT_NE(told.find("Nie można odczytać pliku users.txt."), std::string::npos) << told;
  EXPECT_EQ(told.find(folder), std::string::npos) << "no path of this computer: " << told;
  std::string error;
  EXPECT_FALSE(form->ZapiszUzytkownikow(users, &error));
  EXPECT_NE(error.find("users.txt"), std::string::npos);
  EXPECT_EQ(error.find(folder), std::string::npos) << error;
  EXPECT_TRUE(DirectoryExists(users));
  // The device list is still saved where asked.
  const std::string copy = folder + "devices-copy.txt";
  ASSERT_TRUE(form->ZapiszUrzadzenia(copy));
  ASSERT_TRUE(form->ZapiszUrzadzenia(devices));
  EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(devices));
}

TEST_F(Form1Test, EditorButtonsQueueTheirTaskWithNahWhileADeviceIsOff) {
  const std::string port = StartSimulator({2, 3, 4}, {"--silent", "4"});
  ASSERT_FALSE(port.empty());
  WriteDevices({"Brama", "Magazyn"}, port);
  auto form = Make();
  StartUp(*form);
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa") + " " + Text(*form, "LabelOLV1Aktywnosc"), "Brama aktywne");
  EXPECT_EQ(Text(*form, "LabelOLV2Nazwa") + " " + Text(*form, "LabelOLV2Aktywnosc"), "Magazyn aktywne");
  EXPECT_TRUE(messages.Informations().empty());

  // The editors open once their task has run: read-only after "nah". Each
  // opening gives the editor's name, " tylko do odczytu" when "MenuResetuj"
  // is off, and which of the device editor's actions are on.
  const auto open = [&](const char* button, const char* editor) {
    std::string opened;
    test::WhenModalNamed(editor, [&](QWidget* window) {
      opened = window->objectName().toStdString() +
               (window->findChild<QAction*>("MenuResetuj")->isEnabled() ? "" : " tylko do odczytu");
      if (window->objectName() == "FormEdytorUrzadzen")
        for (const char* action : {"MenuWyszukajUrzadzenie", "MenuEdytujUrzadzenie", "MenuUsunUrzadzenie",
                                   "MenuZapisz", "MenuInformacje"})
          opened += window->findChild<QAction*>(action)->isEnabled() ? " +" : " -";
      window->close();
    });
    Find<QAbstractButton>(*form, button)->click();
    EXPECT_TRUE(RunUntil([&] { return !opened.empty() && !QApplication::activeModalWidget(); }, 20000));
    return opened;
  };
  EXPECT_EQ(open("ImageEdytorUzytkownikow", "FormEdytorUzytkownikow"), "FormEdytorUzytkownikow");

  // Device 4 is registered but silent.
  WriteDevices({"Brama", "Magazyn", "Biuro"}, port);
  ASSERT_TRUE(WczytajUrzadzenia(folder + "data/devices.txt", form->DevList()).Wczytano);
  EXPECT_EQ(open("Button1", "FormEdytorUzytkownikow"), "FormEdytorUzytkownikow tylko do odczytu");
  // The device editor: only looking and the help are left.
  EXPECT_EQ(open("ImageEdytorUrzadzen", "FormEdytorUrzadzen"), "FormEdytorUrzadzen tylko do odczytu - - - - +");
  EXPECT_EQ(open("ImageEdytorDostepow", "FormEdytorDostepow"), "FormEdytorDostepow tylko do odczytu");
  EXPECT_FALSE(form->FormProszeCzekac().isVisible());
  EXPECT_EQ(messages.Informations().size(), 3u);

  // In debug mode "nah" does not make them read-only.
  Find<QCheckBox>(*form, "CheckBoxDebug")->click();
  EXPECT_EQ(open("ImageEdytorDostepow", "FormEdytorDostepow"), "FormEdytorDostepow");
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
