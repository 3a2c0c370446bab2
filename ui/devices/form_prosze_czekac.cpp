#include "ui/devices/form_prosze_czekac.h"

#include <QLabel>

#include "ui/common/window_look.h"

namespace olv {

TFormProszeCzekac::TFormProszeCzekac(QWidget* parent) : QDialog(parent) {
  setObjectName("FormProszeCzekac");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ApplyWindowLook(this);
  setFixedSize(233, 65);
  auto* label = new QLabel("Proszę czekać...", this);
  label->setObjectName("Label1");
  QFont bold = font();
  bold.setBold(true);
  label->setFont(bold);
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(0, 0, width(), height());
}

void TFormProszeCzekac::Pokaz() {
  CentreOnScreen(this);
  exec();
}

void TFormProszeCzekac::Zamknij() { done(QDialog::Accepted); }

void TFormProszeCzekac::reject() {}

}  // namespace olv
