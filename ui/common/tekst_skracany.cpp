#include "ui/common/tekst_skracany.h"

#include <QListWidget>
#include <QPainter>

namespace olv {

cEtykietaSkracana::cEtykietaSkracana(const QString& text, QWidget* parent) : QLabel(text, parent) {
  // A long text never widens its window: it is cut instead.
  setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
}

void cEtykietaSkracana::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect obszar = contentsRect();
  const QString skrocony = fontMetrics().elidedText(text(), Qt::ElideRight, obszar.width());
  mSkrocona = skrocony != text();
  setToolTip(mSkrocona ? text() : QString());
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(obszar, static_cast<int>(alignment()), skrocony);
}

void UstawSkracanieWierszy(QListWidget* lista) {
  lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lista->setTextElideMode(Qt::ElideRight);
}

void DodajWiersz(QListWidget* lista, const QString& text) {
  auto* wiersz = new QListWidgetItem(text, lista);
  wiersz->setToolTip(text);
}

}  // namespace olv
