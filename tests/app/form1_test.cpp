#include "app/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "common/files.h"
#include "common/strings.h"
#include "comm/com_socket.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "tests/app/modal_test_support.h"
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
using test::WhenModal;

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
  static std::vector<TForm1::cSlotUrzadzenia> Devices(int count) {
    std::vector<TForm1::cSlotUrzadzenia> devices;
    for (int i = 1; i <= count; ++i) devices.push_back({"OLV " + std::to_string(i), i % 2 == 1});
    return devices;
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

TEST_F(Form1Test, DebugModeFromExactlyOneArgumentInAnyCase) {
  EXPECT_TRUE(CzyTrybDebug({"debug"}));
  EXPECT_TRUE(CzyTrybDebug({"DeBuG"}));
  EXPECT_FALSE(CzyTrybDebug({}));
  EXPECT_FALSE(CzyTrybDebug({"DEBUG", "DEBUG"}));
  EXPECT_FALSE(CzyTrybDebug({"DEBUG1"}));

  auto plain = Make();
  EXPECT_FALSE(plain->Debug());
  EXPECT_EQ(test::PixelOf(plain.get(), 640, 100), QColor(232, 241, 255));
  auto form = Make({"debug"});
  EXPECT_TRUE(form->Debug());
  EXPECT_EQ(test::PixelOf(form.get(), 640, 100), QColor(200, 100, 100));
  // The check box sets the flag to its state.
  auto* debug = Find<QCheckBox>(*plain, "CheckBoxDebug");
  debug->click();
  EXPECT_TRUE(plain->Debug());
  debug->click();
  EXPECT_FALSE(plain->Debug());
}

TEST_F(Form1Test, ConstructionMakesTheFoldersAndStartUpRunsOnceAfterTheFirstShow) {
  auto form = Make();
  EXPECT_TRUE(DirectoryExists(folder + "log"));
  for (int id = 1; id <= 9; ++id)
    EXPECT_TRUE(DirectoryExists(folder + "data/extSD/" + IntToStrZeZerami(id, 8) + "/sent")) << id;
  int startups = 0;
  form->UstawObslugeKoncaStartu([&] { ++startups; });
  EXPECT_EQ(startups, 0);
  form->show();
  EXPECT_EQ(startups, 0);
  ASSERT_TRUE(RunUntil([&] { return startups == 1; }));
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa"), "brak zapisanych urządzeń");
  EXPECT_TRUE(Find<QLabel>(*form, "ImageOLV2")->isHidden());

  form->hide();
  form->show();
  test::RunFor(30);
  EXPECT_EQ(startups, 1);
}

TEST_F(Form1Test, SlotsShowNamesAndStatesAndTheHeightFollowsTheirNumber) {
  auto form = Make();
  form->PokazUrzadzenia(Devices(4));
  EXPECT_EQ(form->height(), 180);
  form->PokazUrzadzenia(Devices(5));
  EXPECT_EQ(form->height(), 208);
  // Only eight slots exist: a ninth device neither shows nor grows the window.
  form->PokazUrzadzenia(Devices(9));
  EXPECT_EQ(form->height(), 304);
  // The picture reviewers look at: the window with all eight slots.
  form->grab().save(OLV_BINARY_DIR "/form1_eight_devices.png", "PNG");

  form->PokazUrzadzenia({{"Brama", true}, {"Magazyn", false}, {"Biuro", true}});
  EXPECT_FALSE(Find<QLabel>(*form, "LabelOLV1Nazwa")->font().italic());
  EXPECT_EQ(Text(*form, "LabelOLV1Aktywnosc"), "aktywne");
  EXPECT_EQ(Text(*form, "LabelOLV2Nazwa"), "Magazyn");
  EXPECT_EQ(Text(*form, "LabelOLV2Aktywnosc"), "nieaktywne");
  EXPECT_EQ(Find<QLabel>(*form, "ImageOLV1")->pixmap().toImage(),
            Find<QLabel>(*form, "ImageOLVJest")->pixmap().toImage());
  EXPECT_EQ(Find<QLabel>(*form, "ImageOLV2")->pixmap().toImage(),
            Find<QLabel>(*form, "ImageOLVBrak")->pixmap().toImage());
  EXPECT_TRUE(Find<QLabel>(*form, "ImageOLV4")->isHidden());
  EXPECT_TRUE(Find<QLabel>(*form, "LabelOLV4Aktywnosc")->isHidden());
}

TEST_F(Form1Test, StartUpLoadsTheDevicesAndShowsThemInNameOrderIgnoringCase) {
  WriteDevices({"Zeta", "alfa", "Brama", "magazyn", "Biuro"});
  auto form = Make();
  StartUp(*form);
  EXPECT_EQ(form->DevList().CountDevices(), 5);
  EXPECT_EQ(form->height(), 208);
  std::string names;
  for (int n = 1; n <= 5; ++n) names += Text(*form, "LabelOLV" + QString::number(n) + "Nazwa") + " ";
  EXPECT_EQ(names, "alfa Biuro Brama magazyn Zeta ");

  // Their port cannot be opened: none of them answers.
  for (int n = 1; n <= 5; ++n)
    EXPECT_EQ(Text(*form, "LabelOLV" + QString::number(n) + "Aktywnosc"), "nieaktywne") << n;

  form->OdswiezUrzadzenia(true);
  for (int n = 1; n <= 5; ++n)
    EXPECT_EQ(Text(*form, "LabelOLV" + QString::number(n) + "Aktywnosc"), "aktywne") << n;
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
  EXPECT_NE(told.find("devices.txt.bad"), std::string::npos) << told;
  EXPECT_TRUE(FileExists(devices + ".bad"));
  EXPECT_NE(told.find("Nie można odczytać pliku users.txt."), std::string::npos) << told;
  EXPECT_EQ(told.find(folder), std::string::npos) << "no path of this computer: " << told;
  std::string error;
  EXPECT_FALSE(form->ZapiszUzytkownikow(users, &error));
  EXPECT_NE(error.find(users), std::string::npos);
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
  EXPECT_EQ(messages.Informations()[0],
            "Nie można zapisać dziennika programu w pliku " + FileNameOf(form->SciezkaLogu()) +
                ". Program działa dalej, ale jego działania nie będą zapisywane.");
}

TEST_F(Form1Test, ConnectionDialogIsFilledFromThePortListAndAnswers) {
  setenv("OLV8_EXTRA_PORTS", "/dev/olv-test-a:/dev/olv-test-b", 1);
  auto form = Make();
  std::string shown_port;
  WhenModal([&](QWidget* modal) {
    shown_port = modal->findChild<QComboBox*>("ComboBoxAuto")->currentText().toStdString();
    modal->findChild<QAbstractButton*>("ButtonWybierz")->click();
  });
  const cWlasciwosciPolaczenia wybor = form->WybierzPolaczenie({"/dev/olv-test-b", 57600});
  unsetenv("OLV8_EXTRA_PORTS");
  EXPECT_EQ(shown_port, "/dev/olv-test-b");
  EXPECT_EQ(wybor.Port, "/dev/olv-test-b");
  EXPECT_EQ(wybor.Predkosc, 57600);

  WhenModal([](QWidget* modal) { modal->findChild<QAbstractButton*>("ButtonAnuluj")->click(); });
  const cWlasciwosciPolaczenia anulowane = form->WybierzPolaczenie({"COM3", 57600});
  EXPECT_EQ(anulowane.Port, "");
  EXPECT_EQ(anulowane.Predkosc, 0);
}

TEST_F(Form1Test, StartUpAgainstTheSimulatorShowsWhichDevicesAnswer) {
  const std::string port = StartSimulator();
  ASSERT_FALSE(port.empty());
  WriteDevices({"Brama", "Magazyn", "Biuro"}, port);
  auto form = Make();
  StartUp(*form);
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa"), "Biuro");
  EXPECT_EQ(Text(*form, "LabelOLV1Aktywnosc"), "nieaktywne");
  EXPECT_EQ(Text(*form, "LabelOLV2Nazwa"), "Brama");
  EXPECT_EQ(Text(*form, "LabelOLV2Aktywnosc"), "aktywne");
  EXPECT_EQ(Text(*form, "LabelOLV3Nazwa"), "Magazyn");
  EXPECT_EQ(Text(*form, "LabelOLV3Aktywnosc"), "aktywne");
  EXPECT_TRUE(messages.Informations().empty());
  EXPECT_FALSE(form->FormProszeCzekac().isVisible());
  form->grab().save(OLV_BINARY_DIR "/form1_simulator.png", "PNG");
}

TEST_F(Form1Test, EditorButtonsQueueTheirTaskWithNahWhileADeviceIsOff) {
  const std::string port = StartSimulator();
  ASSERT_FALSE(port.empty());
  WriteDevices({"Brama", "Magazyn"}, port);
  auto form = Make();
  StartUp(*form);
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
