// Registering a device found on the bus: the device list takes it with the
// name and reader labels of its own KONFOUT.TXT, reader 0 counting as entry
// and reader 1 as exit, on the port it was found on at 115 200 b/s. A new
// device answers to ID 1; it is taken too, and must be given another ID before
// the list is saved.
//
// Callers must guarantee: nothing.
#pragma once

#include <cstdint>
#include <string>

#include "model/dev_list.h"
#include "model/konfout.h"

namespace olv {

struct cWynikRejestracji {
  // cDevList::SprawdzPoprawnoscDanych of the name, the ID and the labels.
  int Kod = 0;
  // 1 when another device answers to the ID or is to answer to it.
  int Konflikt = 0;
  // The new device's Unique; 0 when it was not added.
  int32_t Unique = 0;
};

// Adds the device when its data are valid (or its ID is 1) and no device holds
// its ID.
cWynikRejestracji ZarejestrujUrzadzenie(cDevList& lista, const std::string& port, int32_t id,
                                         const cKonfout& konfout);

// True when the list has a device that answers to id on port.
bool CzyUrzadzenieZarejestrowane(const cDevList& lista, const std::string& port, int32_t id);

}  // namespace olv
