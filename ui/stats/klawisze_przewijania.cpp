#include "ui/stats/klawisze_przewijania.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace olv {

namespace {

QAbstractSlider::SliderAction Akcja(int klawisz) {
  switch (klawisz) {
    case Qt::Key_Up:
    case Qt::Key_Left:
      return QAbstractSlider::SliderSingleStepSub;
    case Qt::Key_Down:
    case Qt::Key_Right:
      return QAbstractSlider::SliderSingleStepAdd;
    case Qt::Key_PageUp:
      return QAbstractSlider::SliderPageStepSub;
    case Qt::Key_PageDown:
      return QAbstractSlider::SliderPageStepAdd;
    case Qt::Key_Home:
      return QAbstractSlider::SliderToMinimum;
    case Qt::Key_End:
      return QAbstractSlider::SliderToMaximum;
    default:
      return QAbstractSlider::SliderNoAction;
  }
}

}  // namespace

bool PrzekazKlawiszPaskowi(QKeyEvent* event, QScrollBar* pasek) {
  const QAbstractSlider::SliderAction akcja = Akcja(event->key());
  if (akcja == QAbstractSlider::SliderNoAction) return false;
  pasek->triggerAction(akcja);
  event->accept();
  return true;
}

void RysujRamkeFokusu(QPainter& painter, const QRect& obszar) {
  painter.save();
  painter.setClipping(false);
  painter.setPen(QPen(QColor(52, 104, 188), 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(obszar.adjusted(1, 1, -2, -2));
  painter.restore();
}

}  // namespace olv
