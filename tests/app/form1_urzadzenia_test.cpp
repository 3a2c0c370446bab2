// The device windows from the main window, in real time against olv8-sim on a
// pseudo-terminal with the message window scripted: searching all ports,
// registering a factory-fresh device and giving it its ID, names and button
// mode, then resetting it to the factory settings; the local files of a
// deleted device, which go only when the deletion is saved; a device that does
// not get its settings; and the editors read-only while a device is off.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <set>

#include "common/cp1250.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "model/device_folder.h"
#include "tests/app/form1_fixture.h"
#include "ui/common/image_button.h"
#include "ui/devices/form_edytor_urzadzen.h"
#include "ui/devices/form_edytuj_urzadzenie.h"
#include "ui/devices/form_prosze_czekac.h"
#include "ui/devices/form_wyszukane_urzadzenia.h"

namespace olv {
namespace {

using test::RunUntil;
using test::WhenModalNamed;

const char* const kID1 = "Jedno z urządzeń posiada ID 1. Przez zapisaniem zmian musisz wybrać inne ID.";

class Form1UrzadzeniaTest : public test::cForm1Fixture {
 protected:
  // The link is searched with every serial port.
  void SetUp() override { setenv("OLV8_EXTRA_PORTS", Link().c_str(), 1); }
  void TearDown() override { unsetenv("OLV8_EXTRA_PORTS"); }
  // Waits for the work an action started in the editor to end there.
  static bool BackIn(QWidget& editor, const std::function<bool()>& done) {
    return RunUntil([&] { return done() && QApplication::activeModalWidget() == &editor; }, 60000);
  }
  // Selects the editor's row whose text is name.
  static void Choose(TFormEdytorUrzadzen& editor, const char* name) {
    auto* list = Find<QListWidget>(editor, "ListBoxListaUrzadzen");
    const auto items = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name;
    list->setCurrentItem(items[0]);
  }
  // "name ID" of each device in data/devices.txt.
  std::vector<std::string> Stored() const {
    cVirtualClock unique_clock;
    cDevList stored(unique_clock);
    EXPECT_TRUE(WczytajUrzadzenia(folder + "data/devices.txt", stored).Wczytano);
    std::vector<std::string> devices;
    for (int i = 0; i < stored.CountDevices(); ++i) {
      devices.push_back(stored.GetDeviceByIndex(i)->Nazwa + " " + std::to_string(stored.GetDeviceByIndex(i)->ID));
    }
    return devices;
  }
  std::string KonfoutOf(int card) const {
    return Cp1250ToUtf8(ReadWholeFile(Card(card) + "/KONFOUT.TXT").value_or(""));
  }
};

TEST_F(Form1UrzadzeniaTest, AFactoryFreshDeviceIsRegisteredGivenItsIdNamesAndButtonModeAndResetAgain) {
  // An empty card: the device answers to 1 with the factory configuration.
  ASSERT_FALSE(StartSimulator({1}).empty());
  auto form = Make();
  StartUp(*form);
  TFormEdytorUrzadzen& editor = form->FormEdytorUrzadzen();
  TFormWyszukaneUrzadzenia& found = editor.FormWyszukaneUrzadzenia();
  TFormEdytujUrzadzenie& edit = editor.FormEdytujUrzadzenie();

  // No device registered: the help on adding devices opens by itself.
  bool helped = false;
  WhenModalNamed("FormHelp", [&](QWidget* help) {
    Find<QAbstractButton>(*help, "ButtonZamknij")->click();
    helped = true;
  });
  ASSERT_TRUE(InWindow(*form, "ImageEdytorUrzadzen", "FormEdytorUrzadzen", [&](QWidget*) {
    ASSERT_TRUE(RunUntil([&] { return helped; }));
    WhenModalNamed("FormWyszukaneUrzadzenia", [&](QWidget*) {
      auto* list = Find<QListWidget>(found, "ListBox1");
      ASSERT_EQ(list->count(), 1);
      EXPECT_FALSE(Find<QPushButton>(found, "Button3")->isVisible());
      list->setCurrentRow(0);
      Find<cImageButton>(found, "ImageZarejestruj")->click();
    });
    Trigger(editor, "MenuWyszukajUrzadzenie");
    ASSERT_TRUE(BackIn(editor, [&] { return editor.RoboczaLista().CountDevices() == 1; }));
    EXPECT_EQ(Text(editor, "LabelID"), "1");
    // ID 1 blocks both saving and closing.
    Trigger(editor, "MenuZapisz");
    Trigger(editor, "MenuZamknij");
    EXPECT_EQ(std::count(messages.Informations().begin(), messages.Informations().end(), kID1), 2);
    EXPECT_TRUE(editor.isVisible());
    Choose(editor, "Rejestrator OLV");
    WhenModalNamed("FormEdytujUrzadzenie", [&](QWidget*) {
      Find<QLineEdit>(edit, "EditID")->setText("4");
      Find<QLineEdit>(edit, "EditNazwa")->setText("Magazyn");
      Find<QLineEdit>(edit, "EditNazwaCzytnika0")->setText("Wejście z rampy");
      Find<QComboBox>(edit, "ComboBoxTrybPracyUrzadzenia")->setCurrentIndex(1);
      Find<QLineEdit>(edit, "EditNazwaCzytnika1")->setText("Dzwonek");
      Find<cImageButton>(edit, "ButtonEdytuj")->click();
    });
    Trigger(editor, "MenuEdytujUrzadzenie");
    ASSERT_TRUE(BackIn(editor, [&] { return !edit.isVisible(); }));
    // The ID is pending: nothing is chosen until the device is clicked.
    EXPECT_EQ(Text(editor, "LabelNazwa"), "-");
    Choose(editor, "Magazyn");
    EXPECT_EQ(Text(editor, "LabelID"), "4");
    EXPECT_EQ(Text(editor, "LabelTrybPrzycisku"), "tak");
    Trigger(editor, "MenuZapisz");
    ASSERT_TRUE(BackIn(editor, [&] { return form->DevList().CountDevices() == 1; }));
    Trigger(editor, "MenuZamknij");
  }));

  const cUrzadzenie* magazyn = form->DevList().GetDeviceByIndex(0);
  ASSERT_NE(magazyn, nullptr);
  EXPECT_EQ(magazyn->NoweID, 0);
  EXPECT_TRUE(magazyn->Przycisk);
  EXPECT_EQ(Stored(), std::vector<std::string>{"Magazyn 4"});
  // The device took its settings: it answers to 4 and reports them.
  EXPECT_EQ(KonfoutOf(1), "DeviceID=Magazyn\r\nport0=Wejście z rampy\r\nport1=Dzwonek\r\nbutton=on\r\nRSID=4\r\n");
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa"), "Magazyn");
  EXPECT_EQ(Text(*form, "LabelOLV1Aktywnosc"), "aktywne");

  // Debug mode turned on while the program runs offers the factory reset,
  // which makes the registered device a new one at ID 1.
  Find<QCheckBox>(*form, "CheckBoxDebug")->click();
  const size_t told_before = messages.Informations().size();
  bool reset = false;
  ASSERT_TRUE(InWindow(*form, "ImageEdytorUrzadzen", "FormEdytorUrzadzen", [&](QWidget*) {
    WhenModalNamed("FormWyszukaneUrzadzenia", [&](QWidget*) {
      EXPECT_FALSE(Find<cImageButton>(found, "ImageZarejestruj")->isEnabled());
      ASSERT_TRUE(Find<QPushButton>(found, "Button3")->isVisible());
      Find<QPushButton>(found, "Button3")->click();
      reset = BackIn(found, [&] { return messages.Informations().size() == told_before + 1; });
      Find<cImageButton>(found, "ImageZamknijOkno")->click();
    });
    Trigger(editor, "MenuWyszukajUrzadzenie");
    ASSERT_TRUE(BackIn(editor, [&] { return reset; }));
    Trigger(editor, "MenuZamknij");
  }));
  EXPECT_EQ(KonfoutOf(1), "DeviceID=Rejestrator OLV\r\nport0=wejście\r\nport1=wyjście\r\nbutton=off\r\nRSID=1\r\n");
  // The factory file went under its own name, without an extension.
  EXPECT_TRUE(FileExists(folder + "data/extSD/00000004/sent/00000004"));
  EXPECT_TRUE(FileExists(Card(1) + "/00000004"));
  EXPECT_EQ(messages.Unscripted(), 0);
}

// A deleted device's local files go only when the deletion is saved; a
// device that does not get its settings keeps its ID with the new one pending
// and is told, and while it is off the editors are read-only.
TEST_F(Form1UrzadzeniaTest, ADeletionAndNewIdsAreSavedAndADeviceThatDoesNotGetItsSettingsIsTold) {
  ASSERT_FALSE(StartSimulator().empty());
  WriteDevices({"Brama", "Magazyn", "Biuro"}, Link());
  for (int id : {2, 4}) {
    ASSERT_TRUE(UtworzFolderWyslanychPlikow(folder, id));
    ASSERT_TRUE(WriteFileAtomically(FolderUrzadzenia(folder, id) + "26110101.CSV", "events"));
    ASSERT_TRUE(WriteFileAtomically(FolderWyslanychPlikow(folder, id) + "konfig.txt", "old"));
  }
  auto form = Make();
  StartUp(*form);
  TFormEdytorUrzadzen& editor = form->FormEdytorUrzadzen();
  TFormEdytujUrzadzenie& edit = editor.FormEdytujUrzadzenie();
  const auto change_id = [&](const char* name, const char* id) {
    Choose(editor, name);
    QTimer::singleShot(0, [&edit, id] {
      edit.findChild<QLineEdit*>("EditID")->setText(id);
      edit.findChild<cImageButton*>("ButtonEdytuj")->click();
    });
    Trigger(editor, "MenuEdytujUrzadzenie");
  };
  const auto files_of_biuro = [&] {
    return ListFiles(FolderUrzadzenia(folder, 4)).size() + ListFiles(FolderWyslanychPlikow(folder, 4)).size();
  };
  const auto delete_biuro = [&] {
    Choose(editor, "Biuro");
    messages.Answer(kOdpowiedzTak);
    Trigger(editor, "MenuUsunUrzadzenie");
    EXPECT_EQ(editor.RoboczaLista().CountDevices(), 2);
    EXPECT_EQ(files_of_biuro(), 2u);
  };

  // From the save on: how often the waiting window opens and what it says.
  struct cPokazania : QObject {
    int ile = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Show) ++ile;
      return false;
    }
  } pokazania;
  std::set<std::string> wait_texts;
  QTimer wait_poll;
  QObject::connect(&wait_poll, &QTimer::timeout, [&] {
    if (form->FormProszeCzekac().isVisible()) wait_texts.insert(Text(form->FormProszeCzekac(), "Label1"));
  });

  ASSERT_TRUE(InWindow(*form, "ImageEdytorUrzadzen", "FormEdytorUrzadzen", [&](QWidget*) {
    // Focus on the list chooses no device: none shown, none to delete.
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(Find<QListWidget>(editor, "ListBoxListaUrzadzen"), &focus);
    EXPECT_EQ(Find<QLabel>(editor, "LabelNazwa")->text(), "-");
    Trigger(editor, "MenuUsunUrzadzenie");
    EXPECT_TRUE(messages.Questions().empty());
    delete_biuro();
    // Reset brings it back, files and all.
    messages.Answer(kOdpowiedzTak);
    Trigger(editor, "MenuResetuj");
    EXPECT_EQ(editor.RoboczaLista().CountDevices(), 3);
    delete_biuro();
    // "Anuluj" at the close prompt keeps the editor with the deletion; "Nie" drops it.
    messages.Answer(kOdpowiedzAnuluj);
    Trigger(editor, "MenuZamknij");
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.RoboczaLista().CountDevices(), 2);
    messages.Answer(kOdpowiedzNie);
    Trigger(editor, "MenuZamknij");
  }));
  EXPECT_EQ(form->DevList().CountDevices(), 3);
  EXPECT_EQ(files_of_biuro(), 2u);
  ASSERT_TRUE(InWindow(*form, "ImageEdytorUrzadzen", "FormEdytorUrzadzen", [&](QWidget*) {
    delete_biuro();
    change_id("Brama", "5");
    change_id("Magazyn", "6");
    // Magazyn falls silent before the save.
    RestartSimulator({2, 3, 4}, {"--silent", "3"});
    form->FormProszeCzekac().installEventFilter(&pokazania);
    wait_poll.start(20);
    Trigger(editor, "MenuZapisz");
    ASSERT_TRUE(BackIn(editor, [&] { return ToldStarting("Nie udało się wysłać ustawień do urządzeń:"); }));
    Choose(editor, "Magazyn");
    EXPECT_EQ(Text(editor, "LabelID"), "6");
    Trigger(editor, "MenuZamknij");
  }));

  // One waiting window for the save, the send and the check after it, naming
  // the device that keeps it waiting.
  EXPECT_EQ(pokazania.ile, 1);
  EXPECT_TRUE(wait_texts.count("Wysyłanie do urządzenia Magazyn...")) << wait_texts.size();
  const std::string told = messages.Informations().back();
  EXPECT_NE(told.find("Magazyn (ID 3)"), std::string::npos) << told;
  EXPECT_EQ(told.find("Brama"), std::string::npos) << told;
  const cUrzadzenie* brama = form->DevList().GetDeviceByIndex(0);
  const cUrzadzenie* magazyn = form->DevList().GetDeviceByIndex(1);
  EXPECT_EQ(brama->ID, 5);
  EXPECT_EQ(brama->NoweID, 0);
  EXPECT_EQ(magazyn->ID, 3);
  EXPECT_EQ(magazyn->NoweID, 6);
  EXPECT_EQ(Stored(), (std::vector<std::string>{"Brama 5", "Magazyn 3"}));
  EXPECT_NE(KonfoutOf(2).find("RSID=5\r\n"), std::string::npos);
  EXPECT_NE(KonfoutOf(3).find("RSID=3\r\n"), std::string::npos);
  // Brama answers to its new ID; Magazyn is silent.
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa"), "Brama");
  EXPECT_EQ(Text(*form, "LabelOLV1Aktywnosc") + " " + Text(*form, "LabelOLV2Aktywnosc"), "aktywne nieaktywne");
  EXPECT_EQ(files_of_biuro(), 0u);
  EXPECT_TRUE(DirectoryExists(FolderWyslanychPlikow(folder, 4)));
  EXPECT_EQ(ReadWholeFile(FolderUrzadzenia(folder, 2) + "26110101.CSV"), "events");
  EXPECT_EQ(messages.Unscripted(), 0);

  // With Magazyn off the editors open read-only once their task has run. Each
  // opening gives the editor's name, " tylko do odczytu" when "MenuResetuj" is
  // off, and which of the device editor's actions are on.
  const auto open = [&](const char* button, const char* name) {
    std::string opened;
    WhenModalNamed(name, [&](QWidget* window) {
      opened = window->objectName().toStdString() +
               (window->findChild<QAction*>("MenuResetuj")->isEnabled() ? "" : " tylko do odczytu");
      if (window == &editor)
        for (const char* action : {"MenuWyszukajUrzadzenie", "MenuEdytujUrzadzenie", "MenuUsunUrzadzenie",
                                   "MenuZapisz", "MenuInformacje"})
          opened += window->findChild<QAction*>(action)->isEnabled() ? " +" : " -";
      window->close();
    });
    Find<QAbstractButton>(*form, button)->click();
    EXPECT_TRUE(RunUntil([&] { return !opened.empty() && !QApplication::activeModalWidget(); }, 20000));
    return opened;
  };
  EXPECT_EQ(open("Button1", "FormEdytorUzytkownikow"), "FormEdytorUzytkownikow tylko do odczytu");
  EXPECT_EQ(open("ImageEdytorUrzadzen", "FormEdytorUrzadzen"), "FormEdytorUrzadzen tylko do odczytu - - - - +");
  EXPECT_EQ(open("ImageEdytorDostepow", "FormEdytorDostepow"), "FormEdytorDostepow tylko do odczytu");
  EXPECT_FALSE(form->FormProszeCzekac().isVisible());
  // In debug mode they do not.
  Find<QCheckBox>(*form, "CheckBoxDebug")->click();
  EXPECT_EQ(open("ImageEdytorDostepow", "FormEdytorDostepow"), "FormEdytorDostepow");
}

}  // namespace
}  // namespace olv
