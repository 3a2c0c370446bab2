#include "model/device_folder.h"

#include "common/files.h"
#include "common/strings.h"

namespace olv {

std::string NazwaFolderuUrzadzenia(int32_t bus_id) { return IntToStrZeZerami(bus_id, 8); }

std::string FolderUrzadzenia(const std::string& program_folder, int32_t bus_id) {
  return program_folder + "data/extSD/" + NazwaFolderuUrzadzenia(bus_id) + "/";
}

std::string FolderWyslanychPlikow(const std::string& program_folder, int32_t bus_id) {
  return FolderUrzadzenia(program_folder, bus_id) + "sent/";
}

bool UtworzFolderWyslanychPlikow(const std::string& program_folder, int32_t bus_id) {
  return CreateDirectory(program_folder + "data") &&
         CreateDirectory(program_folder + "data/extSD") &&
         CreateDirectory(FolderUrzadzenia(program_folder, bus_id)) &&
         CreateDirectory(FolderWyslanychPlikow(program_folder, bus_id));
}

std::string ZapiszDoFolderuWyslanych(const std::string& program_folder, int32_t bus_id,
                                     const std::string& file_name, const std::string& content,
                                     std::string& error) {
  if (!UtworzFolderWyslanychPlikow(program_folder, bus_id)) {
    error = "Nie można utworzyć folderu plików wysyłanych do urządzenia o ID " + std::to_string(bus_id);
    return {};
  }
  const std::string path = FolderWyslanychPlikow(program_folder, bus_id) + file_name;
  eBladPliku kind = eBladPliku::kInny;
  if (!WriteFileAtomically(path, content, nullptr, &kind)) {
    error = "Nie zapisano pliku " + file_name + " dla urządzenia o ID " + std::to_string(bus_id) + ": " +
            OpisBleduPliku(kind);
    return {};
  }
  return path;
}

}  // namespace olv
