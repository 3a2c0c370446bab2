#include "ui/devices/form_prosze_czekac.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

TEST(FormProszeCzekacTest, ShowsItsBoldLineUntilTheWorkClosesIt) {
  TFormProszeCzekac form;
  auto* label = form.findChild<QLabel*>("Label1");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "Proszę czekać...");
  EXPECT_TRUE(label->font().bold());

  bool escape_ignored = false;
  test::WhenModal([&](QWidget* modal) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(modal, &escape);
    escape_ignored = form.isVisible();
    // The end of the queued work, on a later turn.
    QTimer::singleShot(10, &form, [&form] { form.Zamknij(); });
  });
  form.Pokaz();
  EXPECT_TRUE(escape_ignored);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace olv
