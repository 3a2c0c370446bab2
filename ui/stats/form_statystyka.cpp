#include "ui/stats/form_statystyka.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSplitter>
#include <QVBoxLayout>

#include "common/files.h"
#include "common/numbers.h"
#include "model/dev_list.h"
#include "model/user_list.h"
#include "stats/csv.h"
#include "stats/lista_odbic.h"
#include "stats/panel_dzisiejszy.h"
#include "stats/raport_wszystkich.h"
#include "stats/tabela_dzienna.h"
#include "stats/tabela_miesieczna.h"
#include "stats/tabela_zdarzen.h"
#include "stats/wykresy_sredniego_czasu.h"
#include "ui/common/image_button.h"
#include "ui/common/message_window.h"
#include "ui/common/pictures.h"
#include "ui/common/tekst_skracany.h"
#include "ui/common/window_look.h"
#include "ui/stats/tabela.h"
#include "ui/stats/wykres_slupki_procentowe.h"
#include "ui/users/form_help.h"

namespace olv {
namespace {

constexpr int kTabelaZdarzen = 0;
constexpr int kTabelaDzienna = 1;
constexpr int kTabelaMiesieczna = 2;

QString Q(const std::string& text) { return QString::fromStdString(text); }

const char* TytulPanelu(ePanelStatystyki panel) {
  switch (panel) {
    case ePanelStatystyki::Aktualne: return "Zestawienie dzisiejsze";
    case ePanelStatystyki::Zdarzenia: return "Zestawienie zdarzeń";
    case ePanelStatystyki::Dzienne: return "Zestawienie dzienne";
    case ePanelStatystyki::Miesieczne: return "Zestawienie miesięczne";
    case ePanelStatystyki::Srednie: return "Średni czas pracy";
    case ePanelStatystyki::Brak: break;
  }
  return "";
}

const char* LiniaLogu(ePanelStatystyki panel) {
  switch (panel) {
    case ePanelStatystyki::Aktualne: return "FormStatystyka: F_UruchomPanelDzisiejsze";
    case ePanelStatystyki::Zdarzenia: return "FormStatystyka: F_UruchomPanelZdarzenia";
    case ePanelStatystyki::Dzienne: return "FormStatystyka: F_UruchomPanelDzienne";
    case ePanelStatystyki::Miesieczne: return "FormStatystyka: F_UruchomPanelMiesieczne";
    case ePanelStatystyki::Srednie: return "FormStatystyka: F_UruchomPanelCzasPracy";
    case ePanelStatystyki::Brak: break;
  }
  return "";
}

// The table a panel shows, -1 for the panels without one.
int TabelaPanelu(ePanelStatystyki panel) {
  switch (panel) {
    case ePanelStatystyki::Zdarzenia: return kTabelaZdarzen;
    case ePanelStatystyki::Dzienne: return kTabelaDzienna;
    case ePanelStatystyki::Miesieczne: return kTabelaMiesieczna;
    default: return -1;
  }
}

}  // namespace

TFormStatystyka::TFormStatystyka(cClock& clock, cMessageWindow& komunikaty, TFormHelp& pomoc, LogFunction log,
                                 std::string program_folder, std::string sciezka_uzytkownikow,
                                 TFormEdytorCzasuPracy::tZapis zapisz_uzytkownikow, QWidget* parent)
    : QDialog(parent), mClock(clock), mKomunikaty(komunikaty), mPomoc(pomoc), mLog(std::move(log)),
      mFolder(std::move(program_folder)) {
  setObjectName("FormStatystyka");
  setWindowTitle("Statystyka");
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  ApplyWindowLook(this);
  setSizeGripEnabled(true);
  setMinimumSize(760, 520);
  // On a 1024 x 768 screen, frame included, with every column of the widest
  // table (the daily one, 849 pixels, and its scroll bar) in view.
  resize(1010, 700);

  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(6, 4, 6, 6);
  UtworzMenu(uklad);

  // The operator may widen the user list for long names.
  auto* glowny = new QSplitter(Qt::Horizontal, this);
  glowny->setObjectName("Splitter1");
  glowny->setChildrenCollapsible(false);
  uklad->addWidget(glowny, 1);
  auto* lewa_strona = new QWidget(glowny);
  auto* lewy = new QVBoxLayout(lewa_strona);
  lewy->setContentsMargins(0, 0, 0, 0);
  auto* label1 = new QLabel("Lista użytkowników", lewa_strona);
  label1->setObjectName("Label1");
  lewy->addWidget(label1);
  mListBoxUzytkownicy = new QListWidget(lewa_strona);
  mListBoxUzytkownicy->setObjectName("ListBoxUzytkownicy");
  mListBoxUzytkownicy->setMinimumWidth(90);
  UstawSkracanieWierszy(mListBoxUzytkownicy);
  label1->setBuddy(mListBoxUzytkownicy);
  lewy->addWidget(mListBoxUzytkownicy, 1);
  // A click, the arrow keys and typing the start of a name all select; the
  // focus alone may make a line current, which chooses nobody.
  connect(mListBoxUzytkownicy, &QListWidget::itemSelectionChanged, this, [this] {
    if (WybranaLinia() >= 0) OdswiezUzytkownika();
  });

  auto* prawa_strona = new QWidget(glowny);
  auto* prawy = new QVBoxLayout(prawa_strona);
  prawy->setContentsMargins(0, 0, 0, 0);
  glowny->setStretchFactor(0, 0);
  glowny->setStretchFactor(1, 1);
  glowny->setSizes({120, 870});
  auto* gora = new QHBoxLayout;
  prawy->addLayout(gora);
  mLabelOpisAktywnegoPanelu = new cEtykietaSkracana("-", this);
  mLabelOpisAktywnegoPanelu->setObjectName("LabelOpisAktywnegoPanelu");
  QFont pogrubiona = mLabelOpisAktywnegoPanelu->font();
  pogrubiona.setBold(true);
  mLabelOpisAktywnegoPanelu->setFont(pogrubiona);
  gora->addWidget(mLabelOpisAktywnegoPanelu, 1);
  mComboBox1 = new QComboBox(this);
  mComboBox1->setObjectName("ComboBox1");
  mComboBox1->addItem("zliczanie czasu dzienne (wejście/wyjście)");
  mComboBox1->addItem("zliczanie czasu dzienne (dowolna aktywność)");
  mComboBox1->setCurrentIndex(0);
  gora->addWidget(mComboBox1);
  connect(mComboBox1, &QComboBox::currentIndexChanged, this, [this](int indeks) { UstawTryb(indeks); });

  auto* przyciski = new QHBoxLayout;
  prawy->addLayout(przyciski);
  const struct {
    const char* nazwa;
    const char* podpis;
    ePanelStatystyki panel;
  } kPrzyciski[] = {{"ImageButtonZdarzenia", "Zdarzenia", ePanelStatystyki::Zdarzenia},
                    {"ImageButtonDzienne", "Dzienne", ePanelStatystyki::Dzienne},
                    {"ImageButtonMiesieczne", "Miesięczne", ePanelStatystyki::Miesieczne}};
  for (const auto& opis : kPrzyciski) {
    auto* przycisk = new cImageButton(opis.podpis, Picture(ePicture::kStatystyka), this);
    przycisk->setObjectName(opis.nazwa);
    przycisk->setFixedSize(130, 25);
    const ePanelStatystyki panel = opis.panel;
    connect(przycisk, &QAbstractButton::clicked, this, [this, panel] { UruchomPanel(panel); });
    przyciski->addWidget(przycisk);
  }
  przyciski->addStretch(1);

  // The panels lie on top of each other; one shows at a time.
  // In a place of their own, which keeps its room while no panel shows.
  auto* miejsce = new QWidget(this);
  auto* obszar = new QGridLayout(miejsce);
  obszar->setContentsMargins(0, 0, 0, 0);
  prawy->addWidget(miejsce, 1);
  mPanelDzisiejsze = UtworzPanelDzisiejszy();
  mPanelZdarzenia = UtworzPanelTabeli("PanelZdarzenia", mTabele[kTabelaZdarzen], "TabelaZdarzenia");
  mPanelDzienne = UtworzPanelTabeli("PanelDzienne", mTabele[kTabelaDzienna], "TabelaDzienna");
  mPanelMiesieczne = UtworzPanelTabeli("PanelMiesieczne", mTabele[kTabelaMiesieczna], "TabelaMiesieczna");
  mPanelCzasPracy = UtworzPanelCzasPracy();
  auto* prosze_czekac = new QLabel("Proszę czekać. Trwa generowanie statystyk...", this);
  prosze_czekac->setObjectName("PanelProszeCzekac");
  prosze_czekac->setAlignment(Qt::AlignCenter);
  prosze_czekac->setFont(pogrubiona);
  prosze_czekac->setAutoFillBackground(true);
  mPanelProszeCzekac = prosze_czekac;
  for (QWidget* panel : {mPanelDzisiejsze, mPanelZdarzenia, mPanelDzienne, mPanelMiesieczne, mPanelCzasPracy,
                         mPanelProszeCzekac}) {
    obszar->addWidget(panel, 0, 0);
    panel->hide();
  }

  mEdytorCzasuPracy =
      new TFormEdytorCzasuPracy(mKomunikaty, std::move(sciezka_uzytkownikow), std::move(zapisz_uzytkownikow), this);
}

TFormStatystyka::~TFormStatystyka() = default;

void TFormStatystyka::UtworzMenu(QVBoxLayout* uklad) {
  auto* menu = new QMenuBar(this);
  menu->setObjectName("MainMenu1");
  uklad->setMenuBar(menu);
  const auto akcja = [this](QMenu* w, const char* tekst, const char* nazwa, auto zrob) {
    QAction* a = w->addAction(tekst);
    a->setObjectName(nazwa);
    connect(a, &QAction::triggered, this, zrob);
  };
  QMenu* plik = menu->addMenu("Plik");
  plik->menuAction()->setVisible(false);
  QMenu* edycja = menu->addMenu("&Edycja");
  akcja(edycja, "Czasy pracy", "MenuCzasyPracy", [this] { OtworzEdytorCzasuPracy(); });
  QMenu* widok = menu->addMenu("&Widok");
  akcja(widok, "Aktualne", "MenuAktualne", [this] { UruchomPanel(ePanelStatystyki::Aktualne); });
  widok->addSeparator();
  akcja(widok, "Zdarzenia", "MenuZdarzenia", [this] { UruchomPanel(ePanelStatystyki::Zdarzenia); });
  akcja(widok, "Dzienne", "MenuDzienne", [this] { UruchomPanel(ePanelStatystyki::Dzienne); });
  akcja(widok, "Miesięczne", "MenuMiesieczne", [this] { UruchomPanel(ePanelStatystyki::Miesieczne); });
  akcja(widok, "Średnie", "MenuSrednie", [this] { UruchomPanel(ePanelStatystyki::Srednie); });
  QAction* informacje = menu->addAction("&Informacje");
  informacje->setObjectName("MenuInformacje");
  connect(informacje, &QAction::triggered, this, [this] { mPomoc.PokazPomoc(kPomocTrybyZliczaniaCzasu); });
  QMenu* eksport = menu->addMenu("E&ksport");
  akcja(eksport, "do CSV", "MenuDoCSV", [this] { EksportujDoCSV(); });
  akcja(eksport, "Wszyscy użytkownicy - miesięczne do CSV", "MenuWszyscyMiesieczneDoCSV",
        [this] { EksportujMiesieczneWszystkichDoCSV(); });
}

QWidget* TFormStatystyka::UtworzPanelDzisiejszy() {
  auto* panel = new QWidget(this);
  panel->setObjectName("PanelDzisiejsze");
  auto* siatka = new QGridLayout(panel);
  siatka->setContentsMargins(12, 12, 12, 12);
  siatka->setHorizontalSpacing(24);
  siatka->setVerticalSpacing(10);
  const struct {
    const char* opis;
    const char* nazwa;
    QLabel** etykieta;
  } kWiersze[] = {{"Nazwa", "LabelNazwa", &mLabelNazwa},
                  {"Godziny pracy", "LabelGodzinyPracy", &mLabelGodzinyPracy},
                  {"Przyjście", "LabelPrzyjscie", &mLabelPrzyjscie},
                  {"Wyjście", "LabelWyjscie", &mLabelWyjscie},
                  {"Przepracowano w miesiącu", "LabelPrzepracowano", &mLabelPrzepracowano},
                  {"Powinno być", "LabelPowinnoByc", &mLabelPowinnoByc},
                  {"Różnica", "LabelRoznica", &mLabelRoznica}};
  int wiersz = 0;
  for (const auto& opis : kWiersze) {
    siatka->addWidget(new QLabel(opis.opis, panel), wiersz, 0);
    auto* wartosc = new cEtykietaSkracana("-", panel);
    wartosc->setObjectName(opis.nazwa);
    QFont pogrubiona = wartosc->font();
    pogrubiona.setBold(true);
    wartosc->setFont(pogrubiona);
    siatka->addWidget(wartosc, wiersz++, 1);
    *opis.etykieta = wartosc;
  }
  siatka->setColumnStretch(1, 1);
  siatka->setRowStretch(wiersz, 1);
  return panel;
}

QWidget* TFormStatystyka::UtworzPanelTabeli(const char* nazwa, cTabela*& tabela, const char* nazwa_tabeli) {
  auto* panel = new QWidget(this);
  panel->setObjectName(nazwa);
  auto* uklad = new QVBoxLayout(panel);
  uklad->setContentsMargins(0, 0, 0, 0);
  tabela = new cTabela(panel);
  tabela->setObjectName(nazwa_tabeli);
  uklad->addWidget(tabela);
  return panel;
}

QWidget* TFormStatystyka::UtworzPanelCzasPracy() {
  auto* panel = new QWidget(this);
  panel->setObjectName("PanelCzasPracy");
  auto* uklad = new QVBoxLayout(panel);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->setSpacing(4);
  const auto wykres = [panel, uklad](const char* nazwa) {
    auto* w = new cWykresSlupkiProcentowe(panel);
    w->setObjectName(nazwa);
    uklad->addWidget(w, 1);
    return w;
  };
  mWykresTydzien = wykres("ImageCzasPracyTydzien");
  mWykresMiesiac = wykres("ImageCzasPracyMiesiac");
  mWykresDzienTygodnia = wykres("ImageCzasPracyDzienTygodnia");
  return panel;
}

void TFormStatystyka::Przygotuj(cUserList& uzytkownicy, const cDevList& urzadzenia, const cListaOdbic& odbicia) {
  mUzytkownicy = &uzytkownicy;
  mUrzadzenia = &urzadzenia;
  mOdbicia = &odbicia;
  mWybranyUzytkownik = nullptr;
  mAktywnyPanel = ePanelStatystyki::Brak;
  mWidokUzytkownika.Wyczysc();

  std::vector<std::string> kolejnosc;
  uzytkownicy.WpiszPosortowanaAlfabetycznieListeUniqueUzytkownikow(kolejnosc);
  mUnique.clear();
  const QSignalBlocker blokada(mListBoxUzytkownicy);
  mListBoxUzytkownicy->clear();
  for (const std::string& tekst : kolejnosc) {
    const int32_t unique = ParseInt(tekst).value_or(0);
    const cUzytkownik* uzytkownik = uzytkownicy.GetUserByUnique(unique);
    if (!uzytkownik) continue;
    mUnique.push_back(unique);
    DodajWiersz(mListBoxUzytkownicy, Q(uzytkownik->Nazwa));
  }
  mListBoxUzytkownicy->setCurrentRow(-1);
  // Nothing current either, so that the focus does not make the first line so.
  mListBoxUzytkownicy->setCurrentIndex(QModelIndex());
  mLabelOpisAktywnegoPanelu->setText("-");
  for (QWidget* panel : {mPanelDzisiejsze, mPanelZdarzenia, mPanelDzienne, mPanelMiesieczne, mPanelCzasPracy,
                         mPanelProszeCzekac}) {
    panel->hide();
  }
}

void TFormStatystyka::Pokaz() {
  CentreOnScreen(this);
  exec();
}

void TFormStatystyka::WybierzWiersz(int wiersz) {
  mListBoxUzytkownicy->setCurrentRow(wiersz);
}

int TFormStatystyka::WybranaLinia() const {
  const QList<QListWidgetItem*> wybrane = mListBoxUzytkownicy->selectedItems();
  return wybrane.isEmpty() ? -1 : mListBoxUzytkownicy->row(wybrane.first());
}

void TFormStatystyka::OdswiezUzytkownika() {
  const int wiersz = WybranaLinia();
  if (wiersz < 0 || static_cast<size_t>(wiersz) >= mUnique.size() || !mUzytkownicy || !mOdbicia) return;
  cUzytkownik* uzytkownik = mUzytkownicy->GetUserByUnique(mUnique[static_cast<size_t>(wiersz)]);
  if (!uzytkownik) return;
  mWybranyUzytkownik = uzytkownik;
  mWidokUzytkownika.Zaladuj(*mOdbicia);
  mWidokUzytkownika.ZostawUzytkownika(uzytkownik->ID);
  if (mAktywnyPanel == ePanelStatystyki::Brak) mAktywnyPanel = ePanelStatystyki::Aktualne;
  PokazAktywnyPanel();
}

void TFormStatystyka::UruchomPanel(ePanelStatystyki panel) {
  mAktywnyPanel = panel;
  PokazAktywnyPanel();
}

QWidget* TFormStatystyka::PanelAktywny() const {
  switch (mAktywnyPanel) {
    case ePanelStatystyki::Aktualne: return mPanelDzisiejsze;
    case ePanelStatystyki::Zdarzenia: return mPanelZdarzenia;
    case ePanelStatystyki::Dzienne: return mPanelDzienne;
    case ePanelStatystyki::Miesieczne: return mPanelMiesieczne;
    case ePanelStatystyki::Srednie: return mPanelCzasPracy;
    case ePanelStatystyki::Brak: break;
  }
  return nullptr;
}

void TFormStatystyka::PokazAktywnyPanel() {
  for (QWidget* panel : {mPanelDzisiejsze, mPanelZdarzenia, mPanelDzienne, mPanelMiesieczne, mPanelCzasPracy}) {
    panel->hide();
  }
  mPanelProszeCzekac->show();
  mPanelProszeCzekac->raise();
  mPanelProszeCzekac->repaint();
  if (QWidget* panel = PanelAktywny()) panel->show();
  WypelnijPanel();
  const std::string nazwa = mWybranyUzytkownik ? mWybranyUzytkownik->Nazwa : "";
  mLabelOpisAktywnegoPanelu->setText(mAktywnyPanel == ePanelStatystyki::Brak
                                         ? QString("-")
                                         : Q(std::string(TytulPanelu(mAktywnyPanel)) + " dla użytkownika " + nazwa));
  mPanelProszeCzekac->hide();
}

void TFormStatystyka::WypelnijTabele(int indeks, cZawartoscTabeli zawartosc) {
  cTabela& tabela = *mTabele[static_cast<size_t>(indeks)];
  tabela.UstawZawartosc(zawartosc);
  tabela.UstawPrzewiniecie(0);
  tabela.WypelnijSzerokosc();
  tabela.AktualizujPasekPrzewijania();
  tabela.Przerysuj();
  mZawartosci[static_cast<size_t>(indeks)] = std::move(zawartosc);
}

void TFormStatystyka::WypelnijPanel() {
  if (mAktywnyPanel == ePanelStatystyki::Brak) return;
  if (mLog) mLog(LiniaLogu(mAktywnyPanel));
  const cUzytkownik& uzytkownik = mWybranyUzytkownik ? *mWybranyUzytkownik : mBrakUzytkownika;
  switch (mAktywnyPanel) {
    case ePanelStatystyki::Aktualne: {
      // Without a user the labels stay as they are.
      if (!mWybranyUzytkownik) return;
      const cPanelDzisiejszy dzis =
          ObliczPanelDzisiejszy(mWidokUzytkownika, uzytkownik.CzasyPracy, mTryb, mClock.Now());
      mLabelNazwa->setText(Q(uzytkownik.Nazwa));
      mLabelGodzinyPracy->setText(Q(dzis.GodzinyPracy));
      mLabelPrzyjscie->setText(Q(dzis.Przyjscie));
      mLabelWyjscie->setText(Q(dzis.Wyjscie));
      mLabelPrzepracowano->setText(Q(dzis.Przepracowano));
      mLabelPowinnoByc->setText(Q(dzis.PowinnoByc));
      mLabelRoznica->setText(Q(dzis.Roznica));
      return;
    }
    case ePanelStatystyki::Zdarzenia:
      WypelnijTabele(kTabelaZdarzen, ObliczTabeleZdarzen(mWidokUzytkownika, *mUrzadzenia));
      return;
    case ePanelStatystyki::Dzienne:
      WypelnijTabele(kTabelaDzienna, ObliczTabeleDzienna(mWidokUzytkownika, uzytkownik.CzasyPracy, mTryb));
      return;
    case ePanelStatystyki::Miesieczne:
      WypelnijTabele(kTabelaMiesieczna, ObliczTabeleMiesieczna(mWidokUzytkownika, uzytkownik, mTryb, mClock.Now()));
      return;
    case ePanelStatystyki::Srednie: {
      const cWykresySredniegoCzasu wykresy =
          ObliczWykresySredniegoCzasu(mWidokUzytkownika, mWybranyUzytkownik, mTryb);
      mWykresTydzien->UstawZawartosc(wykresy.Tygodniowy);
      mWykresMiesiac->UstawZawartosc(wykresy.Miesieczny);
      mWykresDzienTygodnia->UstawZawartosc(wykresy.DniTygodnia);
      return;
    }
    case ePanelStatystyki::Brak:
      return;
  }
}

void TFormStatystyka::UstawTryb(int indeks) {
  mTryb = indeks == 1 ? eTrybZliczania::Aktywnosc : eTrybZliczania::WejscieWyjscie;
  OdswiezUzytkownika();
}

void TFormStatystyka::OtworzEdytorCzasuPracy() {
  if (!mWybranyUzytkownik) return;
  mEdytorCzasuPracy->UstawUzytkownika(mWybranyUzytkownik);
  mEdytorCzasuPracy->Pokaz();
  OdswiezUzytkownika();
}

std::string TFormStatystyka::WybierzPlik() {
  if (mWyborPliku) return mWyborPliku();
  QFileDialog dialog(this, "Eksport do CSV", Q(mFolder));
  dialog.setObjectName("SaveDialog1");
  // The toolkit's own dialog, so that its captions can be Polish everywhere.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix("csv");
  dialog.setNameFilter("CSV (*.csv)");
  dialog.setLabelText(QFileDialog::LookIn, "Folder:");
  dialog.setLabelText(QFileDialog::FileName, "Nazwa pliku:");
  dialog.setLabelText(QFileDialog::FileType, "Typ pliku:");
  dialog.setLabelText(QFileDialog::Accept, "Zapisz");
  dialog.setLabelText(QFileDialog::Reject, "Anuluj");
  dialog.selectFile("");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  return dialog.selectedFiles().first().toStdString();
}

void TFormStatystyka::EksportujDoCSV() {
  const int indeks = TabelaPanelu(mAktywnyPanel);
  if (indeks < 0) return;
  ZapiszCSV([this, indeks](cCSV& csv) {
    DodajTabeleDoCSV(mZawartosci[static_cast<size_t>(indeks)],
                     mTabele[static_cast<size_t>(indeks)]->MaWypelnienie(), csv);
  });
}

void TFormStatystyka::EksportujMiesieczneWszystkichDoCSV() {
  if (!mUzytkownicy || !mOdbicia) return;
  ZapiszCSV([this](cCSV& csv) { DodajMiesieczneWszystkichDoCSV(*mUzytkownicy, *mOdbicia, mTryb, mClock.Now(), csv); });
}

void TFormStatystyka::ZapiszCSV(const std::function<void(cCSV&)>& wypelnij) {
  const std::string sciezka = WybierzPlik();
  if (sciezka.empty()) return;
  cCSV csv;
  wypelnij(csv);
  std::string powod;
  std::string blad_systemu;
  if (!csv.ZapiszDoPliku(sciezka, cCSV::kSrednik, &powod, &blad_systemu)) {
    if (mLog) mLog("FormStatystyka: do CSV: nie zapisano pliku " + sciezka + ": " + (blad_systemu.empty() ? powod : blad_systemu));
    mKomunikaty.Information("Nie można zapisać pliku " + FileNameOf(sciezka) + ": " + powod + ".");
    return;
  }
  mKomunikaty.Information("Wyeskportowano dane do pliku.");
}

}  // namespace olv
