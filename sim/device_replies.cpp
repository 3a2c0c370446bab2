#include "sim/device_replies.h"

#include <cstdio>
#include <ctime>

#include "sim/wire_format.h"

namespace olv {
namespace {

std::string ReplyHeader(uint8_t id, uint8_t flag) {
  std::string out;
  out.push_back(static_cast<char>(wire::kStartMark));
  out.push_back(static_cast<char>(id));
  out.push_back(static_cast<char>(flag));
  out.push_back(static_cast<char>(id + flag + wire::kCheckOffset));
  return out;
}

}  // namespace

std::string BuildScanAnswer(uint8_t id, std::string_view text) {
  std::string out = ReplyHeader(id, wire::kScanReply);
  out.push_back(kScanAnswerLead);
  for (char c : text.substr(0, kMaxScanAnswerText)) {
    const auto byte = static_cast<uint8_t>(c);
    out.push_back(byte == 0 || byte == wire::kStartMark ? '?' : c);
  }
  out.push_back('\0');
  return out;
}

std::string BuildFileListReply(uint8_t id, bool password_ok,
                               const std::vector<std::string>& lines) {
  std::string out = ReplyHeader(id, password_ok ? wire::kFileListReply : 0);
  if (password_ok) {
    for (const std::string& line : lines) out += line + "\r\n";
  }
  out.push_back(static_cast<char>(wire::kFileListEnd));
  return out;
}

std::string FormatFileListLine(const sCardFile& file) {
  const time_t modified = static_cast<time_t>(file.modified);
  tm local{};
  localtime_r(&modified, &local);
  char line[96];
  std::snprintf(line, sizeof line, "%-12s %02d.%02d.%04d %02d:%02d:%02d %10llu", file.name.c_str(),
                local.tm_mday, local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min,
                local.tm_sec, static_cast<unsigned long long>(file.size));
  return line;
}

std::string BuildDownloadHeader(uint32_t size, uint8_t id, bool password_ok) {
  std::string out;
  out.push_back(static_cast<char>(wire::kStartMark));
  uint8_t check = static_cast<uint8_t>(id + (password_ok ? 1 : 0) + wire::kCheckOffset);
  for (int i = 0; i < 4; ++i) {
    const auto byte = static_cast<uint8_t>(size >> (8 * i));
    out.push_back(static_cast<char>(byte));
    check = static_cast<uint8_t>(check + byte);
  }
  out.push_back(static_cast<char>(id));
  out.push_back(static_cast<char>(password_ok ? 1 : 0));
  out.push_back(static_cast<char>(check));
  return out;
}

std::string BuildDownloadFrame(uint8_t number, std::string_view payload) {
  const auto low = static_cast<uint8_t>(payload.size());
  const auto high = static_cast<uint8_t>(payload.size() >> 8);
  std::string out;
  out.push_back(static_cast<char>(number));
  out.push_back(static_cast<char>(low));
  out.push_back(static_cast<char>(high));
  out.push_back(static_cast<char>(number + low + high));
  uint16_t sum = 0;
  for (char c : payload) sum = static_cast<uint16_t>(sum + static_cast<uint8_t>(c));
  out.append(payload);
  out.push_back(static_cast<char>(sum & 0xFF));
  out.push_back(static_cast<char>(sum >> 8));
  return out;
}

}  // namespace olv
