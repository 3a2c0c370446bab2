// Loading and saving data/users.txt and data/devices.txt. Each line of these
// files is one record line in CP1250, Base64-encoded; lines end with CR LF; a
// save rewrites the whole file through a temporary file in the same folder, so
// a failed save leaves the old file whole.
//
// Loading reads past a leading UTF-8 byte order mark and skips a line that is
// empty or cannot be read (and logs it) instead of turning it into a blank or
// shifted record. A line cannot be read when it is not Base64, holds a NUL or
// a control character outside quotes, or (users) holds a planned time outside
// 00:00-24:00. As the next save drops such a line, the file is first copied
// whole beside itself; an earlier copy is never overwritten (path.bad, then
// path.1.bad, path.2.bad, ...), and one holding the same bytes serves again.
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
  // Lines left out: empty, or unreadable.
  int PominieteLinie = 0;
  // Of those, the lines that held something that could not be read.
  int NieczytelneLinie = 0;
  // Where the file was copied because an unreadable line was left out; empty
  // when no copy was needed (or it could not be made, which is logged).
  std::string KopiaPliku;
};

// What the operator is told of a load's unreadable lines, in Polish, naming
// the file as opis_pliku says ("pliku urządzeń devices.txt"); empty when
// every line was read.
std::string KomunikatONieczytelnychLiniach(const std::string& opis_pliku, const cWynikWczytania& wynik);

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
