// TForm1's part in the synchronisation: the window as its side (the question
// asked in the message window, the please-wait and progress windows, the
// messages), and the writers of the files sent to a device.
#include "app/aktywnosc_urzadzen.h"
#include "app/form1.h"
#include "app/plan_synchronizacji.h"
#include "model/konfig_file.h"
#include "model/users_file.h"
#include "ui/common/message_window.h"
#include "ui/devices/form_pasek_postepu.h"

namespace olv {

namespace {

const char* const kTekstPostepu = "Trwa pobieranie danych z urządzeń...";

}  // namespace

class TForm1::cStronaOkna : public cStronaSynchronizacji {
 public:
  explicit cStronaOkna(TForm1& okno) : mOkno(okno) {}

  void PokazProszeCzekac() override { mOkno.PokazProszeCzekacPozniej(); }
  void ZamknijProszeCzekac() override { mOkno.ZamknijProszeCzekac(); }
  void PokazObecnoscUrzadzen() override { mOkno.OdswiezUrzadzenia(false); }
  bool SciagacZOdpowiadajacych() const override { return false; }
  bool CzySciagnac(const std::string& pytanie) override {
    return mOkno.mKomunikaty.Question("", pytanie, "Tak", "Nie") == kOdpowiedzTak;
  }
  void PokazPostep() override {
    mOkno.UstawTekstPostepu(kTekstPostepu);
    mOkno.UstawFunkcjeTaktuPostepu([this] {
      mOkno.UstawPostepZeSterownika();
      const auto ponawiane = mOkno.mSterownik->PonawianePobieranie();
      mOkno.mFormPasekPostepu->UstawTekstPodPaskiem(
          ponawiane ? TekstPonawiania(NazwaUrzadzenia(*mOkno.mDevList, ponawiane->Port, ponawiane->Id),
                                      ponawiane->Id, ponawiane->Ponowienie, cSterownikWPP::kMaksPonowienSciagania)
                    : "");
    });
    mOkno.PokazPasekPostepuPozniej();
  }
  void ZamknijPostep() override {
    mOkno.mPasekPostepuZamowiony = false;
    mOkno.ZamknijPasekPostepu();
  }
  void Powiadom(const std::string& tekst) override { mOkno.mKomunikaty.Information(tekst); }
  void Powiadom(const std::string& tekst, const std::string& szczegoly) override {
    mOkno.mKomunikaty.InformationWithDetails(tekst, szczegoly);
  }

 private:
  TForm1& mOkno;
};

void TForm1::UtworzSynchronizacje() {
  mStronaOkna = std::make_unique<cStronaOkna>(*this);
  mSynchronizacja = std::make_unique<cSynchronizacja>(
      mClock, *mSterownik, *mDevList, mFolder,
      [this](const std::string& path, std::string* error) { return ZapiszUrzadzenia(path, error); }, *mStronaOkna);
  mSynchronizacja->UstawFunkcjeLogujaca(FunkcjaLogujaca());
  mSynchronizacja->FunkcjaPoSprawdzeniu = [this] { mKolejka->ZacznijRobicNastepne(); };
}

void TForm1::Synchronizuj() { mSynchronizacja->Synchronizuj(); }

void TForm1::F_SciagnijListyPlikowZUrzadzen() { mSynchronizacja->F_SciagnijListyPlikowZUrzadzen(); }

void TForm1::UstawObslugeKoncaSynchronizacji(std::function<void()> handler) {
  mSynchronizacja->FunkcjaPoZakonczeniu = [handler = std::move(handler)](const cWynikSynchronizacji&) {
    if (handler) handler();
  };
}

void TForm1::PokazPasekPostepuPozniej() {
  mPasekPostepuZamowiony = true;
  // Downloads of nothing end before the launcher fires; the window must then
  // not open, as nothing would close it.
  mOdpalacz->Odpal([this] {
    if (mPasekPostepuZamowiony && !mFormPasekPostepu->isVisible()) PokazPasekPostepu();
  });
}

std::string TForm1::ZapiszUsersUrzadzenia(int32_t unique, std::string* error) {
  return ZapiszUsers(mFolder, *mDevList, *mUserList, unique, mLosowe, error);
}

std::string TForm1::ZapiszKonfigUrzadzenia(int32_t unique, std::string* error) {
  return ZapiszKonfig(mFolder, *mDevList, unique, mClock.Now(), error);
}

}  // namespace olv
