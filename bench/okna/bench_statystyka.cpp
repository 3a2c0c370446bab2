// "Statystyka" on a big installation: 200 users punching four times on every
// working day for five years, about a million punches in 2 600 event files of
// two devices. Prints the time from the button to the statistics window being
// up (target under 1.5 s), the time to switch to each panel and draw the whole
// window for one user's five years (target under 50 ms), and the time to
// scroll a table of 2 000 rows and draw it (target under 50 ms).
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "comm/com_socket.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "sim/event_line.h"
#include "ui/common/qt_clock.h"
#include "ui/common/scripted_message_window.h"
#include "ui/stats/form_statystyka.h"
#include "ui/stats/tabela.h"

namespace {

using namespace olv;

constexpr int kUsers = 200;
constexpr int kYears = 5;
constexpr int kRuns = 9;

// The installation and its mirror; the number of punches written.
long MakeHome(const std::string& home, double today) {
  cVirtualClock unique_clock;
  cDevList devices(unique_clock);
  cUserList users(unique_clock);
  for (int id = 2; id <= 3; ++id)
    devices.DodajUrzadzenie("Drzwi " + std::to_string(id), id, cCzytnik("We", 1), cCzytnik("Wy", 2), false,
                            cWlasciwosciPolaczenia{"/dev/olv-bench-no-port", 115200});
  for (int id = 1; id <= kUsers; ++id)
    users.DodajUzytkownika("Pracownik " + std::to_string(1000 + id), id, std::to_string(100000 + id), "");
  CreateDirectory(home + "data");
  ZapiszUrzadzenia(home + "data/devices.txt", devices);
  ZapiszUzytkownikow(home + "data/users.txt", users);
  CreateDirectory(home + "data/extSD");

  long punches = 0;
  const double first = DateOf(today) - 365.25 * kYears;
  for (double day = first; day < DateOf(today); day += 1) {
    const int weekday = DayOfWeek(day);
    if (weekday == 1 || weekday == 7) continue;
    const cDateTimeFields date = DecodeDateTime(day);
    for (int bus_id = 2; bus_id <= 3; ++bus_id) {
      std::string bytes;
      for (int user = bus_id - 1; user <= kUsers; user += 2) {
        const int minutes[4] = {7 * 60 + 40 + user % 30, 12 * 60 + user % 20, 12 * 60 + 30 + user % 20,
                                15 * 60 + 50 + user % 40};
        for (int i = 0; i < 4; ++i) {
          sDeviceEvent event;
          event.user_id = user;
          event.when = date;
          event.when.hour = minutes[i] / 60;
          event.when.minute = minutes[i] % 60;
          event.reader = i % 2;
          event.reader_name = i % 2 == 0 ? "We" : "Wy";
          bytes += FormatEventLine(event);
          ++punches;
        }
      }
      const std::string folder = home + "data/extSD/0000000" + std::to_string(bus_id) + "/";
      CreateDirectory(folder);
      WriteFileAtomically(folder + EventFileName(date), bytes);
    }
  }
  return punches;
}

void Report(const char* what, std::vector<double> ms, double target) {
  std::sort(ms.begin(), ms.end());
  std::printf("%-44s best %8.1f ms  median %8.1f ms  (target < %.0f ms)\n", what, ms.front(), ms[ms.size() / 2],
              target);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  char pattern[] = "/tmp/olv-bench-stats-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (!made) return 1;
  const std::string home = std::string(made) + "/";

  cQtClock clock;
  const long punches = MakeHome(home, clock.Now());
  std::printf("%ld punches of %d users over %d years\n", punches, kUsers, kYears);

  cScriptedMessageWindow messages;
  TForm1 form(clock, messages, {}, home, std::make_unique<TCOMSocket>());
  bool started = false;
  form.UstawObslugeKoncaStartu([&] { started = true; });
  form.show();
  while (!started) QApplication::processEvents(QEventLoop::AllEvents, 10);

  TFormStatystyka& statystyka = form.FormStatystyka();
  std::vector<double> open_ms;
  for (int run = 0; run < 3; ++run) {
    QElapsedTimer timer;
    timer.start();
    QTimer::singleShot(0, &statystyka, [&] {
      open_ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
      statystyka.close();
    });
    form.F_PokazFormStatystyka();
  }
  Report("Statystyka opens (1M punches)", open_ms, 1500);

  // One user's five years, with the window up.
  statystyka.show();
  statystyka.WybierzWiersz(0);
  const struct {
    const char* what;
    ePanelStatystyki panel;
  } panels[] = {{"panel Aktualne", ePanelStatystyki::Aktualne},
                {"panel Zdarzenia", ePanelStatystyki::Zdarzenia},
                {"panel Dzienne", ePanelStatystyki::Dzienne},
                {"panel Miesięczne", ePanelStatystyki::Miesieczne},
                {"panel Średnie", ePanelStatystyki::Srednie}};
  for (const auto& panel : panels) {
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
      statystyka.UruchomPanel(ePanelStatystyki::Brak);
      QElapsedTimer timer;
      timer.start();
      statystyka.UruchomPanel(panel.panel);
      // Drawn whole into a picture: the cost of painting every widget of the window.
      statystyka.grab();
      ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    Report((std::string("switch to ") + panel.what + " (5 years)").c_str(), ms, 50);
  }
  statystyka.close();

  cTabela tabela;
  cZawartoscTabeli zawartosc;
  for (int k = 0; k < 9; ++k) zawartosc.DodajKolumne("Kolumna " + std::to_string(k), 100);
  for (int w = 0; w < 2000; ++w) {
    cWierszTabeli& wiersz = zawartosc.DodajWiersz();
    for (auto& komorka : wiersz.Komorki) komorka.Tekst = "12:34:" + std::to_string(w % 60);
  }
  tabela.UstawZawartosc(zawartosc);
  tabela.resize(900, 600);
  tabela.show();
  tabela.WypelnijSzerokosc();
  tabela.AktualizujPasekPrzewijania();
  std::vector<double> scroll_ms;
  for (int step = 0; step < 200; ++step) {
    QElapsedTimer timer;
    timer.start();
    tabela.UstawPrzewiniecie((step * 997) % tabela.MaksymalnePrzewiniecie());
    tabela.grab();
    scroll_ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  Report("scroll a table of 2000 rows and redraw", scroll_ms, 50);

  std::filesystem::remove_all(home);
  return 0;
}
