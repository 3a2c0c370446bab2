#include "ui/common/image_button.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>

namespace olv {

namespace {

const QColor kFace(247, 250, 255);
const QColor kFaceHighlighted(204, 224, 252);
const QColor kFacePressed(176, 204, 244);
const QColor kBorder(150, 170, 205);
const QColor kBorderHighlighted(52, 104, 188);
const QColor kCaptionDisabled(140, 140, 140);
constexpr int kPadding = 3;

}  // namespace

cImageButton::cImageButton(const QString& caption, const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), mPicture(picture) {
  setText(caption);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

QSize cImageButton::sizeHint() const {
  const QFontMetrics metrics(font());
  const int picture_width = mPicture.isNull() ? 0 : mPicture.width() + kPadding * 2;
  const int height = std::max(metrics.height(), mPicture.height()) + kPadding * 2;
  return QSize(picture_width + metrics.horizontalAdvance(text()) + kPadding * 4, height);
}

void cImageButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal inset = mDomyslny ? 1 : 0.5;
  const QRectF frame = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
  QColor face = kFace;
  if (isEnabled() && mHighlighted) face = isDown() ? kFacePressed : kFaceHighlighted;
  const QColor border = (mHighlighted || mDomyslny) && isEnabled() ? kBorderHighlighted : kBorder;
  painter.setPen(QPen(border, mDomyslny ? 2 : 1));
  painter.setBrush(face);
  painter.drawRoundedRect(frame, 3, 3);

  int caption_left = kPadding * 2;
  if (!mPicture.isNull()) {
    const int top = (height() - mPicture.height()) / 2;
    painter.drawPixmap(kPadding, top, mPicture);
    caption_left = kPadding * 2 + mPicture.width() + kPadding;
  }
  painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : kCaptionDisabled);
  painter.setFont(font());
  const QRect caption_rect(caption_left, 0, width() - caption_left - kPadding, height());
  painter.drawText(caption_rect, Qt::AlignVCenter | Qt::AlignLeft, text());
  if (hasFocus()) {
    painter.setPen(QPen(kBorderHighlighted, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
  }
}

void cImageButton::UstawDomyslny(bool domyslny) {
  mDomyslny = domyslny;
  update();
}

void cImageButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void cImageButton::enterEvent(QEnterEvent* event) {
  mHighlighted = true;
  update();
  QAbstractButton::enterEvent(event);
}

void cImageButton::leaveEvent(QEvent* event) {
  mHighlighted = false;
  update();
  QAbstractButton::leaveEvent(event);
}

}  // namespace olv
