// A captioned image button: a picture at the left and a caption beside it,
// highlighted while the mouse is over it. It clicks like a plain push button
// (mouse, Space or Enter while focused, click()), so a window connects it to
// the same action as the plain button it stands for. The button a dialog's
// Enter presses is drawn with a heavier frame (UstawDomyslny).
//
// Callers must guarantee: a QApplication exists.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace olv {

class cImageButton : public QAbstractButton {
 public:
  explicit cImageButton(const QString& caption, const QPixmap& picture = QPixmap(),
                        QWidget* parent = nullptr);

  const QPixmap& Picture() const { return mPicture; }
  // True while the mouse is over the button.
  bool IsHighlighted() const { return mHighlighted; }
  // Drawn as the button Enter presses in its window.
  void UstawDomyslny(bool domyslny);
  bool Domyslny() const { return mDomyslny; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap mPicture;
  bool mHighlighted = false;
  bool mDomyslny = false;
};

}  // namespace olv
