#include "ui/users/form_dane_uzytkownika.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/numbers.h"
#include "model/pola_karty.h"
#include "model/uzytkownik.h"
#include "ui/common/image_button.h"
#include "ui/common/message_window.h"
#include "ui/common/pictures.h"
#include "ui/common/window_look.h"

namespace olv {
namespace {

constexpr int kLewaEtykiet = 16;
constexpr int kLewaPol = 136;
constexpr int kSzerokosc = 345;
constexpr int kWysokoscWiersza = 23;

QLabel* Etykieta(QWidget* parent, const QString& text, int top, int left = kLewaEtykiet, int width = 116) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(left, top, width, kWysokoscWiersza);
  return label;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TFormDaneUzytkownika::TFormDaneUzytkownika(cUserList& lista, cMessageWindow& komunikaty,
                                           std::function<std::string()> wprowadz_pin, const QString& przycisk_id,
                                           const QString& ostrzezenie, QWidget* parent)
    : QDialog(parent), mLista(lista), mKomunikaty(komunikaty), mWprowadzPin(std::move(wprowadz_pin)) {
  ApplyWindowLook(this);

  Etykieta(this, "Nazwa", 16);
  mEditNazwa = new QLineEdit(this);
  mEditNazwa->setObjectName("EditNazwa");
  mEditNazwa->setGeometry(kLewaPol, 16, 193, kWysokoscWiersza);

  Etykieta(this, "ID użytkownika", 48);
  mEditID = new QLineEdit(this);
  mEditID->setObjectName("EditID");
  mEditID->setGeometry(kLewaPol, 48, 57, kWysokoscWiersza);
  auto* button_id = new QPushButton(przycisk_id, this);
  button_id->setObjectName("ButtonID");
  button_id->setGeometry(200, 48, 129, kWysokoscWiersza);

  Etykieta(this, "PIN", 80);
  mLabelCzyJestPin = new QLabel(this);
  mLabelCzyJestPin->setObjectName("LabelCzyJestPin");
  mLabelCzyJestPin->setGeometry(kLewaPol, 80, 57, kWysokoscWiersza);
  mButtonUstawPin = new QPushButton(this);
  mButtonUstawPin->setObjectName("ButtonUstawPin");
  mButtonUstawPin->setGeometry(200, 80, 62, kWysokoscWiersza);
  mButtonCzyscPin = new QPushButton("czyść", this);
  mButtonCzyscPin->setObjectName("ButtonCzyscPin");
  mButtonCzyscPin->setGeometry(267, 80, 62, kWysokoscWiersza);

  Etykieta(this, "Karta", 112);
  mEditKartaFull = new QLineEdit(this);
  mEditKartaFull->setObjectName("EditKartaFull");
  mEditKartaFull->setGeometry(kLewaPol, 112, 193, kWysokoscWiersza);
  mEditKartaFull->setMaxLength(14);
  Etykieta(this, "numery kontrolne", 144);
  mEditKarta3rdByte = new QLineEdit(this);
  mEditKarta3rdByte->setObjectName("EditKarta3rdByte");
  mEditKarta3rdByte->setGeometry(kLewaPol, 144, 57, kWysokoscWiersza);
  mEditKarta3rdByte->setMaxLength(3);
  mEditKartaLast2Bytes = new QLineEdit(this);
  mEditKartaLast2Bytes->setObjectName("EditKartaLast2Bytes");
  mEditKartaLast2Bytes->setGeometry(200, 144, 81, kWysokoscWiersza);
  mEditKartaLast2Bytes->setMaxLength(5);

  int top = 184;
  if (!ostrzezenie.isEmpty()) {
    auto* label4 = new QLabel(ostrzezenie, this);
    label4->setObjectName("Label4");
    label4->setWordWrap(true);
    label4->setGeometry(kLewaEtykiet, top, kSzerokosc - 2 * kLewaEtykiet, 54);
    QFont bold = font();
    bold.setBold(true);
    label4->setFont(bold);
    QPalette palette = label4->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    label4->setPalette(palette);
    top += 62;
  }
  auto* zapisz = new cImageButton("Zapisz", Picture(ePicture::kOk), this);
  zapisz->setObjectName("ButtonZapisz");
  zapisz->setGeometry(56, top, 105, 27);
  auto* anuluj = new cImageButton("Anuluj", Picture(ePicture::kAnuluj), this);
  anuluj->setObjectName("ButtonAnuluj");
  anuluj->setGeometry(184, top, 105, 27);
  setFixedSize(kSzerokosc, top + 43);
  // Enter saves from the fields, so "Zapisz" is drawn as the default button
  // and no push button may take that part.
  zapisz->UstawDomyslny(true);
  for (QPushButton* button : {button_id, mButtonUstawPin, mButtonCzyscPin}) button->setAutoDefault(false);

  setTabOrder(mEditNazwa, mEditID);
  setTabOrder(mEditID, button_id);
  setTabOrder(button_id, mButtonUstawPin);
  setTabOrder(mButtonUstawPin, mButtonCzyscPin);
  setTabOrder(mButtonCzyscPin, mEditKartaFull);
  setTabOrder(mEditKartaFull, mEditKarta3rdByte);
  setTabOrder(mEditKarta3rdByte, mEditKartaLast2Bytes);
  setTabOrder(mEditKartaLast2Bytes, zapisz);
  setTabOrder(zapisz, anuluj);

  connect(button_id, &QPushButton::clicked, this, [this] { PrzyciskID(); });
  connect(mEditID, &QLineEdit::textEdited, this, [this] { PoEdycjiID(); });
  for (QLineEdit* edit : {mEditKartaFull, mEditKarta3rdByte, mEditKartaLast2Bytes}) {
    connect(edit, &QLineEdit::textEdited, this, [this, edit] { PoEdycjiKarty(edit); });
  }
  connect(mButtonUstawPin, &QPushButton::clicked, this, [this] {
    const std::string pin = mWprowadzPin ? mWprowadzPin() : std::string();
    if (!pin.empty()) mPin = pin;
    OdswiezPin();
  });
  connect(mButtonCzyscPin, &QPushButton::clicked, this, [this] {
    mPin.clear();
    OdswiezPin();
  });
  connect(zapisz, &QAbstractButton::clicked, this, [this] { Zapisz(); });
  connect(anuluj, &QAbstractButton::clicked, this, [this] { reject(); });
  OdswiezPin();
}

int32_t TFormDaneUzytkownika::Pokaz() {
  CentreOnScreen(this);
  mEditNazwa->setFocus();
  exec();
  return mWynik;
}

void TFormDaneUzytkownika::reject() {
  mWynik = 0;
  QDialog::reject();
}

void TFormDaneUzytkownika::keyPressEvent(QKeyEvent* event) {
  // Enter saves from any field, as the dialog's default button would.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // On a focused button Enter presses that button ("Anuluj" cancels).
    if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
      button->click();
    } else {
      Zapisz();
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

void TFormDaneUzytkownika::WypelnijDomyslnie() {
  WypelnijPola("Nowy Użytkownik", mEditID->text().toStdString(), "", cKartaRFID());
}

void TFormDaneUzytkownika::WypelnijPola(const std::string& nazwa, const std::string& id, const std::string& pin,
                                        const cKartaRFID& karta) {
  mWynik = 0;
  mEditNazwa->setText(Q(nazwa));
  UstawID(id);
  const cPolaKarty pola = PolaKarty(karta);
  mEditKartaFull->setText(Q(pola.Pelny));
  mEditKarta3rdByte->setText(Q(pola.TrzeciBajt));
  mEditKartaLast2Bytes->setText(Q(pola.OstatnieDwaBajty));
  for (QLineEdit* edit : {mEditKartaFull, mEditKarta3rdByte, mEditKartaLast2Bytes}) MarkInput(edit, false);
  mPin = pin;
  OdswiezPin();
}

void TFormDaneUzytkownika::UstawID(const std::string& id) {
  mEditID->setText(Q(id));
  PoEdycjiID();
}

void TFormDaneUzytkownika::OdswiezPin() {
  const bool jest = !mPin.empty();
  mButtonUstawPin->setText(jest ? "zmień" : "ustaw");
  mButtonCzyscPin->setEnabled(jest);
  mLabelCzyJestPin->setText(jest ? "jest" : "brak");
}

void TFormDaneUzytkownika::PoEdycjiID() {
  // Read as the check on saving reads it.
  const std::optional<int> id = ParseInt(mEditID->text().toStdString());
  MarkInput(mEditID, !id || *id < 1 || *id > 9999);
}

void TFormDaneUzytkownika::PoEdycjiKarty(QLineEdit* edytowane) {
  cPolaKarty pola{mEditKartaFull->text().toStdString(), mEditKarta3rdByte->text().toStdString(),
                  mEditKartaLast2Bytes->text().toStdString()};
  bool poprawne = false;
  if (edytowane == mEditKartaFull) {
    poprawne = PoZmianiePelnegoNumeru(pola);
    if (poprawne) {
      MarkInput(mEditKarta3rdByte, false);
      MarkInput(mEditKartaLast2Bytes, false);
    }
    mEditKarta3rdByte->setText(Q(pola.TrzeciBajt));
    mEditKartaLast2Bytes->setText(Q(pola.OstatnieDwaBajty));
  } else {
    poprawne = edytowane == mEditKarta3rdByte ? PoZmianieTrzeciegoBajtu(pola) : PoZmianieOstatnichDwochBajtow(pola);
    if (poprawne) {
      MarkInput(mEditKartaFull, false);
      mEditKartaFull->setText(Q(pola.Pelny));
    }
  }
  MarkInput(edytowane, !poprawne);
}

void TFormDaneUzytkownika::Zapisz() {
  const cDaneUzytkownika dane{mEditNazwa->text().toStdString(), mEditID->text().toStdString(), mPin,
                              mEditKartaFull->text().toStdString()};
  const cWynikZapisuUzytkownika wynik = ZapiszDane(dane);
  if (!wynik.Komunikat.empty()) {
    mKomunikaty.Information(wynik.Komunikat);
    return;
  }
  mWynik = wynik.Unique;
  accept();
}

}  // namespace olv
