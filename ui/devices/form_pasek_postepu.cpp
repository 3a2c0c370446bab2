#include "ui/devices/form_pasek_postepu.h"

#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>

#include "ui/common/window_look.h"

namespace olv {

namespace {

constexpr int kBarWidth = 361;
constexpr int kBarHeight = 25;

}  // namespace

int ProcentPostepu(int64_t done, int64_t total) {
  if (done <= 0 || total <= 0) return 0;
  return static_cast<int>(done * 100 / total);
}

TFormPasekPostepu::TFormPasekPostepu(QWidget* parent) : QDialog(parent) {
  setObjectName("FormPasekPostepu");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ApplyWindowLook(this);
  setFont(QFont(WindowLook().fontFamily, WindowLook().fontPointSize));
  setFixedSize(393, 104);

  mLabel1 = new QLabel(this);
  mLabel1->setObjectName("Label1");
  mLabel1->setGeometry(16, 12, kBarWidth, 21);
  mImage1 = new QLabel(this);
  mImage1->setObjectName("Image1");
  mImage1->setGeometry(16, 44, kBarWidth, kBarHeight);
  mLabel2 = new QLabel(this);
  mLabel2->setObjectName("Label2");
  mLabel2->setGeometry(16, 74, kBarWidth, 21);
  mProgressBar1 = new QProgressBar(this);
  mProgressBar1->setObjectName("ProgressBar1");
  mProgressBar1->setRange(0, 100);
  mProgressBar1->setGeometry(16, 44, kBarWidth, kBarHeight);
  mProgressBar1->hide();
  mTimer1 = new QTimer(this);
  mTimer1->setObjectName("Timer1");
  mTimer1->setInterval(100);
  connect(mTimer1, &QTimer::timeout, this, [this] {
    // A copy: the tick function may close the window and so forget itself.
    if (const auto tick = mFunkcjaTaktu) tick();
  });
  UstawPostep(0, 0);
}

void TFormPasekPostepu::Pokaz() {
  UstawPostep(0, 0);
  CentreOnScreen(this);
  mTimer1->start();
  exec();
}

void TFormPasekPostepu::UstawPostep(int64_t done, int64_t total) {
  const int procent = ProcentPostepu(done, total);
  if (procent == mProcent) return;
  mProcent = procent;
  mProgressBar1->setValue(std::min(procent, 100));
  RysujPasek();
}

void TFormPasekPostepu::RysujPasek() {
  QPixmap bar(kBarWidth, kBarHeight);
  bar.fill(Qt::white);
  QPainter painter(&bar);
  const int filled = (kBarWidth - 2) * std::min(mProcent, 100) / 100;
  painter.fillRect(1, 1, filled, kBarHeight - 2, QColor(52, 104, 188));
  painter.setPen(QColor(120, 140, 180));
  painter.drawRect(0, 0, kBarWidth - 1, kBarHeight - 1);
  painter.setFont(font());
  const QString text = QString::number(mProcent) + " %";
  // The text in white over the filled part and dark over the rest.
  painter.setClipRect(0, 0, filled + 1, kBarHeight);
  painter.setPen(Qt::white);
  painter.drawText(bar.rect(), Qt::AlignCenter, text);
  painter.setClipRect(filled + 1, 0, kBarWidth, kBarHeight);
  painter.setPen(QColor(30, 40, 60));
  painter.drawText(bar.rect(), Qt::AlignCenter, text);
  painter.end();
  mImage1->setPixmap(bar);
}

void TFormPasekPostepu::UstawTekst(const std::string& text) {
  mLabel1->setText(QString::fromStdString(text));
  mLabel1->repaint();
}

void TFormPasekPostepu::UstawTekstPodPaskiem(const std::string& text) {
  const QString tekst = QString::fromStdString(text);
  if (mLabel2->text() != tekst) mLabel2->setText(tekst);
}

void TFormPasekPostepu::Zamknij() {
  mTimer1->stop();
  mFunkcjaTaktu = nullptr;
  mLabel2->clear();
  done(QDialog::Accepted);
}

// Escape does not close it: only the transfer's end does.
void TFormPasekPostepu::reject() {}

}  // namespace olv
