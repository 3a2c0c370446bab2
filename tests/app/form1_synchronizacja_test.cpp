// The main window's synchronisation in real time against olv8-sim on a
// pseudo-terminal, with the message window scripted.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "common/files.h"
#include "common/strings.h"
#include "tests/app/form1_fixture.h"
#include "ui/devices/form_pasek_postepu.h"
#include "ui/devices/form_prosze_czekac.h"

namespace olv {
namespace {

using test::EventFile;
using test::RunUntil;

class SynchronizacjaTest : public test::cForm1Fixture {
 protected:
  // Presses "Synchronizacja danych" and waits for the flow to end; meanwhile
  // notes what the progress window shows.
  bool Synchronise(TForm1& form, int limit_ms = 60000) {
    const int before = synchronisations;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (QApplication::activeModalWidget() != &form.FormPasekPostepu()) return;
      // The picture reviewers look at: the progress window under way.
      if (++progress_seen == 10)
        form.FormPasekPostepu().grab().save(OLV_BINARY_DIR "/form1_sync_progress.png");
    });
    watch.start(20);
    form.findChild<QPushButton*>("Button3")->click();
    return RunUntil([&] { return synchronisations > before; }, limit_ms);
  }
  double SyncTime(TForm1& form, int id) { return form.DevList().GetDeviceByID(id)->DataOstatniejAktualizacji; }

  int synchronisations = 0;
  int progress_seen = 0;
};

// Refused by the operator, then fetching every file; then Magazyn breaks off
// its file list; started again, it falls silent within a file; then Biuro
// does not answer at all. 1 000-byte files, so the points where the line
// breaks do not depend on exact framing.
TEST_F(SynchronizacjaTest, FetchesNewAndChangedFilesAfterAskingAndTellsWhatFailed) {
  const auto write_files = [&](int id, int from, int to) {
    for (int i = from; i < to; ++i)
      ASSERT_TRUE(WriteFileAtomically(Card(id) + "/" + EventFile(i), std::string(1000, 'a' + i)));
  };
  for (int id = 2; id <= 4; ++id) {
    ASSERT_TRUE(CreateDirectories(Card(id)));
    write_files(id, 0, 3);
  }
  const std::string port = StartSimulator();
  ASSERT_FALSE(port.empty());
  WriteDevices({"Brama", "Magazyn", "Biuro"}, port);
  auto form = Make();
  form->UstawObslugeKoncaSynchronizacji([this] { ++synchronisations; });
  StartUp(*form);
  const auto stored_before = ReadWholeFile(folder + "data/devices.txt");

  // "Nie": nothing is fetched and the last-synchronisation times stay.
  int64_t total = 0;
  for (int id = 2; id <= 4; ++id) test::NotMirrored(folder, id, &total);
  messages.Answer(kOdpowiedzNie);
  ASSERT_TRUE(Synchronise(*form));
  ASSERT_EQ(messages.Questions().size(), 1u);
  EXPECT_EQ(messages.Questions()[0].text, "Potrzeba ściągnąć 12 plików o łącznej wielkości " +
                                              std::to_string(total) + " B. Potrwa to ~8sek. Kontynuować?");
  EXPECT_EQ(ReadWholeFile(folder + "data/devices.txt"), stored_before);
  EXPECT_EQ(SyncTime(*form, 2), 0);
  EXPECT_EQ(FileSize(Mirror(2) + EventFile(0)), -1);
  EXPECT_EQ(form->Sterownik().ZwrocIloscPlikowNaLiscieDoSciagniecia(), 0);
  EXPECT_EQ(progress_seen, 0);

  // "Tak": every file, with the progress window meanwhile; the times saved.
  messages.Answer(kOdpowiedzTak);
  ASSERT_TRUE(Synchronise(*form));
  ASSERT_EQ(messages.Questions().size(), 2u);
  for (int id = 2; id <= 4; ++id) EXPECT_EQ(test::NotMirrored(folder, id), std::vector<std::string>{}) << id;
  EXPECT_GT(progress_seen, 0);
  EXPECT_FALSE(form->FormPasekPostepu().isVisible());
  EXPECT_TRUE(messages.Informations().empty());
  const double stamped = SyncTime(*form, 2);
  EXPECT_TRUE(TimesEqual(stamped, clock.Now(), 1.0 / 24 / 60)) << stamped;
  for (const double time : test::StoredSyncTimes(folder)) EXPECT_TRUE(TimesEqual(time, stamped, 1e-6)) << time;

  // Magazyn answers the search (20 bytes), then breaks off its list: told
  // before the question about the configurations, which are always fetched,
  // a file that grew on a card and one that became smaller.
  ASSERT_TRUE(AppendToFile(Card(4) + "/" + EventFile(1), "one more line\r\n"));
  ASSERT_TRUE(WriteFileAtomically(Card(2) + "/" + EventFile(2), "shorter\r\n"));
  RestartSimulator({2, 3, 4}, {"--fall-silent", "3:40"});
  messages.Answer(kOdpowiedzTak);
  ASSERT_TRUE(Synchronise(*form));
  EXPECT_EQ(messages.Informations(), std::vector<std::string>{"Nie udało się pobrać listy plików z urządzeń:\n"
                                                              "Magazyn (ID 3):\n  Urządzenie nie przesłało listy "
                                                              "plików\nPliki z tych urządzeń nie zostaną teraz pobrane."});
  ASSERT_EQ(messages.Questions().size(), 3u);
  EXPECT_NE(messages.Questions()[2].text.find("Potrzeba ściągnąć 4 plików"), std::string::npos);
  for (int id : {2, 4}) EXPECT_EQ(test::NotMirrored(folder, id), std::vector<std::string>{}) << id;
  // Only the devices whose lists came are counted as synchronised.
  EXPECT_EQ(SyncTime(*form, 3), stamped);
  for (int id : {2, 4}) EXPECT_GT(SyncTime(*form, id), stamped) << id;

  // Three new files on Magazyn's card; it falls silent within the second one.
  // A short summary, the full list beside it.
  write_files(3, 3, 6);
  RestartSimulator({2, 3, 4}, {"--fall-silent", "3:1960"});
  messages.Answer(kOdpowiedzTak);
  ASSERT_TRUE(Synchronise(*form));
  EXPECT_FALSE(form->FormPasekPostepu().isVisible());
  ASSERT_EQ(messages.Informations().size(), 2u);
  EXPECT_EQ(messages.Informations()[1], "Nie udało się pobrać 3 plików z 6:\nMagazyn (ID 3): 3 pliki – Urządzenie "
                                        "nie przesłało pliku mimo 3 ponowień\nPozostałe pliki zostały pobrane.");
  EXPECT_EQ(messages.Details(), std::vector<std::string>{"Nie udało się pobrać tych plików z urządzeń:\nMagazyn "
                                                         "(ID 3):\n  " + EventFile(4) + ", " + EventFile(5) +
                                                         ", KONFOUT.TXT – Urządzenie nie przesłało pliku mimo 3 "
                                                         "ponowień"});
  EXPECT_EQ(test::NotMirrored(folder, 3), (std::vector<std::string>{EventFile(4), EventFile(5)}));

  // Biuro, first in name order, answers no more: nothing starts, it is
  // named, and the slots are redrawn.
  RestartSimulator({2, 3, 4}, {"--silent", "4"});
  EXPECT_EQ(Text(*form, "LabelOLV1Nazwa") + " " + Text(*form, "LabelOLV1Aktywnosc"), "Biuro aktywne");
  ASSERT_TRUE(Synchronise(*form, 20000));
  ASSERT_EQ(messages.Informations().size(), 3u);
  EXPECT_EQ(messages.Informations()[2], "Synchronizacja danych nie jest możliwa. Sprawdź połączenie z "
                                        "urządzeniami.\nNie odpowiedziały urządzenia: Biuro (ID 4).");
  EXPECT_EQ(Text(*form, "LabelOLV1Aktywnosc") + " " + Text(*form, "LabelOLV2Aktywnosc"), "nieaktywne aktywne");
  EXPECT_EQ(messages.Questions().size(), 4u);
  EXPECT_FALSE(form->FormProszeCzekac().isVisible());
  EXPECT_EQ(messages.Unscripted(), 0);
}

}  // namespace
}  // namespace olv
