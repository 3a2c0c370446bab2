// The main window's "Statystyka": the punches of every event file in the
// mirror folders, then the statistics window on them.
#include <QAbstractButton>

#include "app/form1.h"
#include "ui/stats/form_statystyka.h"

namespace olv {

void TForm1::UtworzStatystyke() {
  mFormStatystyka = new TFormStatystyka(
      mClock, mKomunikaty, *mFormHelp, FunkcjaLogujaca(), mFolder, mFolder + "data/users.txt",
      [this](const std::string& path, std::string* error) { return ZapiszUzytkownikow(path, error); }, this);
  connect(findChild<QAbstractButton*>("Button5"), &QAbstractButton::clicked, this, [this] { F_PokazFormStatystyka(); });
}

void TForm1::WczytajOdbicia() {
  Log("Form1: WczytajOdbicia");
  WczytajOdbiciaZFolderuProgramu(mFolder, *mDevList, *mListaOdbic);
  Log("Form1: WczytajOdbicia: " + std::to_string(mListaOdbic->GetLiczbaOdbic()) + " odbić");
}

void TForm1::F_PokazFormStatystyka() {
  Log("Form1: F_PokazFormStatystyka");
  WczytajOdbicia();
  mFormStatystyka->Przygotuj(*mUserList, *mDevList, *mListaOdbic);
  mFormStatystyka->Pokaz();
}

}  // namespace olv
