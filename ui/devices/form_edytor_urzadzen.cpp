#include "ui/devices/form_edytor_urzadzen.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "common/numbers.h"
#include "model/edycja_urzadzen.h"
#include "model/rejestracja_urzadzenia.h"
#include "ui/common/message_window.h"
#include "ui/common/tekst_skracany.h"
#include "ui/common/window_look.h"
#include "ui/devices/form_edytuj_urzadzenie.h"
#include "ui/devices/form_wyszukane_urzadzenia.h"
#include "ui/devices/uslugi_urzadzen.h"
#include "ui/users/form_help.h"

namespace olv {

namespace {

const char* const kID1 = "Jedno z urządzeń posiada ID 1. Przez zapisaniem zmian musisz wybrać inne ID.";
const char* const kTylkoDoOdczytu =
    "Nie udało połączyć się z urządzeniami. Edytor urządzeń zostanie uruchomiony w trybie \"Tylko do "
    "odczytu\".";

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TFormEdytorUrzadzen::TFormEdytorUrzadzen(cUslugiUrzadzen& uslugi, cMessageWindow& komunikaty, cClock& clock,
                                         QWidget* parent)
    : QDialog(parent), mUslugi(uslugi), mKomunikaty(komunikaty), mRobocza(std::make_unique<cDevList>(clock)) {
  setObjectName("FormEdytorUrzadzen");
  setWindowTitle("Edytor Urządzeń");
  ApplyWindowLook(this);
  setFixedSize(680, 350);

  auto* menu = new QMenuBar(this);
  menu->setObjectName("MainMenu1");
  menu->setGeometry(0, 0, width(), 24);
  QMenu* operacje = menu->addMenu("Operacje");
  operacje->setObjectName("MenuOperacje");
  const auto akcja = [this, operacje](const char* name, const char* text, QKeySequence skrot) {
    QAction* action = operacje->addAction(text);
    action->setObjectName(name);
    action->setShortcut(skrot);
    addAction(action);
    return action;
  };
  mWyszukaj = akcja("MenuWyszukajUrzadzenie", "Wyszukaj urządzenie", QKeySequence(Qt::CTRL | Qt::Key_F));
  mEdytuj = akcja("MenuEdytujUrzadzenie", "Edytuj urządzenie", QKeySequence(Qt::CTRL | Qt::Key_E));
  mUsun = akcja("MenuUsunUrzadzenie", "Usuń urządzenie", QKeySequence(Qt::Key_Delete));
  operacje->addSeparator();
  mZapisz = akcja("MenuZapisz", "Zapisz i synchronizuj ustawienia", QKeySequence(Qt::CTRL | Qt::Key_S));
  mResetuj = akcja("MenuResetuj", "Resetuj wprowadzone zmiany", QKeySequence(Qt::CTRL | Qt::Key_R));
  operacje->addSeparator();
  QAction* zamknij = akcja("MenuZamknij", "Zamknij", QKeySequence(Qt::CTRL | Qt::Key_Q));
  QAction* informacje = menu->addAction("Informacje");
  informacje->setObjectName("MenuInformacje");
  informacje->setShortcut(QKeySequence(Qt::Key_F1));
  addAction(informacje);

  auto* lista = new QLabel("Lista urządzeń", this);
  lista->setObjectName("LabelListaUrzadzen");
  lista->setGeometry(16, 32, 220, 20);
  mListBoxListaUrzadzen = new QListWidget(this);
  mListBoxListaUrzadzen->setObjectName("ListBoxListaUrzadzen");
  mListBoxListaUrzadzen->setGeometry(16, 54, 220, 280);
  UstawSkracanieWierszy(mListBoxListaUrzadzen);

  auto* szczegoly = new QGroupBox(this);
  szczegoly->setObjectName("GroupBoxSzczegoly");
  szczegoly->setGeometry(250, 46, 414, 288);
  const struct {
    const char* podpis;
    const char* nazwa;
    QLabel** wartosc;
  } wiersze[] = {
      {"Nazwa urządzenia:", "LabelNazwa", &mLabelNazwa},
      {"ID urządzenia:", "LabelID", &mLabelID},
      {"tryb przycisku:", "LabelTrybPrzycisku", &mLabelTrybPrzycisku},
      {"nazwa czytnika 1:", "LabelNazwaCzytnika1", &mLabelNazwaCzytnika1},
      {"tryb czytnika 1:", "LabelTrybCzytnika1", &mLabelTrybCzytnika1},
      {"nazwa czytnika 2:", "LabelNazwaCzytnika2", &mLabelNazwaCzytnika2},
      {"tryb czytnika 2:", "LabelTrybCzytnika2", &mLabelTrybCzytnika2},
      {"połączenie:", "LabelPolaczenie", &mLabelPolaczenie},
  };
  int top = 18;
  for (const auto& wiersz : wiersze) {
    auto* podpis = new QLabel(wiersz.podpis, szczegoly);
    podpis->setGeometry(12, top, 136, 24);
    *wiersz.wartosc = new cEtykietaSkracana("-", szczegoly);
    (*wiersz.wartosc)->setObjectName(wiersz.nazwa);
    (*wiersz.wartosc)->setGeometry(152, top, 252, 24);
    QFont pogrubiona = (*wiersz.wartosc)->font();
    pogrubiona.setBold(true);
    (*wiersz.wartosc)->setFont(pogrubiona);
    top += 33;
  }

  mFormEdytujUrzadzenie = new TFormEdytujUrzadzenie(uslugi, komunikaty, this);
  mFormWyszukaneUrzadzenia = new TFormWyszukaneUrzadzenia(uslugi, komunikaty, clock, this);
  mFormWyszukaneUrzadzenia->UstawListeUrzadzen(mRobocza.get(), [this](int32_t unique) {
    Odswiez();
    ZaznaczUrzadzenie(unique);
  });
  mTimerPokazWyszukaneUrzadzenia = clock.CreateTimer(1, [this] { TimerPokazWyszukaneUrzadzeniaTimer(); });
  // After the wait the same window stays up while the bus is searched, so that
  // the overview shows which devices answer with their new settings: one
  // waiting window, not two in a row. The search forgets the driver's
  // failures, so the sending's are kept first.
  mTimerZaczekajPoWyslaniuConfigu = clock.CreateTimer(kCzekanieNaUrzadzeniaMs, [this] {
    mTimerZaczekajPoWyslaniuConfigu->Stop();
    mNiepowodzeniaWysylania = mUslugi.Sterownik().Niepowodzenia();
    mUslugi.SprawdzUrzadzenia(*mRobocza, [this] { mUslugi.ZamknijProszeCzekac(); });
  });
  mTimerPokazHelp4 = clock.CreateTimer(1, [this] { TimerPokazHelp4Timer(); });

  connect(mListBoxListaUrzadzen, &QListWidget::currentRowChanged, this,
          [this] { PokazSzczegoly(KluczWiersza(WybranyWiersz())); });
  connect(mListBoxListaUrzadzen, &QListWidget::itemActivated, this, [this] { EdytujUrzadzenie(); });
  connect(mWyszukaj, &QAction::triggered, this, [this] { WyszukajUrzadzenie(); });
  connect(mEdytuj, &QAction::triggered, this, [this] { EdytujUrzadzenie(); });
  connect(mUsun, &QAction::triggered, this, [this] { UsunUrzadzenie(); });
  connect(mZapisz, &QAction::triggered, this, [this] { Zapisz(); });
  connect(mResetuj, &QAction::triggered, this, [this] { Resetuj(); });
  connect(zamknij, &QAction::triggered, this, [this] { reject(); });
  connect(informacje, &QAction::triggered, this, [this] { mUslugi.PokazPomoc(kPomocUrzadzenia); });
  UstawMenu();
}

TFormEdytorUrzadzen::~TFormEdytorUrzadzen() = default;

void TFormEdytorUrzadzen::UstawTrybTylkoDoOdczytu(bool mozna_synchronizowac) {
  mMoznaSynchronizowac = mozna_synchronizowac;
  if (!mozna_synchronizowac && mUslugi.GlownaListaUrzadzen().CountDevices() > 0) {
    mKomunikaty.Information(kTylkoDoOdczytu);
  }
  UstawMenu();
}

void TFormEdytorUrzadzen::UstawMenu() {
  mWyszukaj->setEnabled(mMoznaSynchronizowac);
  mZapisz->setEnabled(mMoznaSynchronizowac);
  mResetuj->setEnabled(mMoznaSynchronizowac);
  // With no device in the list there is nothing to edit or delete; a device
  // just registered can be edited at once.
  const bool sa_urzadzenia = mRobocza->CountDevices() > 0;
  mEdytuj->setEnabled(mMoznaSynchronizowac && sa_urzadzenia);
  mUsun->setEnabled(mMoznaSynchronizowac && sa_urzadzenia);
}

void TFormEdytorUrzadzen::Wczytaj() { mUslugi.GlownaListaUrzadzen().CopySelfTo(*mRobocza); }

void TFormEdytorUrzadzen::Odswiez() {
  mRobocza->WpiszPosortowanaAlfabetycznieListeUniqueUrzadzen(mKlucze);
  const QSignalBlocker blokada(mListBoxListaUrzadzen);
  mListBoxListaUrzadzen->clear();
  for (const std::string& klucz : mKlucze) DodajWiersz(mListBoxListaUrzadzen, Q(mRobocza->GetNazwaUrzadzeniaZUnique(klucz)));
  mListBoxListaUrzadzen->setCurrentRow(-1);
  UstawMenu();
}

int32_t TFormEdytorUrzadzen::KluczWiersza(int wiersz) const {
  if (wiersz < 0 || static_cast<size_t>(wiersz) >= mKlucze.size()) return 0;
  return ParseInt(mKlucze[static_cast<size_t>(wiersz)]).value_or(0);
}

int TFormEdytorUrzadzen::WybranyWiersz() const {
  // Focus alone makes the first row current without choosing it.
  const QListWidgetItem* item = mListBoxListaUrzadzen->currentItem();
  const int wiersz = mListBoxListaUrzadzen->currentRow();
  if (!item || !item->isSelected() || wiersz >= mRobocza->CountDevices()) return -1;
  return wiersz;
}

void TFormEdytorUrzadzen::ZaznaczUrzadzenie(int32_t unique) {
  const auto it = std::find(mKlucze.begin(), mKlucze.end(), std::to_string(unique));
  if (it == mKlucze.end()) return;
  mListBoxListaUrzadzen->setCurrentRow(static_cast<int>(it - mKlucze.begin()));
  PokazSzczegoly(unique);
}

void TFormEdytorUrzadzen::PokazSzczegoly(int32_t unique) {
  const cUrzadzenie* urzadzenie = mRobocza->GetDeviceByUnique(unique);
  if (!urzadzenie) {
    for (QLabel* label : {mLabelNazwa, mLabelID, mLabelTrybPrzycisku, mLabelNazwaCzytnika1, mLabelTrybCzytnika1,
                          mLabelNazwaCzytnika2, mLabelTrybCzytnika2, mLabelPolaczenie}) {
      label->setText("-");
    }
    return;
  }
  mLabelNazwa->setText(Q(urzadzenie->Nazwa));
  mLabelID->setText(QString::number(DoceloweID(*urzadzenie)));
  mLabelTrybPrzycisku->setText(urzadzenie->Przycisk ? "tak" : "nie");
  mLabelNazwaCzytnika1->setText(Q(urzadzenie->Czytnik0.Nazwa));
  mLabelTrybCzytnika1->setText(Q(urzadzenie->Czytnik0.GetTrybJakoTekst()));
  mLabelNazwaCzytnika2->setText(Q(urzadzenie->Czytnik1.Nazwa));
  mLabelTrybCzytnika2->setText(Q(urzadzenie->Czytnik1.GetTrybJakoTekst()));
  mLabelPolaczenie->setText(Q(urzadzenie->Polaczenie.Port));
}

void TFormEdytorUrzadzen::UruchomTimerPomocy() { mTimerPokazHelp4->Start(); }

void TFormEdytorUrzadzen::TimerPokazHelp4Timer() {
  mTimerPokazHelp4->Stop();
  if (mUslugi.GlownaListaUrzadzen().CountDevices() == 0) mUslugi.PokazPomoc(kPomocDodawanieUrzadzen);
}

void TFormEdytorUrzadzen::EdytujUrzadzenie() {
  if (!mEdytuj->isEnabled()) return;
  const int wiersz = WybranyWiersz();
  if (wiersz < 0) return;
  CentreOnScreen(mFormEdytujUrzadzenie);
  mFormEdytujUrzadzenie->Wczytaj(*mRobocza, KluczWiersza(wiersz));
  mFormEdytujUrzadzenie->exec();
  const int32_t wynik = mFormEdytujUrzadzenie->Wynik();
  if (mFormEdytujUrzadzenie->result() == QDialog::Accepted) {
    // Names may have changed; a device whose ID change is pending is not
    // chosen again.
    Odswiez();
    PokazSzczegoly(0);
  }
  if (wynik != 0) ZaznaczUrzadzenie(wynik);
  mListBoxListaUrzadzen->setFocus();
}

void TFormEdytorUrzadzen::UsunUrzadzenie() {
  int wiersz = WybranyWiersz();
  if (!mUsun->isEnabled() || wiersz < 0) return;
  const int32_t unique = KluczWiersza(wiersz);
  if (!mRobocza->GetDeviceByUnique(unique)) return;
  if (mKomunikaty.Question("", "Czy jesteś pewien, że chcesz usunąć urządzenie?", "Tak, usuń", "Nie") !=
      kOdpowiedzTak) {
    return;
  }
  // Its downloaded files go only when the deletion is saved (Zapisz).
  mRobocza->UsunUrzadzeniePoUnique(unique);
  if (wiersz >= mRobocza->CountDevices()) --wiersz;
  Odswiez();
  if (mRobocza->CountDevices() > 0) {
    mListBoxListaUrzadzen->setCurrentRow(wiersz);
    PokazSzczegoly(KluczWiersza(wiersz));
  } else {
    PokazSzczegoly(0);
  }
}

void TFormEdytorUrzadzen::WyszukajUrzadzenie() {
  if (!mWyszukaj->isEnabled()) return;
  mUslugi.SzukajWszystkichUrzadzen([this] { PoWyszukaniu(); });
}

void TFormEdytorUrzadzen::PoWyszukaniu() {
  mUslugi.ZamknijProszeCzekac();
  std::vector<cZnalezioneUrzadzenie>& znalezione = mFormWyszukaneUrzadzenia->Znalezione();
  znalezione.clear();
  for (cZnalezioneUrzadzenie urzadzenie : mUslugi.Sterownik().ZnalezioneUrzadzenia()) {
    urzadzenie.Zarejestrowane = CzyUrzadzenieZarejestrowane(*mRobocza, urzadzenie.Port, urzadzenie.Id);
    znalezione.push_back(std::move(urzadzenie));
  }
  mFormWyszukaneUrzadzenia->WypelnijListe();
  CentreOnScreen(mFormWyszukaneUrzadzenia);
  mTimerPokazWyszukaneUrzadzenia->Start();
}

void TFormEdytorUrzadzen::TimerPokazWyszukaneUrzadzeniaTimer() {
  mTimerPokazWyszukaneUrzadzenia->Stop();
  // A port that could not be searched may hide devices: the operator learns
  // which before looking at what was found.
  cSterownikWPP& sterownik = mUslugi.Sterownik();
  if (!sterownik.Niepowodzenia().empty()) {
    mKomunikaty.Information(
        mUslugi.TekstNiepowodzen("Nie udało się przeszukać wszystkich portów:", sterownik.Niepowodzenia(), *mRobocza));
    sterownik.WyczyscNiepowodzenia();
  }
  mFormWyszukaneUrzadzenia->exec();
}

void TFormEdytorUrzadzen::Resetuj() {
  if (!mResetuj->isEnabled()) return;
  if (mKomunikaty.Question("", "Czy jestes pewien ze chcesz zresetowac wprowadzone zmiany?", "Resetuj zmiany",
                           "Nie") != kOdpowiedzTak) {
    return;
  }
  Wczytaj();
  Odswiez();
  PokazSzczegoly(0);
}

bool TFormEdytorUrzadzen::Zapisz() {
  if (CzyUrzadzenieZID1(*mRobocza)) {
    mKomunikaty.Information(kID1);
    return false;
  }
  // Worked out before anything changes: the devices that this save deletes.
  const std::vector<int32_t> usuniete = IDUsunietychUrzadzen(mUslugi.GlownaListaUrzadzen(), *mRobocza);

  cSterownikWPP& sterownik = mUslugi.Sterownik();
  sterownik.WyczyscListePlikowDoWyslania();
  sterownik.WyczyscNiepowodzenia();
  std::vector<int32_t> niezapisane;
  std::string bledy_zapisu;
  for (const std::string& klucz : mKlucze) {
    const cUrzadzenie* urzadzenie = mRobocza->GetDeviceByUnique(ParseInt(klucz).value_or(0));
    if (!urzadzenie) continue;
    std::string blad;
    const std::string plik = mUslugi.ZapiszKonfigUrzadzenia(*mRobocza, urzadzenie->Unique, &blad);
    if (plik.empty()) {
      niezapisane.push_back(urzadzenie->Unique);
      bledy_zapisu += "\n" + urzadzenie->Nazwa + ": " + blad;
      continue;
    }
    // Addressed to the ID the device answers to now; the file itself carries
    // the new one.
    sterownik.DodajPlikDoWyslania(plik, urzadzenie->Polaczenie.Port, urzadzenie->ID);
  }
  sterownik.FunkcjaPoWyslaniuPlikow = [this] { mTimerZaczekajPoWyslaniuConfigu->Start(); };
  sterownik.WyslijPliki();
  mUslugi.PokazProszeCzekacPrzyWysylaniu();

  std::string raport = PoWyslaniu(niezapisane, bledy_zapisu);
  mRobocza->CopySelfTo(mUslugi.GlownaListaUrzadzen());
  std::string blad;
  if (mUslugi.ZapiszUrzadzenia(&blad)) {
    for (const int32_t id : usuniete) {
      std::string blad_usuwania;
      if (!UsunPlikiUrzadzenia(mUslugi.FolderProgramu(), id, &blad_usuwania)) {
        mUslugi.Log("TFormEdytorUrzadzen: Zapisz: " + blad_usuwania);
        raport += std::string(raport.empty() ? "" : "\n\n") + "Nie udało się usunąć wszystkich plików usuniętego " +
                  "urządzenia o ID " + std::to_string(id) + ". Szczegóły zapisano w dzienniku programu.";
      }
    }
  } else {
    mUslugi.Log("TFormEdytorUrzadzen: Zapisz: nie zapisano listy urządzeń: " + blad);
    raport += std::string(raport.empty() ? "" : "\n\n") +
              "Nie udało się zapisać listy urządzeń. Przyczyna została zapisana w dzienniku programu. Pliki "
              "usuniętych urządzeń zostały zachowane.";
  }
  if (!raport.empty()) mKomunikaty.Information(raport);
  Odswiez();
  PokazSzczegoly(0);
  mUslugi.OdswiezUrzadzenia();
  return true;
}

std::string TFormEdytorUrzadzen::PoWyslaniu(const std::vector<int32_t>& niezapisane,
                                            const std::string& bledy_zapisu) {
  const std::vector<cNieudaneZadanie> niepowodzenia = std::move(mNiepowodzeniaWysylania);
  mNiepowodzeniaWysylania.clear();
  mUslugi.Sterownik().WyczyscNiepowodzenia();
  ZastosujNoweID(*mRobocza, [&](const cUrzadzenie& urzadzenie) {
    return std::find(niezapisane.begin(), niezapisane.end(), urzadzenie.Unique) != niezapisane.end() ||
           std::any_of(niepowodzenia.begin(), niepowodzenia.end(), [&](const cNieudaneZadanie& n) {
             return n.Port == urzadzenie.Polaczenie.Port && n.Id == urzadzenie.ID;
           });
  });
  std::string raport;
  if (!bledy_zapisu.empty()) raport = "Nie udało się przygotować pliku konfig.txt:" + bledy_zapisu;
  if (!niepowodzenia.empty()) {
    raport += std::string(raport.empty() ? "" : "\n\n") +
              mUslugi.TekstNiepowodzen("Nie udało się wysłać ustawień do urządzeń:", niepowodzenia, *mRobocza);
  }
  if (!raport.empty()) {
    raport +=
        "\nTe urządzenia nie otrzymały nowych ustawień i nadal odpowiadają na swoje dotychczasowe ID; nowe ID "
        "czeka na wysłanie. Zapisz ustawienia ponownie, gdy urządzenia będą dostępne.";
  }
  return raport;
}

void TFormEdytorUrzadzen::reject() {
  if (CzyUrzadzenieZID1(*mRobocza)) {
    mKomunikaty.Information(kID1);
    return;
  }
  if (!mRobocza->RownaLiscie(mUslugi.GlownaListaUrzadzen())) {
    const int odpowiedz = mKomunikaty.QuestionOrCancel("", "Czy chcesz zapisać zmiany?", "Tak", "Nie");
    if (odpowiedz == kOdpowiedzAnuluj) return;
    if (odpowiedz == kOdpowiedzTak) {
      Zapisz();
    } else {
      Wczytaj();
    }
  }
  QDialog::reject();
}

}  // namespace olv
