#include "ui/users/form_edytor_czasu_pracy.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "common/dates.h"
#include "gtest/gtest.h"
#include "model/uzytkownik.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/scripted_message_window.h"

namespace olv {
namespace {

class FormEdytorCzasuPracyTest : public ::testing::Test {
 protected:
  FormEdytorCzasuPracyTest()
      : form(komunikaty, "/home/data/users.txt", [this](const std::string& sciezka, std::string*) {
          zapisane.push_back(sciezka);
          // What the file would receive: the user's settings at the moment of writing.
          zapisane_czasy.push_back(uzytkownik.CzasyPracy);
          return zapis_udany;
        }) {
    form.UstawUzytkownika(&uzytkownik);
    form.Wczytaj();
    form.show();
  }

  std::string Tekst(const char* name) { return form.findChild<QLabel*>(name)->text().toStdString(); }
  bool Czerwona(const char* name) {
    return form.findChild<QLabel*>(name)->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
  }
  QComboBox* Combo(const char* name) { return form.findChild<QComboBox*>(name); }
  void Kliknij(const char* name) { form.findChild<QAbstractButton*>(name)->click(); }

  cScriptedMessageWindow komunikaty;
  cUzytkownik uzytkownik{42};
  std::vector<std::string> zapisane;
  std::vector<cCzasyUzytkownika> zapisane_czasy;
  bool zapis_udany = true;
  TFormEdytorCzasuPracy form;
};

TEST_F(FormEdytorCzasuPracyTest, TheValuesFollowTheControlsAndZapiszSavesThemOrTellsWhyNot) {
  // Saturday added and the end moved: the values follow at once. The
  // durations themselves are computed (and tested) in the model.
  EXPECT_FALSE(Czerwona("LabelKoniecOd"));
  form.findChild<QCheckBox*>("CheckBox6")->click();
  Combo("ComboBoxKoniecCzasGodzina")->setCurrentIndex(15);
  Combo("ComboBoxKoniecCzasMinuta")->setCurrentIndex(45);
  EXPECT_EQ(Tekst("LabelCzasPracy") + " " + Tekst("LabelDomyslnyTydzien"), "07:45 46:30");
  // A broken order only colours: the end now lies before its window.
  Combo("ComboBoxKoniecCzasGodzina")->setCurrentIndex(8);
  EXPECT_TRUE(Czerwona("LabelKoniecOd"));
  // No working day makes the week's zero red.
  for (int dzien = 1; dzien <= 6; ++dzien)
    form.findChild<QCheckBox*>(("CheckBox" + std::to_string(dzien)).c_str())->click();
  EXPECT_EQ(Tekst("LabelDomyslnyTydzien"), "00:00");
  EXPECT_TRUE(Czerwona("LabelDomyslnyTydzien"));

  // A failed save is told without a path of this computer; the user keeps
  // what the file holds and the editor stays open with the operator's values.
  zapis_udany = false;
  Kliknij("ButtonZapisz");
  EXPECT_TRUE(form.isVisible());
  ASSERT_EQ(komunikaty.Informations().size(), 1u);
  EXPECT_EQ(komunikaty.Informations()[0].find('/'), std::string::npos);
  EXPECT_EQ(uzytkownik.CzasyPracy.ToString(), "12345");
  EXPECT_EQ(Combo("ComboBoxKoniecCzasGodzina")->currentIndex(), 8);

  zapis_udany = true;
  Kliknij("ButtonZapisz");
  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(zapisane, std::vector<std::string>(2, "/home/data/users.txt"));
  // What the file received: the edited settings.
  EXPECT_EQ(zapisane_czasy[1].ToString(), "");
  EXPECT_EQ(FormatDuration(zapisane_czasy[1].KoniecPracy, false), "08:45");
  EXPECT_TRUE(komunikaty.Questions().empty());
}

TEST_F(FormEdytorCzasuPracyTest, TheCloseBoxAsksEvenWhenNothingChanged) {
  komunikaty.Answer(kOdpowiedzNie);
  form.close();
  ASSERT_EQ(komunikaty.Questions().size(), 1u);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(zapisane.empty());

  // "Zamknij" neither asks nor saves, and drops what was changed.
  form.Wczytaj();
  form.show();
  Combo("ComboBoxPoczatekCzasGodzina")->setCurrentIndex(9);
  Kliknij("ButtonZamknij");
  EXPECT_EQ(komunikaty.Questions().size(), 1u);
  EXPECT_EQ(FormatDuration(uzytkownik.CzasyPracy.PoczatekPracy, false), "08:00");

  // "Anuluj" at Escape's question keeps the editor and its values; "Zapisz" saves.
  form.Wczytaj();
  form.show();
  Combo("ComboBoxPoczatekCzasGodzina")->setCurrentIndex(9);
  komunikaty.Answer(kOdpowiedzAnuluj);
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(Combo("ComboBoxPoczatekCzasGodzina")->currentIndex(), 9);
  komunikaty.Answer(kOdpowiedzTak);
  form.close();
  EXPECT_EQ(zapisane.size(), 1u);
  EXPECT_EQ(FormatDuration(uzytkownik.CzasyPracy.PoczatekPracy, false), "09:00");
  EXPECT_EQ(komunikaty.Unscripted(), 0);
}

}  // namespace
}  // namespace olv
