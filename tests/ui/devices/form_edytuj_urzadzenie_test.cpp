// The edit-device dialog: loading a device into its controls, the checks with
// their messages in order, the pending new ID, and the connection settings.
#include "ui/devices/form_edytuj_urzadzenie.h"
#include "ui/devices/form_wybierz_polaczenie.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <cstdlib>

#include "common/virtual_clock.h"
#include "gtest/gtest.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/scripted_message_window.h"
#include "ui/devices/uslugi_urzadzen.h"

namespace olv {
namespace {

const char* const kZakres = "ID powinno być cyfrą z zakresu 2-9.";
const char* const kKonflikt = "Urządzenie o takim ID jest już zarejestrowane";

// Only the connection dialog is asked for: it answers what the test set; the
// dialog asks for nothing else.
class cUslugiTestowe : public cUslugiUrzadzen {
 public:
  void Log(const std::string&) override {}
  const std::string& FolderProgramu() const override { std::abort(); }
  double Teraz() override { return 0; }
  bool Debug() const override { return false; }
  cDevList& GlownaListaUrzadzen() override { std::abort(); }
  cSterownikWPP& Sterownik() override { std::abort(); }
  void PokazProszeCzekac() override {}
  void PokazProszeCzekacPrzyWysylaniu() override {}
  void PokazProszeCzekacPozniej() override {}
  void ZamknijProszeCzekac() override {}
  void SzukajWszystkichUrzadzen(std::function<void()>) override {}
  void SprawdzUrzadzenia(const cDevList&, std::function<void()>) override {}
  void OdswiezUrzadzenia() override {}
  cWlasciwosciPolaczenia WybierzPolaczenie(const cWlasciwosciPolaczenia& obecne) override {
    pytano_o = obecne;
    return wybrane;
  }
  std::string ZapiszKonfigUrzadzenia(const cDevList&, int32_t, std::string*) override { return ""; }
  bool ZapiszUrzadzenia(std::string*) override { return false; }
  std::string TekstNiepowodzen(const std::string&, const std::vector<cNieudaneZadanie>&, const cDevList&) override {
    std::abort();
  }
  void PokazPomoc(int) override {}

  cWlasciwosciPolaczenia pytano_o;
  cWlasciwosciPolaczenia wybrane;
};

class FormEdytujUrzadzenieTest : public ::testing::Test {
 protected:
  cUrzadzenie* Add(const std::string& name, int id, cCzytnik czytnik0 = cCzytnik("We", 1)) {
    EXPECT_TRUE(list.DodajUrzadzenie(name, id, czytnik0, cCzytnik("Wyjście", 2), false, {"/dev/ttyUSB0", 57600}));
    clock.AdvanceMs(1);
    return list.GetDeviceByIndex(list.CountDevices() - 1);
  }
  QLineEdit* Edit(const char* name) { return form.findChild<QLineEdit*>(name); }
  QComboBox* Combo(const char* name) { return form.findChild<QComboBox*>(name); }
  void Click(const char* name) { form.findChild<QAbstractButton*>(name)->click(); }
  // Presses Enter in the name field with the dialog loaded for unique; the
  // message shown, "" when it saved.
  std::string Save(int32_t unique, const std::string& id, const std::string& name = "X") {
    form.Wczytaj(list, unique);
    form.setResult(QDialog::Rejected);
    Edit("EditID")->setText(QString::fromStdString(id));
    Edit("EditNazwa")->setText(QString::fromStdString(name));
    const size_t before = messages.Informations().size();
    QTest::keyClick(Edit("EditNazwa"), Qt::Key_Return);
    if (messages.Informations().size() == before) return form.result() == QDialog::Accepted ? "" : "(open)";
    EXPECT_NE(form.result(), QDialog::Accepted);
    return messages.Informations().back();
  }

  cVirtualClock clock;
  cDevList list{clock};
  cUslugiTestowe uslugi;
  cScriptedMessageWindow messages;
  TFormEdytujUrzadzenie form{uslugi, messages};
};

TEST_F(FormEdytujUrzadzenieTest, LoadsEveryFieldChecksTheIdAndTheNamesAndKeepsANewIdPending) {
  cUrzadzenie* brama = Add("Brama", 3, cCzytnik("Hol", cCzytnik::kNeutralny));
  form.Wczytaj(list, brama->Unique);
  EXPECT_EQ(Edit("EditNazwa")->text() + "|" + Edit("EditID")->text() + "|" + Edit("EditNazwaCzytnika0")->text(),
            "Brama|3|Hol");
  EXPECT_EQ(QList<int>({Combo("ComboBoxTrybCzytnika0")->currentIndex(), Combo("ComboBoxTrybCzytnika1")->currentIndex(),
                        Combo("ComboBoxTrybPracyUrzadzenia")->currentIndex()}),
            QList<int>({2, 1, 0}));

  EXPECT_EQ(Save(brama->Unique, "3", "Brama"), "");
  EXPECT_EQ(form.Wynik(), brama->Unique);
  EXPECT_EQ(brama->Czytnik0, cCzytnik("Hol", cCzytnik::kNeutralny));
  EXPECT_EQ(brama->NoweID, 0);

  // The connection changes only when a port was chosen; reader 1 needs its
  // name in button mode too.
  form.Wczytaj(list, brama->Unique);
  uslugi.wybrane = {};
  Click("ButtonPolaczenie");
  EXPECT_EQ(uslugi.pytano_o, (cWlasciwosciPolaczenia{"/dev/ttyUSB0", 57600}));
  EXPECT_EQ(form.Polaczenie(), uslugi.pytano_o);
  uslugi.wybrane = {"/dev/ttyS1", 115200};
  Click("ButtonPolaczenie");
  Combo("ComboBoxTrybPracyUrzadzenia")->setCurrentIndex(1);
  Edit("EditNazwaCzytnika1")->clear();
  Click("ButtonEdytuj");
  EXPECT_EQ(messages.Informations(), std::vector<std::string>{"Brak nazwy dla czytnika 1"});
  EXPECT_FALSE(Edit("EditNazwaCzytnika1")->isVisibleTo(&form));
  Edit("EditNazwaCzytnika1")->setText("Wyjście");
  Click("ButtonEdytuj");
  EXPECT_TRUE(brama->Przycisk);
  EXPECT_EQ(brama->Polaczenie, (cWlasciwosciPolaczenia{"/dev/ttyS1", 115200}));

  // Magazyn is to answer to 6 once its settings are sent; a conflict is told first.
  Add("Magazyn", 4)->NoweID = 6;
  const int32_t u = brama->Unique;
  const std::vector<std::array<std::string, 3>> refused = {
      {"0", "X", kZakres}, {"10", "X", kZakres}, {"a", "X", kZakres}, {"", "X", kZakres},
      {"1", "X", "ID 1 jest zarezerwowane dla nowych urządzeń. Wybierz z zakresu 2-9."},
      {"4", "", kKonflikt}, {"6", "X", kKonflikt}, {"5", "  ", "Brak nazwy urządzenia"},
      {"5", "Brama ☃", "Nazwa urządzenia lub czytnika zawiera znak, którego nie da się zapisać w pamięci urządzenia."}};
  for (const auto& [id, name, message] : refused) EXPECT_EQ(Save(u, id, name), message) << id << " " << name;
  EXPECT_EQ(brama->NoweID, 0);

  // A new ID stays pending: no device answers to it yet, so nothing is chosen.
  EXPECT_EQ(Save(u, " 5 ", " Brama główna "), "");
  EXPECT_EQ(form.Wynik(), 0);
  EXPECT_EQ(std::to_string(brama->ID) + "|" + std::to_string(brama->NoweID) + "|" + brama->Nazwa, "3|5|Brama główna");
  EXPECT_EQ(list.GetDeviceByID(3), brama);

  // The dialog opens on the pending ID; "przywróć obecne" gives back the ID
  // the device answers to, and saving it drops the pending one: the device is
  // chosen again.
  form.Wczytaj(list, u);
  EXPECT_EQ(Edit("EditID")->text(), "5");
  Click("ButtonPrzywrocObecne");
  EXPECT_EQ(Edit("EditID")->text(), "3");
  Click("ButtonEdytuj");
  EXPECT_EQ(form.Wynik(), u);
  EXPECT_EQ(brama->NoweID, 0);
  form.Wczytaj(list, u);
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_EQ(form.Wynik(), 0);
}

// The connection dialog it opens.
TEST(FormWybierzPolaczenieTest, OpensOnTheGivenPortAndGivesTheChosenOneOrNoneWhenCancelled) {
  TFormWybierzPolaczenie form;
  auto* lista = form.findChild<QComboBox*>("ComboBoxAuto");
  auto* predkosc = form.findChild<QComboBox*>("ComboBoxPredkosc");
  auto* port = form.findChild<QLineEdit*>("EditPort");
  auto* z_listy = form.findChild<QRadioButton*>("RadioButtonZListy");
  const auto wybierz = [&] {
    form.findChild<QAbstractButton*>("ButtonWybierz")->click();
    return form.Wynik();
  };
  // A port not listed opens typed by hand; another case is another port.
  form.Przygotuj("com1", 57600, {"COM1", "COM4"});
  EXPECT_TRUE(!z_listy->isChecked() && port->isEnabled() && !lista->isEnabled());
  EXPECT_EQ(port->text(), "com1");
  port->setText("  /dev/ttyUSB0 ");
  EXPECT_EQ(wybierz(), (cWlasciwosciPolaczenia{"/dev/ttyUSB0", 57600}));

  // An unknown speed opens on 115200.
  form.Przygotuj("COM1", 300, {"COM1", "/dev/pts/7"});
  EXPECT_EQ(predkosc->currentText(), "115200 b/s");
  lista->setCurrentIndex(1);
  predkosc->setCurrentIndex(4);
  EXPECT_EQ(wybierz(), (cWlasciwosciPolaczenia{"/dev/pts/7", 9600}));

  // A list of no ports chosen from gives an empty port.
  form.Przygotuj("COM3", 57600, {});
  z_listy->setChecked(true);
  EXPECT_EQ(wybierz(), (cWlasciwosciPolaczenia{"", 57600}));

  // "Anuluj", Escape or the close box: an empty port and speed zero.
  form.Przygotuj("COM3", 57600, {"COM3"});
  form.findChild<QAbstractButton*>("ButtonAnuluj")->click();
  EXPECT_TRUE(form.Anulowano());
  EXPECT_EQ(form.Wynik(), (cWlasciwosciPolaczenia{"", 0}));
  form.Przygotuj("COM3", 57600, {"COM3"});
  EXPECT_TRUE(z_listy->isChecked() && lista->currentText() == "COM3");
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_EQ(form.Wynik().Port, "");
}

}  // namespace
}  // namespace olv
