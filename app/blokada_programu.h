// cBlokadaProgramu: one program at a time on a program folder. The window and
// olv8-manager --sync both take it before they touch the folder's data, so a
// timer's synchronisation never runs beside the window or beside another one.
// It is a lock (flock) on the file "olv8-manager.lock" in the folder: the
// kernel lets it go when its process ends, however it ends, so a file left
// behind by an ended process blocks nothing. The file holds the number of the
// process that holds it, for the message that refuses a second one.
//
// The file is a place others may prepare: it is opened without following a
// link and taken only when it is a regular file; a new one is private. A file
// left by another user (a run under sudo) is locked read-only and keeps its
// content, and a refusal says whose it is.
//
// Callers must guarantee: the program folder exists and ends with "/".
#pragma once

#include <memory>
#include <string>

namespace olv {

class cBlokadaProgramu {
 public:
  // The lock, held until the object goes; nullptr when it could not be taken,
  // and komunikat then says why, in Polish, for the operator.
  static std::unique_ptr<cBlokadaProgramu> Zajmij(const std::string& program_folder, std::string* komunikat);
  ~cBlokadaProgramu();
  cBlokadaProgramu(const cBlokadaProgramu&) = delete;
  cBlokadaProgramu& operator=(const cBlokadaProgramu&) = delete;

 private:
  explicit cBlokadaProgramu(int fd) : mFd(fd) {}
  int mFd;
};

}  // namespace olv
