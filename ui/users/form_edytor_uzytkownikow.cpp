#include "ui/users/form_edytor_uzytkownikow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>

#include "common/numbers.h"
#include "model/widok_uzytkownikow.h"
#include "ui/common/message_window.h"
#include "ui/common/tekst_skracany.h"
#include "ui/common/window_look.h"
#include "ui/users/form_dodaj_uzytkownika.h"
#include "ui/users/form_edytuj_uzytkownika.h"
#include "ui/users/form_help.h"

namespace olv {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QAction* Akcja(QMenu* menu, const QString& text, const char* name, const QKeySequence& skrot = {}) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  action->setShortcut(skrot);
  return action;
}

}  // namespace

TFormEdytorUzytkownikow::TFormEdytorUzytkownikow(cClock& clock, cUserList& lista_glowna, cMessageWindow& komunikaty,
                                                 TFormHelp& pomoc, std::function<std::string()> wprowadz_pin,
                                                 std::function<void()> zapisz_i_synchronizuj, QWidget* parent)
    : QDialog(parent),
      mListaGlowna(lista_glowna),
      mKomunikaty(komunikaty),
      mPomoc(pomoc),
      mZapiszISynchronizuj(std::move(zapisz_i_synchronizuj)),
      mKopiaRobocza(std::make_unique<cUserList>(clock)) {
  setObjectName("FormEdytorUzytkownikow");
  setWindowTitle("Edytor Użytkowników");
  ApplyWindowLook(this);
  setFixedSize(640, 430);

  auto* menu = new QMenuBar(this);
  menu->setObjectName("MainMenu1");
  QMenu* operacje = menu->addMenu("Operacje");
  operacje->setObjectName("MenuOperacje");
  QAction* dodaj = Akcja(operacje, "Dodaj Użytkownika", "MenuDodajUzytkownika", QKeySequence(Qt::Key_Insert));
  QAction* edytuj = Akcja(operacje, "Edytuj wybranego użytkownika", "MenuEdytujUzytkownika", QKeySequence(Qt::Key_F2));
  QAction* usun = Akcja(operacje, "Usuń użytkownika", "MenuUsunUzytkownika", QKeySequence(Qt::Key_Delete));
  operacje->addSeparator();
  QAction* zapisz =
      Akcja(operacje, "Zapisz i synchronizuj urządzenia", "MenuZapiszISynchronizuj", QKeySequence(Qt::CTRL | Qt::Key_S));
  QAction* resetuj = Akcja(operacje, "Resetuj wprowadzone zmiany", "MenuResetuj");
  operacje->addSeparator();
  QAction* zamknij = Akcja(operacje, "Zamknij", "MenuZamknij");
  QAction* informacje = menu->addAction("Informacje");
  informacje->setObjectName("MenuInformacje");
  informacje->setShortcut(QKeySequence(Qt::Key_F1));
  menu->setGeometry(0, 0, width(), 24);
  // Shortcuts act only while the editor is the active window.
  for (QAction* action : {dodaj, edytuj, usun, zapisz, resetuj, zamknij, informacje}) addAction(action);
  mEdycja = {dodaj, edytuj, usun, zapisz, resetuj};

  auto* naglowek = new QLabel("Lista użytkowników", this);
  naglowek->setObjectName("LabelListaUzytkownikow");
  naglowek->setGeometry(16, 32, 273, 21);
  mListBoxListaUzytkownikow = new QListWidget(this);
  mListBoxListaUzytkownikow->setObjectName("ListBoxListaUzytkownikow");
  mListBoxListaUzytkownikow->setGeometry(16, 56, 273, 358);
  UstawSkracanieWierszy(mListBoxListaUzytkownikow);
  mListBoxListaUzytkownikow->setUniformItemSizes(true);
  naglowek->setBuddy(mListBoxListaUzytkownikow);

  auto* grupa = new QGroupBox("Dane użytkownika", this);
  grupa->setObjectName("GroupBoxDane");
  grupa->setGeometry(304, 50, 320, 150);
  const char* const podpisy[] = {"Nazwa:", "ID użytkownika:", "PIN:", "Karta:"};
  const char* const nazwy[] = {"LabelNazwa", "LabelID", "LabelPIN", "LabelKarta"};
  QLabel* wartosci[4] = {};
  for (int i = 0; i < 4; ++i) {
    auto* podpis = new QLabel(podpisy[i], grupa);
    podpis->setGeometry(12, 24 + 30 * i, 110, 21);
    // Every value in one column; a long name is cut with its tooltip whole.
    wartosci[i] = new cEtykietaSkracana("-", grupa);
    wartosci[i]->setObjectName(nazwy[i]);
    wartosci[i]->setGeometry(122, 24 + 30 * i, 188, 21);
    wartosci[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  mLabelNazwa = wartosci[0];
  mLabelID = wartosci[1];
  mLabelPIN = wartosci[2];
  mLabelKarta = wartosci[3];

  mFormDodaj = new TFormDodajUzytkownika(*mKopiaRobocza, komunikaty, wprowadz_pin, this);
  mFormEdytuj = new TFormEdytujUzytkownika(*mKopiaRobocza, komunikaty, wprowadz_pin, this);

  connect(dodaj, &QAction::triggered, this, [this] { Dodaj(); });
  connect(edytuj, &QAction::triggered, this, [this] { Edytuj(); });
  connect(usun, &QAction::triggered, this, [this] { Usun(); });
  connect(zapisz, &QAction::triggered, this, [this] { ZapiszISynchronizuj(); });
  connect(resetuj, &QAction::triggered, this, [this] { Resetuj(); });
  connect(zamknij, &QAction::triggered, this, [this] { close(); });
  connect(informacje, &QAction::triggered, this, [this] { mPomoc.PokazPomoc(kPomocUzytkownicy); });
  connect(mListBoxListaUzytkownikow, &QListWidget::currentRowChanged, this,
          [this] { PokazSzczegoly(KluczWiersza(WybranyWiersz())); });
  connect(mListBoxListaUzytkownikow, &QListWidget::itemActivated, this, [this, edytuj] {
    if (edytuj->isEnabled()) Edytuj();
  });
}

TFormEdytorUzytkownikow::~TFormEdytorUzytkownikow() = default;

void TFormEdytorUzytkownikow::UstawTrybTylkoDoOdczytu(bool tylko_do_odczytu) {
  if (tylko_do_odczytu) {
    mKomunikaty.Information(
        "Nie udało połączyć się z urządzeniami. Edytor użytkowników zostanie uruchomiony w trybie \"Tylko do "
        "odczytu\".");
  }
  for (QAction* action : mEdycja) action->setEnabled(!tylko_do_odczytu);
}

void TFormEdytorUzytkownikow::Wczytaj() { mListaGlowna.CopySelfTo(*mKopiaRobocza); }

void TFormEdytorUzytkownikow::Odswiez() {
  cWiersze wiersze = WierszeUzytkownikow(*mKopiaRobocza);
  mKlucze = std::move(wiersze.Klucze);
  const QSignalBlocker blokada(mListBoxListaUzytkownikow);
  mListBoxListaUzytkownikow->clear();
  for (const std::string& nazwa : wiersze.Nazwy) DodajWiersz(mListBoxListaUzytkownikow, Q(nazwa));
}

void TFormEdytorUzytkownikow::PokazSzczegoly(int32_t unique) {
  const cSzczegolyUzytkownika szczegoly = SzczegolyUzytkownika(*mKopiaRobocza, unique);
  mLabelNazwa->setText(Q(szczegoly.Nazwa));
  mLabelID->setText(Q(szczegoly.ID));
  mLabelPIN->setText(Q(szczegoly.PIN));
  mLabelKarta->setText(Q(szczegoly.Karta));
}

void TFormEdytorUzytkownikow::Pokaz() {
  CentreOnScreen(this);
  mListBoxListaUzytkownikow->setFocus();
  exec();
}

int32_t TFormEdytorUzytkownikow::KluczWiersza(int wiersz) const {
  if (wiersz < 0 || static_cast<size_t>(wiersz) >= mKlucze.size()) return 0;
  return ParseInt(mKlucze[static_cast<size_t>(wiersz)]).value_or(0);
}

int TFormEdytorUzytkownikow::WybranyWiersz() const {
  const int wiersz = mListBoxListaUzytkownikow->currentRow();
  const QListWidgetItem* item = mListBoxListaUzytkownikow->currentItem();
  if (!item || !item->isSelected() || wiersz >= mKopiaRobocza->CountUsers()) return -1;
  return wiersz;
}

void TFormEdytorUzytkownikow::WybierzUzytkownika(int32_t unique) {
  Odswiez();
  const std::string klucz = std::to_string(unique);
  for (size_t i = 0; i < mKlucze.size(); ++i) {
    if (mKlucze[i] == klucz) {
      mListBoxListaUzytkownikow->setCurrentRow(static_cast<int>(i));
      break;
    }
  }
  PokazSzczegoly(unique);
}

void TFormEdytorUzytkownikow::Dodaj() {
  mFormDodaj->Resetuj();
  const int32_t unique = mFormDodaj->Pokaz();
  if (unique != 0) WybierzUzytkownika(unique);
  mListBoxListaUzytkownikow->setFocus();
}

void TFormEdytorUzytkownikow::Edytuj() {
  const int wiersz = WybranyWiersz();
  if (wiersz < 0) return;
  mFormEdytuj->Wczytaj(KluczWiersza(wiersz));
  const int32_t unique = mFormEdytuj->Pokaz();
  if (unique != 0) WybierzUzytkownika(unique);
  mListBoxListaUzytkownikow->setFocus();
}

void TFormEdytorUzytkownikow::Usun() {
  const int wiersz = WybranyWiersz();
  if (wiersz < 0) return;
  const int32_t unique = KluczWiersza(wiersz);
  const std::string nazwa = mKopiaRobocza->GetNazwaUzytkownikaZUnique(std::to_string(unique));
  if (mKomunikaty.Question("", "Jestes pewien, że chcesz usunąć użytkownika \"" + nazwa + "\"?", "Usuń", "Nie") !=
      kOdpowiedzTak) {
    return;
  }
  mKopiaRobocza->UsunUzytkownikaPoUnique(unique);
  const int nastepny = WierszPoUsunieciu(wiersz, mKopiaRobocza->CountUsers());
  Odswiez();
  if (nastepny >= 0) {
    mListBoxListaUzytkownikow->setCurrentRow(nastepny);
    PokazSzczegoly(KluczWiersza(nastepny));
  } else {
    PokazSzczegoly(0);
  }
}

void TFormEdytorUzytkownikow::Resetuj() {
  if (mKomunikaty.Question("", "Czy jesteś pewien, że chcesz zresetować wprowadzone zmiany?", "Resetuj zmiany",
                           "Nie") != kOdpowiedzTak) {
    return;
  }
  Wczytaj();
  Odswiez();
  PokazSzczegoly(0);
}

void TFormEdytorUzytkownikow::ZapiszISynchronizuj() {
  mKopiaRobocza->CopySelfTo(mListaGlowna);
  if (mZapiszISynchronizuj) mZapiszISynchronizuj();
}

void TFormEdytorUzytkownikow::reject() {
  if (!mKopiaRobocza->RownaLiscie(mListaGlowna)) {
    const int odpowiedz = mKomunikaty.QuestionOrCancel("", "Czy chcesz zapisać zmiany?", "Tak", "Nie");
    if (odpowiedz == kOdpowiedzAnuluj) return;
    if (odpowiedz == kOdpowiedzTak) ZapiszISynchronizuj();
  }
  QDialog::reject();
}

}  // namespace olv
