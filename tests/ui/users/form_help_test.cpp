#include "ui/users/form_help.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QPlainTextEdit>

#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"

namespace olv {
namespace {

QString Joined(int topic) {
  QStringList lines;
  for (const std::string& line : TekstPomocy(topic)) lines << QString::fromStdString(line);
  return lines.join('\n');
}

TEST(FormHelpTest, OpensOnTheTopicFollowsTheListAndShowsModallyUntilZamknij) {
  TFormHelp form;
  auto* list = form.findChild<QListWidget*>("ListBox1");
  auto* memo = form.findChild<QPlainTextEdit*>("Memo1");
  ASSERT_TRUE(list && memo);
  form.UstawTemat(kPomocDostepy);
  EXPECT_EQ(list->currentRow(), 3);
  EXPECT_EQ(memo->toPlainText(), Joined(3));
  list->setCurrentRow(1);
  EXPECT_EQ(memo->toPlainText(), Joined(1));
  form.UstawTemat(7);
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_EQ(memo->toPlainText(), "");

  QString shown;
  test::WhenModal([&](QWidget* modal) {
    shown = memo->toPlainText();
    modal->findChild<QAbstractButton*>("ButtonZamknij")->click();
  });
  form.PokazPomoc(kPomocUzytkownicy);
  EXPECT_EQ(shown, Joined(0));
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace olv
