// The window-free parts of sending the devices their user files after an
// editor has saved: writing USERS.txt for each device into its sent folder,
// and the text that tells the operator which devices did not get theirs.
//
// Callers must guarantee: program_folder ends with "/"; one thread.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "comm/sterownik_wpp_listy.h"
#include "model/dev_list.h"
#include "model/user_list.h"

namespace olv {

struct cPlanWysylaniaUsers {
  // The written files, one per device, in the order asked for.
  std::vector<cPlikDoWyslania> Pliki;
  // Devices whose file could not be written, with the reason.
  std::vector<cNieudaneZadanie> Niezapisane;
};

// Writes USERS.txt for every device of urzadzenia (Unique values) that the
// device list holds; a Unique the list lacks is skipped.
cPlanWysylaniaUsers ZapiszPlikiUsers(const std::string& program_folder, const cDevList& devices,
                                      const cUserList& users, const std::vector<int32_t>& urzadzenia,
                                      std::mt19937& random);

// The operator's message about devices that did not get their USERS.txt: each
// device named with what went wrong, and that the next save sends the file
// again. nazwa_urzadzenia gives a device's registered name ("" for none).
std::string TekstNieudanegoWysylaniaUsers(
    const std::vector<cNieudaneZadanie>& niepowodzenia,
    const std::function<std::string(const std::string& port, int id)>& nazwa_urzadzenia);

}  // namespace olv
