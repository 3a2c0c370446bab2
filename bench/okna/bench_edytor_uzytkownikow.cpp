// The user editor with 9 999 users, as the program runs it (offscreen, every
// list logging to a log file): opening it (copy, sort, fill the list), the
// refresh after an edit, and "Zapisz i synchronizuj urządzenia" up to the
// start of the upload (the main list takes the copy, both data files are
// saved, the access lists are cleaned, and the 8 USERS.txt files written).
// Prints the best and the median of several runs; the targets are under
// 100 ms to open and to refresh, under 200 ms to the upload.
#include <stdlib.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/log_file.h"
#include "app/wysylanie_users.h"
#include "bench/bench_installation.h"
#include "common/virtual_clock.h"
#include "model/access_cleanup.h"
#include "model/dane_uzytkownika.h"
#include "model/data_files.h"
#include "ui/common/scripted_message_window.h"
#include "ui/users/form_edytor_uzytkownikow.h"
#include "ui/users/form_help.h"

namespace {

using namespace olv;

constexpr int kRuns = 11;

void Measure(const char* what, const std::function<bool()>& run) {
  std::vector<double> ms;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = std::chrono::steady_clock::now();
    if (!run()) {
      std::printf("%-44s FAILED\n", what);
      return;
    }
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-44s best %7.2f ms   median %7.2f ms\n", what, ms.front(), ms[ms.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  char pattern[] = "/tmp/olv_bench_editor_XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const std::string dir = std::string(pattern) + "/";

  cVirtualClock clock;
  cLogFile log(dir + "log.txt", clock);
  const LogFunction logging = [&log](const std::string& text) { log.Zapisz(text); };
  cUserList users(clock);
  cDevList devices(clock);
  WypelnijDuzaInstalacje(users, devices);
  users.UstawFunkcjeLogujaca(logging);
  devices.UstawFunkcjeLogujaca(logging);

  cScriptedMessageWindow messages;
  TFormHelp help;
  TFormEdytorUzytkownikow editor(clock, users, messages, help, nullptr, nullptr);
  std::printf("user editor: %d users, %d devices each admitting every user\n", kUsers, kDevices);
  Measure("open the editor (copy, sort, fill) < 100", [&] {
    editor.Wczytaj();
    editor.Odswiez();
    editor.PokazSzczegoly(0);
    return static_cast<int>(editor.Klucze().size()) == kUsers;
  });
  const int32_t unique = users.GetUserByIndex(kUsers / 2)->Unique;
  int edit = 0;
  Measure("edit a user and refresh < 100", [&] {
    const std::string name = "Zmieniony " + std::to_string(++edit);
    const cWynikZapisuUzytkownika wynik =
        EdytujUzytkownikaZDialogu(editor.KopiaRobocza(), unique, {name, std::to_string(kUsers / 2 + 1), "", "1"});
    if (wynik.Unique != unique) return false;
    editor.WybierzUzytkownika(unique);
    return true;
  });

  std::mt19937 random(1);
  std::vector<int32_t> all;
  for (int d = 0; d < kDevices; ++d) all.push_back(5000 + d);
  Measure("write the 8 USERS.txt files < 200", [&] {
    return ZapiszPlikiUsers(dir, devices, users, all, random).Pliki.size() == kDevices;
  });
  Measure("save and write up to the upload < 200", [&] {
    editor.KopiaRobocza().CopySelfTo(users);
    if (!ZapiszUzytkownikow(dir + "users.txt", users)) return false;
    UsunNieistniejacychZDostepow(devices, users);
    if (!ZapiszUrzadzenia(dir + "devices.txt", devices)) return false;
    return ZapiszPlikiUsers(dir, devices, users, all, random).Pliki.size() == kDevices;
  });

  std::system(("rm -rf " + std::string(pattern)).c_str());
  return 0;
}
