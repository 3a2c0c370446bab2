// Keeps the access lists of the devices in step with the user list: before
// the devices are saved, every entry that does not name an existing user (a
// removed user, an empty or damaged entry) is taken out, so neither
// data/devices.txt nor USERS.txt refers to users that are gone.
//
// Callers must guarantee: one thread; the lists are not changed meanwhile.
#pragma once

#include "model/dev_list.h"
#include "model/user_list.h"

namespace olv {

// Removes from every device's access list each entry that is not the decimal
// Unique of a user of users. Returns how many entries were removed.
int UsunNieistniejacychZDostepow(cDevList& devices, const cUserList& users);

}  // namespace olv
