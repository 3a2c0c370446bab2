// TForm1's side of the user and access editors: creating them with the PIN
// dialog and the help window, opening them from the task handler once the
// connection check has run, the PIN request, and saving and sending what they
// changed.
#include <QCoreApplication>

#include "app/aktywnosc_urzadzen.h"
#include "app/form1.h"
#include "app/wysylanie_users.h"
#include "common/files.h"
#include "common/numbers.h"
#include "ui/common/message_window.h"
#include "ui/devices/form_prosze_czekac.h"
#include "ui/users/form_edytor_dostepow.h"
#include "ui/users/form_edytor_uzytkownikow.h"
#include "ui/users/form_help.h"
#include "ui/users/form_wprowadz_pin.h"

namespace olv {

void TForm1::UtworzEdytory() {
  mTimerEdytora = mClock.CreateTimer(1, nullptr);
  mFormHelp = new TFormHelp(this);
  mFormWprowadzPin = new TFormWprowadzPin(mKomunikaty, this);
  mFormEdytorUzytkownikow = new TFormEdytorUzytkownikow(
      mClock, *mUserList, mKomunikaty, *mFormHelp, [this] { return WprowadzPin(); },
      [this] { ZapiszISynchronizujUzytkownikow(); }, this);
  mFormEdytorDostepow = new TFormEdytorDostepow(
      mClock, *mDevList, *mUserList, mKomunikaty, *mFormHelp,
      [this](const std::vector<int32_t>& urzadzenia) { ZapiszISynchronizujDostepy(urzadzenia); }, this);
}

// The task runs inside the please-wait window's modal loop, which ends only
// when this handler has returned. An editor opened here would keep that loop
// on the stack, and the please-wait window could not be shown again while the
// editor saves; so it opens on a later turn.
void TForm1::OtworzEdytorPozniej(const cZadanie& zadanie) {
  const bool tylko_do_odczytu = zadanie.Parametr == "nah" && !mDebug;
  std::function<void()> otworz;
  if (zadanie.Rodzaj == eRodzajZadania::OtworzEdytorUzytkownikow) {
    otworz = [this, tylko_do_odczytu] { F_PokazFormEdytorUzytkownikow(tylko_do_odczytu); };
  } else if (zadanie.Rodzaj == eRodzajZadania::OtworzEdytorDostepu) {
    otworz = [this, tylko_do_odczytu] { F_PokazFormEdytorDostepow(tylko_do_odczytu); };
  } else if (zadanie.Rodzaj == eRodzajZadania::OtworzEdytorUrzadzen) {
    otworz = [this, tylko_do_odczytu] { F_PokazFormEdytorUrzadzen(!tylko_do_odczytu); };
  } else {
    return;
  }
  mTimerEdytora->SetHandler([this, otworz] {
    mTimerEdytora->Stop();
    otworz();
  });
  mTimerEdytora->Start();
}

void TForm1::F_PokazFormEdytorUzytkownikow(bool tylko_do_odczytu) {
  mFormEdytorUzytkownikow->UstawTrybTylkoDoOdczytu(tylko_do_odczytu);
  Log("Form1: F_PokazFormEdytorUzytkownikow");
  mFormEdytorUzytkownikow->Wczytaj();
  mFormEdytorUzytkownikow->Odswiez();
  mFormEdytorUzytkownikow->PokazSzczegoly(0);
  mFormEdytorUzytkownikow->Pokaz();
}

void TForm1::F_PokazFormEdytorDostepow(bool tylko_do_odczytu) {
  mFormEdytorDostepow->UstawTrybTylkoDoOdczytu(tylko_do_odczytu);
  Log("Form1: F_PokazFormEdytorDostepow");
  mFormEdytorDostepow->Wczytaj();
  mFormEdytorDostepow->Odswiez();
  mFormEdytorDostepow->PokazListeDostepu(0);
  mFormEdytorDostepow->Pokaz();
}

bool TForm1::ZapiszObrazEdytoraUzytkownikow(const std::string& path) {
  TFormEdytorUzytkownikow& editor = *mFormEdytorUzytkownikow;
  editor.UstawTrybTylkoDoOdczytu(false);
  editor.Wczytaj();
  editor.Odswiez();
  if (!editor.Klucze().empty()) editor.WybierzUzytkownika(ParseInt(editor.Klucze().front()).value_or(0));
  return editor.grab().save(QString::fromStdString(path), "PNG");
}

std::string TForm1::WprowadzPin() {
  Log("VCL: WprowadzPinDialog");
  return mFormWprowadzPin->Pokaz();
}

bool TForm1::ZapiszDoPliku(bool uzytkownicy) {
  const std::string sciezka = mFolder + (uzytkownicy ? "data/users.txt" : "data/devices.txt");
  std::string blad;
  if (uzytkownicy ? ZapiszUzytkownikow(sciezka, &blad) : ZapiszUrzadzenia(sciezka, &blad)) return true;
  Log("Form1: nie zapisano " + sciezka + ": " + blad);
  mKomunikaty.Information("Nie udało się zapisać pliku " + FileNameOf(sciezka) +
                          ". Przyczyna została zapisana w dzienniku programu. Zmian nie wysłano do urządzeń.");
  return false;
}

void TForm1::ZapiszISynchronizujUzytkownikow() {
  Log("Form1: ZapiszISynchronizujUzytkownikow");
  if (!ZapiszDoPliku(true)) return;
  UsunNieistniejacychZDostepow();
  if (!ZapiszDoPliku(false)) return;
  std::vector<int32_t> urzadzenia;
  const int ile = mDevList->CountDevices();
  for (int i = 0; i < ile; ++i) {
    if (const cUrzadzenie* urzadzenie = mDevList->GetDeviceByIndex(i)) urzadzenia.push_back(urzadzenie->Unique);
  }
  WyslijUsersDoUrzadzen(urzadzenia);
}

void TForm1::ZapiszISynchronizujDostepy(const std::vector<int32_t>& urzadzenia) {
  Log("Form1: ZapiszISynchronizujDostepy");
  if (!ZapiszDoPliku(false)) return;
  WyslijUsersDoUrzadzen(urzadzenia);
}

bool TForm1::WyslijUsersDoUrzadzen(const std::vector<int32_t>& urzadzenia) {
  Log("Form1: WyslijUsersDoUrzadzen");
  mSterownik->WyczyscListePlikowDoWyslania();
  mSterownik->WyczyscNiepowodzenia();
  const cPlanWysylaniaUsers plan = ZapiszPlikiUsers(mFolder, *mDevList, *mUserList, urzadzenia, mLosowe);
  std::vector<cNieudaneZadanie> niepowodzenia = plan.Niezapisane;
  if (!plan.Pliki.empty()) {
    for (const cPlikDoWyslania& plik : plan.Pliki) mSterownik->DodajPlikDoWyslania(plik.Sciezka, plik.Port, plik.Id);
    mWysylanieTrwa = true;
    mSterownik->FunkcjaPoWyslaniuPlikow = [this] {
      mWysylanieTrwa = false;
      ZamknijProszeCzekac();
    };
    mSterownik->WyslijPliki();
    if (mWysylanieTrwa) PokazProszeCzekacPrzyWysylaniu();
    // The failures are read only once the driver has finished with the job.
    while (mWysylanieTrwa) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const std::vector<cNieudaneZadanie>& wysylania = mSterownik->Niepowodzenia();
    niepowodzenia.insert(niepowodzenia.end(), wysylania.begin(), wysylania.end());
    mSterownik->WyczyscNiepowodzenia();
  }
  if (niepowodzenia.empty()) return true;
  mKomunikaty.Information(TekstNieudanegoWysylaniaUsers(
      niepowodzenia, [this](const std::string& port, int id) { return NazwaUrzadzenia(*mDevList, port, id); }));
  return false;
}

}  // namespace olv
