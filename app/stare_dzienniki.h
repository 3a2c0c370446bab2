// Removes the log files of earlier runs once they are older than 90 days: an
// hourly synchronisation leaves 24 logs a day, and nothing else ever deletes
// them. Both the window and olv8-manager --sync call it at start-up, after
// their own log is open, so that what could not be removed is said in it.
//
// A log file is an entry of program_folder + "log/" named "log", digits and
// ".txt"; its age is that of its last change, against the caller's clock.
// Nothing else in the folder is touched.
//
// Callers must guarantee: program_folder ends with "/".
#pragma once

#include <string>

#include "common/logging.h"

namespace olv {

inline constexpr int kDniPrzechowywaniaDziennikow = 90;

// teraz: the local date-time now (days since 1899-12-30).
void UsunStareDzienniki(const std::string& program_folder, double teraz, const LogFunction& loguj);

}  // namespace olv
