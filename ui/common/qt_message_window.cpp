#include "ui/common/qt_message_window.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/common/image_button.h"
#include "ui/common/pictures.h"
#include "ui/common/window_look.h"

namespace olv {

namespace {

constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 25;

// Builds the dialog with one button per caption; the dialog's result is the
// index of the pressed button plus one, 0 when closed without a choice.
int ShowMessage(QWidget* parent, const QString& title, const QString& text,
                const std::vector<std::pair<QString, QString>>& buttons) {
  QDialog dialog(parent);
  dialog.setObjectName("FormKomunikat");
  dialog.setWindowTitle(title);
  dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
  ApplyWindowLook(&dialog);

  auto* layout = new QVBoxLayout(&dialog);
  layout->setContentsMargins(16, 16, 16, 12);
  layout->setSpacing(14);
  auto* label = new QLabel(text, &dialog);
  label->setObjectName("LabelTekst");
  label->setWordWrap(true);
  label->setMinimumWidth(280);
  label->setMaximumWidth(460);
  layout->addWidget(label);

  auto* row = new QHBoxLayout;
  row->addStretch();
  for (size_t i = 0; i < buttons.size(); ++i) {
    const QPixmap picture = Picture(i == 0 ? ePicture::kOk : ePicture::kAnuluj);
    auto* button = new cImageButton(buttons[i].second, picture, &dialog);
    button->setObjectName(buttons[i].first);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    const int result = static_cast<int>(i) + 1;
    QObject::connect(button, &QAbstractButton::clicked, &dialog, [&dialog, result] { dialog.done(result); });
    row->addWidget(button);
    if (i == 0) button->setFocus();
  }
  row->addStretch();
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  return dialog.exec();
}

}  // namespace

void cQtMessageWindow::Information(const std::string& text) {
  ShowMessage(mParent, QString(), QString::fromStdString(text), {{"ButtonOK", "OK"}});
}

int cQtMessageWindow::Question(const std::string& title, const std::string& text,
                               const std::string& first, const std::string& second) {
  const int result = ShowMessage(mParent, QString::fromStdString(title), QString::fromStdString(text),
                                 {{"ButtonPierwszy", QString::fromStdString(first)},
                                  {"ButtonDrugi", QString::fromStdString(second)}});
  return result == 1 ? kOdpowiedzTak : kOdpowiedzNie;
}

}  // namespace olv
