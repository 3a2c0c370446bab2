// The log of one program run: log/log<tick>.txt under the program folder, one
// line per text, each the local time in the locale's long time format, one
// space and the text, in CP1250 with CR LF. Lines are appended one at a time, so
// nothing is kept in memory and a crash loses nothing already logged.
//
// A line that cannot be written is dropped; the failure handler hears of the
// first such failure only, and later lines are still tried (the disk may have
// room again).
//
// Callers must guarantee: the clock outlives the log; one thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/clock.h"

namespace olv {

// The local time of day of datetime in the long time format of the process
// locale (LC_TIME), for example 13:45:21.
std::string LongTimeText(double datetime);
// program_folder + "log/log" + tick + ".txt"; program_folder ends with "/".
std::string LogFilePath(const std::string& program_folder, uint32_t tick);

class cLogFile {
 public:
  // Called with the log's path and the reason in a few words.
  using FailureHandler = std::function<void(const std::string& path, const std::string& reason)>;

  cLogFile(std::string path, const cClock& clock) : mPath(std::move(path)), mClock(clock) {}

  // Appends time, space and text in CP1250; a character the code page lacks
  // becomes "?", so a line is never lost for one odd character. False when the
  // line could not be written.
  bool Zapisz(const std::string& text);
  void UstawObslugeBledu(FailureHandler handler) { mObslugaBledu = std::move(handler); }
  const std::string& Sciezka() const { return mPath; }

 private:
  std::string mPath;
  const cClock& mClock;
  FailureHandler mObslugaBledu;
  bool mZglosilBlad = false;
};

}  // namespace olv
