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

namespace {

// Length of the UTF-8 sequence that starts with lead; 0 for a byte that cannot
// start one.
size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

}  // namespace

std::string LogTextToCp1250(const std::string& text) {
  if (auto whole = Utf8ToCp1250(text)) return *whole;
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
    if (length == 0 || i + length > text.size()) {
      out += '?';
      ++i;
      continue;
    }
    const auto one = Utf8ToCp1250(std::string_view(text).substr(i, length));
    if (one) {
      out += *one;
      i += length;
    } else {
      out += '?';
      ++i;
      // Skip the continuation bytes of a character the code page lacks.
      while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
  }
  return out;
}

bool cLogFile::Zapisz(const std::string& text) {
  const std::string line = LogTextToCp1250(LongTimeText(mClock.Now()) + " " + text) + "\r\n";
  std::string reason;
  if (AppendToFile(mPath, line, &reason)) return true;
  if (!mZglosilBlad) {
    mZglosilBlad = true;
    if (mObslugaBledu) mObslugaBledu(mPath, reason);
  }
  return false;
}

}  // namespace olv
