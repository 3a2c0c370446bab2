// The edit-user dialog "Edytujesz użytkownika": the operator changes the user
// it was loaded with; the change reaches the user editor's working list when
// every check passes. The user keeps its Unique whatever its new ID.
//
// Callers must guarantee: as for TFormDaneUzytkownika.
#pragma once

#include <cstdint>

#include "ui/users/form_dane_uzytkownika.h"

namespace olv {

class TFormEdytujUzytkownika : public TFormDaneUzytkownika {
 public:
  TFormEdytujUzytkownika(cUserList& lista, cMessageWindow& komunikaty, std::function<std::string()> wprowadz_pin,
                         QWidget* parent = nullptr);

  // Fills the fields from the user with that Unique; with no such user, the
  // add dialog's defaults, and the dialog edits nobody.
  void Wczytaj(int32_t unique);
  int32_t EdytowanyUnique() const { return mUnique; }

 protected:
  // "przywróć obecne": the ID the user has in the working list.
  void PrzyciskID() override;
  cWynikZapisuUzytkownika ZapiszDane(const cDaneUzytkownika& dane) override;

 private:
  int32_t mUnique = 0;
};

}  // namespace olv
