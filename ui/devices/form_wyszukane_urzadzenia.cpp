#include "ui/devices/form_wyszukane_urzadzenia.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "model/konfout.h"
#include "model/rejestracja_urzadzenia.h"
#include "ui/common/image_button.h"
#include "ui/common/message_window.h"
#include "ui/common/pictures.h"
#include "ui/common/window_look.h"
#include "ui/devices/uslugi_urzadzen.h"

namespace olv {

namespace {

const char* const kWybierz = "Proszę wybrać urządzenie.";

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TFormWyszukaneUrzadzenia::TFormWyszukaneUrzadzenia(cUslugiUrzadzen& uslugi, cMessageWindow& komunikaty,
                                                   cClock& clock, QWidget* parent)
    : QDialog(parent), mUslugi(uslugi), mKomunikaty(komunikaty) {
  setObjectName("FormWyszukaneUrzadzenia");
  setWindowTitle("Wyszukane Urzadzenia");
  ApplyWindowLook(this);
  setFixedSize(420, 330);

  auto* label = new QLabel("Znalezione urządzenia", this);
  label->setObjectName("Label1");
  label->setGeometry(16, 10, 388, 20);
  mListBox1 = new QListWidget(this);
  mListBox1->setObjectName("ListBox1");
  mListBox1->setGeometry(16, 32, 388, 150);
  mLabelOpis = new QLabel("-", this);
  mLabelOpis->setObjectName("LabelOpis");
  mLabelOpis->setGeometry(16, 190, 388, 52);
  mLabelOpis->setWordWrap(true);
  mLabelOpis->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  mButton1 = new QPushButton("Zarejestruj urządzenie", this);
  mButton1->setObjectName("Button1");
  mButton1->hide();
  auto* button2 = new QPushButton("Zamknij okno", this);
  button2->setObjectName("Button2");
  button2->hide();
  mImageZarejestruj = new cImageButton("Zarejestruj urządzenie", Picture(ePicture::kOk), this);
  mImageZarejestruj->setObjectName("ImageZarejestruj");
  mImageZarejestruj->setGeometry(16, 250, 190, 26);
  mImageZarejestruj->UstawDomyslny(true);
  auto* zamknij = new cImageButton("Zamknij okno", Picture(ePicture::kAnuluj), this);
  zamknij->setObjectName("ImageZamknijOkno");
  zamknij->setGeometry(214, 250, 190, 26);
  mButton3 = new QPushButton("RESET FABRYCZNY", this);
  mButton3->setObjectName("Button3");
  mButton3->setGeometry(16, 290, 190, 26);
  // Enter never resets a device by mistake (see keyPressEvent).
  mButton3->setAutoDefault(false);

  connect(mImageZarejestruj, &QAbstractButton::clicked, mButton1, &QAbstractButton::click);
  connect(zamknij, &QAbstractButton::clicked, button2, &QAbstractButton::click);
  connect(mButton1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(button2, &QPushButton::clicked, this, [this] { accept(); });
  connect(mButton3, &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(mListBox1, &QListWidget::currentRowChanged, this, [this] { PokazOpis(); });
  connect(mListBox1, &QListWidget::itemClicked, this, [this] { PokazOpis(); });

  mTimerZarejestrujPlik = clock.CreateTimer(1, [this] { TimerZarejestrujPlikTimer(); });
  mTimerPoResecie = clock.CreateTimer(1, [this] { PoResecieFabrycznym(); });
}

const cDevList& TFormWyszukaneUrzadzenia::Nazwy() { return mLista ? *mLista : mUslugi.GlownaListaUrzadzen(); }

TFormWyszukaneUrzadzenia::~TFormWyszukaneUrzadzenia() = default;

void TFormWyszukaneUrzadzenia::UstawListeUrzadzen(cDevList* lista, std::function<void(int32_t)> po_rejestracji) {
  mLista = lista;
  mPoRejestracji = std::move(po_rejestracji);
}

void TFormWyszukaneUrzadzenia::WypelnijListe() {
  // Debug mode can be switched on and off while the program runs.
  mButton3->setVisible(mUslugi.Debug());
  mListBox1->clear();
  for (const cZnalezioneUrzadzenie& urzadzenie : mZnalezione) mListBox1->addItem(Q(urzadzenie.TekstOdpowiedzi));
  if (!mZnalezione.empty()) mListBox1->setCurrentRow(0);
  PokazOpis();
  mListBox1->setFocus();
}

const cZnalezioneUrzadzenie* TFormWyszukaneUrzadzenia::Wybrane() const {
  const int wiersz = mListBox1->currentRow();
  if (wiersz < 0 || static_cast<size_t>(wiersz) >= mZnalezione.size()) return nullptr;
  return &mZnalezione[static_cast<size_t>(wiersz)];
}

void TFormWyszukaneUrzadzenia::PokazOpis() {
  const cZnalezioneUrzadzenie* urzadzenie = Wybrane();
  QFont font = mLabelOpis->font();
  font.setBold(urzadzenie != nullptr);
  mLabelOpis->setFont(font);
  mImageZarejestruj->setEnabled(urzadzenie == nullptr || !urzadzenie->Zarejestrowane);
  mButton1->setEnabled(mImageZarejestruj->isEnabled());
  if (!urzadzenie) {
    mLabelOpis->setText("(nie wybrano żadnego urządzenia)");
    return;
  }
  mLabelOpis->setText(Q("Port: " + urzadzenie->Port + ", ID: " + std::to_string(urzadzenie->Id) + "\n" +
                        (urzadzenie->Zarejestrowane ? "Urządzenie jest zarejestrowane i możesz nim zarządzać"
                                                    : "Możesz zarejestrować to urządzenie")));
}

void TFormWyszukaneUrzadzenia::Button1Click() {
  const cZnalezioneUrzadzenie* urzadzenie = Wybrane();
  if (!urzadzenie) {
    mKomunikaty.Information(kWybierz);
    return;
  }
  mRejestrowane = *urzadzenie;
  mKonfout.reset();
  cSterownikWPP& sterownik = mUslugi.Sterownik();
  sterownik.WyczyscNiepowodzenia();
  sterownik.UstawFunkcjeObslugujacaKonfiguracje(
      [this](const std::string& nazwa, const std::optional<std::string>& dane) {
        F_ZarejestrujUrzadzeniaNaPodstawieKonfout(nazwa, dane);
      });
  sterownik.UstawUrzadzenieKonfiguracji(urzadzenie->Port, urzadzenie->Id);
  sterownik.PobierzKonfiguracje();
  mUslugi.PokazProszeCzekacPozniej();
}

void TFormWyszukaneUrzadzenia::F_ZarejestrujUrzadzeniaNaPodstawieKonfout(const std::string&,
                                                                          const std::optional<std::string>& dane) {
  mUslugi.Log("TFormWyszukaneUrzadzenia: F_ZarejestrujUrzadzeniaNaPodstawieKonfout");
  // The file is kept in memory until the timer: no file of a fixed name that
  // another copy of the program, or one left behind, could hold.
  mKonfout = dane;
  mTimerZarejestrujPlik->Start();
}

void TFormWyszukaneUrzadzenia::TimerZarejestrujPlikTimer() {
  mTimerZarejestrujPlik->Stop();
  mUslugi.ZamknijProszeCzekac();
  accept();
  const std::optional<cZnalezioneUrzadzenie> urzadzenie = std::move(mRejestrowane);
  mRejestrowane.reset();
  const std::optional<std::string> dane = std::move(mKonfout);
  mKonfout.reset();
  if (!urzadzenie || !mLista) return;
  if (!dane) {
    cSterownikWPP& sterownik = mUslugi.Sterownik();
    mKomunikaty.Information(mUslugi.TekstNiepowodzen("Nie udało się odczytać konfiguracji urządzenia:",
                                                     sterownik.Niepowodzenia(), Nazwy()) +
                            "\nUrządzenie nie zostało dodane.");
    sterownik.WyczyscNiepowodzenia();
    return;
  }
  Zarejestruj(*urzadzenie, *dane);
}

void TFormWyszukaneUrzadzenia::Zarejestruj(const cZnalezioneUrzadzenie& urzadzenie, const std::string& dane) {
  const cWynikRejestracji wynik = ZarejestrujUrzadzenie(*mLista, urzadzenie.Port, urzadzenie.Id, OdczytajKonfout(dane));
  if (wynik.Unique == 0) {
    mKomunikaty.Information("niepoprawne dane: " + std::to_string(wynik.Kod) +
                            "\nkonflikt: " + std::to_string(wynik.Konflikt));
    mKomunikaty.Information("Wystąpił problem z dodawaniem urządzenia. Urządzenie nie zostało dodane.");
    return;
  }
  mKomunikaty.Information("Urządzenie zostało zarejestrowane pomyslnie.");
  if (wynik.Kod == 6) {
    mKomunikaty.Information(
        "Zarejestrowano nowe urządzenie. Proszę zmienić jego ID. ID 1 jest zarezerwowane dla nowych "
        "urządzeń.");
  }
  if (mPoRejestracji) mPoRejestracji(wynik.Unique);
}

void TFormWyszukaneUrzadzenia::Button3Click() {
  const cZnalezioneUrzadzenie* urzadzenie = Wybrane();
  if (!urzadzenie) {
    mKomunikaty.Information(kWybierz);
    return;
  }
  std::string blad;
  const std::string plik = ZapiszPlikFabryczny(mUslugi.FolderProgramu(), urzadzenie->Id, &blad);
  if (plik.empty()) {
    mUslugi.Log("TFormWyszukaneUrzadzenia: Button3Click: " + blad);
    mKomunikaty.Information(blad);
    return;
  }
  cSterownikWPP& sterownik = mUslugi.Sterownik();
  sterownik.WyczyscNiepowodzenia();
  sterownik.WyczyscListePlikowDoWyslania();
  sterownik.DodajPlikDoWyslania(plik, urzadzenie->Port, urzadzenie->Id);
  // Told after the driver's step has returned: a message waits for the
  // operator.
  sterownik.FunkcjaPoWyslaniuPlikow = [this] { mTimerPoResecie->Start(); };
  sterownik.WyslijPliki();
  mUslugi.PokazProszeCzekacPozniej();
}

void TFormWyszukaneUrzadzenia::keyPressEvent(QKeyEvent* event) {
  // Enter presses the focused button, elsewhere it registers the chosen device.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (auto* przycisk = qobject_cast<QAbstractButton*>(focusWidget())) {
      przycisk->click();
    } else if (mButton1->isEnabled()) {
      mButton1->click();
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

void TFormWyszukaneUrzadzenia::PoResecieFabrycznym() {
  mTimerPoResecie->Stop();
  mUslugi.ZamknijProszeCzekac();
  cSterownikWPP& sterownik = mUslugi.Sterownik();
  if (sterownik.Niepowodzenia().empty()) {
    mKomunikaty.Information("Urządzenie otrzymało ustawienia fabryczne i odpowiada teraz na ID 1.");
    return;
  }
  mKomunikaty.Information(
      mUslugi.TekstNiepowodzen("Nie udało się wysłać ustawień fabrycznych:", sterownik.Niepowodzenia(), Nazwy()));
  sterownik.WyczyscNiepowodzenia();
}

}  // namespace olv
