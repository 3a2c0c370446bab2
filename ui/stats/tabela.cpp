#include "ui/stats/tabela.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "ui/stats/klawisze_przewijania.h"

namespace olv {
namespace {

// Rows a notch of the wheel moves.
constexpr int kWierszeNaKrokKolka = 3;

QColor Kolor(cKolor kolor) { return QColor(kolor.R, kolor.G, kolor.B); }

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
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  mPasek = new QScrollBar(Qt::Vertical, this);
  mPasek->setObjectName("PasekPrzewijania");
  mPasek->setSingleStep(Krok());
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

// Appends an empty cell to every row (the filler column).
void cTabela::DodajKolumne() {
  const int wiersze = LiczbaWierszy();
  std::vector<cKomorka> nowe;
  nowe.reserve(static_cast<size_t>(wiersze) * static_cast<size_t>(mKolumny + 1));
  for (int w = 0; w < wiersze; ++w) {
    const auto poczatek = mKomorki.begin() + static_cast<ptrdiff_t>(w) * mKolumny;
    nowe.insert(nowe.end(), std::make_move_iterator(poczatek), std::make_move_iterator(poczatek + mKolumny));
    nowe.emplace_back();
  }
  mKomorki = std::move(nowe);
  ++mKolumny;
}

void cTabela::UstawZawartosc(const cZawartoscTabeli& zawartosc) {
  Resetuj();
  mKolumny = std::max(1, zawartosc.GetLiczbaKolumn());
  for (const cKolumnaTabeli& kolumna : zawartosc.Kolumny) mNaglowek.Dodaj(kolumna.Naglowek, kolumna.Szerokosc);
  const int wiersze = zawartosc.GetLiczbaWierszy();
  mKomorki.assign(static_cast<size_t>(wiersze) * static_cast<size_t>(mKolumny), cKomorka{});
  for (int w = 0; w < wiersze; ++w) {
    for (int k = 0; k < zawartosc.GetLiczbaKolumn(); ++k) {
      cKomorka& komorka = *Komorka(k, w);
      komorka.Tekst = zawartosc.Tekst(k, w);
      komorka.KolorTekstu = Kolor(zawartosc.KolorTekstu(k, w));
      komorka.Tlo = Kolor(zawartosc.KolorTla(k, w));
    }
  }
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
  std::vector<int> szerokosci;
  const int kolumny = mNaglowek.Liczba() - (mWypelnienie ? 1 : 0);
  for (int k = 0; k < kolumny; ++k) szerokosci.push_back(mNaglowek[k].Szerokosc);
  return mGeometria.SzerokoscWypelnienia(szerokosci, SzerokoscObrazu());
}

void cTabela::WypelnijSzerokosc() {
  UsunWypelnienie();
  const int reszta = PozostalaSzerokosc();
  if (reszta == 0) return;
  mNaglowek.Dodaj("", reszta);
  DodajKolumne();
  mWypelnienie = true;
}

int cTabela::SzerokoscObrazu() const { return std::max(0, width() - mPasek->sizeHint().width()); }

int cTabela::MaksymalnePrzewiniecie() const {
  // The header row covers the top of the image.
  return mGeometria.MaksymalnePrzewiniecie(LiczbaWierszy(), height() - Krok());
}

void cTabela::AktualizujPasekPrzewijania() {
  const int maksimum = MaksymalnePrzewiniecie();
  const int szerokosc = mPasek->sizeHint().width();
  mPasek->setGeometry(width() - szerokosc, 0, szerokosc, height());
  mPasek->setPageStep(std::max(Krok(), height() - Krok()));
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
  const int wiersz = mGeometria.WierszPodPunktem(mPrzewiniecie, y);
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
  // The scroll bar's strip beside the image, while the bar is hidden.
  painter.fillRect(szerokosc, 0, width() - szerokosc, wysokosc, palette().color(QPalette::Window));
  painter.setClipRect(0, 0, szerokosc, wysokosc);
  UstawKolorNaglowka(kKolorNaglowka);
  painter.fillRect(0, 0, szerokosc, wysokosc, kKolorLinii);

  painter.setFont(mCzcionka);
  const int wiersze = LiczbaWierszy();
  const int krok = Krok();
  const int wysokosc_wiersza = mGeometria.WysokoscWiersza;
  for (int w = mGeometria.PierwszyWidocznyWiersz(mPrzewiniecie); w < wiersze; ++w) {
    const int gora = (w + 1) * krok - mPrzewiniecie;
    if (gora >= wysokosc) break;
    int lewa = 0;
    for (int k = 0; k < mKolumny && lewa < szerokosc; ++k) {
      const int szerokosc_kolumny = mNaglowek.SzerokoscKolumny(k);
      const cKomorka& komorka = *Komorka(k, w);
      const QColor& tlo = w == mWcisniety ? kKolorWcisniety : w == mWskazany ? kKolorWskazany : komorka.Tlo;
      RysujKomorke(painter, QRect(lewa, gora, szerokosc_kolumny, wysokosc_wiersza), tlo, komorka.KolorTekstu,
                   komorka.Tekst);
      lewa += szerokosc_kolumny + mGeometria.GruboscLinii;
    }
  }

  painter.setFont(mCzcionkaNaglowka);
  int lewa = 0;
  for (int k = 0; k < mNaglowek.Liczba() && lewa < szerokosc; ++k) {
    const cKomorkaNaglowka& komorka = mNaglowek[k];
    RysujKomorke(painter, QRect(lewa, 0, komorka.Szerokosc, wysokosc_wiersza), komorka.Tlo, Qt::black,
                 komorka.Tekst);
    lewa += komorka.Szerokosc + mGeometria.GruboscLinii;
  }

  if (MaksymalnePrzewiniecie() == 0) {
    const int dol = (wiersze + 1) * Krok();
    if (dol < wysokosc) painter.fillRect(0, dol, szerokosc, wysokosc - dol, kKolorDomyslny);
  }
  painter.setPen(kKolorLinii);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, szerokosc - 1, wysokosc - 1);
  painter.drawLine(0, wysokosc_wiersza, szerokosc - 1, wysokosc_wiersza);
  if (hasFocus()) RysujRamkeFokusu(painter, QRect(0, 0, szerokosc, wysokosc));
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
  UstawPrzewiniecie(mPrzewiniecie - kroki * kWierszeNaKrokKolka * Krok());
}

void cTabela::keyPressEvent(QKeyEvent* event) {
  if (!PrzekazKlawiszPaskowi(event, mPasek)) QWidget::keyPressEvent(event);
}

void cTabela::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void cTabela::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace olv
