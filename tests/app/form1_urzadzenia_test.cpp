// The device windows from the main window, in real time against olv8-sim on a
// pseudo-terminal with the message window scripted: searching all ports,
// registering a factory-fresh device and giving it its ID, names and button
// mode, then resetting it to the factory settings; a device that does not get
// its settings; and the local files of a deleted device, which go only when
// the deletion is saved.
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

const char* const kID1 = "Jedno z urządzeń posiada ID 1. Przez zapisaniem zmian musisz wybrać inne ID.";

// Steps run one after the other, each once its condition holds. An action runs
// from its own zero timer, so a modal window it opens does not stop the script.
// Past the time limit every modal window is closed, so a failing test ends.
class cScenariusz {
 public:
  void Krok(std::string opis, std::function<bool()> warunek, std::function<void()> akcja = [] {}) {
    mKroki.push_back({std::move(opis), std::move(warunek), std::move(akcja)});
  }
  // True when every step ran (and its action returned) within limit_ms.
  bool Wykonaj(int limit_ms) {
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (elapsed.elapsed() > limit_ms) {
        mPrzekroczono = true;
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->done(0);
        return;
      }
      if (mNastepny >= mKroki.size() || !mKroki[mNastepny].warunek()) return;
      std::function<void()> akcja = mKroki[mNastepny++].akcja;
      ++mTrwajace;
      QTimer::singleShot(0, [this, akcja] {
        akcja();
        --mTrwajace;
      });
    });
    poll.start(10);
    RunUntil([&] { return (mNastepny == mKroki.size() && mTrwajace == 0) || mPrzekroczono; }, limit_ms + 60000);
    return !mPrzekroczono && mNastepny == mKroki.size();
  }
  // The step that was waited for, for the failure message.
  std::string Czekano() const { return mNastepny < mKroki.size() ? mKroki[mNastepny].opis : "(koniec)"; }

 private:
  struct cKrok {
    std::string opis;
    std::function<bool()> warunek;
    std::function<void()> akcja;
  };
  std::vector<cKrok> mKroki;
  size_t mNastepny = 0;
  int mTrwajace = 0;
  bool mPrzekroczono = false;
};

class Form1UrzadzeniaTest : public test::cForm1Fixture {
 protected:
  // The link is searched with every serial port.
  void SetUp() override { setenv("OLV8_EXTRA_PORTS", Link().c_str(), 1); }
  void TearDown() override { unsetenv("OLV8_EXTRA_PORTS"); }
  static bool Modal(const char* name) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->objectName() == name;
  }
  static bool ModalEditor() { return Modal("FormEdytorUrzadzen"); }
  static void Trigger(QWidget& window, const char* action) { Find<QAction>(window, action)->trigger(); }
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

  cScenariusz s;
  s.Krok("the main window", [] { return true; }, [&] { Find<cImageButton>(*form, "ImageEdytorUrzadzen")->click(); });
  // No device registered: the help on adding devices opens by itself.
  s.Krok("the help on adding devices", [&] { return Modal("FormHelp"); },
         [&] { Find<QAbstractButton>(*QApplication::activeModalWidget(), "ButtonZamknij")->click(); });
  s.Krok("the editor", [&] { return ModalEditor(); }, [&] { Trigger(editor, "MenuWyszukajUrzadzenie"); });
  s.Krok("the found devices", [&] { return Modal("FormWyszukaneUrzadzenia"); }, [&] {
    auto* list = Find<QListWidget>(found, "ListBox1");
    ASSERT_EQ(list->count(), 1);
    EXPECT_FALSE(Find<QPushButton>(found, "Button3")->isVisible());
    list->setCurrentRow(0);
    Find<cImageButton>(found, "ImageZarejestruj")->click();
  });
  s.Krok("the registration", [&] { return ModalEditor() && editor.RoboczaLista().CountDevices() == 1; }, [&] {
    EXPECT_EQ(Text(editor, "LabelID"), "1");
    // ID 1 blocks both saving and closing.
    Trigger(editor, "MenuZapisz");
    Trigger(editor, "MenuZamknij");
    EXPECT_EQ(std::count(messages.Informations().begin(), messages.Informations().end(), kID1), 2);
    EXPECT_TRUE(editor.isVisible());
    Choose(editor, "Rejestrator OLV");
    Trigger(editor, "MenuEdytujUrzadzenie");
  });
  s.Krok("the edit dialog", [&] { return Modal("FormEdytujUrzadzenie"); }, [&] {
    Find<QLineEdit>(edit, "EditID")->setText("4");
    Find<QLineEdit>(edit, "EditNazwa")->setText("Magazyn");
    Find<QLineEdit>(edit, "EditNazwaCzytnika0")->setText("Wejście z rampy");
    Find<QComboBox>(edit, "ComboBoxTrybPracyUrzadzenia")->setCurrentIndex(1);
    Find<QLineEdit>(edit, "EditNazwaCzytnika1")->setText("Dzwonek");
    Find<cImageButton>(edit, "ButtonEdytuj")->click();
  });
  s.Krok("the editor after the edit", [&] { return ModalEditor() && !edit.isVisible(); }, [&] {
    // The ID is pending: nothing is chosen until the device is clicked.
    EXPECT_EQ(Text(editor, "LabelNazwa"), "-");
    Choose(editor, "Magazyn");
    EXPECT_EQ(Text(editor, "LabelID"), "4");
    EXPECT_EQ(Text(editor, "LabelTrybPrzycisku"), "tak");
    Trigger(editor, "MenuZapisz");
  });
  s.Krok("the editor after saving", [&] { return ModalEditor() && form->DevList().CountDevices() == 1; },
         [&] { Trigger(editor, "MenuZamknij"); });
  s.Krok("the main window again", [&] { return !editor.isVisible() && !QApplication::activeModalWidget(); });
  ASSERT_TRUE(s.Wykonaj(60000)) << s.Czekano();

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
  cScenariusz reset;
  reset.Krok("the main window", [] { return true; },
             [&] { Find<cImageButton>(*form, "ImageEdytorUrzadzen")->click(); });
  reset.Krok("the editor", [&] { return ModalEditor(); }, [&] { Trigger(editor, "MenuWyszukajUrzadzenie"); });
  reset.Krok("the found devices", [&] { return Modal("FormWyszukaneUrzadzenia"); }, [&] {
    EXPECT_FALSE(Find<cImageButton>(found, "ImageZarejestruj")->isEnabled());
    ASSERT_TRUE(Find<QPushButton>(found, "Button3")->isVisible());
    Find<QPushButton>(found, "Button3")->click();
  });
  reset.Krok("the reset",
             [&] { return Modal("FormWyszukaneUrzadzenia") && messages.Informations().size() == told_before + 1; },
             [&] { Find<cImageButton>(found, "ImageZamknijOkno")->click(); });
  reset.Krok("the editor again", [&] { return ModalEditor(); }, [&] { Trigger(editor, "MenuZamknij"); });
  reset.Krok("the main window at the end", [&] { return !QApplication::activeModalWidget(); });
  ASSERT_TRUE(reset.Wykonaj(60000)) << reset.Czekano();
  EXPECT_EQ(KonfoutOf(1), "DeviceID=Rejestrator OLV\r\nport0=wejście\r\nport1=wyjście\r\nbutton=off\r\nRSID=1\r\n");
  // The factory file went under its own name, without an extension.
  EXPECT_TRUE(FileExists(folder + "data/extSD/00000004/sent/00000004"));
  EXPECT_TRUE(FileExists(Card(1) + "/00000004"));
  EXPECT_EQ(messages.Unscripted(), 0);
}

TEST_F(Form1UrzadzeniaTest, ADeviceThatDoesNotGetItsSettingsKeepsItsIdWithTheNewOnePendingAndIsTold) {
  ASSERT_FALSE(StartSimulator({2, 3}).empty());
  WriteDevices({"Brama", "Magazyn"}, Link());
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

  cScenariusz s;
  s.Krok("the main window", [] { return true; }, [&] { Find<cImageButton>(*form, "ImageEdytorUrzadzen")->click(); });
  s.Krok("the editor", [&] { return ModalEditor(); }, [&] {
    change_id("Brama", "5");
    change_id("Magazyn", "6");
    // Magazyn falls silent before the save.
    RestartSimulator({2, 3}, {"--silent", "3"});
    form->FormProszeCzekac().installEventFilter(&pokazania);
    wait_poll.start(20);
    Trigger(editor, "MenuZapisz");
  });
  s.Krok("the save", [&] { return ModalEditor() && ToldStarting("Nie udało się wysłać ustawień do urządzeń:"); },
         [&] {
           Choose(editor, "Magazyn");
           EXPECT_EQ(Text(editor, "LabelID"), "6");
           Trigger(editor, "MenuZamknij");
         });
  s.Krok("the main window again", [&] { return !QApplication::activeModalWidget(); });
  ASSERT_TRUE(s.Wykonaj(90000)) << s.Czekano();

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
  EXPECT_EQ(Text(*form, "LabelOLV1Aktywnosc"), "aktywne");
  EXPECT_EQ(Text(*form, "LabelOLV2Aktywnosc"), "nieaktywne");
}

TEST_F(Form1UrzadzeniaTest, ADeletedDevicesFilesStayUntilTheDeletionIsSaved) {
  WriteDevices({"Brama", "Biuro"});
  for (int id : {2, 3}) {
    ASSERT_TRUE(UtworzFolderWyslanychPlikow(folder, id));
    ASSERT_TRUE(WriteFileAtomically(FolderUrzadzenia(folder, id) + "26110101.CSV", "events"));
    ASSERT_TRUE(WriteFileAtomically(FolderWyslanychPlikow(folder, id) + "konfig.txt", "old"));
  }
  // In debug mode the editor is writable though the devices are not there.
  auto form = Make({"DEBUG"});
  StartUp(*form);
  TFormEdytorUrzadzen& editor = form->FormEdytorUrzadzen();
  const auto files_of_biuro = [&] {
    return ListFiles(FolderUrzadzenia(folder, 3)).size() + ListFiles(FolderWyslanychPlikow(folder, 3)).size();
  };
  const auto delete_biuro = [&] {
    Choose(editor, "Biuro");
    messages.Answer(kOdpowiedzTak);
    Trigger(editor, "MenuUsunUrzadzenie");
    EXPECT_EQ(editor.RoboczaLista().CountDevices(), 1);
    EXPECT_EQ(files_of_biuro(), 2u);
  };
  const auto open_editor = [&] { Find<cImageButton>(*form, "ImageEdytorUrzadzen")->click(); };

  cScenariusz s;
  s.Krok("the main window", [] { return true; }, open_editor);
  s.Krok("the editor", [&] { return ModalEditor(); }, [&] {
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
    EXPECT_EQ(editor.RoboczaLista().CountDevices(), 2);
    delete_biuro();
    // "Anuluj" at the close prompt keeps the editor with the deletion; "Nie" drops it.
    messages.Answer(kOdpowiedzAnuluj);
    Trigger(editor, "MenuZamknij");
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.RoboczaLista().CountDevices(), 1);
    messages.Answer(kOdpowiedzNie);
    Trigger(editor, "MenuZamknij");
  });
  s.Krok("the main window", [&] { return !QApplication::activeModalWidget(); }, [&] {
    EXPECT_EQ(form->DevList().CountDevices(), 2);
    EXPECT_EQ(files_of_biuro(), 2u);
    open_editor();
  });
  s.Krok("the editor again", [&] { return ModalEditor(); }, [&] {
    delete_biuro();
    Trigger(editor, "MenuZapisz");
  });
  s.Krok("the save", [&] { return ModalEditor() && form->DevList().CountDevices() == 1; },
         [&] { Trigger(editor, "MenuZamknij"); });
  s.Krok("the main window at the end", [&] { return !QApplication::activeModalWidget(); });
  ASSERT_TRUE(s.Wykonaj(60000)) << s.Czekano();

  EXPECT_EQ(files_of_biuro(), 0u);
  EXPECT_TRUE(DirectoryExists(FolderWyslanychPlikow(folder, 3)));
  EXPECT_EQ(ReadWholeFile(FolderUrzadzenia(folder, 2) + "26110101.CSV"), "events");
  EXPECT_EQ(Stored(), std::vector<std::string>{"Brama 2"});
  // Brama could not be sent its settings (no such port): it is told.
  EXPECT_TRUE(ToldStarting("Nie udało się wysłać ustawień do urządzeń:"));
  EXPECT_EQ(messages.Unscripted(), 0);
}

}  // namespace
}  // namespace olv
