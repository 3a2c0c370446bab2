#include "ui/common/window_look.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

TEST(WindowLookTest, WindowTakesBackgroundFontAndInputColours) {
  QWidget window;
  auto* edit = new QLineEdit(&window);
  ApplyWindowLook(&window);
  window.resize(100, 60);
  edit->setGeometry(10, 10, 80, 24);

  EXPECT_EQ(test::PixelOf(&window, 95, 55), QColor(232, 241, 255));
  EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 255));
  EXPECT_EQ(edit->palette().color(QPalette::Disabled, QPalette::Base), QColor(170, 170, 170));
  EXPECT_TRUE(edit->font().family() == "Arial" && edit->font().pointSize() == 10);
  // Arial itself, or the metric-compatible face that fontconfig puts in its place.
  const QString face = QFontInfo(edit->font()).family();
  EXPECT_TRUE(face == "Arial" || face == "Liberation Sans") << face.toStdString();
}

TEST(WindowLookTest, InvalidInputAndBrokenRuleAreHighlightedUntilMarkedValid) {
  QWidget window;
  auto* edit = new QLineEdit(&window);
  auto* label = new QLabel("x", &window);
  ApplyWindowLook(&window);
  MarkInput(edit, true);
  EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base), QColor(250, 188, 191));
  MarkInput(edit, false);
  EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 255));
  const QColor normal = label->palette().color(QPalette::WindowText);
  MarkRuleLabel(label, true);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  MarkRuleLabel(label, false);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), normal);
}

}  // namespace
}  // namespace olv
