#include "app/log_file.h"

#include <ctime>

#include "common/cp1250.h"
#include "common/dates.h"
#include "common/files.h"

namespace olv {

std::string LongTimeText(double datetime) {
  const cDateTimeFields fields = DecodeDateTime(datetime);
  tm time{};
  time.tm_year = fields.year - 1900;
  time.tm_mon = fields.month - 1;
  time.tm_mday = fields.day;
  time.tm_hour = fields.hour;
  time.tm_min = fields.minute;
  time.tm_sec = fields.second;
  char buffer[64];
  const size_t length = std::strftime(buffer, sizeof buffer, "%X", &time);
  return std::string(buffer, length);
}

std::string LogFilePath(const std::string& program_folder, uint32_t tick) {
  return program_folder + "log/log" + std::to_string(tick) + ".txt";
}

bool cLogFile::Zapisz(const std::string& text) {
  const std::string line = Utf8ToCp1250Replacing(LongTimeText(mClock.Now()) + " " + text) + "\r\n";
  std::string reason;
  if (AppendToFile(mPath, line, &reason)) return true;
  if (!mZglosilBlad) {
    mZglosilBlad = true;
    if (mObslugaBledu) mObslugaBledu(mPath, reason);
  }
  return false;
}

}  // namespace olv
