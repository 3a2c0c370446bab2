#include "common/program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace olv {

std::string ProgramFolder() {
  std::string folder;
  if (const char* home = std::getenv("OLV8_HOME"); home && *home) {
    folder = home;
  } else {
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n > 0) {
      folder.assign(buffer, static_cast<size_t>(n));
      folder.erase(folder.find_last_of('/') + 1);
    } else {
      folder = "./";
    }
  }
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace olv
