#include "common/record_line.h"

#include <cstdint>

namespace olv {
namespace {

bool NeedsQuotes(std::string_view field) {
  for (char c : field) {
    if (static_cast<uint8_t>(c) <= 32 || c == '"' || c == ',') return true;
  }
  return false;
}

bool IsBlank(char c) {
  const auto b = static_cast<uint8_t>(c);
  return b >= 1 && b <= 32;
}

}  // namespace

std::string EncodeRecordLine(const std::vector<std::string>& fields) {
  if (fields.size() == 1 && fields[0].empty()) return "\"\"";
  std::string out;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    const std::string& field = fields[i];
    if (!NeedsQuotes(field)) {
      out += field;
      continue;
    }
    out += '"';
    for (char c : field) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out;
}

std::vector<std::string> DecodeRecordLine(std::string_view line) {
  std::vector<std::string> fields;
  size_t pos = 0;
  const size_t n = line.size();
  while (pos < n && IsBlank(line[pos])) ++pos;
  if (pos >= n) return fields;
  for (;;) {
    std::string field;
    if (pos < n && line[pos] == '"') {
      ++pos;
      while (pos < n) {
        if (line[pos] == '"') {
          if (pos + 1 < n && line[pos + 1] == '"') {
            field += '"';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        field += line[pos++];
      }
    } else {
      while (pos < n && line[pos] != ',' && static_cast<uint8_t>(line[pos]) > 32) {
        field += line[pos++];
      }
    }
    fields.push_back(std::move(field));
    while (pos < n && IsBlank(line[pos])) ++pos;
    if (pos >= n) break;
    if (line[pos] == ',') {
      ++pos;
      if (pos == n) {
        fields.emplace_back();
        break;
      }
      while (pos < n && IsBlank(line[pos])) ++pos;
      if (pos >= n) break;
    } else if (line[pos] == '\0') {
      // A NUL between fields ends the line, as it ends a C string.
      break;
    }
  }
  return fields;
}

bool IsCleanRecordLine(std::string_view line) {
  bool quoted = false;
  for (char c : line) {
    const auto b = static_cast<uint8_t>(c);
    if (b == 0 || (b < 32 && !quoted)) return false;
    // A doubled quote inside quotes flips twice and stays inside.
    if (c == '"') quoted = !quoted;
  }
  return true;
}

}  // namespace olv
