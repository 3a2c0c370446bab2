// olv8-manager: the program. The one optional argument is "DEBUG" (any case),
// or "--sync", which runs one synchronisation without a window (see
// synchronizacja_bez_okna.h) and exits with its status; "--help" and
// "--version" print and exit (see wiersz_polecen.h). With OLV8_SCREENSHOT
// set to a file name, the program saves a picture of the main window once
// start-up has finished and exits, which is how a machine without a display
// shows what the program looks like. OLV8_DEVICES_SCREENSHOT and
// OLV8_SCREENSHOT_USERS add pictures of the device editor showing its first
// device and of the user editor with a user selected. With
// OLV8_SCREENSHOT_STATS set to a folder, it also opens "Statystyka" and saves
// the first user's daily and averages panels there (stats-daily.png,
// stats-averages.png), each as the window stands at its default size on a
// 1024 x 768 screen.

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/blokada_programu.h"
#include "app/form1.h"
#include "app/synchronizacja_bez_okna.h"
#include "app/tlumaczenia_qt.h"
#include "app/wiersz_polecen.h"
#include "comm/com_socket.h"
#include "common/loop_clock.h"
#include "common/program_folder.h"
#include "ui/common/qt_clock.h"
#include "ui/common/qt_message_window.h"
#include "ui/stats/form_statystyka.h"

namespace {

bool SaveGrab(QWidget& widget, const QString& path) {
  if (widget.grab().save(path, "PNG")) return true;
  std::fprintf(stderr, "olv8-manager: cannot save %s\n", path.toLocal8Bit().constData());
  return false;
}

// The window at its size, centred on a 1024 x 768 screen of a dark grey: what
// does not fit the screen is missing from the picture.
bool SaveOnScreen(QWidget& widget, const QString& path) {
  QImage screen(1024, 768, QImage::Format_RGB32);
  screen.fill(QColor(64, 64, 64));
  const QPixmap window = widget.grab();
  QPainter painter(&screen);
  painter.drawPixmap((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2, window);
  painter.end();
  if (screen.save(path, "PNG")) return true;
  std::fprintf(stderr, "olv8-manager: cannot save %s\n", path.toLocal8Bit().constData());
  return false;
}

// Opens "Statystyka" and, once its window is up, saves the first user's daily
// and averages panels into folder and closes it; false when a picture could
// not be saved.
bool SaveStatisticsPictures(olv::TForm1& form, const QString& folder) {
  bool saved = true;
  olv::TFormStatystyka& statystyka = form.FormStatystyka();
  QTimer::singleShot(0, &statystyka, [&statystyka, &saved, folder] {
    statystyka.WybierzWiersz(0);
    statystyka.UruchomPanel(olv::ePanelStatystyki::Dzienne);
    saved = SaveOnScreen(statystyka, folder + "/stats-daily.png") && saved;
    statystyka.UruchomPanel(olv::ePanelStatystyki::Srednie);
    saved = SaveOnScreen(statystyka, folder + "/stats-averages.png") && saved;
    statystyka.close();
  });
  form.F_PokazFormStatystyka();
  return saved;
}

std::string Zmienna(const char* nazwa) {
  const char* wartosc = std::getenv(nazwa);
  return wartosc ? wartosc : "";
}

// "" when the program folder can be worked in; else why not, in Polish.
std::string BrakFolderuProgramu(const std::string& folder) {
  return olv::SprawdzFolderProgramu(folder, !Zmienna("OLV8_HOME").empty());
}

int UruchomBezOkna(const std::vector<std::string>& arguments) {
  const int nie_rozpoczeta = static_cast<int>(olv::eWynikBezOkna::NieRozpoczeta);
  if (arguments.size() != 1) {
    std::fprintf(stderr, "Użycie: olv8-manager --sync (bez innych argumentów)\n");
    return nie_rozpoczeta;
  }
  const std::string folder = olv::ProgramFolder();
  if (const std::string brak = BrakFolderuProgramu(folder); !brak.empty()) {
    std::printf("%s\n", brak.c_str());
    return nie_rozpoczeta;
  }
  olv::cLoopClock clock;
  const olv::cSynchronizacjaBezOkna wynik =
      olv::SynchronizujBezOkna(clock, std::make_unique<olv::TCOMSocket>(), folder);
  std::fputs(wynik.Podsumowanie.c_str(), stdout);
  return static_cast<int>(wynik.Wynik);
}

}  // namespace

int main(int argc, char** argv) {
  // The log's long time format and the data files' decimal separator follow the
  // operator's regional settings.
  std::setlocale(LC_ALL, "");
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  // Without a window the program needs no display, so no QApplication.
  switch (olv::WybierzTrybProgramu(arguments, Zmienna)) {
    case olv::eTrybProgramu::Pomoc:
      std::fputs(olv::TekstPomocy().c_str(), stdout);
      return 0;
    case olv::eTrybProgramu::Wersja:
      std::fputs(olv::TekstWersji().c_str(), stdout);
      return 0;
    case olv::eTrybProgramu::BezOkna:
      return UruchomBezOkna(arguments);
    case olv::eTrybProgramu::BrakSesji:
      std::fputs(olv::TekstBrakuSesji().c_str(), stderr);
      return static_cast<int>(olv::eWynikBezOkna::NieRozpoczeta);
    case olv::eTrybProgramu::Okno:
      break;
  }

  QApplication application(argc, argv);
  // QApplication may have set the locale again; keep the operator's.
  std::setlocale(LC_ALL, "");
  // Lets the desktop match the window to the installed entry and its icon.
  QGuiApplication::setDesktopFileName("olv8-manager");
  QApplication::setWindowIcon(QIcon::fromTheme("olv8-manager"));
  if (!olv::ZaladujTlumaczeniaQt()) {
    std::fprintf(stderr,
                 "olv8-manager: nie znaleziono polskich tłumaczeń Qt (pakiet qt6-translations-l10n); "
                 "teksty Qt pozostaną angielskie\n");
  }

  olv::cQtMessageWindow komunikaty;
  const std::string folder = olv::ProgramFolder();
  std::string odmowa = BrakFolderuProgramu(folder);
  const std::unique_ptr<olv::cBlokadaProgramu> blokada =
      odmowa.empty() ? olv::cBlokadaProgramu::Zajmij(folder, &odmowa) : nullptr;
  if (!blokada) {
    komunikaty.Information(odmowa);
    return static_cast<int>(olv::eWynikBezOkna::NieRozpoczeta);
  }

  olv::cQtClock clock;
  olv::TForm1 form(clock, komunikaty, arguments, folder, std::make_unique<olv::TCOMSocket>());
  komunikaty.UstawOknoNadrzedne(&form);

  int exit_code = 0;
  if (const char* screenshot = std::getenv("OLV8_SCREENSHOT"); screenshot && *screenshot) {
    const QString path = QString::fromLocal8Bit(screenshot);
    form.UstawObslugeKoncaStartu([&form, &exit_code, path] {
      // After the slots are drawn: let the window paint once more first.
      QTimer::singleShot(0, &form, [&form, &exit_code, path] {
        if (!SaveGrab(form, path)) exit_code = 1;
        if (const char* stats = std::getenv("OLV8_SCREENSHOT_STATS"); stats && *stats) {
          if (!SaveStatisticsPictures(form, QString::fromLocal8Bit(stats))) exit_code = 1;
        }
        const std::pair<const char*, bool (olv::TForm1::*)(const std::string&)> editors[] = {
            {"OLV8_DEVICES_SCREENSHOT", &olv::TForm1::ZapiszZdjecieEdytoraUrzadzen},
            {"OLV8_SCREENSHOT_USERS", &olv::TForm1::ZapiszObrazEdytoraUzytkownikow},
        };
        for (const auto& [variable, save] : editors) {
          const char* file = std::getenv(variable);
          if (file && *file && !(form.*save)(file)) {
            std::fprintf(stderr, "olv8-manager: cannot save %s\n", file);
            exit_code = 1;
          }
        }
        QApplication::quit();
      });
    });
  }
  form.show();
  const int result = application.exec();
  return exit_code != 0 ? exit_code : result;
}
