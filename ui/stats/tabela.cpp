#include "ui/stats/tabela.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace olv {
namespace {

constexpr int kKrokWiersza = cTabela::kWysokoscWiersza + cTabela::kGruboscLinii;
// Rows a notch of the wheel moves.
constexpr int kWierszeNaKrokKolka = 3;

// Division rounding toward minus infinity: a point above the first data row
// must not read as row 0.
int PodzielWDol(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

void cNaglowek::Dodaj(std::string tekst, int szerokosc) {
  cKomorkaNaglowka komorka;
  komorka.Tekst = std::move(tekst);
  komorka.Szerokosc = szerokosc;
  mKomorki.push_back(std::move(komorka));
}

int cNaglowek::SzerokoscKolumny(int kolumna) const {
  if (kolumna < 0 || kolumna >= Liczba()) return 100;
  return mKomorki[static_cast<size_t>(kolumna)].Szerokosc;
}

cTabela::cTabela(QWidget* parent) : QWidget(parent), mKomorki(1) {
  mCzcionka = QFont("Arial", 10);
  mCzcionkaNaglowka = mCzcionka;
  mCzcionkaNaglowka.setBold(true);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  mPasek = new QScrollBar(Qt::Vertical, this);
  mPasek->setObjectName("PasekPrzewijania");
  mPasek->setSingleStep(kKrokWiersza);
  mPasek->hide();
  connect(mPasek, &QScrollBar::valueChanged, this, [this](int pozycja) { UstawPrzewiniecie(pozycja); });
}

cKomorka* cTabela::Komorka(int kolumna, int wiersz) {
  if (kolumna < 0 || kolumna >= mKolumny || wiersz < 0 || wiersz >= LiczbaWierszy()) return nullptr;
  return &mKomorki[static_cast<size_t>(wiersz) * static_cast<size_t>(mKolumny) + static_cast<size_t>(kolumna)];
}

int cTabela::LiczbaWierszy() const { return static_cast<int>(mKomorki.size()) / mKolumny; }

void cTabela::Resetuj() {
  mKomorki.assign(1, cKomorka{});
  mKolumny = 1;
  mNaglowek.Wyczysc();
  mWypelnienie = false;
  mWcisniety = mWskazany = -1;
}

void cTabela::DodajWiersz() { mKomorki.resize(mKomorki.size() + static_cast<size_t>(mKolumny)); }

void cTabela::DodajKolumne() { WstawKolumne(mKolumny); }

void cTabela::WstawWiersz(int wiersz) {
  if (wiersz < 0 || wiersz > LiczbaWierszy()) return;
  mKomorki.insert(mKomorki.begin() + static_cast<ptrdiff_t>(wiersz) * mKolumny, static_cast<size_t>(mKolumny),
                  cKomorka{});
}

void cTabela::WstawKolumne(int kolumna) {
  if (kolumna < 0 || kolumna > mKolumny) return;
  const int wiersze = LiczbaWierszy();
  std::vector<cKomorka> nowe;
  nowe.reserve(static_cast<size_t>(wiersze) * static_cast<size_t>(mKolumny + 1));
  for (int w = 0; w < wiersze; ++w) {
    const auto poczatek = mKomorki.begin() + static_cast<ptrdiff_t>(w) * mKolumny;
    nowe.insert(nowe.end(), std::make_move_iterator(poczatek), std::make_move_iterator(poczatek + kolumna));
    nowe.emplace_back();
    nowe.insert(nowe.end(), std::make_move_iterator(poczatek + kolumna),
                std::make_move_iterator(poczatek + mKolumny));
  }
  mKomorki = std::move(nowe);
  ++mKolumny;
}

void cTabela::UsunWiersz(int wiersz) {
  if (wiersz < 0 || wiersz >= LiczbaWierszy()) return;
  const auto poczatek = mKomorki.begin() + static_cast<ptrdiff_t>(wiersz) * mKolumny;
  mKomorki.erase(poczatek, poczatek + mKolumny);
}

void cTabela::UstawWiersze(std::vector<cKomorka> komorki_wiersz_po_wierszu) {
  mKomorki = std::move(komorki_wiersz_po_wierszu);
  // A short last row is completed with empty cells.
  const size_t reszta = mKomorki.size() % static_cast<size_t>(mKolumny);
  if (reszta != 0) mKomorki.resize(mKomorki.size() + static_cast<size_t>(mKolumny) - reszta);
  mWcisniety = mWskazany = -1;
}

void cTabela::UstawKolorWiersza(int wiersz, QColor kolor) {
  for (int k = 0; k < mKolumny; ++k) {
    if (cKomorka* komorka = Komorka(k, wiersz)) komorka->Tlo = kolor;
  }
}

void cTabela::UstawKolorKolumny(int kolumna, QColor kolor) {
  const int wiersze = LiczbaWierszy();
  for (int w = 0; w < wiersze; ++w) {
    if (cKomorka* komorka = Komorka(kolumna, w)) komorka->Tlo = kolor;
  }
}

void cTabela::UstawKolorNaglowka(QColor kolor) {
  for (int k = 0; k < mNaglowek.Liczba(); ++k) mNaglowek[k].Tlo = kolor;
}

void cTabela::UsunWypelnienie() {
  if (!mWypelnienie) return;
  mWypelnienie = false;
  mNaglowek.UsunOstatnia();
  const int wiersze = LiczbaWierszy();
  std::vector<cKomorka> bez;
  bez.reserve(static_cast<size_t>(wiersze) * static_cast<size_t>(mKolumny - 1));
  for (int w = 0; w < wiersze; ++w) {
    const auto poczatek = mKomorki.begin() + static_cast<ptrdiff_t>(w) * mKolumny;
    bez.insert(bez.end(), std::make_move_iterator(poczatek), std::make_move_iterator(poczatek + mKolumny - 1));
  }
  mKomorki = std::move(bez);
  --mKolumny;
}

int cTabela::PozostalaSzerokosc() const {
  int suma = 0;
  const int kolumny = mNaglowek.Liczba() - (mWypelnienie ? 1 : 0);
  for (int k = 0; k < kolumny; ++k) suma += mNaglowek[k].Szerokosc + kGruboscLinii;
  return SzerokoscObrazu() - suma;
}

void cTabela::WypelnijSzerokosc() {
  UsunWypelnienie();
  const int reszta = PozostalaSzerokosc();
  if (reszta < 1) return;
  mNaglowek.Dodaj("", reszta);
  DodajKolumne();
  mWypelnienie = true;
}

int cTabela::SzerokoscObrazu() const { return std::max(0, width() - mPasek->sizeHint().width()); }

int cTabela::MaksymalnePrzewiniecie() const {
  const int widoczna = height() - kKrokWiersza;
  const int calosc = kKrokWiersza * LiczbaWierszy();
  return calosc > widoczna ? calosc - widoczna : 0;
}

void cTabela::AktualizujPasekPrzewijania() {
  const int maksimum = MaksymalnePrzewiniecie();
  const int szerokosc = mPasek->sizeHint().width();
  mPasek->setGeometry(width() - szerokosc, 0, szerokosc, height());
  mPasek->setPageStep(std::max(kKrokWiersza, height() - kKrokWiersza));
  mPasek->setMaximum(maksimum);
  mPasek->setVisible(maksimum != 0);
  UstawPrzewiniecie(mPrzewiniecie);
}

void cTabela::UstawPrzewiniecie(int pozycja) {
  const int nowa = std::clamp(pozycja, 0, MaksymalnePrzewiniecie());
  if (mPasek->value() != nowa) mPasek->setValue(nowa);
  if (nowa == mPrzewiniecie) return;
  mPrzewiniecie = nowa;
  Przerysuj();
}

void cTabela::Przerysuj() { update(); }

int cTabela::WierszPodPunktem(int y) const {
  const int wiersz = PodzielWDol(mPrzewiniecie + y - kWysokoscWiersza - kGruboscLinii, kKrokWiersza);
  return wiersz < 0 ? -1 : wiersz;
}

void cTabela::RysujKomorke(QPainter& painter, const QRect& prostokat, const QColor& tlo,
                           const QColor& kolor_tekstu, const std::string& tekst) {
  painter.fillRect(prostokat, tlo);
  if (tekst.empty()) return;
  painter.setPen(kolor_tekstu);
  painter.drawText(prostokat, Qt::AlignCenter, QString::fromStdString(tekst));
}

void cTabela::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int szerokosc = SzerokoscObrazu();
  const int wysokosc = height();
  painter.setClipRect(0, 0, szerokosc, wysokosc);
  UstawKolorNaglowka(kKolorNaglowka);
  painter.fillRect(0, 0, szerokosc, wysokosc, kKolorLinii);

  painter.setFont(mCzcionka);
  const int wiersze = LiczbaWierszy();
  for (int w = mPrzewiniecie / kKrokWiersza; w < wiersze; ++w) {
    const int gora = (w + 1) * kKrokWiersza - mPrzewiniecie;
    if (gora >= wysokosc) break;
    int lewa = 0;
    for (int k = 0; k < mKolumny && lewa < szerokosc; ++k) {
      const int szerokosc_kolumny = mNaglowek.SzerokoscKolumny(k);
      const cKomorka& komorka = *Komorka(k, w);
      const QColor& tlo = w == mWcisniety ? kKolorWcisniety : w == mWskazany ? kKolorWskazany : komorka.Tlo;
      RysujKomorke(painter, QRect(lewa, gora, szerokosc_kolumny, kWysokoscWiersza), tlo, komorka.KolorTekstu,
                   komorka.Tekst);
      lewa += szerokosc_kolumny + kGruboscLinii;
    }
  }

  painter.setFont(mCzcionkaNaglowka);
  int lewa = 0;
  for (int k = 0; k < mNaglowek.Liczba() && lewa < szerokosc; ++k) {
    const cKomorkaNaglowka& komorka = mNaglowek[k];
    RysujKomorke(painter, QRect(lewa, 0, komorka.Szerokosc, kWysokoscWiersza), komorka.Tlo, Qt::black,
                 komorka.Tekst);
    lewa += komorka.Szerokosc + kGruboscLinii;
  }

  if (MaksymalnePrzewiniecie() == 0) {
    const int dol = (wiersze + 1) * kKrokWiersza;
    if (dol < wysokosc) painter.fillRect(0, dol, szerokosc, wysokosc - dol, kKolorDomyslny);
  }
  painter.setPen(kKolorLinii);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, szerokosc - 1, wysokosc - 1);
  painter.drawLine(0, kWysokoscWiersza, szerokosc - 1, kWysokoscWiersza);
}

void cTabela::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The filler keeps its cells (and their colours) and only takes the new rest.
  if (mWypelnienie) mNaglowek[mNaglowek.Liczba() - 1].Szerokosc = std::max(0, PozostalaSzerokosc());
  AktualizujPasekPrzewijania();
}

void cTabela::mousePressEvent(QMouseEvent* event) {
  mWcisniety = event->button() == Qt::RightButton ? -1 : WierszPodPunktem(event->position().toPoint().y());
  Przerysuj();
}

void cTabela::mouseMoveEvent(QMouseEvent* event) {
  const int wiersz = WierszPodPunktem(event->position().toPoint().y());
  if (wiersz == mWskazany) return;
  mWskazany = wiersz;
  Przerysuj();
}

void cTabela::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (mWskazany < 0) return;
  mWskazany = -1;
  Przerysuj();
}

void cTabela::wheelEvent(QWheelEvent* event) {
  const int kroki = event->angleDelta().y() / 120;
  if (kroki == 0 || MaksymalnePrzewiniecie() == 0) {
    event->ignore();
    return;
  }
  UstawPrzewiniecie(mPrzewiniecie - kroki * kWierszeNaKrokKolka * kKrokWiersza);
}

}  // namespace olv
