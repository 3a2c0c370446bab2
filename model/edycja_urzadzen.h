// The rules of the device editor that need no window: how a reader mode maps to
// the item of its drop-down list, which bus ID a device is to have, the ID
// conflicts, the messages of the device check, and the local files that go
// with a device once its deletion is saved.
//
// A device's pending new ID (NoweID) takes effect only when the device has been
// sent its configuration, so until then two IDs belong to it: the one it
// answers to now and the one it is to answer to. The checks here look at both.
//
// Callers must guarantee: program_folder ends with "/".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/dev_list.h"

namespace olv {

// The reader-mode drop-down: item 0 entry (1), item 1 exit (2), item 2
// neutral (0). A mode other than 1 or 2 behaves as neutral, so it shows item 2;
// an item outside the list gives neutral.
int IndeksTrybuCzytnika(int8_t tryb);
int8_t TrybCzytnikaZIndeksu(int indeks);

// The bus ID the device is to have: the pending new ID when one is set, else
// its current ID.
int32_t DoceloweID(const cUrzadzenie& urzadzenie);

// 1 when a device other than the one with that Unique (0: none excluded)
// answers to id now or is to answer to it once its settings are sent; else 0.
int SprawdzKonfliktID(const cDevList& lista, int32_t id, int32_t unique);

// True while a device is to keep bus ID 1, the ID of new devices.
bool CzyUrzadzenieZID1(const cDevList& lista);

// The operator's message for a code of cDevList::SprawdzPoprawnoscDanych; ""
// for 0.
std::string KomunikatPoprawnosciUrzadzenia(int kod);

// The bus IDs whose local files (downloaded events and files prepared for the
// device) belong to no device any more once robocza replaces glowna: the
// current IDs of the devices of glowna that robocza no longer holds (by
// Unique), unless a device of robocza answers to that ID now.
std::vector<int32_t> IDUsunietychUrzadzen(const cDevList& glowna, const cDevList& robocza);

// Deletes every file of the device's folder data/extSD/<ID in 8 digits>/ and of
// its sent subfolder; the folders stay. False, with the files that could not be
// deleted in error, when one stays.
bool UsunPlikiUrzadzenia(const std::string& program_folder, int32_t bus_id, std::string* error);

// After the configurations were sent: every device for which nie_dotarlo is
// false now answers to its pending new ID, which is cleared. The others keep
// their current ID and the new one stays pending, so they can still be reached.
void ZastosujNoweID(cDevList& lista, const std::function<bool(const cUrzadzenie&)>& nie_dotarlo);

}  // namespace olv
