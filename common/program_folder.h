// The program folder, to which every data path is relative: the directory of the
// executable, or OLV8_HOME when that is set (tests, the demo, an installed copy).
//
// Callers must guarantee: nothing; OLV8_HOME, when set, names an existing
// folder.
#pragma once

#include <string>

namespace olv {

// Always ends with "/".
std::string ProgramFolder();

}  // namespace olv
