#include "ui/users/form_edytor_dostepow.h"

#include <QAction>
#include <QListWidget>
#include <QTest>

#include "common/virtual_clock.h"
#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/scripted_message_window.h"
#include "ui/users/form_help.h"

namespace olv {
namespace {

class FormEdytorDostepowTest : public ::testing::Test {
 protected:
  FormEdytorDostepowTest() {
    int id = 0;
    for (const char* name : {"Zofia", "bartek", "Ala"}) {
      ++id;
      EXPECT_TRUE(users.DodajUzytkownika(name, id, "", "1" + std::to_string(id)));
    }
    int bus = 2;
    for (const char* name : {"Magazyn", "Brama"})
      EXPECT_TRUE(devices.DodajUrzadzenie(name, bus++, cCzytnik("We", 1), cCzytnik("Wy", 2), false, {"COM1", 115200}));
    Device("Brama")->ListaDostepow.Dodaj(User("Zofia"));
  }
  void Open(bool read_only) {
    form.UstawTrybTylkoDoOdczytu(read_only);
    form.Wczytaj();
    form.Odswiez();
    form.PokazListeDostepu(0);
  }
  cUrzadzenie* Device(const std::string& name, cDevList* list = nullptr) {
    cDevList& l = list ? *list : devices;
    for (int i = 0; i < l.CountDevices(); ++i)
      if (l.GetDeviceByIndex(i)->Nazwa == name) return l.GetDeviceByIndex(i);
    return nullptr;
  }
  int32_t User(const std::string& name) {
    for (int i = 0; i < users.CountUsers(); ++i)
      if (users.GetUserByIndex(i)->Nazwa == name) return users.GetUserByIndex(i)->Unique;
    return 0;
  }
  QListWidget* Devices() { return form.findChild<QListWidget*>("ListBoxListaUrzadzen"); }
  QListWidget* Checks() { return form.findChild<QListWidget*>("CheckListBox1"); }
  QAction* Action(const char* name) { return form.findChild<QAction*>(name); }
  QString Checked() {
    QString text;
    for (int i = 0; i < Checks()->count(); ++i)
      text += Checks()->item(i)->text() + (Checks()->item(i)->checkState() == Qt::Checked ? "+ " : "- ");
    return text;
  }
  // Clicks the check box of row as the operator does.
  void ClickCheck(int row) {
    const QRect rect = Checks()->visualItemRect(Checks()->item(row));
    QTest::mouseClick(Checks()->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 10, rect.center().y()));
  }

  cVirtualClock clock{45419.375, 5000};
  cUserList users{clock};
  cDevList devices{clock};
  cScriptedMessageWindow messages;
  TFormHelp help;
  std::vector<std::vector<int32_t>> saved;
  TFormEdytorDostepow form{clock, devices, users, messages, help,
                           [this](const std::vector<int32_t>& keys) { saved.push_back(keys); }};
};

TEST_F(FormEdytorDostepowTest, ChecksRebuildTheSelectedDevicesAccessList) {
  Open(false);
  form.show();
  ASSERT_EQ(Devices()->count(), 2);
  EXPECT_EQ(Devices()->item(0)->text(), "Brama");
  EXPECT_EQ(Checks()->count(), 0);

  Devices()->setCurrentRow(0);
  EXPECT_EQ(Checked(), "Ala- bartek- Zofia+ ");
  ClickCheck(0);
  ClickCheck(1);
  EXPECT_EQ(Checked(), "Ala+ bartek+ Zofia+ ");
  cUrzadzenie* brama = Device("Brama", &form.KopiaRobocza());
  EXPECT_EQ(brama->ListaDostepow.ToString(),
            std::to_string(User("Ala")) + "#" + std::to_string(User("bartek")) + "#" + std::to_string(User("Zofia")));
  // The keyboard: space on the current item.
  Checks()->setCurrentRow(2);
  QTest::keyClick(Checks(), Qt::Key_Space);
  EXPECT_EQ(Checked(), "Ala+ bartek+ Zofia- ");
  ClickCheck(0);
  ClickCheck(1);
  EXPECT_EQ(brama->ListaDostepow.Count(), 0);
  EXPECT_EQ(Device("Brama")->ListaDostepow.Count(), 1);  // the main list waits for the save

  Devices()->setCurrentRow(1);
  ClickCheck(1);
  EXPECT_EQ(Device("Magazyn", &form.KopiaRobocza())->ListaDostepow.ToString(), std::to_string(User("bartek")));

  // Saving: the main list takes the copy; the devices go in row order.
  Action("MenuZapiszISynchronizuj")->trigger();
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0], (std::vector<int32_t>{Device("Brama")->Unique, Device("Magazyn")->Unique}));
  EXPECT_EQ(Device("Brama")->ListaDostepow.Count(), 0);
  EXPECT_EQ(Device("Magazyn")->ListaDostepow.ToString(), std::to_string(User("bartek")));
  form.reject();
  EXPECT_TRUE(messages.Questions().empty());
  EXPECT_EQ(messages.Unscripted(), 0);
}

TEST_F(FormEdytorDostepowTest, ResetAndTheClosePrompt) {
  Open(false);
  Devices()->setCurrentRow(0);
  Checks()->item(0)->setCheckState(Qt::Checked);
  messages.Answer(kOdpowiedzTak);
  Action("MenuResetuj")->trigger();
  EXPECT_EQ(Checks()->count(), 0);
  EXPECT_TRUE(form.KopiaRobocza().RownaLiscie(devices));

  Devices()->setCurrentRow(1);
  Checks()->item(2)->setCheckState(Qt::Checked);
  form.show();
  messages.Answer(kOdpowiedzAnuluj);
  form.reject();
  EXPECT_TRUE(form.isVisible());
  EXPECT_FALSE(form.KopiaRobocza().RownaLiscie(devices));
  messages.Answer(kOdpowiedzNie);
  form.reject();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(messages.Questions().size(), 3u);
  EXPECT_TRUE(saved.empty());
  EXPECT_FALSE(Device("Magazyn")->ListaDostepow.Zawiera(User("Zofia")));

  Open(false);
  Devices()->setCurrentRow(1);
  Checks()->item(2)->setCheckState(Qt::Checked);
  messages.Answer(kOdpowiedzTak);
  form.reject();
  EXPECT_EQ(saved.size(), 1u);
  EXPECT_TRUE(Device("Magazyn")->ListaDostepow.Zawiera(User("Zofia")));
  EXPECT_EQ(messages.Unscripted(), 0);
}

TEST_F(FormEdytorDostepowTest, ReadOnlyWhenDevicesExist) {
  Open(true);
  ASSERT_EQ(messages.Informations().size(), 1u);
  EXPECT_FALSE(Checks()->isEnabled() || Action("MenuZapiszISynchronizuj")->isEnabled() ||
               Action("MenuResetuj")->isEnabled());

  // With no device there is nothing to be read-only about: no message.
  devices.Wyczysc();
  Open(true);
  EXPECT_EQ(messages.Informations().size(), 1u);
  Open(false);
  EXPECT_TRUE(Checks()->isEnabled());
}

}  // namespace
}  // namespace olv
