// What the access editor shows and changes, computed without a window: the
// devices and the users in name order, which users a device admits, and a
// device's access list rebuilt from the check marks.
//
// Callers must guarantee: one thread; the lists are not changed meanwhile.
#pragma once

#include <string>
#include <vector>

#include "model/dev_list.h"
#include "model/urzadzenie.h"
#include "model/user_list.h"
#include "model/widok_uzytkownikow.h"

namespace olv {

// The devices ordered by name (Polish alphabet, letter case ignored); the
// users' rows are WierszeUzytkownikow.
cWiersze WierszeUrzadzen(const cDevList& devices);

// For each user key, whether the device's access list holds it.
std::vector<bool> ZaznaczeniaDostepu(const cUrzadzenie& device, const std::vector<std::string>& klucze);

// Clears the device's access list and fills it with the key of every checked
// user, in row order. zaznaczone[i] belongs to klucze[i].
void PrzebudujListeDostepu(cUrzadzenie& device, const std::vector<std::string>& klucze,
                           const std::vector<bool>& zaznaczone);

}  // namespace olv
