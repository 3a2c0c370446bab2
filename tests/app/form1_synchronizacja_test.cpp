// The main window's synchronisation in real time against olv8-sim on a
// pseudo-terminal, with the message window scripted.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "common/files.h"
#include "common/strings.h"
#include "common/virtual_clock.h"
#include "model/data_files.h"
#include "tests/app/form1_fixture.h"
#include "ui/devices/form_pasek_postepu.h"
#include "ui/devices/form_prosze_czekac.h"

namespace olv {
namespace {

using test::RunUntil;

constexpr const char* kRefusal = "Synchronizacja danych nie jest możliwa. Sprawdź połączenie z urządzeniami.";

class SynchronizacjaTest : public test::cForm1Fixture {
 protected:
  std::unique_ptr<TForm1> MakeCounting() {
    auto form = Make();
    form->UstawObslugeKoncaSynchronizacji([this] { ++synchronisations; });
    return form;
  }
  void WriteDevices(const std::string& port) { test::WriteThreeDevices(folder, port); }
  // count event files of random bytes and sizes around size on each card of
  // devices 2, 3 and 4.
  void WriteCards(int count, size_t size) {
    std::mt19937 random(7);
    for (int id = 2; id <= 4; ++id) {
      const std::string card = Card(id);
      ASSERT_TRUE(CreateDirectory(folder + "cards") || DirectoryExists(folder + "cards"));
      ASSERT_TRUE(CreateDirectory(card) || DirectoryExists(card));
      for (int i = 0; i < count; ++i) {
        std::string bytes(size + random() % 200, '\0');
        for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
        ASSERT_TRUE(WriteFileAtomically(card + "/" + EventFile(i), bytes));
      }
    }
  }
  std::string Mirror(int id) const { return folder + "data/extSD/" + IntToStrZeZerami(id, 8) + "/"; }
  static std::string EventFile(int i) { return "261101" + IntToStrZeZerami(i, 2) + ".CSV"; }
  std::string StartSimulator(const std::vector<std::string>& faults = {}) {
    return cForm1Fixture::StartSimulator({2, 3, 4}, faults);
  }
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
  int64_t CardBytes(int id, const std::string& name) const { return FileSize(Card(id) + "/" + name); }

  int synchronisations = 0;
  int progress_seen = 0;
};

TEST_F(SynchronizacjaTest, FetchesNewAndChangedFilesIntoTheMirrorAfterAsking) {
  WriteCards(10, 1000);
  const std::string port = StartSimulator();
  ASSERT_FALSE(port.empty());
  WriteDevices(port);
  auto form = MakeCounting();
  StartUp(*form);
  const std::string devices_file = folder + "data/devices.txt";
  const auto stored_before = ReadWholeFile(devices_file);

  // "Nie": nothing is fetched and the last-synchronisation times stay.
  int64_t total = 0;
  for (int id = 2; id <= 4; ++id) {
    total += CardBytes(id, "KONFOUT.TXT");
    for (int i = 0; i < 10; ++i) total += CardBytes(id, EventFile(i));
  }
  messages.Answer(kOdpowiedzNie);
  ASSERT_TRUE(Synchronise(*form));
  ASSERT_EQ(messages.Questions().size(), 1u);
  EXPECT_EQ(messages.Questions()[0].text, "Potrzeba ściągnąć 33 plików o łącznej wielkości " +
                                              std::to_string(total) + " B. Potrwa to ~23sek. Kontynuować?");
  EXPECT_EQ(ReadWholeFile(devices_file), stored_before);
  EXPECT_EQ(form->DevList().GetDeviceByIndex(0)->DataOstatniejAktualizacji, 0);
  EXPECT_EQ(FileSize(Mirror(2) + EventFile(0)), -1);
  EXPECT_EQ(form->Sterownik().ZwrocIloscPlikowNaLiscieDoSciagniecia(), 0);
  EXPECT_EQ(progress_seen, 0);

  // "Tak": every file, byte for byte, with the progress window meanwhile.
  messages.Answer(kOdpowiedzTak);
  ASSERT_TRUE(Synchronise(*form));
  ASSERT_EQ(messages.Questions().size(), 2u);
  EXPECT_EQ(messages.Questions()[1].text, messages.Questions()[0].text);
  for (int id = 2; id <= 4; ++id) {
    EXPECT_EQ(ReadWholeFile(Mirror(id) + "KONFOUT.TXT"), ReadWholeFile(Card(id) + "/KONFOUT.TXT")) << id;
    for (int i = 0; i < 10; ++i) {
      const auto fetched = ReadWholeFile(Mirror(id) + EventFile(i));
      ASSERT_TRUE(fetched) << id << " " << EventFile(i);
      EXPECT_TRUE(*fetched == *ReadWholeFile(Card(id) + "/" + EventFile(i))) << id << " " << EventFile(i);
    }
  }
  EXPECT_GT(progress_seen, 0);
  EXPECT_FALSE(form->FormPasekPostepu().isVisible());
  EXPECT_TRUE(messages.Informations().empty());
  const double stamped = form->DevList().GetDeviceByIndex(0)->DataOstatniejAktualizacji;
  EXPECT_TRUE(TimesEqual(stamped, clock.Now(), 1.0 / 24 / 60)) << stamped;
  cVirtualClock unique_clock;
  cDevList reloaded(unique_clock);
  ASSERT_TRUE(WczytajUrzadzenia(devices_file, reloaded).Wczytano);
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(TimesEqual(reloaded.GetDeviceByIndex(i)->DataOstatniejAktualizacji, stamped, 1e-6)) << i;

  // Again: the configurations, which are always fetched, a file that grew on
  // a card and one that became smaller; nothing else.
  ASSERT_TRUE(AppendToFile(Card(3) + "/" + EventFile(4), "one more line\r\n"));
  ASSERT_TRUE(WriteFileAtomically(Card(2) + "/" + EventFile(5), "shorter\r\n"));
  messages.Answer(kOdpowiedzTak);
  ASSERT_TRUE(Synchronise(*form));
  ASSERT_EQ(messages.Questions().size(), 3u);
  EXPECT_NE(messages.Questions()[2].text.find("Potrzeba ściągnąć 5 plików"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(Mirror(3) + EventFile(4)), ReadWholeFile(Card(3) + "/" + EventFile(4)));
  EXPECT_EQ(ReadWholeFile(Mirror(2) + EventFile(5)), "shorter\r\n");
  EXPECT_TRUE(messages.Informations().empty());
  EXPECT_EQ(messages.Unscripted(), 0);
}

TEST_F(SynchronizacjaTest, ADeviceThatDoesNotAnswerStopsItBeforeAnythingIsFetchedAndIsNamed) {
  // Biuro answers the search at start-up (21 bytes), then no more.
  WriteCards(1, 100);
  const std::string port = StartSimulator({"--fall-silent", "4:21"});
  ASSERT_FALSE(port.empty());
  WriteDevices(port);
  auto form = MakeCounting();
  StartUp(*form);
  EXPECT_TRUE(messages.Informations().empty());
  // Slots in name order: Biuro first.
  auto slot = [&](const char* label) { return Text(*form, label); };
  ASSERT_EQ(slot("LabelOLV1Nazwa"), "Biuro");
  EXPECT_EQ(slot("LabelOLV1Aktywnosc"), "aktywne");
  ASSERT_TRUE(Synchronise(*form, 20000));
  EXPECT_EQ(messages.Informations(),
            std::vector<std::string>{std::string(kRefusal) + "\nNie odpowiedziały urządzenia: Biuro (ID 4)."});
  EXPECT_EQ(slot("LabelOLV1Aktywnosc"), "nieaktywne");
  EXPECT_EQ(slot("LabelOLV2Aktywnosc"), "aktywne");
  EXPECT_TRUE(messages.Questions().empty());
  EXPECT_FALSE(form->FormProszeCzekac().isVisible());
  EXPECT_EQ(FileSize(Mirror(2) + "KONFOUT.TXT"), -1);
}

TEST_F(SynchronizacjaTest, ADeviceFallingSilentDuringTheDownloadsEndsThemAndItsMissingFilesAreTold) {
  // Device 3 answers two searches and its list, then stops within its second
  // file; 1 000-byte files, so the point does not depend on exact framing.
  WriteCards(3, 1000);
  for (int id = 2; id <= 4; ++id) {
    for (int i = 0; i < 3; ++i)
      ASSERT_TRUE(WriteFileAtomically(Card(id) + "/" + EventFile(i), std::string(1000, 'a' + i)));
  }
  const std::string port = StartSimulator({"--fall-silent", "3:1900"});
  ASSERT_FALSE(port.empty());
  WriteDevices(port);
  auto form = MakeCounting();
  StartUp(*form);
  messages.Answer(kOdpowiedzTak);
  ASSERT_TRUE(Synchronise(*form, 60000));
  EXPECT_FALSE(form->FormPasekPostepu().isVisible());
  EXPECT_GT(progress_seen, 0);
  // A short summary, the full list beside it.
  ASSERT_EQ(messages.Informations().size(), 1u);
  EXPECT_EQ(messages.Informations()[0], "Nie udało się pobrać 3 plików z 12:\nMagazyn "
                                            "(ID 3): 3 pliki – Urządzenie nie przesłało pliku mimo 3 ponowień\n"
                                            "Pozostałe pliki zostały pobrane.");
  ASSERT_EQ(messages.Details().size(), 1u);
  EXPECT_EQ(messages.Details()[0], "Nie udało się pobrać tych plików z urządzeń:\nMagazyn "
                                       "(ID 3):\n  " + EventFile(1) + ", " + EventFile(2) +
                                       ", KONFOUT.TXT – Urządzenie nie przesłało pliku mimo 3 ponowień");
  EXPECT_EQ(ReadWholeFile(Mirror(3) + EventFile(0)), ReadWholeFile(Card(3) + "/" + EventFile(0)));
  EXPECT_EQ(FileSize(Mirror(3) + EventFile(1)), -1);
  for (int id : {2, 4}) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(FileSize(Mirror(id) + EventFile(i)), 1000) << id << " " << i;
  }
}

TEST_F(SynchronizacjaTest, ADeviceThatSendsNoFileListIsToldBeforeTheQuestionAboutTheOthers) {
  // Device 3 answers both searches (20 bytes each), then breaks off its list.
  WriteCards(1, 100);
  const std::string port = StartSimulator({"--fall-silent", "3:60"});
  ASSERT_FALSE(port.empty());
  WriteDevices(port);
  auto form = MakeCounting();
  StartUp(*form);
  messages.Answer(kOdpowiedzTak);
  ASSERT_TRUE(Synchronise(*form, 30000));
  ASSERT_EQ(messages.Informations().size(), 1u);
  EXPECT_EQ(messages.Informations()[0], "Nie udało się pobrać listy plików z urządzeń:\nMagazyn "
                                            "(ID 3):\n  Urządzenie nie przesłało listy plików\n"
                                            "Pliki z tych urządzeń nie zostaną teraz pobrane.");
  ASSERT_EQ(messages.Questions().size(), 1u);
  EXPECT_NE(messages.Questions()[0].text.find("Potrzeba ściągnąć 4 plików"), std::string::npos);
  for (int id : {2, 4})
    EXPECT_EQ(ReadWholeFile(Mirror(id) + EventFile(0)), ReadWholeFile(Card(id) + "/" + EventFile(0)));
  EXPECT_EQ(FileSize(Mirror(3) + EventFile(0)), -1);
  // Only the devices whose lists came are counted as synchronised.
  EXPECT_EQ(form->DevList().GetDeviceByID(3)->DataOstatniejAktualizacji, 0);
  for (int id : {2, 4}) EXPECT_GT(form->DevList().GetDeviceByID(id)->DataOstatniejAktualizacji, 0) << id;
}

TEST_F(SynchronizacjaTest, APortThatCannotBeOpenedIsToldWithTheDevicesBehindIt) {
  WriteDevices("/dev/olv-no-such-port");
  auto form = MakeCounting();
  StartUp(*form);
  const std::string told =
      "Nie udało się przeszukać szyny:\n  Nie można otworzyć portu szeregowego (Brama (ID 2), Magazyn (ID 3), "
      "Biuro (ID 4))\n"
      "Nie odpowiedziały urządzenia:\n"
      "  Brama (ID 2)\n"
      "  Magazyn (ID 3)\n"
      "  Biuro (ID 4)";
  EXPECT_EQ(messages.Informations(), std::vector<std::string>{told});
  ASSERT_TRUE(Synchronise(*form, 10000));
  const std::string refusal = std::string(kRefusal) +
                              "\nNie odpowiedziały urządzenia: Brama (ID 2), Magazyn (ID 3), Biuro (ID 4).";
  EXPECT_EQ(messages.Informations(), (std::vector<std::string>{told, refusal, told}));
}

}  // namespace
}  // namespace olv
