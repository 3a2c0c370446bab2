#include "app/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>

#include "common/files.h"
#include "common/strings.h"
#include "comm/com_socket.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "tests/sim/olv8_sim_process.h"
#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/qt_clock.h"
#include "ui/common/scripted_message_window.h"
#include "ui/devices/form_edytor_urzadzen.h"
#include "ui/devices/form_pasek_postepu.h"
#include "ui/devices/form_prosze_czekac.h"

namespace olv {
namespace {

using test::RunUntil;

class Form1Test : public ::testing::Test {
 protected:
  std::unique_ptr<TForm1> Make(const std::vector<std::string>& arguments = {}) {
    return std::make_unique<TForm1>(clock, messages, arguments, folder, std::make_unique<TCOMSocket>());
  }
  template <typename T>
  static T* Find(TForm1& form, const QString& name) {
    T* child = form.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  static std::string Text(TForm1& form, const QString& name) {
    return Find<QLabel>(form, name)->text().toStdString();
  }

  // Registers devices with these names in data/devices.txt, on port, IDs from 2.
  void WriteDevices(const std::vector<std::string>& names, const std::string& port = kNoSuchPort) {
    cVirtualClock unique_clock;
    cDevList devices(unique_clock);
    int32_t id = 2;
    for (const std::string& name : names)
      ASSERT_TRUE(devices.DodajUrzadzenie(name, id++, cCzytnik("We", 1), cCzytnik("Wy", 2), false,
                                          cWlasciwosciPolaczenia{port, 115200}));
    ASSERT_TRUE(CreateDirectory(folder + "data"));
    ASSERT_TRUE(olv::ZapiszUrzadzenia(folder + "data/devices.txt", devices));
  }
  // Shows the window and waits for start-up to end.
  void StartUp(TForm1& form) {
    bool started = false;
    form.UstawObslugeKoncaStartu([&] { started = true; });
    form.show();
    ASSERT_TRUE(RunUntil([&] { return started; }, 20000));
  }
  // olv8-sim serving devices 2, 3 and 4 (4 silent); its port.
  std::string StartSimulator() {
    CreateDirectory(folder + "cards");
    return simulator.Start({"--device", "2:" + folder + "cards/2", "--device", "3:" + folder + "cards/3",
                            "--device", "4:" + folder + "cards/4", "--silent", "4"});
  }
  // The task kinds and parameters the main window's task handler logged.
  std::vector<std::string> HandledTasks(TForm1& form) {
    std::vector<std::string> tasks;
    for (const std::string& line : SplitLines(ReadWholeFile(form.SciezkaLogu()).value_or(""))) {
      const size_t at = line.find("Form1: Obsluguje zadanie: ");
      if (at != std::string::npos) tasks.push_back(line.substr(at + 26));
    }
    return tasks;
  }

  static constexpr const char* kNoSuchPort = "/dev/olv-no-such-port";

  test::cTemporaryFolder temporary;
  std::string folder = temporary.Path();
  cQtClock clock;
  cScriptedMessageWindow messages;
  test::cOlv8SimProcess simulator;
};

TEST_F(Form1Test, DebugModeFromExactlyOneArgumentInAnyCaseOrTheCheckBox) {
  for (const auto& [arguments, debug] : std::vector<std::pair<std::vector<std::string>, bool>>{
           {{"debug"}, true}, {{"DeBuG"}, true}, {{}, false}, {{"DEBUG", "DEBUG"}, false}, {{"DEBUG1"}, false}})
    EXPECT_EQ(CzyTrybDebug(arguments), debug) << arguments.size();
  auto form = Make();
  EXPECT_FALSE(form->Debug());
  auto* debug = Find<QCheckBox>(*form, "CheckBoxDebug");
  debug->click();
  EXPECT_TRUE(form->Debug());
  debug->click();
  EXPECT_FALSE(form->Debug());
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
  EXPECT_EQ(Find<QLabel>(*loaded, "ImageOLV1")->pixmap().toImage(),
            Find<QLabel>(*loaded, "ImageOLVBrak")->pixmap().toImage());
  loaded->OdswiezUrzadzenia(true);
  EXPECT_EQ(Text(*loaded, "LabelOLV5Aktywnosc"), "aktywne");
  EXPECT_EQ(Find<QLabel>(*loaded, "ImageOLV5")->pixmap().toImage(),
            Find<QLabel>(*loaded, "ImageOLVJest")->pixmap().toImage());
}

TEST_F(Form1Test, DamagedOrUnreadableDataFilesAreToldAndNeverWrittenOver) {
  WriteDevices({"Brama"});
  const std::string devices = folder + "data/devices.txt";
  const std::string users = folder + "data/users.txt";
  ASSERT_TRUE(AppendToFile(devices, "not base64 at all!\r\n"));
  // Something that exists under the name but cannot be read as a file.
  ASSERT_TRUE(CreateDirectory(users));
  auto form = Make();
  StartUp(*form);
  EXPECT_EQ(form->DevList().CountDevices(), 1);
  std::string told;
  for (const std::string& message : messages.Informations()) told += message + "\n";
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

TEST_F(Form1Test, UnwritableLogIsToldOnceInPolishAfterTheLoggingCallReturns) {
  ASSERT_TRUE(WriteFileAtomically(folder + "log", "a file where the folder should be"));
  auto form = Make();
  form->Log("Form1: a");
  form->Log("Form1: b");
  EXPECT_TRUE(messages.Informations().empty());
  ASSERT_TRUE(RunUntil([&] { return !messages.Informations().empty(); }));
  form->Log("Form1: c");
  test::RunFor(30);
  ASSERT_EQ(messages.Informations().size(), 1u);
  EXPECT_EQ(messages.Informations()[0].find(folder), std::string::npos) << "no path of this computer";
}

TEST_F(Form1Test, EditorButtonsQueueTheirTaskWithNahWhileADeviceIsOff) {
  const std::string port = StartSimulator();
  ASSERT_FALSE(port.empty());
  WriteDevices({"Brama", "Magazyn"}, port);
  auto form = Make();
  StartUp(*form);
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa") + " " + Text(*form, "LabelOLV1Aktywnosc"), "Brama aktywne");
  EXPECT_EQ(Text(*form, "LabelOLV2Nazwa") + " " + Text(*form, "LabelOLV2Aktywnosc"), "Magazyn aktywne");
  EXPECT_TRUE(messages.Informations().empty());
  EXPECT_EQ(HandledTasks(*form), std::vector<std::string>{});

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
  EXPECT_EQ(HandledTasks(*form), std::vector<std::string>{"3 z parametrem \"\""});

  // Device 4 is registered but silent.
  WriteDevices({"Brama", "Magazyn", "Biuro"}, port);
  ASSERT_TRUE(WczytajUrzadzenia(folder + "data/devices.txt", form->DevList()).Wczytano);
  EXPECT_EQ(open("Button1", "FormEdytorUzytkownikow"), "FormEdytorUzytkownikow tylko do odczytu");
  // The device editor: only looking and the help are left.
  EXPECT_EQ(open("ImageEdytorUrzadzen", "FormEdytorUrzadzen"), "FormEdytorUrzadzen tylko do odczytu - - - - +");
  EXPECT_EQ(open("ImageEdytorDostepow", "FormEdytorDostepow"), "FormEdytorDostepow tylko do odczytu");
  EXPECT_EQ(HandledTasks(*form), (std::vector<std::string>{"3 z parametrem \"\"", "3 z parametrem \"nah\"",
                                                           "4 z parametrem \"nah\"", "19 z parametrem \"nah\""}));
  EXPECT_FALSE(form->FormProszeCzekac().isVisible());
  std::vector<std::string> told;
  for (const char* editor : {"użytkowników", "urządzeń", "dostępów"})
    told.push_back("Nie udało połączyć się z urządzeniami. Edytor " + std::string(editor) +
                   " zostanie uruchomiony w trybie \"Tylko do odczytu\".");
  EXPECT_EQ(messages.Informations(), told);

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
