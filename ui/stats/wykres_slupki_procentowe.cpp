#include "ui/stats/wykres_slupki_procentowe.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "ui/stats/klawisze_przewijania.h"

namespace olv {
namespace {

// A date caption is wider than a narrow bar: the font shrinks (not below 6
// points) until it fits.
QFont CzcionkaDoSzerokosci(const QFont& czcionka, const QString& tekst, int szerokosc) {
  QFont wynik = czcionka;
  while (QFontMetrics(wynik).horizontalAdvance(tekst) > szerokosc && wynik.pointSizeF() > 6) {
    wynik.setPointSizeF(wynik.pointSizeF() - 0.5);
  }
  return wynik;
}

}  // namespace

cWykresSlupkiProcentowe::cWykresSlupkiProcentowe(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  mPasek = new QScrollBar(Qt::Horizontal, this);
  mPasek->setObjectName("PasekPrzewijania");
  mPasek->hide();
  connect(mPasek, &QScrollBar::valueChanged, this, [this] { Rysuj(); });
}

void cWykresSlupkiProcentowe::UstawSzerokoscIOdstep(int szerokosc, int odstep) {
  mInfo.SzerokoscSlupka = szerokosc;
  mInfo.OdstepMiedzySlupkami = odstep;
}

int cWykresSlupkiProcentowe::SzerokoscDlaSlupkow(int n) const {
  return SzerokoscSlupkaDlaLiczby(mInfo, width(), n);
}

void cWykresSlupkiProcentowe::UstawLiniePomocnicze(int pozioma, int pionowa) {
  mInfo.LiniaPomocniczaY = pozioma;
  mInfo.LiniaPomocniczaX = pionowa;
}

void cWykresSlupkiProcentowe::UstawZawartosc(const cZawartoscWykresu& zawartosc) {
  mTytul = zawartosc.Tytul;
  mSlupki = zawartosc.Slupki;
  mInfo.Maksimum = zawartosc.Maksimum;
  mDopasujSzerokosc = zawartosc.DopasujSzerokosc;
  UstawSzerokoscIOdstep(zawartosc.SzerokoscSlupka, zawartosc.OdstepMiedzySlupkami);
  AktualizujPasekPrzewijania();
}

void cWykresSlupkiProcentowe::AktualizujPasekPrzewijania() {
  if (mDopasujSzerokosc) mInfo.SzerokoscSlupka = SzerokoscDlaSlupkow(static_cast<int>(mSlupki.size()));
  const int maksimum = MaksymalnePrzewiniecieWykresu(mInfo, width(), static_cast<int>(mSlupki.size()));
  const int dostepna = width() - 2 * mInfo.Margines;
  mPasek->setGeometry(mInfo.Margines, height() - mInfo.Margines - mInfo.WysokoscPaskaPrzewijania, dostepna,
                      mInfo.WysokoscPaskaPrzewijania);
  mPasek->setEnabled(maksimum != 0);
  mPasek->setVisible(maksimum != 0);
  mPasek->setMaximum(maksimum);
  mPasek->setPageStep(std::max(1, dostepna));
  mPasek->setSingleStep(mInfo.SzerokoscSlupka + mInfo.OdstepMiedzySlupkami);
  mPasek->setValue(0);
  Rysuj();
}

QRect cWykresSlupkiProcentowe::ProstokatSlupka(int i) const {
  const int przewiniecie = mPasek->isVisible() ? mPasek->value() : 0;
  const cProstokatSlupka slupek =
      ::olv::ProstokatSlupka(mInfo, height(), i, mSlupki[static_cast<size_t>(i)].Wartosc, przewiniecie);
  return QRect(slupek.Lewo, slupek.Gora, slupek.Szerokosc, slupek.Wysokosc);
}

void cWykresSlupkiProcentowe::RysujSlupek(QPainter& painter, int i) {
  const cSlupek& slupek = mSlupki[static_cast<size_t>(i)];
  const QRect prostokat = ProstokatSlupka(i);
  if (prostokat.height() > 0) painter.fillRect(prostokat, QColor(slupek.Kolor.R, slupek.Kolor.G, slupek.Kolor.B));
  const QFontMetrics miary = painter.fontMetrics();
  const int wysokosc_tekstu = miary.height();
  const QRect etykieta(prostokat.left() - mInfo.OdstepMiedzySlupkami / 2, prostokat.top() - wysokosc_tekstu,
                       prostokat.width() + mInfo.OdstepMiedzySlupkami, wysokosc_tekstu);
  painter.setPen(kTekstZewnetrzny);
  painter.drawText(etykieta, Qt::AlignHCenter | Qt::AlignBottom, QString::fromStdString(slupek.EtykietaWartosci));
  const QString tekst = QString::fromStdString(slupek.Podpis);
  const QFont zwykla = painter.font();
  // Within the bar itself, so that neighbours and the plot's edge never cut it.
  painter.setFont(CzcionkaDoSzerokosci(zwykla, tekst, std::max(1, prostokat.width() - 4)));
  const int wysokosc_podpisu = painter.fontMetrics().height();
  if (wysokosc_podpisu + 4 < prostokat.height()) {
    painter.setPen(kTekstWewnetrzny);
    const QRect podpis(etykieta.left(), prostokat.bottom() + 1 - 4 - wysokosc_podpisu, etykieta.width(),
                       wysokosc_podpisu);
    painter.drawText(podpis, Qt::AlignHCenter | Qt::AlignBottom, tekst);
  } else {
    painter.drawText(QRect(etykieta.left(), etykieta.top() - wysokosc_podpisu - 4, etykieta.width(), wysokosc_podpisu),
                     Qt::AlignHCenter | Qt::AlignBottom, tekst);
  }
  painter.setFont(zwykla);
}

void cWykresSlupkiProcentowe::paintEvent(QPaintEvent*) {
  const cInfoWykresu& u = mInfo;
  QPainter painter(this);
  painter.fillRect(rect(), kTlo);
  const QRect wnetrze(u.Margines, u.Margines, width() - 2 * u.Margines, height() - 2 * u.Margines);
  // Scrolled bars stay between the side margins; a bar above the maximum may
  // still rise past the plot's top.
  painter.setClipRect(QRect(wnetrze.left(), 0, wnetrze.width(), height()));
  if (u.Maksimum > 0) {
    for (int i = 0; i < static_cast<int>(mSlupki.size()); ++i) RysujSlupek(painter, i);
  }
  painter.setClipping(false);

  painter.setPen(kLiniePomocnicze);
  if (u.LiniaPomocniczaY >= wnetrze.top() && u.LiniaPomocniczaY <= wnetrze.bottom()) {
    painter.drawLine(wnetrze.left(), u.LiniaPomocniczaY, wnetrze.right(), u.LiniaPomocniczaY);
  }
  if (u.LiniaPomocniczaX >= wnetrze.left() && u.LiniaPomocniczaX <= wnetrze.right()) {
    painter.drawLine(u.LiniaPomocniczaX, wnetrze.top(), u.LiniaPomocniczaX, wnetrze.bottom());
  }
  painter.setPen(kRamka);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(wnetrze.adjusted(0, 0, -1, -1));
  painter.setPen(kTekstZewnetrzny);
  painter.drawText(QRect(0, u.Margines + 2, width(), painter.fontMetrics().height()), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromStdString(mTytul));
  if (hasFocus()) RysujRamkeFokusu(painter, rect());
}

void cWykresSlupkiProcentowe::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  AktualizujPasekPrzewijania();
}

void cWykresSlupkiProcentowe::keyPressEvent(QKeyEvent* event) {
  if (!PrzekazKlawiszPaskowi(event, mPasek)) QWidget::keyPressEvent(event);
}

void cWykresSlupkiProcentowe::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void cWykresSlupkiProcentowe::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace olv
