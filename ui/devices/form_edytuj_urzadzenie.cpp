#include "ui/devices/form_edytuj_urzadzenie.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/cp1250.h"
#include "common/numbers.h"
#include "common/strings.h"
#include "model/edycja_urzadzen.h"
#include "ui/common/image_button.h"
#include "ui/common/message_window.h"
#include "ui/common/pictures.h"
#include "ui/common/window_look.h"
#include "ui/devices/uslugi_urzadzen.h"

namespace olv {

namespace {

constexpr int kSzerokosc = 706;
constexpr int kWysokosc = 400;
constexpr int kLewaPodpisow = 212;
constexpr int kLewaPol = 370;
constexpr int kSzerokoscPol = 326;

const char* const kKonfliktID = "Urządzenie o takim ID jest już zarejestrowane";
const char* const kNazwaPozaCp1250 =
    "Nazwa urządzenia lub czytnika zawiera znak, którego nie da się zapisać w pamięci urządzenia.";

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return std::string(TrimBlanks(text.toStdString())); }

}  // namespace

QStringList PozycjeTrybuCzytnika() {
  return {"uwzględnij jako wejście", "uwzględnij jako wyjście",
          "neutralny (nie uwzględniaj jako wejście/wyjście)"};
}

TFormEdytujUrzadzenie::TFormEdytujUrzadzenie(cUslugiUrzadzen& uslugi, cMessageWindow& komunikaty,
                                             QWidget* parent)
    : QDialog(parent), mUslugi(uslugi), mKomunikaty(komunikaty) {
  setObjectName("FormEdytujUrzadzenie");
  setWindowTitle("Edytuj Urzadzenie");
  ApplyWindowLook(this);
  setFixedSize(kSzerokosc, kWysokosc);

  mTlo = new QLabel(this);
  mTlo->setObjectName("ImageTlo");
  mTlo->setGeometry(0, 0, kSzerokosc, kWysokosc);

  int top = 18;
  const auto podpis = [this, &top](const char* name, const char* text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(kLewaPodpisow, top, kLewaPol - kLewaPodpisow - 6, 24);
    return label;
  };
  const auto pole = [this, &top](auto* widget, const char* name, int width = kSzerokoscPol) {
    widget->setObjectName(name);
    widget->setGeometry(kLewaPol, top, width, 24);
    return widget;
  };

  podpis("LabelNazwa", "Nazwa urządzenia:");
  mEditNazwa = pole(new QLineEdit("Rejestrator OLV", this), "EditNazwa");
  top += 34;
  podpis("LabelID", "ID urządzenia:");
  mEditID = pole(new QLineEdit("2", this), "EditID", 60);
  auto* przywroc = new QPushButton("przywróć obecne", this);
  przywroc->setObjectName("ButtonPrzywrocObecne");
  przywroc->setGeometry(kLewaPol + 72, top, 140, 24);
  przywroc->setAutoDefault(false);
  top += 30;
  auto* uwaga = new QLabel(
      "Przed zmianą ID upewnij się, że żadne urządzenie nie pracuje na wybranym ID. Konflikt ID "
      "uniemożliwia komunikację z urządzeniami.",
      this);
  uwaga->setObjectName("LabelUwaga");
  uwaga->setWordWrap(true);
  uwaga->setGeometry(kLewaPodpisow, top, kLewaPol + kSzerokoscPol - kLewaPodpisow, 40);
  top += 52;
  podpis("LabelNazwaCzytnika0", "Nazwa czytnika 0:");
  mEditNazwaCzytnika0 = pole(new QLineEdit("wejście", this), "EditNazwaCzytnika0");
  top += 32;
  podpis("LabelTrybCzytnika0", "Tryb pracy czytnika 0:");
  mComboBoxTrybCzytnika0 = pole(new QComboBox(this), "ComboBoxTrybCzytnika0");
  top += 42;
  podpis("LabelTrybPracyUrzadzenia", "Tryb pracy urządzenia");
  mComboBoxTrybPracyUrzadzenia = pole(new QComboBox(this), "ComboBoxTrybPracyUrzadzenia");
  mComboBoxTrybPracyUrzadzenia->addItems(
      {"dwa czytniki (użyj czytnika 1)", "tryb przycisku (użyj przycisku zamiast czytnika 1)"});
  top += 42;
  mLabelNazwaCzytnika1 = podpis("LabelNazwaCzytnika1", "Nazwa czytnika 1:");
  mEditNazwaCzytnika1 = pole(new QLineEdit("wyjście", this), "EditNazwaCzytnika1");
  top += 32;
  mLabelTrybCzytnika1 = podpis("LabelTrybCzytnika1", "Tryb pracy czytnika 1:");
  mComboBoxTrybCzytnika1 = pole(new QComboBox(this), "ComboBoxTrybCzytnika1");
  for (QComboBox* combo : {mComboBoxTrybCzytnika0, mComboBoxTrybCzytnika1}) {
    combo->addItems(PozycjeTrybuCzytnika());
  }
  mComboBoxTrybCzytnika0->setCurrentIndex(IndeksTrybuCzytnika(cCzytnik::kWejscie));
  mComboBoxTrybCzytnika1->setCurrentIndex(IndeksTrybuCzytnika(cCzytnik::kWyjscie));

  auto* polaczenie = new QPushButton("Ustawienia połączenia z OLVem", this);
  polaczenie->setObjectName("ButtonPolaczenie");
  polaczenie->setGeometry(kLewaPol, kWysokosc - 84, 230, 26);
  polaczenie->setAutoDefault(false);
  auto* zapisz = new cImageButton("Edytuj urządzenie", Picture(ePicture::kOk), this);
  zapisz->setObjectName("ButtonEdytuj");
  zapisz->setGeometry(kLewaPol, kWysokosc - 44, 160, 26);
  zapisz->UstawDomyslny(true);
  auto* anuluj = new cImageButton("Anuluj", Picture(ePicture::kAnuluj), this);
  anuluj->setObjectName("ButtonAnuluj");
  anuluj->setGeometry(kLewaPol + 172, kWysokosc - 44, 120, 26);

  connect(przywroc, &QPushButton::clicked, this, [this] {
    if (mLista) mEditID->setText(Q(mLista->GetIDUrzadzeniaZUnique(std::to_string(mUnique))));
  });
  connect(polaczenie, &QPushButton::clicked, this, [this] { UstawieniaPolaczenia(); });
  connect(zapisz, &QAbstractButton::clicked, this, [this] { Zapisz(); });
  connect(anuluj, &QAbstractButton::clicked, this, [this] { reject(); });
  connect(mComboBoxTrybPracyUrzadzenia, &QComboBox::currentIndexChanged, this,
          [this](int indeks) { UstawTrybPracy(indeks == 1); });
  UstawTrybPracy(false);
}

void TFormEdytujUrzadzenie::UstawTrybPracy(bool przycisk) {
  for (QWidget* widget : {static_cast<QWidget*>(mLabelNazwaCzytnika1), static_cast<QWidget*>(mEditNazwaCzytnika1),
                          static_cast<QWidget*>(mLabelTrybCzytnika1), static_cast<QWidget*>(mComboBoxTrybCzytnika1)}) {
    widget->setVisible(!przycisk);
  }
  mTlo->setPixmap(Picture(przycisk ? ePicture::kTloPrzycisk : ePicture::kTloCzytniki));
  mTlo->lower();
}

void TFormEdytujUrzadzenie::Wczytaj(cDevList& lista, int32_t unique) {
  mLista = &lista;
  mWynik = 0;
  const cUrzadzenie* urzadzenie = lista.GetDeviceByUnique(unique);
  if (!urzadzenie) {
    mEditNazwa->clear();
    mUnique = 0;
    mComboBoxTrybPracyUrzadzenia->setCurrentIndex(0);
    UstawTrybPracy(false);
    mPolaczenie = cWlasciwosciPolaczenia{};
    return;
  }
  mEditNazwa->setText(Q(urzadzenie->Nazwa));
  // A pending new ID is shown, so that saving other changes keeps it;
  // "przywróć obecne" gives the current one.
  mEditID->setText(QString::number(DoceloweID(*urzadzenie)));
  mUnique = urzadzenie->Unique;
  mEditNazwaCzytnika0->setText(Q(urzadzenie->Czytnik0.Nazwa));
  mComboBoxTrybCzytnika0->setCurrentIndex(IndeksTrybuCzytnika(urzadzenie->Czytnik0.Tryb));
  mComboBoxTrybPracyUrzadzenia->setCurrentIndex(urzadzenie->Przycisk ? 1 : 0);
  UstawTrybPracy(urzadzenie->Przycisk);
  mPolaczenie = urzadzenie->Polaczenie;
  mEditNazwaCzytnika1->setText(Q(urzadzenie->Czytnik1.Nazwa));
  mComboBoxTrybCzytnika1->setCurrentIndex(IndeksTrybuCzytnika(urzadzenie->Czytnik1.Tryb));
  mEditNazwa->setFocus();
}

void TFormEdytujUrzadzenie::UstawieniaPolaczenia() {
  const cWlasciwosciPolaczenia wybrane = mUslugi.WybierzPolaczenie(mPolaczenie);
  if (!wybrane.Port.empty()) mPolaczenie = wybrane;
}

void TFormEdytujUrzadzenie::Zapisz() {
  if (!mLista) return;
  const cCzytnik czytnik0(S(mEditNazwaCzytnika0->text()),
                          TrybCzytnikaZIndeksu(mComboBoxTrybCzytnika0->currentIndex()));
  const cCzytnik czytnik1(S(mEditNazwaCzytnika1->text()),
                          TrybCzytnikaZIndeksu(mComboBoxTrybCzytnika1->currentIndex()));
  const bool przycisk = mComboBoxTrybPracyUrzadzenia->currentIndex() == 1;
  const std::string nazwa = S(mEditNazwa->text());
  const std::string id_tekst = S(mEditID->text());
  const int kod = mLista->SprawdzPoprawnoscDanych(nazwa, id_tekst, czytnik0, czytnik1, przycisk, mPolaczenie);
  const int32_t id = ParseInt(id_tekst).value_or(0);
  // The pending IDs count too: two devices sent the same new ID would both
  // answer to it.
  if (id != 0 && SprawdzKonfliktID(*mLista, id, mUnique) != 0) {
    mKomunikaty.Information(kKonfliktID);
    return;
  }
  if (kod != 0) {
    mKomunikaty.Information(KomunikatPoprawnosciUrzadzenia(kod));
    return;
  }
  if (!FitsCp1250(nazwa) || !FitsCp1250(czytnik0.Nazwa) || !FitsCp1250(czytnik1.Nazwa)) {
    mKomunikaty.Information(kNazwaPozaCp1250);
    return;
  }
  if (!mLista->EdytujUzytkownika(mUnique, nazwa, id, czytnik0, czytnik1, przycisk, mPolaczenie)) {
    mKomunikaty.Information("Nie znaleziono urządzenia, które miało zostać zmienione.");
    return;
  }
  // The ID it answers to already is no pending change: saving an unchanged
  // device leaves it equal to the master list's.
  cUrzadzenie* urzadzenie = mLista->GetDeviceByUnique(mUnique);
  if (urzadzenie->NoweID == urzadzenie->ID) urzadzenie->NoweID = 0;
  const cUrzadzenie* pod_id = mLista->GetDeviceByID(id);
  mWynik = pod_id ? pod_id->Unique : 0;
  done(QDialog::Accepted);
}

void TFormEdytujUrzadzenie::keyPressEvent(QKeyEvent* event) {
  // Enter presses the focused button, elsewhere it saves; Escape cancels
  // (QDialog).
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (auto* przycisk = qobject_cast<QAbstractButton*>(focusWidget())) {
      przycisk->click();
    } else {
      Zapisz();
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace olv
