// The program folder, to which every data path is relative. OLV8_HOME, when
// set, names it (tests, the demo, a chosen folder). Otherwise a program run
// from where it was built keeps its data beside its executable, while an
// installed program, which may not write there, keeps it in
// $XDG_DATA_HOME/olv8-manager (~/.local/share/olv8-manager by default).
//
// An executable counts as installed when the marker that installing puts in
// the data folder of its prefix lies at the place compiled in, relative to the
// executable's folder (from <prefix>/bin: ../share/olv8-manager/installed); a
// build tree never has one there, wherever it lies.
//
// Callers must guarantee: nothing; OLV8_HOME, when set, names an existing
// folder.
#pragma once

#include <string>

namespace olv {

// What the program folder is chosen from; an unset variable is empty.
struct cProgramPlaces {
  std::string olv8_home;
  std::string xdg_data_home;
  std::string home;
  std::string executable_folder;  // ends with "/"
  bool installed = false;
};

// The marker's path for an executable in executable_folder (ending with "/").
std::string InstallMarkerPath(const std::string& executable_folder);

// Always ends with "/". An XDG_DATA_HOME that is not absolute is ignored, as
// the XDG rules say; with neither it nor a home the executable's folder stays.
std::string ProgramFolderFrom(const cProgramPlaces& places);

// The folder of this process, from its environment and its executable. The
// folder of an installed program is created (with its parents) when missing.
std::string ProgramFolder();

}  // namespace olv
