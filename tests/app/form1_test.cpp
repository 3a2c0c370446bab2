#include "app/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "common/files.h"
#include "common/strings.h"
#include "comm/com_socket.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "tests/app/modal_test_support.h"
#include "tests/sim/olv8_sim_process.h"
#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/image_button.h"
#include "ui/common/qt_clock.h"
#include "ui/common/scripted_message_window.h"
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

TEST_F(Form1Test, ConstructionLaysOutTheWindow) {
  auto form = Make();
  EXPECT_EQ(form->windowTitle(), "OLV-8 MANAGER v1.0.89");
  EXPECT_EQ(form->size(), QSize(652, 192));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_FALSE(form->Debug());

  const std::vector<std::tuple<QString, QString, QString>> actions = {
      {"ImageEdytorUrzadzen", "Button2", "Edytor urządzeń"},
      {"ImageEdytorUzytkownikow", "Button1", "Edytor użytkowników"},
      {"ImageEdytorDostepow", "Button4", "Edytor dostępów"},
      {"ImageSynchronizacja", "Button3", "Synchronizacja danych"},
      {"ImageStatystyka", "Button5", "Statystyka"},
  };
  int top = 16;
  for (const auto& [image, button, caption] : actions) {
    auto* picture = Find<cImageButton>(*form, image);
    EXPECT_EQ(picture->text(), caption);
    EXPECT_EQ(picture->geometry(), QRect(16, top, 193, 25));
    EXPECT_FALSE(picture->Picture().isNull());
    auto* plain = Find<QPushButton>(*form, button);
    EXPECT_EQ(plain->text(), caption);
    EXPECT_TRUE(plain->isHidden());
    top += 32;
  }

  EXPECT_EQ(Text(*form, "Label1"), "Urządzenia zapisane w systemie");
  EXPECT_EQ(Find<QLabel>(*form, "Label1")->geometry().left(), 240);
  EXPECT_EQ(Find<QLabel>(*form, "Label1")->width(), 393);
  for (int n = 1; n <= 8; ++n) {
    const QString slot = QString::number(n);
    auto* picture = Find<QLabel>(*form, "ImageOLV" + slot);
    EXPECT_EQ(picture->geometry(), QRect(240, 40 + 32 * (n - 1), 52, 30));
    EXPECT_TRUE(picture->isHidden());
    EXPECT_EQ(Find<QLabel>(*form, "LabelOLV" + slot + "Nazwa")->geometry().left(), 304);
    auto* state = Find<QLabel>(*form, "LabelOLV" + slot + "Aktywnosc");
    EXPECT_EQ(state->geometry().left(), 552);
    EXPECT_EQ(state->width(), 81);
    EXPECT_TRUE(state->alignment() & Qt::AlignRight);
  }
  EXPECT_TRUE(Find<QLabel>(*form, "ImageOLVBrak")->isHidden());
  EXPECT_TRUE(Find<QLabel>(*form, "ImageOLVJest")->isHidden());
  auto* debug = Find<QCheckBox>(*form, "CheckBoxDebug");
  EXPECT_EQ(debug->text(), "debug");
  EXPECT_TRUE(debug->isHidden());
  EXPECT_EQ(test::PixelOf(form.get(), 640, 100), QColor(232, 241, 255));
}

TEST_F(Form1Test, ConstructionCreatesTheFolders) {
  auto form = Make();
  EXPECT_TRUE(DirectoryExists(folder + "log"));
  EXPECT_TRUE(DirectoryExists(folder + "data"));
  for (int id = 1; id <= 9; ++id)
    EXPECT_TRUE(DirectoryExists(folder + "data/extSD/" + IntToStrZeZerami(id, 8) + "/sent")) << id;
}

TEST_F(Form1Test, ImageButtonDoesWhatItsPlainButtonDoes) {
  auto form = Make();
  int clicks = 0;
  QObject::connect(Find<QPushButton>(*form, "Button3"), &QAbstractButton::clicked, [&] { ++clicks; });
  Find<cImageButton>(*form, "ImageSynchronizacja")->click();
  EXPECT_EQ(clicks, 1);
}

TEST_F(Form1Test, DebugModeFromExactlyOneArgumentInAnyCase) {
  EXPECT_TRUE(CzyTrybDebug({"debug"}));
  EXPECT_TRUE(CzyTrybDebug({"DeBuG"}));
  EXPECT_FALSE(CzyTrybDebug({}));
  EXPECT_FALSE(CzyTrybDebug({"DEBUG", "DEBUG"}));
  EXPECT_FALSE(CzyTrybDebug({"DEBUG1"}));

  auto form = Make({"debug"});
  EXPECT_TRUE(form->Debug());
  EXPECT_EQ(test::PixelOf(form.get(), 640, 100), QColor(200, 100, 100));
}

TEST_F(Form1Test, DebugCheckBoxSetsTheFlagToItsState) {
  auto form = Make();
  auto* debug = Find<QCheckBox>(*form, "CheckBoxDebug");
  debug->click();
  EXPECT_TRUE(form->Debug());
  debug->click();
  EXPECT_FALSE(form->Debug());
}

TEST_F(Form1Test, StartUpRunsOnceAfterTheFirstShowAndShowsNoDevices) {
  auto form = Make();
  int startups = 0;
  form->UstawObslugeKoncaStartu([&] { ++startups; });
  EXPECT_EQ(startups, 0);
  form->show();
  EXPECT_EQ(startups, 0);
  ASSERT_TRUE(RunUntil([&] { return startups == 1; }));
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa"), "brak zapisanych urządzeń");
  EXPECT_TRUE(Find<QLabel>(*form, "LabelOLV1Nazwa")->font().italic());
  EXPECT_EQ(Text(*form, "LabelOLV1Aktywnosc"), "-");
  EXPECT_TRUE(Find<QLabel>(*form, "ImageOLV1")->isVisible());
  EXPECT_TRUE(Find<QLabel>(*form, "ImageOLV2")->isHidden());
  EXPECT_EQ(form->height(), 180);

  form->hide();
  form->show();
  test::RunFor(30);
  EXPECT_EQ(startups, 1);
}

TEST_F(Form1Test, ClientHeightFollowsTheNumberOfDevices) {
  auto form = Make();
  for (int count = 1; count <= 4; ++count) {
    form->PokazUrzadzenia(Devices(count));
    EXPECT_EQ(form->height(), 180) << count;
  }
  form->PokazUrzadzenia(Devices(5));
  EXPECT_EQ(form->height(), 208);
  form->PokazUrzadzenia(Devices(8));
  EXPECT_EQ(form->height(), 304);
  // Only eight slots exist: a ninth device neither shows nor grows the window.
  form->PokazUrzadzenia(Devices(9));
  EXPECT_EQ(form->height(), 304);
  EXPECT_EQ(form->width(), 652);
}

TEST_F(Form1Test, SlotsShowNamesAndStates) {
  auto form = Make();
  form->PokazUrzadzenia({});
  form->PokazUrzadzenia({{"Brama", true}, {"Magazyn", false}, {"Biuro", true}});
  EXPECT_FALSE(Find<QLabel>(*form, "LabelOLV1Nazwa")->font().italic());
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa"), "Brama");
  EXPECT_EQ(Text(*form, "LabelOLV1Aktywnosc"), "aktywne");
  EXPECT_EQ(Text(*form, "LabelOLV2Nazwa"), "Magazyn");
  EXPECT_EQ(Text(*form, "LabelOLV2Aktywnosc"), "nieaktywne");
  const QImage active = Find<QLabel>(*form, "ImageOLVJest")->pixmap().toImage();
  const QImage inactive = Find<QLabel>(*form, "ImageOLVBrak")->pixmap().toImage();
  EXPECT_EQ(Find<QLabel>(*form, "ImageOLV1")->pixmap().toImage(), active);
  EXPECT_EQ(Find<QLabel>(*form, "ImageOLV2")->pixmap().toImage(), inactive);
  EXPECT_FALSE(Find<QLabel>(*form, "ImageOLV3")->isHidden());
  EXPECT_TRUE(Find<QLabel>(*form, "ImageOLV4")->isHidden());
  EXPECT_TRUE(Find<QLabel>(*form, "LabelOLV4Aktywnosc")->isHidden());

  // The picture reviewers look at: the window with all eight slots.
  form->PokazUrzadzenia(Devices(8));
  form->grab().save(OLV_BINARY_DIR "/form1_eight_devices.png", "PNG");
}

TEST_F(Form1Test, StartUpLoadsTheDevicesAndShowsThemInNameOrderIgnoringCase) {
  WriteDevices({"Zeta", "alfa", "Brama", "magazyn", "Biuro"});
  auto form = Make();
  StartUp(*form);
  EXPECT_EQ(form->DevList().CountDevices(), 5);
  EXPECT_EQ(form->height(), 208);
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa"), "alfa");
  EXPECT_EQ(Text(*form, "LabelOLV2Nazwa"), "Biuro");
  EXPECT_EQ(Text(*form, "LabelOLV3Nazwa"), "Brama");
  EXPECT_EQ(Text(*form, "LabelOLV4Nazwa"), "magazyn");
  EXPECT_EQ(Text(*form, "LabelOLV5Nazwa"), "Zeta");
  EXPECT_TRUE(Find<QLabel>(*form, "ImageOLV6")->isHidden());

  // Their port cannot be opened: none of them answers.
  for (int n = 1; n <= 5; ++n)
    EXPECT_EQ(Text(*form, "LabelOLV" + QString::number(n) + "Aktywnosc"), "nieaktywne") << n;

  form->OdswiezUrzadzenia(true);
  for (int n = 1; n <= 5; ++n)
    EXPECT_EQ(Text(*form, "LabelOLV" + QString::number(n) + "Aktywnosc"), "aktywne") << n;

  // The device list logs through the main window.
  const std::string log = ReadWholeFile(form->SciezkaLogu()).value_or("");
  EXPECT_NE(log.find(" Devlist: WczytajBazeZPliku\r\n"), std::string::npos);
}

TEST_F(Form1Test, FewDevicesKeepTheMinimumHeight) {
  WriteDevices({"Brama"});
  auto form = Make();
  StartUp(*form);
  EXPECT_EQ(form->height(), 180);
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa"), "Brama");
  EXPECT_FALSE(Find<QLabel>(*form, "LabelOLV1Nazwa")->font().italic());
}

TEST_F(Form1Test, DamagedDataFileIsToldWithWhereTheWholeFileWasKept) {
  WriteDevices({"Brama"});
  const std::string path = folder + "data/devices.txt";
  ASSERT_TRUE(AppendToFile(path, "not base64 at all!\r\n"));
  auto form = Make();
  StartUp(*form);
  EXPECT_EQ(form->DevList().CountDevices(), 1);
  ASSERT_GE(messages.Informations().size(), 1u);
  EXPECT_NE(messages.Informations()[0].find(path + ".bad"), std::string::npos);
  EXPECT_TRUE(FileExists(path + ".bad"));
}

TEST_F(Form1Test, DataFileThatCannotBeReadIsToldAndNeverWrittenOver) {
  WriteDevices({"Brama"});
  // Something that exists under the name but cannot be read as a file.
  const std::string path = folder + "data/users.txt";
  ASSERT_TRUE(CreateDirectory(path));
  auto form = Make();
  StartUp(*form);
  ASSERT_GE(messages.Informations().size(), 1u);
  EXPECT_NE(messages.Informations()[0].find("Nie można odczytać pliku " + path), std::string::npos);
  std::string error;
  EXPECT_FALSE(form->ZapiszUzytkownikow(path, &error));
  EXPECT_NE(error.find(path), std::string::npos);
  EXPECT_TRUE(DirectoryExists(path));
  EXPECT_TRUE(form->ZapiszUrzadzenia(folder + "data/devices.txt"));
}

TEST_F(Form1Test, SavesTheMasterListsWhereAsked) {
  WriteDevices({"Brama", "Biuro"});
  auto form = Make();
  StartUp(*form);
  const std::string copy = folder + "devices-copy.txt";
  ASSERT_TRUE(form->ZapiszUrzadzenia(copy));
  EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(folder + "data/devices.txt"));
  std::string error;
  EXPECT_FALSE(form->ZapiszUzytkownikow(folder + "no/such/folder/users.txt", &error));
  EXPECT_FALSE(error.empty());
}

TEST_F(Form1Test, LogFileIsNamedByTheStartTickAndHoldsTheLines) {
  auto form = Make();
  EXPECT_EQ(form->SciezkaLogu(), folder + "log/log" + std::to_string(form->StartowyTick()) + ".txt");
  const size_t before = SplitLines(ReadWholeFile(form->SciezkaLogu()).value_or("")).size();
  form->Log("Form1: pierwsza");
  form->FunkcjaLogujaca()("Sterownik WPP: druga");
  const auto lines = SplitLines(ReadWholeFile(form->SciezkaLogu()).value_or(""));
  ASSERT_EQ(lines.size(), before + 2);
  EXPECT_NE(lines[before].find(" Form1: pierwsza"), std::string::npos);
  EXPECT_NE(lines[before + 1].find(" Sterownik WPP: druga"), std::string::npos);
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
            "Nie można zapisać dziennika programu w pliku " + form->SciezkaLogu() +
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
  EXPECT_NE(ReadWholeFile(form->SciezkaLogu()).value_or("").find(" VCL: WybierzPolaczenie\r\n"),
            std::string::npos);

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

  // The run's log holds the main window's and the driver's lines, in order.
  const std::string log = ReadWholeFile(form->SciezkaLogu()).value_or("");
  const size_t search = log.find(" Sterownik WPP: SzukajUrzadzen (AnsiString)\r\n");
  const size_t found = log.find(" Sterownik WPP: CzyUrzadzenieJestNaLiscieZnalezionych\r\n");
  ASSERT_NE(search, std::string::npos);
  ASSERT_NE(found, std::string::npos);
  EXPECT_LT(search, found);
  EXPECT_NE(log.find(" WPP: "), std::string::npos);

  form->grab().save(OLV_BINARY_DIR "/form1_simulator.png", "PNG");
}

TEST_F(Form1Test, EditorButtonsQueueTheirTaskWithNahWhileADeviceIsOff) {
  const std::string port = StartSimulator();
  ASSERT_FALSE(port.empty());
  WriteDevices({"Brama", "Magazyn"}, port);
  auto form = Make();
  StartUp(*form);
  EXPECT_EQ(HandledTasks(*form), std::vector<std::string>{});

  // The user and access editors open once their task has run: read-only
  // after "nah". The device editor's task is only logged.
  std::vector<std::string> opened;
  const auto close_editor = [&](const char* name) {
    test::WhenModalNamed(name, [&](QWidget* editor) {
      opened.push_back(editor->objectName().toStdString() +
                       (editor->findChild<QAction*>("MenuResetuj")->isEnabled() ? "" : " tylko do odczytu"));
      editor->close();
    });
  };
  close_editor("FormEdytorUzytkownikow");
  Find<cImageButton>(*form, "ImageEdytorUzytkownikow")->click();
  ASSERT_TRUE(RunUntil([&] { return opened.size() == 1; }, 20000));
  EXPECT_EQ(HandledTasks(*form), std::vector<std::string>{"3 z parametrem \"\""});
  EXPECT_EQ(opened[0], "FormEdytorUzytkownikow");
  EXPECT_FALSE(form->FormProszeCzekac().isVisible());

  // Device 4 is registered but silent.
  WriteDevices({"Brama", "Magazyn", "Biuro"}, port);
  ASSERT_TRUE(WczytajUrzadzenia(folder + "data/devices.txt", form->DevList()).Wczytano);
  close_editor("FormEdytorUzytkownikow");
  Find<QPushButton>(*form, "Button1")->click();
  ASSERT_TRUE(RunUntil([&] { return opened.size() == 2; }, 20000));
  EXPECT_EQ(HandledTasks(*form)[1], "3 z parametrem \"nah\"");
  Find<cImageButton>(*form, "ImageEdytorUrzadzen")->click();
  ASSERT_TRUE(RunUntil([&] { return HandledTasks(*form).size() == 3; }, 20000));
  EXPECT_EQ(HandledTasks(*form)[2], "4 z parametrem \"nah\"");
  close_editor("FormEdytorDostepow");
  Find<cImageButton>(*form, "ImageEdytorDostepow")->click();
  ASSERT_TRUE(RunUntil([&] { return opened.size() == 3; }, 20000));
  EXPECT_EQ(HandledTasks(*form)[3], "19 z parametrem \"nah\"");
  EXPECT_EQ(opened, (std::vector<std::string>{"FormEdytorUzytkownikow", "FormEdytorUzytkownikow tylko do odczytu",
                                              "FormEdytorDostepow tylko do odczytu"}));
  EXPECT_FALSE(form->FormProszeCzekac().isVisible());
  EXPECT_EQ(messages.Informations(),
            (std::vector<std::string>{
                "Nie udało połączyć się z urządzeniami. Edytor użytkowników zostanie uruchomiony w trybie "
                "\"Tylko do odczytu\".",
                "Nie udało połączyć się z urządzeniami. Edytor dostępów zostanie uruchomiony w trybie "
                "\"Tylko do odczytu\"."}));
  const std::string log = ReadWholeFile(form->SciezkaLogu()).value_or("");
  EXPECT_NE(log.find(" Form1: F_PokazFormEdytorUzytkownikow\r\n"), std::string::npos);
  EXPECT_NE(log.find(" Form1: F_PokazFormEdytorDostepow\r\n"), std::string::npos);

  // In debug mode "nah" does not make them read-only.
  Find<QCheckBox>(*form, "CheckBoxDebug")->click();
  close_editor("FormEdytorDostepow");
  Find<cImageButton>(*form, "ImageEdytorDostepow")->click();
  ASSERT_TRUE(RunUntil([&] { return opened.size() == 4; }, 20000));
  EXPECT_EQ(opened[3], "FormEdytorDostepow");
}

TEST_F(Form1Test, PleaseWaitAskedForAfterTheWorkEndedIsNotShown) {
  auto form = Make();
  form->PokazProszeCzekacPozniej();
  form->ZamknijProszeCzekac();
  test::RunFor(50);
  EXPECT_FALSE(form->FormProszeCzekac().isVisible());
}

TEST_F(Form1Test, WaitAndProgressWindowsCloseWhenTheWorkEnds) {
  auto form = Make();
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
