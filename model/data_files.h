// Loading and saving data/users.txt and data/devices.txt. Each line of these
// files is one record line in CP1250, Base64-encoded; lines end with CR LF; a
// save rewrites the whole file through a temporary file in the same folder, so
// a failed save leaves the old file whole.
//
// Loading skips a line that is empty or not Base64 (and logs it) instead of
// turning it into a blank record. As the next save drops a skipped line, a
// file with a line that is not Base64 is first copied whole to path + ".bad".
// Saving refuses a text that CP1250 cannot hold: nothing is written and the
// failure is logged and returned.
//
// All logging goes through the list's logging function ("Userlist: ...",
// "Devlist: ...").
//
// Callers must guarantee: one thread; the folder of path exists for a save.
#pragma once

#include <string>

#include "model/dev_list.h"
#include "model/user_list.h"

namespace olv {

struct cWynikWczytania {
  // False when the file is missing or cannot be read: the list is then
  // unchanged.
  bool Wczytano = false;
  int Rekordy = 0;
  // Lines left out: empty, or not Base64.
  int PominieteLinie = 0;
  // Where the file was copied because a line that is not Base64 was left out;
  // empty when no copy was needed (or it could not be made, which is logged).
  std::string KopiaPliku;
};

// path: the file, usually ProgramFolder() + "data/users.txt".
cWynikWczytania WczytajUzytkownikow(const std::string& path, cUserList& list);
// False (file untouched) when a text does not fit CP1250 or the file cannot be
// written; error, when given, then says why in Polish.
bool ZapiszUzytkownikow(const std::string& path, const cUserList& list,
                        std::string* error = nullptr);

// path: the file, usually ProgramFolder() + "data/devices.txt".
cWynikWczytania WczytajUrzadzenia(const std::string& path, cDevList& list);
bool ZapiszUrzadzenia(const std::string& path, const cDevList& list,
                      std::string* error = nullptr);

}  // namespace olv
