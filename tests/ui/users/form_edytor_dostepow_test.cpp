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

constexpr int kMagazyn = 2, kBrama = 3;

class FormEdytorDostepowTest : public ::testing::Test {
 protected:
  FormEdytorDostepowTest() {
    int id = 0;
    for (const char* name : {"Zofia", "bartek", "Ala"}) {
      ++id;
      EXPECT_TRUE(users.DodajUzytkownika(name, id, "", "1" + std::to_string(id)));
    }
    EXPECT_TRUE(devices.DodajUrzadzenie("Magazyn", kMagazyn, cCzytnik("We", 1), cCzytnik("Wy", 2), false, {}));
    EXPECT_TRUE(devices.DodajUrzadzenie("Brama", kBrama, cCzytnik("We", 1), cCzytnik("Wy", 2), false, {}));
    Dostepy(devices, kBrama).Dodaj(User(1));
  }
  void Open(bool read_only) {
    form.UstawTrybTylkoDoOdczytu(read_only);
    form.Wczytaj();
    form.Odswiez();
    form.PokazListeDostepu(0);
  }
  static cListaDostepow& Dostepy(const cDevList& list, int id) { return list.GetDeviceByID(id)->ListaDostepow; }
  int32_t User(int id) { return users.GetUserByID(id)->Unique; }
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

TEST_F(FormEdytorDostepowTest, ChecksRebuildTheSelectedDevicesAccessListAndSavingTakesTheCopy) {
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
  const cListaDostepow& brama = Dostepy(form.KopiaRobocza(), kBrama);
  EXPECT_EQ(brama.ToString(), std::to_string(User(3)) + "#" + std::to_string(User(2)) + "#" + std::to_string(User(1)));
  // The keyboard: space on the current item.
  Checks()->setCurrentRow(2);
  QTest::keyClick(Checks(), Qt::Key_Space);
  EXPECT_EQ(Checked(), "Ala+ bartek+ Zofia- ");
  ClickCheck(0);
  ClickCheck(1);
  EXPECT_EQ(brama.Count(), 0);
  EXPECT_EQ(Dostepy(devices, kBrama).Count(), 1);  // the main list waits for the save

  Devices()->setCurrentRow(1);
  ClickCheck(1);
  // Saving: the main list takes the copy; the devices go in row order.
  Action("MenuZapiszISynchronizuj")->trigger();
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0], (std::vector<int32_t>{devices.GetDeviceByID(kBrama)->Unique,
                                            devices.GetDeviceByID(kMagazyn)->Unique}));
  EXPECT_EQ(Dostepy(devices, kBrama).Count(), 0);
  EXPECT_EQ(Dostepy(devices, kMagazyn).ToString(), std::to_string(User(2)));
  form.reject();
  EXPECT_TRUE(messages.Questions().empty());
  EXPECT_EQ(messages.Unscripted(), 0);
}

TEST_F(FormEdytorDostepowTest, ResetTheClosePromptAndReadOnly) {
  Open(false);
  Devices()->setCurrentRow(0);
  Checks()->item(0)->setCheckState(Qt::Checked);
  messages.Answer(kOdpowiedzTak);
  Action("MenuResetuj")->trigger();
  EXPECT_EQ(Checks()->count(), 0);
  EXPECT_TRUE(form.KopiaRobocza().RownaLiscie(devices));

  // "Anuluj" at the close question keeps the editor and its edits, "Nie" drops them, "Tak" saves.
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
  EXPECT_TRUE(saved.empty());
  EXPECT_FALSE(Dostepy(devices, kMagazyn).Zawiera(User(1)));
  Open(false);
  Devices()->setCurrentRow(1);
  Checks()->item(2)->setCheckState(Qt::Checked);
  messages.Answer(kOdpowiedzTak);
  form.reject();
  EXPECT_EQ(saved.size(), 1u);
  EXPECT_TRUE(Dostepy(devices, kMagazyn).Zawiera(User(1)));
  EXPECT_EQ(messages.Questions().size(), 4u);
  EXPECT_EQ(messages.Unscripted(), 0);

  Open(true);
  ASSERT_EQ(messages.Informations().size(), 1u);
  EXPECT_FALSE(Checks()->isEnabled() || Action("MenuZapiszISynchronizuj")->isEnabled() ||
               Action("MenuResetuj")->isEnabled());
  // With no device there is nothing to be read-only about: no message.
  devices.Wyczysc();
  Open(true);
  EXPECT_EQ(messages.Informations().size(), 1u);
}

}  // namespace
}  // namespace olv
