#include "app/tlumaczenia_qt.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <memory>

#include "gtest/gtest.h"

namespace olv {
namespace {

// An edit field's own menu is what an operator meets first of Qt's texts.
TEST(TlumaczeniaQtTest, AnEditFieldsMenuIsPolish) {
  ASSERT_TRUE(ZaladujTlumaczeniaQt());
  QLineEdit pole;
  const std::unique_ptr<QMenu> menu(pole.createStandardContextMenu());
  QStringList teksty;
  for (const QAction* akcja : menu->actions()) teksty << akcja->text();
  const QString wszystkie = teksty.join('|');
  EXPECT_TRUE(wszystkie.contains("&Wklej") && wszystkie.contains("&Cofnij")) << wszystkie.toStdString();
}

}  // namespace
}  // namespace olv
