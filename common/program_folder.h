// The program folder, to which every data path is relative: the directory of the
// executable, or OLV8_HOME when that is set (tests, the demo, an installed copy).
#pragma once

#include <string>

namespace olv {

// Always ends with "/".
std::string ProgramFolder();

}  // namespace olv
