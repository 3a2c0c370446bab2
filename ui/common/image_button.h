// A captioned image button: a picture at the left and a caption beside it,
// highlighted while the mouse is over it. It clicks like a plain push button
// (mouse, keyboard, click()), so a window connects it to the same action as the
// plain button it stands for.
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

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPixmap mPicture;
  bool mHighlighted = false;
};

}  // namespace olv
