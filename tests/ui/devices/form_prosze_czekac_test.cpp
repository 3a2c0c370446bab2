#include "ui/devices/form_prosze_czekac.h"

#include <QKeyEvent>
#include <QTimer>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

TEST(FormProszeCzekacTest, StaysOpenThroughEscapeUntilTheWorkClosesIt) {
  TFormProszeCzekac form;
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
