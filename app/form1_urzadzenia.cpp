// TForm1's side of the device windows: the services they ask of the main
// window, the device editor's creation, and its opening from the task handler.
#include <QApplication>
#include <QListWidget>

#include "app/aktywnosc_urzadzen.h"
#include "app/form1.h"
#include "app/plan_synchronizacji.h"
#include "model/konfig_file.h"
#include "ui/common/window_look.h"
#include "ui/devices/form_edytor_urzadzen.h"
#include "ui/devices/uslugi_urzadzen.h"
#include "ui/users/form_help.h"

namespace olv {

// The main window as the device windows see it.
class cUslugiUrzadzenFormy1 : public cUslugiUrzadzen {
 public:
  explicit cUslugiUrzadzenFormy1(TForm1& form) : mForm(form) {}

  void Log(const std::string& text) override { mForm.Log(text); }
  const std::string& FolderProgramu() const override { return mForm.mFolder; }
  double Teraz() override { return mForm.mClock.Now(); }
  bool Debug() const override { return mForm.mDebug; }
  cDevList& GlownaListaUrzadzen() override { return *mForm.mDevList; }
  cSterownikWPP& Sterownik() override { return *mForm.mSterownik; }
  void PokazProszeCzekac() override { mForm.PokazProszeCzekac(); }
  void PokazProszeCzekacPrzyWysylaniu() override { mForm.PokazProszeCzekacPrzyWysylaniu(); }
  void PokazProszeCzekacPozniej() override { mForm.PokazProszeCzekacPozniej(); }
  void ZamknijProszeCzekac() override { mForm.ZamknijProszeCzekac(); }

  void SzukajWszystkichUrzadzen(std::function<void()> po_wyszukaniu) override {
    cSterownikWPP& sterownik = *mForm.mSterownik;
    sterownik.WyczyscNiepowodzenia();
    sterownik.FunkcjaPoWyszukaniuUrzadzen = std::move(po_wyszukaniu);
    sterownik.SzukajUrzadzen();
    mForm.PokazProszeCzekacPozniej();
  }

  void SprawdzUrzadzenia(const cDevList& lista, std::function<void()> po_sprawdzeniu) override {
    SzukajZarejestrowanychUrzadzen(*mForm.mSterownik, lista, std::move(po_sprawdzeniu));
  }

  void OdswiezUrzadzenia() override { mForm.OdswiezUrzadzenia(false); }

  cWlasciwosciPolaczenia WybierzPolaczenie(const cWlasciwosciPolaczenia& obecne) override {
    return mForm.WybierzPolaczenie(obecne);
  }

  std::string ZapiszKonfigUrzadzenia(const cDevList& lista, int32_t unique, std::string* error) override {
    return ZapiszKonfig(mForm.mFolder, lista, unique, mForm.mClock.Now(), error);
  }

  bool ZapiszUrzadzenia(std::string* error) override {
    return mForm.ZapiszUrzadzenia(mForm.mFolder + "data/devices.txt", error);
  }

  std::string TekstNiepowodzen(const std::string& naglowek, const std::vector<cNieudaneZadanie>& niepowodzenia,
                               const cDevList& nazwy) override {
    return ::olv::TekstNiepowodzen(naglowek, niepowodzenia, [&nazwy](const std::string& port, int id) {
      return NazwaUrzadzenia(nazwy, port, id);
    });
  }

  void PokazPomoc(int temat) override { mForm.FormHelp().PokazPomoc(temat); }

 private:
  TForm1& mForm;
};

void TForm1::UtworzOknaUrzadzen() {
  mUslugiUrzadzen = std::make_unique<cUslugiUrzadzenFormy1>(*this);
  mFormEdytorUrzadzen = new TFormEdytorUrzadzen(*mUslugiUrzadzen, mKomunikaty, mClock, this);
}

void TForm1::F_PokazFormEdytorUrzadzen(bool mozna_synchronizowac) {
  mFormEdytorUrzadzen->UstawTrybTylkoDoOdczytu(mozna_synchronizowac);
  Log("Form1: F_PokazFormEdytorUrzadzen");
  mFormEdytorUrzadzen->Wczytaj();
  mFormEdytorUrzadzen->Odswiez();
  mFormEdytorUrzadzen->PokazSzczegoly(0);
  CentreOnScreen(mFormEdytorUrzadzen);
  mFormEdytorUrzadzen->UruchomTimerPomocy();
  mFormEdytorUrzadzen->exec();
  OdswiezUrzadzenia(false);
}

bool TForm1::ZapiszZdjecieEdytoraUrzadzen(const std::string& path) {
  TFormEdytorUrzadzen& edytor = *mFormEdytorUrzadzen;
  edytor.UstawTrybTylkoDoOdczytu(true);
  edytor.Wczytaj();
  edytor.Odswiez();
  auto* lista = edytor.findChild<QListWidget*>("ListBoxListaUrzadzen");
  if (lista->count() > 0) lista->setCurrentRow(0);
  edytor.show();
  QApplication::processEvents();
  const bool saved = edytor.grab().save(QString::fromStdString(path), "PNG");
  edytor.hide();
  return saved;
}

}  // namespace olv
