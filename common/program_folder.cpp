#include "common/program_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "common/files.h"

#ifndef OLV_INSTALL_MARKER
#error "OLV_INSTALL_MARKER names the install marker relative to the executables' folder"
#endif

namespace olv {

namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string ExecutableFolder() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return "./";
  std::string folder(buffer, static_cast<size_t>(n));
  folder.erase(folder.find_last_of('/') + 1);
  return folder;
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (!home.empty()) return home;
  const passwd* entry = getpwuid(getuid());
  return entry && entry->pw_dir ? entry->pw_dir : "";
}

cProgramPlaces ThisProgramPlaces() {
  cProgramPlaces places;
  places.olv8_home = Environment("OLV8_HOME");
  places.xdg_data_home = Environment("XDG_DATA_HOME");
  places.home = HomeFolder();
  places.executable_folder = ExecutableFolder();
  places.installed = FileExists(InstallMarkerPath(places.executable_folder));
  return places;
}

}  // namespace

std::string InstallMarkerPath(const std::string& executable_folder) {
  return executable_folder + OLV_INSTALL_MARKER;
}

std::string ProgramFolderFrom(const cProgramPlaces& places) {
  if (!places.olv8_home.empty()) return WithSlash(places.olv8_home);
  if (places.installed) {
    if (!places.xdg_data_home.empty() && places.xdg_data_home.front() == '/')
      return WithSlash(places.xdg_data_home) + "olv8-manager/";
    if (!places.home.empty()) return WithSlash(places.home) + ".local/share/olv8-manager/";
  }
  return WithSlash(places.executable_folder);
}

std::string ProgramFolder() {
  const cProgramPlaces places = ThisProgramPlaces();
  const std::string folder = ProgramFolderFrom(places);
  if (places.olv8_home.empty() && places.installed) CreateDirectories(folder);
  return folder;
}

}  // namespace olv
