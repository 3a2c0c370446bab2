#include "common/file_error_text.h"

#include <cerrno>

namespace olv {

std::string OpisBleduPliku(int error_number) {
  switch (error_number) {
    case EACCES:
    case EPERM:
      return "brak uprawnień do zapisu w tym miejscu";
    case ENOENT:
    case ENOTDIR:
      return "folder nie istnieje";
    case ENOSPC:
    case EDQUOT:
      return "brak miejsca na dysku";
    case EROFS:
      return "nośnik jest tylko do odczytu";
    case EISDIR:
      return "pod tą nazwą jest folder";
    case ENAMETOOLONG:
      return "nazwa pliku jest zbyt długa";
    case EBUSY:
    case ETXTBSY:
      return "plik jest używany";
    case EIO:
      return "błąd odczytu lub zapisu nośnika";
    default:
      return "błąd systemu (kod " + std::to_string(error_number) + ")";
  }
}

}  // namespace olv
