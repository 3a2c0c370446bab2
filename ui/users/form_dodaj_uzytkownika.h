// The add-user dialog "Dodajesz użytkownika": the operator types a new user,
// which is added to the user editor's working list when every check passes.
//
// Callers must guarantee: as for TFormDaneUzytkownika.
#pragma once

#include "ui/users/form_dane_uzytkownika.h"

namespace olv {

class TFormDodajUzytkownika : public TFormDaneUzytkownika {
 public:
  TFormDodajUzytkownika(cUserList& lista, cMessageWindow& komunikaty, std::function<std::string()> wprowadz_pin,
                        QWidget* parent = nullptr);

  // The defaults ("Nowy Użytkownik", no card, no PIN) and the first free ID.
  void Resetuj();

 protected:
  // "pierwsze wolne": the first free ID.
  void PrzyciskID() override;
  cWynikZapisuUzytkownika ZapiszDane(const cDaneUzytkownika& dane) override;
};

}  // namespace olv
