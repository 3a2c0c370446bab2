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

TEST(FormHelpTest, TopicsHaveTheirEntriesTitlesAndLengths) {
  const char* entries[] = {"Użytkownicy", "Urządzenia", "Tryby zliczania czasu", "Dostępy do urządzenia",
                           "Dodawanie urządzeń"};
  const char* titles[] = {"UŻYTKOWNICY", "URZĄDZENIA", "TRYBY ZLICZANIA CZASU", "DOSTĘPY DO URZĄDZENIA",
                          "DODAWANIE URZĄDZEŃ"};
  const size_t lengths[] = {29, 37, 13, 3, 10};
  for (int topic = 0; topic < kLiczbaTematowPomocy; ++topic) {
    SCOPED_TRACE(topic);
    EXPECT_EQ(NazwaTematuPomocy(topic), entries[topic]);
    ASSERT_EQ(TekstPomocy(topic).size(), lengths[topic]);
    EXPECT_EQ(TekstPomocy(topic)[0], titles[topic]);
    EXPECT_EQ(TekstPomocy(topic)[1], "");
  }
  // Lines that carry double quotes or the texts' own spellings.
  EXPECT_NE(TekstPomocy(0)[19].find("nazywa się \"krótkim\" numerem (standard 24-bit)."), std::string::npos);
  EXPECT_EQ(TekstPomocy(1)[31], "- w przypadku podłączenia urządzeń na o samym ID zaleca się zresetowanie tych urządzeń.");
  EXPECT_EQ(TekstPomocy(2)[2], "TRYB DZIENNY (WEJŚCIE/WYJŚIE)");
  EXPECT_EQ(TekstPomocy(4)[2],
            "Aby dodać urządzenie, należy upewnić się, że urządzenie jest podłączone, a następnie wybrać opcję "
            "\"wyszukaj urządzenie\" z menu.");
  EXPECT_TRUE(TekstPomocy(5).empty());
  EXPECT_TRUE(TekstPomocy(-1).empty());
  EXPECT_EQ(NazwaTematuPomocy(5), "");
}

TEST(FormHelpTest, OpensOnTheTopicAndFollowsTheList) {
  TFormHelp form;
  auto* list = form.findChild<QListWidget*>("ListBox1");
  auto* memo = form.findChild<QPlainTextEdit*>("Memo1");
  ASSERT_TRUE(list && memo);
  EXPECT_EQ(form.windowTitle(), "Pomoc");
  ASSERT_EQ(list->count(), 5);
  EXPECT_TRUE(memo->isReadOnly());

  form.UstawTemat(kPomocDostepy);
  EXPECT_EQ(list->currentRow(), 3);
  EXPECT_EQ(memo->toPlainText(), Joined(3));

  list->setCurrentRow(1);
  EXPECT_EQ(memo->toPlainText(), Joined(1));

  list->clearSelection();
  list->setCurrentRow(-1);
  EXPECT_EQ(memo->toPlainText(), "");

  form.UstawTemat(7);
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_EQ(memo->toPlainText(), "");
}

TEST(FormHelpTest, ShowsModallyUntilZamknij) {
  TFormHelp form;
  QString shown;
  test::WhenModal([&](QWidget* modal) {
    shown = modal->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    modal->findChild<QAbstractButton*>("ButtonZamknij")->click();
  });
  form.PokazPomoc(kPomocUzytkownicy);
  EXPECT_EQ(shown, Joined(0));
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace olv
