#include "ui/users/form_edytor_dostepow.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>

#include "common/numbers.h"
#include "model/widok_dostepow.h"
#include "ui/common/image_button.h"
#include "ui/common/message_window.h"
#include "ui/common/pictures.h"
#include "ui/common/tekst_skracany.h"
#include "ui/common/window_look.h"
#include "ui/users/form_help.h"

namespace olv {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TFormEdytorDostepow::TFormEdytorDostepow(cClock& clock, cDevList& lista_glowna, const cUserList& uzytkownicy,
                                         cMessageWindow& komunikaty, TFormHelp& pomoc,
                                         ZapiszISynchronizujFn zapisz_i_synchronizuj, QWidget* parent)
    : QDialog(parent),
      mListaGlowna(lista_glowna),
      mUzytkownicy(uzytkownicy),
      mKomunikaty(komunikaty),
      mPomoc(pomoc),
      mZapiszISynchronizuj(std::move(zapisz_i_synchronizuj)),
      mKopiaRobocza(std::make_unique<cDevList>(clock)) {
  setObjectName("FormEdytorDostepow");
  setWindowTitle("Edytor dostępów");
  cWindowLook look = WindowLook();
  look.fontFamily = "Courier New";
  ApplyWindowLook(this, look);
  setFixedSize(640, 460);

  auto* menu = new QMenuBar(this);
  menu->setObjectName("MainMenu1");
  QMenu* operacje = menu->addMenu("Operacje");
  operacje->setObjectName("MenuOperacje");
  QAction* zapisz = operacje->addAction("Zapisz i sychronizuj dostępy");
  zapisz->setObjectName("MenuZapiszISynchronizuj");
  zapisz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  QAction* resetuj = operacje->addAction("Resetuj wprowadzone zmiany");
  resetuj->setObjectName("MenuResetuj");
  operacje->addSeparator();
  QAction* zamknij = operacje->addAction("Zamknij");
  zamknij->setObjectName("MenuZamknij");
  QAction* informacje = menu->addAction("Informacje");
  informacje->setObjectName("MenuInformacje");
  informacje->setShortcut(QKeySequence(Qt::Key_F1));
  menu->setGeometry(0, 0, width(), 24);
  for (QAction* action : {zapisz, resetuj, zamknij, informacje}) addAction(action);
  mZapisywanie = {zapisz, resetuj};

  auto* naglowek = new QLabel("Lista urządzeń", this);
  naglowek->setObjectName("LabelListaUrzadzen");
  naglowek->setGeometry(16, 32, 233, 21);
  mListBoxListaUrzadzen = new QListWidget(this);
  mListBoxListaUrzadzen->setObjectName("ListBoxListaUrzadzen");
  mListBoxListaUrzadzen->setGeometry(16, 56, 233, 346);
  UstawSkracanieWierszy(mListBoxListaUrzadzen);
  naglowek->setBuddy(mListBoxListaUrzadzen);

  mLabelListaDostepu = new cEtykietaSkracana("Lista dostępu", this);
  mLabelListaDostepu->setObjectName("LabelListaDostepu");
  mLabelListaDostepu->setGeometry(264, 32, 360, 21);
  mCheckListBox1 = new QListWidget(this);
  mCheckListBox1->setObjectName("CheckListBox1");
  mCheckListBox1->setGeometry(264, 56, 360, 346);
  mCheckListBox1->setUniformItemSizes(true);
  UstawSkracanieWierszy(mCheckListBox1);

  auto* zapisz_przycisk = new cImageButton("Zapisz", Picture(ePicture::kOk), this);
  zapisz_przycisk->setObjectName("ImageZapisz");
  zapisz_przycisk->setGeometry(519, 416, 105, 27);
  setTabOrder(mListBoxListaUrzadzen, mCheckListBox1);
  setTabOrder(mCheckListBox1, zapisz_przycisk);

  connect(zapisz, &QAction::triggered, this, [this] { ZapiszISynchronizuj(); });
  connect(resetuj, &QAction::triggered, this, [this] { Resetuj(); });
  connect(zamknij, &QAction::triggered, this, [this] { close(); });
  // Help leaves read-only mode as it is.
  connect(informacje, &QAction::triggered, this, [this] { mPomoc.PokazPomoc(kPomocDostepy); });
  // The close prompt decides about saving.
  connect(zapisz_przycisk, &QAbstractButton::clicked, this, [this] { close(); });
  connect(mListBoxListaUrzadzen, &QListWidget::currentRowChanged, this, [this](int wiersz) {
    if (wiersz >= 0 && static_cast<size_t>(wiersz) < mKluczeUrzadzen.size())
      PokazListeDostepu(ParseInt(mKluczeUrzadzen[static_cast<size_t>(wiersz)]).value_or(0));
  });
  connect(mCheckListBox1, &QListWidget::itemChanged, this, [this] { PoZmianieZaznaczenia(); });
}

TFormEdytorDostepow::~TFormEdytorDostepow() = default;

void TFormEdytorDostepow::UstawTrybTylkoDoOdczytu(bool tylko_do_odczytu) {
  if (tylko_do_odczytu && mListaGlowna.CountDevices() > 0) {
    mKomunikaty.Information(
        "Nie udało połączyć się z urządzeniami. Edytor dostępów zostanie uruchomiony w trybie \"Tylko do "
        "odczytu\".");
  }
  mCheckListBox1->setEnabled(!tylko_do_odczytu);
  for (QAction* action : mZapisywanie) action->setEnabled(!tylko_do_odczytu);
}

void TFormEdytorDostepow::Wczytaj() { mListaGlowna.CopySelfTo(*mKopiaRobocza); }

void TFormEdytorDostepow::Odswiez() {
  cWiersze urzadzenia = WierszeUrzadzen(*mKopiaRobocza);
  cWiersze uzytkownicy = WierszeUzytkownikow(mUzytkownicy);
  mKluczeUrzadzen = std::move(urzadzenia.Klucze);
  mKluczeUzytkownikow = std::move(uzytkownicy.Klucze);
  mNazwyUzytkownikow = std::move(uzytkownicy.Nazwy);
  const QSignalBlocker blokada(mListBoxListaUrzadzen);
  mListBoxListaUrzadzen->clear();
  for (const std::string& nazwa : urzadzenia.Nazwy) DodajWiersz(mListBoxListaUrzadzen, Q(nazwa));
}

void TFormEdytorDostepow::PokazListeDostepu(int32_t unique) {
  const QSignalBlocker blokada(mCheckListBox1);
  mCheckListBox1->setUpdatesEnabled(false);
  mCheckListBox1->clear();
  const cUrzadzenie* device = mKopiaRobocza->GetDeviceByUnique(unique);
  if (!device) {
    mLabelListaDostepu->setText("Lista dostępu");
  } else {
    mLabelListaDostepu->setText(Q("Lista dostępu dla: " + device->Nazwa));
    const std::vector<bool> zaznaczone = ZaznaczeniaDostepu(*device, mKluczeUzytkownikow);
    for (size_t i = 0; i < mKluczeUzytkownikow.size(); ++i) {
      auto* item = new QListWidgetItem(Q(mNazwyUzytkownikow[i]));
      item->setToolTip(item->text());
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      item->setCheckState(zaznaczone[i] ? Qt::Checked : Qt::Unchecked);
      mCheckListBox1->addItem(item);
    }
  }
  mCheckListBox1->setUpdatesEnabled(true);
}

void TFormEdytorDostepow::Pokaz() {
  CentreOnScreen(this);
  mListBoxListaUrzadzen->setFocus();
  exec();
}

cUrzadzenie* TFormEdytorDostepow::WybraneUrzadzenie() const {
  const int wiersz = mListBoxListaUrzadzen->currentRow();
  if (wiersz < 0 || static_cast<size_t>(wiersz) >= mKluczeUrzadzen.size()) return nullptr;
  return mKopiaRobocza->GetDeviceByUnique(ParseInt(mKluczeUrzadzen[static_cast<size_t>(wiersz)]).value_or(0));
}

void TFormEdytorDostepow::PoZmianieZaznaczenia() {
  cUrzadzenie* device = WybraneUrzadzenie();
  if (!device) return;
  std::vector<bool> zaznaczone;
  const int ile = mCheckListBox1->count();
  zaznaczone.reserve(static_cast<size_t>(ile));
  for (int i = 0; i < ile; ++i) zaznaczone.push_back(mCheckListBox1->item(i)->checkState() == Qt::Checked);
  PrzebudujListeDostepu(*device, mKluczeUzytkownikow, zaznaczone);
}

void TFormEdytorDostepow::Resetuj() {
  if (mKomunikaty.Question("", "Czy jestes pewien ze chcesz zresetowac wprowadzone zmiany?", "Resetuj zmiany",
                           "Nie") != kOdpowiedzTak) {
    return;
  }
  Wczytaj();
  Odswiez();
  PokazListeDostepu(0);
}

void TFormEdytorDostepow::ZapiszISynchronizuj() {
  mKopiaRobocza->CopySelfTo(mListaGlowna);
  std::vector<int32_t> urzadzenia;
  for (const std::string& klucz : mKluczeUrzadzen) {
    const int32_t unique = ParseInt(klucz).value_or(0);
    if (mKopiaRobocza->GetDeviceByUnique(unique)) urzadzenia.push_back(unique);
  }
  if (mZapiszISynchronizuj) mZapiszISynchronizuj(urzadzenia);
}

void TFormEdytorDostepow::reject() {
  if (!mKopiaRobocza->RownaLiscie(mListaGlowna)) {
    const int odpowiedz = mKomunikaty.QuestionOrCancel("", "Czy chcesz zapisać zmiany?", "Tak", "Nie");
    if (odpowiedz == kOdpowiedzAnuluj) return;
    if (odpowiedz == kOdpowiedzTak) ZapiszISynchronizuj();
  }
  QDialog::reject();
}

}  // namespace olv
