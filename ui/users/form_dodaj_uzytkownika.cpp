#include "ui/users/form_dodaj_uzytkownika.h"

#include <QLineEdit>

#include "model/widok_uzytkownikow.h"

namespace olv {

TFormDodajUzytkownika::TFormDodajUzytkownika(cUserList& lista, cMessageWindow& komunikaty,
                                             std::function<std::string()> wprowadz_pin, QWidget* parent)
    : TFormDaneUzytkownika(lista, komunikaty, std::move(wprowadz_pin), "pierwsze wolne", "", parent) {
  setObjectName("FormDodajUzytkownika");
  setWindowTitle("Dodajesz użytkownika");
  findChild<QLineEdit*>("EditID")->setMaxLength(4);
}

void TFormDodajUzytkownika::Resetuj() {
  WypelnijDomyslnie();
  PrzyciskID();
}

void TFormDodajUzytkownika::PrzyciskID() { UstawID(PierwszeWolneID(mLista)); }

cWynikZapisuUzytkownika TFormDodajUzytkownika::ZapiszDane(const cDaneUzytkownika& dane) {
  return DodajUzytkownikaZDialogu(mLista, dane);
}

}  // namespace olv
