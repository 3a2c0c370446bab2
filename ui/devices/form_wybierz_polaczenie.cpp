#include "ui/devices/form_wybierz_polaczenie.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "common/strings.h"
#include "ui/common/image_button.h"
#include "ui/common/pictures.h"
#include "ui/common/window_look.h"

namespace olv {

const std::vector<int>& PredkosciPolaczenia() {
  static const std::vector<int> speeds = {600,   1200,  2400,  4800,  9600,   14400,  19200,
                                          28800, 38400, 56000, 57600, 115200, 128000, 256000};
  return speeds;
}

int IndeksPredkosci(int speed) {
  const auto& speeds = PredkosciPolaczenia();
  for (size_t i = 0; i < speeds.size(); ++i)
    if (speeds[i] == speed) return static_cast<int>(i);
  return 11;
}

int PredkoscIndeksu(int index) {
  const auto& speeds = PredkosciPolaczenia();
  if (index < 0 || static_cast<size_t>(index) >= speeds.size()) return 0;
  return speeds[static_cast<size_t>(index)];
}

TFormWybierzPolaczenie::TFormWybierzPolaczenie(QWidget* parent) : QDialog(parent) {
  setObjectName("FormWybierzPolaczenie");
  setWindowTitle("Wybierz polaczenie");
  ApplyWindowLook(this);
  setFixedSize(297, 185);

  auto* group = new QGroupBox("Nazwa portu", this);
  group->setObjectName("GroupBoxPort");
  group->setGeometry(8, 8, 281, 81);
  mRadioButtonRecznie = new QRadioButton("ręcznie", group);
  mRadioButtonRecznie->setObjectName("RadioButtonRecznie");
  mRadioButtonRecznie->setGeometry(12, 22, 81, 21);
  mEditPort = new QLineEdit(group);
  mEditPort->setObjectName("EditPort");
  mEditPort->setGeometry(100, 22, 169, 23);
  mRadioButtonZListy = new QRadioButton("z listy", group);
  mRadioButtonZListy->setObjectName("RadioButtonZListy");
  mRadioButtonZListy->setGeometry(12, 50, 81, 21);
  mComboBoxAuto = new QComboBox(group);
  mComboBoxAuto->setObjectName("ComboBoxAuto");
  mComboBoxAuto->setGeometry(100, 50, 169, 23);
  mComboBoxAuto->addItem("porty..");

  auto* speed_label = new QLabel("Prędkość", this);
  speed_label->setObjectName("LabelPredkosc");
  speed_label->setGeometry(20, 104, 80, 23);
  mComboBoxPredkosc = new QComboBox(this);
  mComboBoxPredkosc->setObjectName("ComboBoxPredkosc");
  mComboBoxPredkosc->setGeometry(108, 104, 169, 23);
  for (const int speed : PredkosciPolaczenia())
    mComboBoxPredkosc->addItem(QString::number(speed) + " b/s");

  auto* wybierz = new cImageButton("Wybierz", Picture(ePicture::kOk), this);
  wybierz->setObjectName("ButtonWybierz");
  wybierz->setGeometry(40, 146, 105, 25);
  auto* anuluj = new cImageButton("Anuluj", Picture(ePicture::kAnuluj), this);
  anuluj->setObjectName("ButtonAnuluj");
  anuluj->setGeometry(156, 146, 105, 25);

  connect(wybierz, &QAbstractButton::clicked, this, [this] {
    mAnulowano = false;
    accept();
  });
  connect(anuluj, &QAbstractButton::clicked, this, [this] {
    mAnulowano = true;
    reject();
  });
  connect(mRadioButtonRecznie, &QRadioButton::toggled, this, [this](bool on) { UstawSposobWyboru(on); });
  UstawSposobWyboru(true);
  mRadioButtonRecznie->setChecked(true);
}

void TFormWybierzPolaczenie::UstawSposobWyboru(bool recznie) {
  mEditPort->setEnabled(recznie);
  mComboBoxAuto->setEnabled(!recznie);
}

void TFormWybierzPolaczenie::Przygotuj(const std::string& port, int speed,
                                       const std::vector<std::string>& ports) {
  // Closing the window without a choice counts as cancelling.
  mAnulowano = true;
  CentreOnScreen(this);
  mComboBoxPredkosc->setCurrentIndex(IndeksPredkosci(speed));

  mComboBoxAuto->clear();
  int found = -1;
  for (size_t i = 0; i < ports.size(); ++i) {
    mComboBoxAuto->addItem(QString::fromStdString(ports[i]));
    if (found < 0 && ports[i] == port) found = static_cast<int>(i);
  }
  if (found >= 0) {
    mComboBoxAuto->setCurrentIndex(found);
    mEditPort->clear();
    mRadioButtonZListy->setChecked(true);
  } else {
    mComboBoxAuto->setCurrentIndex(ports.empty() ? -1 : 0);
    mEditPort->setText(QString::fromStdString(port));
    mRadioButtonRecznie->setChecked(true);
  }
}

cWlasciwosciPolaczenia TFormWybierzPolaczenie::Wynik() const {
  cWlasciwosciPolaczenia wynik;
  if (mAnulowano) {
    wynik.Port.clear();
    wynik.Predkosc = 0;
    return wynik;
  }
  // Blanks typed around a port name are never part of it.
  const QString port = mRadioButtonRecznie->isChecked() ? mEditPort->text() : mComboBoxAuto->currentText();
  wynik.Port = std::string(TrimBlanks(port.toStdString()));
  wynik.Predkosc = PredkoscIndeksu(mComboBoxPredkosc->currentIndex());
  return wynik;
}

}  // namespace olv
