#include "ui/devices/form_wybierz_polaczenie.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

class FormWybierzPolaczenieTest : public ::testing::Test {
 protected:
  QComboBox* Auto() { return form.findChild<QComboBox*>("ComboBoxAuto"); }
  QComboBox* Predkosc() { return form.findChild<QComboBox*>("ComboBoxPredkosc"); }
  QLineEdit* EditPort() { return form.findChild<QLineEdit*>("EditPort"); }
  QRadioButton* Recznie() { return form.findChild<QRadioButton*>("RadioButtonRecznie"); }
  QRadioButton* ZListy() { return form.findChild<QRadioButton*>("RadioButtonZListy"); }
  void Click(const char* name) { form.findChild<QAbstractButton*>(name)->click(); }

  TFormWybierzPolaczenie form;
};

TEST_F(FormWybierzPolaczenieTest, PortNotListedOpensTypedByHand) {
  form.Przygotuj("COM3", 57600, {"COM1", "COM4"});
  EXPECT_TRUE(Recznie()->isChecked());
  EXPECT_EQ(EditPort()->text(), "COM3");
  EXPECT_TRUE(EditPort()->isEnabled() && !Auto()->isEnabled());

  // The comparison is exact: another case is another port.
  form.Przygotuj("com1", 9600, {"COM1"});
  EXPECT_TRUE(Recznie()->isChecked());
  EXPECT_EQ(EditPort()->text(), "com1");
}

TEST_F(FormWybierzPolaczenieTest, ChoiceFollowsTheChosenWayAndAnUnknownSpeedOpensOn115200) {
  form.Przygotuj("COM1", 300, {});
  EXPECT_EQ(Predkosc()->currentText(), "115200 b/s");
  EXPECT_EQ(PredkoscIndeksu(0) + PredkoscIndeksu(14) + PredkoscIndeksu(-1), 600);

  form.Przygotuj("COM1", 115200, {"COM1", "/dev/pts/7"});
  Auto()->setCurrentIndex(1);
  Predkosc()->setCurrentIndex(4);
  Click("ButtonWybierz");
  EXPECT_EQ(form.Wynik(), (cWlasciwosciPolaczenia{"/dev/pts/7", 9600}));

  form.Przygotuj("COM1", 115200, {"COM1"});
  Recznie()->setChecked(true);
  EditPort()->setText("  /dev/ttyUSB0 ");
  Click("ButtonWybierz");
  EXPECT_EQ(form.Wynik().Port, "/dev/ttyUSB0");
}

TEST_F(FormWybierzPolaczenieTest, CancelOrCloseGivesAnEmptyPortAndSpeedZero) {
  form.Przygotuj("COM3", 57600, {"COM3"});
  Click("ButtonAnuluj");
  EXPECT_TRUE(form.Anulowano());
  EXPECT_EQ(form.Wynik(), (cWlasciwosciPolaczenia{"", 0}));

  // Closed by the window manager without either button.
  form.Przygotuj("COM3", 57600, {"COM3"});
  EXPECT_TRUE(ZListy()->isChecked() && Auto()->currentText() == "COM3");
  form.reject();
  EXPECT_EQ(form.Wynik().Port, "");
}

TEST_F(FormWybierzPolaczenieTest, ListOfNoPortsChosenFromGivesAnEmptyPort) {
  form.Przygotuj("COM3", 57600, {});
  ZListy()->setChecked(true);
  Click("ButtonWybierz");
  EXPECT_EQ(form.Wynik(), (cWlasciwosciPolaczenia{"", 57600}));
}

}  // namespace
}  // namespace olv
