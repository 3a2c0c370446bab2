#include "ui/common/image_button.h"

#include <QEnterEvent>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/pictures.h"

namespace olv {
namespace {

TEST(ImageButtonTest, HighlightFollowsTheMouseAndItClicksLikeAPlainButton) {
  cImageButton button("Statystyka", Picture(ePicture::kStatystyka));
  button.resize(193, 25);
  button.show();
  const QImage plain = button.grab().toImage();

  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&button, &enter);
  EXPECT_TRUE(button.IsHighlighted());
  EXPECT_NE(button.grab().toImage(), plain);

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_FALSE(button.IsHighlighted());
  EXPECT_EQ(button.grab().toImage(), plain);

  int clicks = 0;
  QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
  button.click();
  button.setEnabled(false);
  button.click();
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace olv
