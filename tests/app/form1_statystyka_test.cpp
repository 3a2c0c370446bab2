// The main window's "Statystyka": the punches come fresh from the mirror
// folders each time, and the statistics window opens modally on them.
#include <QAbstractButton>
#include <QListWidget>

#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "sim/event_line.h"
#include "tests/app/form1_fixture.h"
#include "ui/stats/form_statystyka.h"

namespace olv {
namespace {

using test::WhenModal;

std::string Zdarzenie(int uzytkownik, int dzien, int godzina, const char* czytnik) {
  sDeviceEvent zdarzenie;
  zdarzenie.user_id = uzytkownik;
  zdarzenie.when = cDateTimeFields{2026, 11, dzien, godzina, 0, 0, 0};
  zdarzenie.reader_name = czytnik;
  return FormatEventLine(zdarzenie);
}

class Form1StatystykaTest : public test::cForm1Fixture {};

TEST_F(Form1StatystykaTest, StatystykaReloadsThePunchesAndOpensTheWindowModally) {
  WriteDevices({"Brama"});
  cVirtualClock unique_clock;
  cUserList uzytkownicy(unique_clock);
  ASSERT_TRUE(uzytkownicy.DodajUzytkownika("Ewa Lis", 7, "1234", ""));
  ASSERT_TRUE(ZapiszUzytkownikow(folder + "data/users.txt", uzytkownicy));
  auto okno = Make();
  TForm1& form = *okno;
  StartUp(form);
  ASSERT_TRUE(WriteFileAtomically(folder + "data/extSD/00000002/20261117.CSV",
                                  Zdarzenie(7, 17, 8, "We") + Zdarzenie(7, 17, 16, "Wy")));

  int wiersze = -1;
  bool modalne = false;
  WhenModal([&](QWidget* okno) {
    modalne = okno == &form.FormStatystyka();
    wiersze = okno->findChild<QListWidget*>("ListBoxUzytkownicy")->count();
    okno->close();
  });
  form.findChild<QAbstractButton*>("ImageStatystyka")->click();
  EXPECT_TRUE(modalne);
  EXPECT_EQ(wiersze, 1);
  EXPECT_EQ(form.ListaOdbic().GetLiczbaOdbic(), 2);

  // A second opening reads the files again: nothing doubles, a new file
  // counts, one that cannot be read is named and the window opens on the rest.
  ASSERT_TRUE(WriteFileAtomically(folder + "data/extSD/00000002/20261118.CSV", Zdarzenie(7, 18, 8, "We")));
  ASSERT_TRUE(CreateDirectory(folder + "data/extSD/00000002/20261119.CSV"));
  const size_t details = messages.Details().size();
  modalne = false;
  WhenModal([&](QWidget* okno) {
    modalne = okno == &form.FormStatystyka();
    okno->close();
  });
  form.findChild<QAbstractButton*>("Button5")->click();
  EXPECT_TRUE(modalne);
  EXPECT_EQ(form.ListaOdbic().GetLiczbaOdbic(), 3);
  ASSERT_EQ(messages.Details().size(), details + 1);
  EXPECT_EQ(messages.Details().back(), "urządzenie \"Brama\" (ID 2), plik 20261119.CSV");
}

}  // namespace
}  // namespace olv
