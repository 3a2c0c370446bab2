#include "ui/users/form_wprowadz_pin.h"

#include <QCheckBox>
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "model/wprowadzony_pin.h"
#include "ui/common/image_button.h"
#include "ui/common/message_window.h"
#include "ui/common/pictures.h"
#include "ui/common/window_look.h"

namespace olv {

TFormWprowadzPin::TFormWprowadzPin(cMessageWindow& komunikaty, QWidget* parent)
    : QDialog(parent), mKomunikaty(komunikaty) {
  setObjectName("FormWprowadzPin");
  setWindowTitle("Wprowadź PIN");
  ApplyWindowLook(this);
  setFixedSize(257, 161);

  auto* label1 = new QLabel("Wprowadź PIN:", this);
  label1->setObjectName("LabelPIN1");
  label1->setGeometry(16, 16, 100, 23);
  mEditPIN1 = new QLineEdit(this);
  mEditPIN1->setObjectName("EditPIN1");
  mEditPIN1->setGeometry(124, 16, 117, 23);
  auto* label2 = new QLabel("Powtórz PIN:", this);
  label2->setObjectName("LabelPIN2");
  label2->setGeometry(16, 48, 100, 23);
  mEditPIN2 = new QLineEdit(this);
  mEditPIN2->setObjectName("EditPIN2");
  mEditPIN2->setGeometry(124, 48, 117, 23);
  mEditPIN1->setEchoMode(QLineEdit::Password);
  mEditPIN2->setEchoMode(QLineEdit::Password);
  label1->setBuddy(mEditPIN1);
  label2->setBuddy(mEditPIN2);

  mCheckBoxPokazPin = new QCheckBox("pokaż PIN", this);
  mCheckBoxPokazPin->setObjectName("CheckBoxPokazPin");
  mCheckBoxPokazPin->setGeometry(124, 78, 117, 21);

  auto* zatwierdz = new cImageButton("Zatwierdź", Picture(ePicture::kOk), this);
  zatwierdz->setObjectName("ButtonZatwierdz");
  zatwierdz->UstawDomyslny(true);
  zatwierdz->setGeometry(16, 118, 105, 27);
  auto* anuluj = new cImageButton("Anuluj", Picture(ePicture::kAnuluj), this);
  anuluj->setObjectName("ButtonAnuluj");
  anuluj->setGeometry(136, 118, 105, 27);

  setTabOrder(mEditPIN1, mEditPIN2);
  setTabOrder(mEditPIN2, mCheckBoxPokazPin);
  setTabOrder(mCheckBoxPokazPin, zatwierdz);
  setTabOrder(zatwierdz, anuluj);

  connect(mEditPIN1, &QLineEdit::textChanged, this,
          [this](const QString& text) { MarkInput(mEditPIN1, PinZawieraNiecyfry(text.toStdString())); });
  connect(mEditPIN2, &QLineEdit::textChanged, this, [this] { PodswietlPowtorzenie(); });
  connect(mCheckBoxPokazPin, &QCheckBox::toggled, this, [this](bool on) { PokazPinZmieniony(on); });
  connect(zatwierdz, &QAbstractButton::clicked, this, [this] { Zatwierdz(); });
  connect(anuluj, &QAbstractButton::clicked, this, [this] {
    mZatwierdzony = false;
    mPin.clear();
    reject();
  });
}

std::string TFormWprowadzPin::Pokaz() {
  mEditPIN2->setEnabled(!mCheckBoxPokazPin->isChecked());
  CentreOnScreen(this);
  exec();
  return mPin;
}

void TFormWprowadzPin::showEvent(QShowEvent* event) {
  if (mWyczyscPrzyPokazaniu) {
    mWyczyscPrzyPokazaniu = false;
    mEditPIN1->clear();
    mEditPIN2->clear();
  }
  mEditPIN1->setFocus();
  QDialog::showEvent(event);
}

void TFormWprowadzPin::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // On a focused button Enter presses that button ("Anuluj" cancels).
    if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
      button->click();
    } else {
      Zatwierdz();
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

void TFormWprowadzPin::PodswietlPowtorzenie() {
  MarkInput(mEditPIN2, PinZawieraNiecyfry(mEditPIN2->text().toStdString()));
}

void TFormWprowadzPin::PokazPinZmieniony(bool pokaz) {
  mEditPIN1->setEchoMode(pokaz ? QLineEdit::Normal : QLineEdit::Password);
  // A disabled field takes the grey of a disabled input from the window look.
  mEditPIN2->setEnabled(!pokaz);
  if (!pokaz) PodswietlPowtorzenie();
}

void TFormWprowadzPin::Zatwierdz() {
  const std::string pin = mEditPIN1->text().toStdString();
  const eBladPinu blad =
      SprawdzWprowadzonyPin(pin, mEditPIN2->text().toStdString(), mCheckBoxPokazPin->isChecked());
  if (blad != eBladPinu::kBrak) {
    mKomunikaty.Information(KomunikatBleduPinu(blad));
    return;
  }
  mZatwierdzony = true;
  mPin = pin;
  accept();
}

// Every way of closing passes here: the buttons, Escape and the close box.
void TFormWprowadzPin::done(int result) {
  if (!mZatwierdzony) mPin.clear();
  mZatwierdzony = false;
  mWyczyscPrzyPokazaniu = true;
  mCheckBoxPokazPin->setChecked(false);
  QDialog::done(result);
}

}  // namespace olv
