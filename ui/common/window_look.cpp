#include "ui/common/window_look.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace olv {

QFont cWindowLook::Font() const { return QFont(fontFamily, fontPointSize); }

const cWindowLook& WindowLook() {
  static const cWindowLook look;
  return look;
}

void ApplyWindowLook(QWidget* window, const cWindowLook& look) {
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, look.background);
  palette.setColor(QPalette::Base, look.input);
  palette.setColor(QPalette::Disabled, QPalette::Base, look.disabledInput);
  window->setPalette(palette);
  window->setAutoFillBackground(true);
  window->setFont(look.Font());
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window->frameGeometry().size();
  window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void MarkInput(QWidget* input, bool invalid, const cWindowLook& look) {
  QPalette palette = input->palette();
  palette.setColor(QPalette::Active, QPalette::Base, invalid ? look.invalidInput : look.input);
  palette.setColor(QPalette::Inactive, QPalette::Base, invalid ? look.invalidInput : look.input);
  input->setPalette(palette);
}

void MarkRuleLabel(QWidget* label, bool broken, const cWindowLook& look) {
  QPalette palette = label->palette();
  const QColor normal = label->parentWidget() ? label->parentWidget()->palette().color(QPalette::WindowText)
                                              : QPalette().color(QPalette::WindowText);
  palette.setColor(QPalette::WindowText, broken ? look.ruleBroken : normal);
  label->setPalette(palette);
}

}  // namespace olv
