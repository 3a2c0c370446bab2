#include "ui/stats/wykres_slupki_procentowe.h"

#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace olv {

cWykresSlupkiProcentowe::cWykresSlupkiProcentowe(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  mPasek = new QScrollBar(Qt::Horizontal, this);
  mPasek->setObjectName("PasekPrzewijania");
  mPasek->hide();
  connect(mPasek, &QScrollBar::valueChanged, this, [this] { Rysuj(); });
}

void cWykresSlupkiProcentowe::UstawSzerokoscIOdstep(int szerokosc, int odstep) {
  mUstawienia.SzerokoscSlupka = szerokosc;
  mUstawienia.Odstep = odstep;
}

int cWykresSlupkiProcentowe::SzerokoscDlaSlupkow(int n) const {
  if (n <= 0) return mUstawienia.SzerokoscSlupka;
  return (width() - 2 * mUstawienia.Margines - (n + 1) * mUstawienia.Odstep) / n;
}

void cWykresSlupkiProcentowe::UstawLiniePomocnicze(int pozioma, int pionowa) {
  mUstawienia.LiniaPozioma = pozioma;
  mUstawienia.LiniaPionowa = pionowa;
}

void cWykresSlupkiProcentowe::AktualizujPasekPrzewijania() {
  const cUstawienia& u = mUstawienia;
  const int calosc = (u.SzerokoscSlupka + u.Odstep) * static_cast<int>(mSlupki.size()) + u.Odstep;
  const int dostepna = width() - 2 * u.Margines;
  mPasek->setGeometry(u.Margines, height() - u.Margines - u.WysokoscPaska, dostepna, u.WysokoscPaska);
  const bool potrzebny = calosc > dostepna;
  mPasek->setEnabled(potrzebny);
  mPasek->setVisible(potrzebny);
  mPasek->setMaximum(potrzebny ? calosc - dostepna : 0);
  mPasek->setPageStep(std::max(1, dostepna));
  mPasek->setSingleStep(u.SzerokoscSlupka + u.Odstep);
  mPasek->setValue(0);
  Rysuj();
}

QRect cWykresSlupkiProcentowe::ProstokatSlupka(int i) const {
  const cUstawienia& u = mUstawienia;
  const int uzyteczna = height() - 2 * u.Margines - u.WysokoscPaska;
  const double wartosc = mSlupki[static_cast<size_t>(i)].Wartosc;
  const int wysokosc = u.Maksimum > 0 ? static_cast<int>(uzyteczna * wartosc / u.Maksimum) : 0;
  int lewa = u.Margines + u.Odstep + (u.Odstep + u.SzerokoscSlupka) * i;
  if (mPasek->isVisible()) lewa -= mPasek->value();
  const int stopa = height() - u.Margines - u.WysokoscPaska;
  return QRect(lewa, stopa - wysokosc, u.SzerokoscSlupka, wysokosc);
}

void cWykresSlupkiProcentowe::RysujSlupek(QPainter& painter, int i) {
  const cSlupekWykresu& slupek = mSlupki[static_cast<size_t>(i)];
  const QRect prostokat = ProstokatSlupka(i);
  if (prostokat.height() > 0) painter.fillRect(prostokat, slupek.Kolor);
  const QFontMetrics miary = painter.fontMetrics();
  const int wysokosc_tekstu = miary.height();
  const QRect etykieta(prostokat.left() - mUstawienia.Odstep / 2, prostokat.top() - wysokosc_tekstu,
                       prostokat.width() + mUstawienia.Odstep, wysokosc_tekstu);
  painter.setPen(kTekstZewnetrzny);
  painter.drawText(etykieta, Qt::AlignHCenter | Qt::AlignBottom, QString::fromStdString(slupek.Etykieta));
  if (wysokosc_tekstu + 4 < prostokat.height()) {
    painter.setPen(kTekstWewnetrzny);
    const QRect podpis(etykieta.left(), prostokat.bottom() + 1 - 4 - wysokosc_tekstu, etykieta.width(),
                       wysokosc_tekstu);
    painter.drawText(podpis, Qt::AlignHCenter | Qt::AlignBottom, QString::fromStdString(slupek.Podpis));
  } else {
    painter.drawText(etykieta.translated(0, -wysokosc_tekstu - 4), Qt::AlignHCenter | Qt::AlignBottom,
                     QString::fromStdString(slupek.Podpis));
  }
}

void cWykresSlupkiProcentowe::paintEvent(QPaintEvent*) {
  const cUstawienia& u = mUstawienia;
  QPainter painter(this);
  painter.fillRect(rect(), kTlo);
  const QRect wnetrze(u.Margines, u.Margines, width() - 2 * u.Margines, height() - 2 * u.Margines);
  // Scrolled bars stay between the side margins; a bar above the maximum may
  // still rise past the plot's top.
  painter.setClipRect(QRect(wnetrze.left(), 0, wnetrze.width(), height()));
  for (int i = 0; i < static_cast<int>(mSlupki.size()); ++i) RysujSlupek(painter, i);
  painter.setClipping(false);

  painter.setPen(kLiniePomocnicze);
  if (u.LiniaPozioma >= wnetrze.top() && u.LiniaPozioma <= wnetrze.bottom()) {
    painter.drawLine(wnetrze.left(), u.LiniaPozioma, wnetrze.right(), u.LiniaPozioma);
  }
  if (u.LiniaPionowa >= wnetrze.left() && u.LiniaPionowa <= wnetrze.right()) {
    painter.drawLine(u.LiniaPionowa, wnetrze.top(), u.LiniaPionowa, wnetrze.bottom());
  }
  painter.setPen(kRamka);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(wnetrze.adjusted(0, 0, -1, -1));
  painter.setPen(kTekstZewnetrzny);
  painter.drawText(QRect(0, u.Margines + 2, width(), painter.fontMetrics().height()), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromStdString(mTytul));
}

void cWykresSlupkiProcentowe::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  AktualizujPasekPrzewijania();
}

}  // namespace olv
