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

TEST_F(FormWybierzPolaczenieTest, OpensOnTheGivenPortAndGivesTheChosenOneOrNoneWhenCancelled) {
  // A port not listed opens typed by hand; another case is another port.
  form.Przygotuj("com1", 57600, {"COM1", "COM4"});
  EXPECT_TRUE(Recznie()->isChecked() && EditPort()->isEnabled() && !Auto()->isEnabled());
  EXPECT_EQ(EditPort()->text(), "com1");
  EditPort()->setText("  /dev/ttyUSB0 ");
  Click("ButtonWybierz");
  EXPECT_EQ(form.Wynik(), (cWlasciwosciPolaczenia{"/dev/ttyUSB0", 57600}));

  // An unknown speed opens on 115200.
  form.Przygotuj("COM1", 300, {"COM1", "/dev/pts/7"});
  EXPECT_EQ(Predkosc()->currentText(), "115200 b/s");
  Auto()->setCurrentIndex(1);
  Predkosc()->setCurrentIndex(4);
  Click("ButtonWybierz");
  EXPECT_EQ(form.Wynik(), (cWlasciwosciPolaczenia{"/dev/pts/7", 9600}));

  // A list of no ports chosen from gives an empty port.
  form.Przygotuj("COM3", 57600, {});
  ZListy()->setChecked(true);
  Click("ButtonWybierz");
  EXPECT_EQ(form.Wynik(), (cWlasciwosciPolaczenia{"", 57600}));

  // "Anuluj" or the close box: an empty port and speed zero.
  form.Przygotuj("COM3", 57600, {"COM3"});
  Click("ButtonAnuluj");
  EXPECT_TRUE(form.Anulowano());
  EXPECT_EQ(form.Wynik(), (cWlasciwosciPolaczenia{"", 0}));
  form.Przygotuj("COM3", 57600, {"COM3"});
  EXPECT_TRUE(ZListy()->isChecked() && Auto()->currentText() == "COM3");
  form.reject();
  EXPECT_EQ(form.Wynik().Port, "");
}

}  // namespace
}  // namespace olv
