// The main window's "Statystyka": the punches come fresh from the mirror
// folders each time, and the statistics window opens modally on them.
#include <QAbstractButton>
#include <QListWidget>

#include "app/form1.h"
#include "comm/com_socket.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "gtest/gtest.h"
#include "model/data_files.h"
#include "sim/event_line.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/qt_clock.h"
#include "ui/common/scripted_message_window.h"
#include "ui/stats/form_statystyka.h"

namespace olv {
namespace {

using test::RunUntil;
using test::WhenModal;

std::string Zdarzenie(int uzytkownik, int dzien, int godzina, const char* czytnik) {
  sDeviceEvent zdarzenie;
  zdarzenie.user_id = uzytkownik;
  zdarzenie.when = cDateTimeFields{2026, 11, dzien, godzina, 0, 0, 0};
  zdarzenie.reader_name = czytnik;
  return FormatEventLine(zdarzenie);
}

TEST(Form1StatystykaTest, StatystykaReloadsThePunchesAndOpensTheWindowModally) {
  test::cTemporaryFolder temporary;
  const std::string folder = temporary.Path();
  {
    cVirtualClock unique_clock;
    cDevList urzadzenia(unique_clock);
    ASSERT_TRUE(urzadzenia.DodajUrzadzenie("Brama", 2, cCzytnik("We", 1), cCzytnik("Wy", 2), false,
                                           cWlasciwosciPolaczenia{"/dev/olv-no-such-port", 115200}));
    cUserList uzytkownicy(unique_clock);
    ASSERT_TRUE(uzytkownicy.DodajUzytkownika("Ewa Lis", 7, "1234", ""));
    ASSERT_TRUE(CreateDirectory(folder + "data"));
    ASSERT_TRUE(ZapiszUrzadzenia(folder + "data/devices.txt", urzadzenia));
    ASSERT_TRUE(ZapiszUzytkownikow(folder + "data/users.txt", uzytkownicy));
  }
  cQtClock clock;
  cScriptedMessageWindow komunikaty;
  TForm1 form(clock, komunikaty, {}, folder, std::make_unique<TCOMSocket>());
  bool started = false;
  form.UstawObslugeKoncaStartu([&] { started = true; });
  form.show();
  ASSERT_TRUE(RunUntil([&] { return started; }, 20000));
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
  const size_t details = komunikaty.Details().size();
  modalne = false;
  WhenModal([&](QWidget* okno) {
    modalne = okno == &form.FormStatystyka();
    okno->close();
  });
  form.findChild<QAbstractButton*>("Button5")->click();
  EXPECT_TRUE(modalne);
  EXPECT_EQ(form.ListaOdbic().GetLiczbaOdbic(), 3);
  ASSERT_EQ(komunikaty.Details().size(), details + 1);
  EXPECT_EQ(komunikaty.Details().back(), "urządzenie \"Brama\" (ID 2), plik 20261119.CSV");
}

}  // namespace
}  // namespace olv
