// Saving what the operator typed into the add-user or edit-user dialog: the
// texts are checked in a fixed order (the data, then conflicts with the other
// users, then the name), and the first broken rule is told; only data that
// passes every check reaches the list.
//
// Callers must guarantee: one thread.
#pragma once

#include <cstdint>
#include <string>

#include "model/user_list.h"

namespace olv {

// The dialog's fields as typed; the PIN as the PIN dialog confirmed it.
struct cDaneUzytkownika {
  std::string Nazwa;
  std::string ID;
  std::string PIN;
  std::string KartaPelna;  // the full card number, decimal
};

struct cWynikZapisuUzytkownika {
  // The message for the operator; empty when the user was saved.
  std::string Komunikat;
  // The saved user's Unique (found under its new ID); 0 when nothing was saved.
  int32_t Unique = 0;
};

// The messages of SprawdzPoprawnoscDanych (1-6) and of the conflict checks
// (1-3); "" for 0 or an unknown code.
std::string KomunikatPoprawnosciDanych(int kod);
std::string KomunikatKonfliktu(int kod);

// Adds a new user. The name is saved without blanks at its ends.
cWynikZapisuUzytkownika DodajUzytkownikaZDialogu(cUserList& users, const cDaneUzytkownika& dane);
// Changes the user with that Unique; the conflict check ignores that user.
cWynikZapisuUzytkownika EdytujUzytkownikaZDialogu(cUserList& users, int32_t unique,
                                                  const cDaneUzytkownika& dane);

}  // namespace olv
