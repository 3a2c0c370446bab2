#include "ui/common/qt_message_window.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/common/image_button.h"
#include "ui/common/pictures.h"
#include "ui/common/window_look.h"

namespace olv {

namespace {

constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 25;
// The details box: about fifteen lines, whatever the report's length.
constexpr int kDetailsHeight = 260;

bool FirstButtonDestroys(const QString& caption) {
  return caption == "Usuń" || caption == "Tak, usuń" || caption == "Resetuj zmiany";
}

// Builds the dialog with one button per caption; the dialog's result is the
// index of the pressed button plus one, 0 when closed without a choice.
int ShowMessage(QWidget* parent, const QString& title, const QString& text,
                const std::vector<std::pair<QString, QString>>& buttons,
                const QString& details = QString()) {
  // Enter presses the focused button: the image buttons take it themselves.
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
  if (!details.isEmpty()) {
    auto* box = new QPlainTextEdit(details, &dialog);
    box->setObjectName("MemoSzczegoly");
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setFixedSize(460, kDetailsHeight);
    // Tab moves on to the buttons rather than into the text.
    box->setTabChangesFocus(true);
    layout->addWidget(box);
  }

  const size_t focused = buttons.size() >= 2 && FirstButtonDestroys(buttons[0].second) ? 1 : 0;
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
    if (i == focused) button->setFocus();
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

void cQtMessageWindow::InformationWithDetails(const std::string& text, const std::string& details) {
  ShowMessage(mParent, QString(), QString::fromStdString(text), {{"ButtonOK", "OK"}},
              QString::fromStdString(details));
}

int cQtMessageWindow::Question(const std::string& title, const std::string& text,
                               const std::string& first, const std::string& second) {
  const int result = ShowMessage(mParent, QString::fromStdString(title), QString::fromStdString(text),
                                 {{"ButtonPierwszy", QString::fromStdString(first)},
                                  {"ButtonDrugi", QString::fromStdString(second)}});
  return result == 1 ? kOdpowiedzTak : kOdpowiedzNie;
}

int cQtMessageWindow::QuestionOrCancel(const std::string& title, const std::string& text,
                                       const std::string& first, const std::string& second) {
  const int result = ShowMessage(mParent, QString::fromStdString(title), QString::fromStdString(text),
                                 {{"ButtonPierwszy", QString::fromStdString(first)},
                                  {"ButtonDrugi", QString::fromStdString(second)},
                                  {"ButtonAnuluj", "Anuluj"}});
  return result == 1 ? kOdpowiedzTak : result == 2 ? kOdpowiedzNie : kOdpowiedzAnuluj;
}

}  // namespace olv
