// The main window's "Statystyka": the punches of every event file in the
// mirror folders, then the statistics window on them. Files that could not be
// read are logged with their paths and named to the operator by device and
// file before the window opens on the rest.
#include <QAbstractButton>

#include "app/form1.h"
#include "ui/common/message_window.h"
#include "ui/stats/form_statystyka.h"

namespace olv {

void TForm1::UtworzStatystyke() {
  mFormStatystyka = new TFormStatystyka(
      mClock, mKomunikaty, *mFormHelp, FunkcjaLogujaca(), mFolder, mFolder + "data/users.txt",
      [this](const std::string& path, std::string* error) { return ZapiszUzytkownikow(path, error); }, this);
  connect(findChild<QAbstractButton*>("Button5"), &QAbstractButton::clicked, this, [this] { F_PokazFormStatystyka(); });
}

std::vector<cNieodczytanyPlik> TForm1::WczytajOdbicia() {
  Log("Form1: WczytajOdbicia");
  std::vector<cNieodczytanyPlik> nieodczytane = WczytajOdbiciaZFolderuProgramu(mFolder, *mDevList, *mListaOdbic);
  for (const cNieodczytanyPlik& plik : nieodczytane) {
    Log("Form1: WczytajOdbicia: nie odczytano " + plik.Sciezka + ": " + plik.Blad);
  }
  Log("Form1: WczytajOdbicia: " + std::to_string(mListaOdbic->GetLiczbaOdbic()) + " odbić");
  return nieodczytane;
}

void TForm1::F_PokazFormStatystyka() {
  Log("Form1: F_PokazFormStatystyka");
  const std::vector<cNieodczytanyPlik> nieodczytane = WczytajOdbicia();
  if (!nieodczytane.empty()) {
    std::string szczegoly;
    for (const cNieodczytanyPlik& plik : nieodczytane) {
      szczegoly += (szczegoly.empty() ? "" : "\n") + OpisNieodczytanegoPliku(plik, *mDevList);
    }
    mKomunikaty.InformationWithDetails(kTekstNieodczytanychPlikow, szczegoly);
  }
  mFormStatystyka->Przygotuj(*mUserList, *mDevList, *mListaOdbic);
  mFormStatystyka->Pokaz();
}

}  // namespace olv
