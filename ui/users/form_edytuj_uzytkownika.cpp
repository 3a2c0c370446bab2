#include "ui/users/form_edytuj_uzytkownika.h"

#include "model/widok_uzytkownikow.h"

namespace olv {

TFormEdytujUzytkownika::TFormEdytujUzytkownika(cUserList& lista, cMessageWindow& komunikaty,
                                               std::function<std::string()> wprowadz_pin, QWidget* parent)
    : TFormDaneUzytkownika(lista, komunikaty, std::move(wprowadz_pin), "przywróć obecne",
                           "UWAGA! zmiana ID nie dokonuje się w plikach urządzenia! Odradza się zmianę ID, "
                           "jeżeli baza zdarzeń nie jest pusta.",
                           parent) {
  setObjectName("FormEdytujUzytkownika");
  setWindowTitle("Edytujesz użytkownika");
}

void TFormEdytujUzytkownika::Wczytaj(int32_t unique) {
  const cUzytkownik* user = mLista.GetUserByUnique(unique);
  if (!user) {
    mUnique = 0;
    WypelnijDomyslnie();
    UstawID(PierwszeWolneID(mLista));
    return;
  }
  mUnique = unique;
  WypelnijPola(user->Nazwa, user->GetIDString(), user->PIN, user->Karta);
}

void TFormEdytujUzytkownika::PrzyciskID() {
  UstawID(mLista.GetIDUzytkownikaZUnique(std::to_string(mUnique)));
}

cWynikZapisuUzytkownika TFormEdytujUzytkownika::ZapiszDane(const cDaneUzytkownika& dane) {
  return EdytujUzytkownikaZDialogu(mLista, mUnique, dane);
}

}  // namespace olv
