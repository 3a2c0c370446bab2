#include "ui/devices/form_prosze_czekac.h"

#include <QLabel>
#include <QTimer>

#include "ui/common/window_look.h"

namespace olv {

namespace {
const char* const kProszeCzekac = "Proszę czekać...";
}  // namespace

TFormProszeCzekac::TFormProszeCzekac(QWidget* parent) : QDialog(parent) {
  setObjectName("FormProszeCzekac");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ApplyWindowLook(this);
  // Wide enough for a device name of a full line.
  setFixedSize(420, 65);
  mLabel1 = new QLabel(kProszeCzekac, this);
  mLabel1->setObjectName("Label1");
  QFont bold = font();
  bold.setBold(true);
  mLabel1->setFont(bold);
  mLabel1->setAlignment(Qt::AlignCenter);
  mLabel1->setGeometry(8, 0, width() - 16, height());
  mTimer = new QTimer(this);
  mTimer->setInterval(100);
  connect(mTimer, &QTimer::timeout, this, [this] {
    if (const auto takt = mFunkcjaTaktu) takt();
  });
}

void TFormProszeCzekac::Pokaz() {
  CentreOnScreen(this);
  if (const auto takt = mFunkcjaTaktu) takt();
  mTimer->start();
  exec();
}

void TFormProszeCzekac::Zamknij() {
  mTimer->stop();
  mFunkcjaTaktu = nullptr;
  mLabel1->setText(kProszeCzekac);
  done(QDialog::Accepted);
}

void TFormProszeCzekac::UstawTekst(const QString& tekst) {
  if (mLabel1->text() != tekst) mLabel1->setText(tekst);
}

void TFormProszeCzekac::reject() {}

}  // namespace olv
