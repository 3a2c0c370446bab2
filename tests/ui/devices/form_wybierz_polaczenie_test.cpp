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

TEST_F(FormWybierzPolaczenieTest, HasItsCaptionAndThePlaceholderPortItem) {
  EXPECT_EQ(form.windowTitle(), "Wybierz polaczenie");
  ASSERT_EQ(Auto()->count(), 1);
  EXPECT_EQ(Auto()->itemText(0), "porty..");
  ASSERT_EQ(Predkosc()->count(), 14);
  EXPECT_EQ(Predkosc()->itemText(4), "9600 b/s");
  EXPECT_EQ(Predkosc()->itemText(13), "256000 b/s");
  EXPECT_EQ(Recznie()->text(), "ręcznie");
  EXPECT_EQ(ZListy()->text(), "z listy");
}

TEST_F(FormWybierzPolaczenieTest, ListedPortOpensOnTheList) {
  form.Przygotuj("COM3", 57600, {"COM1", "COM3", "COM10"});
  EXPECT_TRUE(ZListy()->isChecked());
  EXPECT_EQ(Auto()->currentText(), "COM3");
  EXPECT_EQ(Auto()->count(), 3);
  EXPECT_EQ(EditPort()->text(), "");
  EXPECT_EQ(Predkosc()->currentText(), "57600 b/s");

  Click("ButtonWybierz");
  const cWlasciwosciPolaczenia wynik = form.Wynik();
  EXPECT_EQ(wynik.Port, "COM3");
  EXPECT_EQ(wynik.Predkosc, 57600);
}

TEST_F(FormWybierzPolaczenieTest, PortNotListedOpensTypedByHand) {
  form.Przygotuj("COM3", 57600, {"COM1", "COM4"});
  EXPECT_TRUE(Recznie()->isChecked());
  EXPECT_EQ(EditPort()->text(), "COM3");
  EXPECT_EQ(Auto()->currentIndex(), 0);
  EXPECT_TRUE(EditPort()->isEnabled());
  EXPECT_FALSE(Auto()->isEnabled());

  // The comparison is exact: another case is another port.
  form.Przygotuj("com1", 9600, {"COM1"});
  EXPECT_TRUE(Recznie()->isChecked());
  EXPECT_EQ(EditPort()->text(), "com1");
}

TEST_F(FormWybierzPolaczenieTest, UnknownSpeedOpensOn115200) {
  form.Przygotuj("COM1", 300, {});
  EXPECT_EQ(Predkosc()->currentText(), "115200 b/s");
  EXPECT_EQ(IndeksPredkosci(300), 11);
  EXPECT_EQ(PredkoscIndeksu(0), 600);
  EXPECT_EQ(PredkoscIndeksu(13), 256000);
  EXPECT_EQ(PredkoscIndeksu(14), 0);
  EXPECT_EQ(PredkoscIndeksu(-1), 0);
}

TEST_F(FormWybierzPolaczenieTest, ChoiceFollowsTheChosenWay) {
  form.Przygotuj("COM1", 115200, {"COM1", "/dev/pts/7"});
  Auto()->setCurrentIndex(1);
  Predkosc()->setCurrentIndex(4);
  Click("ButtonWybierz");
  EXPECT_EQ(form.Wynik().Port, "/dev/pts/7");
  EXPECT_EQ(form.Wynik().Predkosc, 9600);

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
  EXPECT_EQ(form.Wynik().Port, "");
  EXPECT_EQ(form.Wynik().Predkosc, 0);

  // Closed by the window manager without either button.
  form.Przygotuj("COM3", 57600, {"COM3"});
  form.reject();
  EXPECT_EQ(form.Wynik().Port, "");
}

TEST_F(FormWybierzPolaczenieTest, ListOfNoPortsChosenFromGivesAnEmptyPort) {
  form.Przygotuj("COM3", 57600, {});
  ZListy()->setChecked(true);
  Click("ButtonWybierz");
  EXPECT_EQ(form.Wynik().Port, "");
  EXPECT_EQ(form.Wynik().Predkosc, 57600);
}

}  // namespace
}  // namespace olv
