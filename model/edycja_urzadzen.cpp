#include "model/edycja_urzadzen.h"

#include <algorithm>

#include "common/files.h"
#include "model/device_folder.h"

namespace olv {

int IndeksTrybuCzytnika(int8_t tryb) {
  switch (tryb) {
    case cCzytnik::kWejscie:
      return 0;
    case cCzytnik::kWyjscie:
      return 1;
    default:
      return 2;
  }
}

int8_t TrybCzytnikaZIndeksu(int indeks) {
  switch (indeks) {
    case 0:
      return cCzytnik::kWejscie;
    case 1:
      return cCzytnik::kWyjscie;
    default:
      return cCzytnik::kNeutralny;
  }
}

int32_t DoceloweID(const cUrzadzenie& urzadzenie) {
  return urzadzenie.NoweID != 0 ? urzadzenie.NoweID : urzadzenie.ID;
}

int SprawdzKonfliktID(const cDevList& lista, int32_t id, int32_t unique) {
  // 0 is no ID, and a NoweID of 0 is no pending one.
  if (id == 0) return 0;
  for (int i = 0; i < lista.CountDevices(); ++i) {
    const cUrzadzenie* inne = lista.GetDeviceByIndex(i);
    if (!inne || (unique != 0 && inne->Unique == unique)) continue;
    if (inne->ID == id || inne->NoweID == id) return 1;
  }
  return 0;
}

bool CzyUrzadzenieZID1(const cDevList& lista) {
  for (int i = 0; i < lista.CountDevices(); ++i) {
    const cUrzadzenie* urzadzenie = lista.GetDeviceByIndex(i);
    if (urzadzenie && DoceloweID(*urzadzenie) == 1) return true;
  }
  return false;
}

std::string KomunikatPoprawnosciUrzadzenia(int kod) {
  switch (kod) {
    case 0:
      return "";
    case 1:
      return "Brak nazwy urządzenia";
    case 2:
      return "Brak nazwy dla czytnika 0";
    case 3:
      return "Brak nazwy dla czytnika 1";
    case 6:
      return "ID 1 jest zarezerwowane dla nowych urządzeń. Wybierz z zakresu 2-9.";
    default:
      return "ID powinno być cyfrą z zakresu 2-9.";
  }
}

std::vector<int32_t> IDUsunietychUrzadzen(const cDevList& glowna, const cDevList& robocza) {
  std::vector<int32_t> ids;
  for (int i = 0; i < glowna.CountDevices(); ++i) {
    const cUrzadzenie* urzadzenie = glowna.GetDeviceByIndex(i);
    if (!urzadzenie || robocza.GetDeviceByUnique(urzadzenie->Unique)) continue;
    if (robocza.GetDeviceByID(urzadzenie->ID)) continue;
    if (std::find(ids.begin(), ids.end(), urzadzenie->ID) == ids.end()) ids.push_back(urzadzenie->ID);
  }
  return ids;
}

bool UsunPlikiUrzadzenia(const std::string& program_folder, int32_t bus_id, std::string* error) {
  std::string pozostale;
  for (const std::string& folder :
       {FolderUrzadzenia(program_folder, bus_id), FolderWyslanychPlikow(program_folder, bus_id)}) {
    for (const std::string& plik : ListFiles(folder)) {
      if (!DeleteFile(folder + plik)) pozostale += (pozostale.empty() ? "" : ", ") + folder + plik;
    }
  }
  if (pozostale.empty()) return true;
  if (error) *error = "Nie usunięto plików: " + pozostale;
  return false;
}

void ZastosujNoweID(cDevList& lista, const std::function<bool(const cUrzadzenie&)>& nie_dotarlo) {
  for (int i = 0; i < lista.CountDevices(); ++i) {
    cUrzadzenie* urzadzenie = lista.GetDeviceByIndex(i);
    if (!urzadzenie || urzadzenie->NoweID == 0 || nie_dotarlo(*urzadzenie)) continue;
    urzadzenie->ID = urzadzenie->NoweID;
    urzadzenie->NoweID = 0;
  }
}

}  // namespace olv
