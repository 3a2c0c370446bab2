#include "ui/common/image_button.h"

#include <QEnterEvent>
#include <QKeyEvent>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/pictures.h"

namespace olv {
namespace {

TEST(ImageButtonTest, HighlightFollowsTheMouseAndItClicksLikeAPlainButton) {
  cImageButton button("Statystyka", Picture(ePicture::kStatystyka));
  button.resize(193, 25);
  button.show();
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&button, &enter);
  EXPECT_TRUE(button.IsHighlighted());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_FALSE(button.IsHighlighted());

  int clicks = 0;
  QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
  const auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, k, modifiers);
      QApplication::sendEvent(&button, &event);
    }
  };
  button.click();
  key(Qt::Key_Return);
  key(Qt::Key_Enter, Qt::KeypadModifier);
  key(Qt::Key_Space);
  key(Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(clicks, 4);
  button.setEnabled(false);
  button.click();
  key(Qt::Key_Return);
  EXPECT_EQ(clicks, 4);
}

}  // namespace
}  // namespace olv
