// The bytes a device sends back: the scan answer, the file-list reply, and the
// header and data frames of a file download. Pure functions, so the device's
// state machine stays apart from the byte layouts.
//
// Callers must guarantee: a download frame's payload holds at most 512 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/sd_card.h"

namespace olv {

// The character sent before a scan answer's text (the PC drops it).
inline constexpr char kScanAnswerLead = '#';
// The longest answer text sent; the PC keeps at most 240 bytes of an entry.
inline constexpr size_t kMaxScanAnswerText = 200;

// Start mark, ID, type 10, header check, the lead character, the text (0x00
// and 0xFF, which would end or restart the reply, sent as '?'), 0x00.
std::string BuildScanAnswer(uint8_t id, std::string_view text);
// Start mark, ID, the reply flag (1 = file list, password accepted; 0 =
// refused), header check, each line followed by CR LF, the end mark 0x15. A
// refused request gets no lines.
std::string BuildFileListReply(uint8_t id, bool password_ok, const std::vector<std::string>& lines);
// The 8.3 name, the date and time of the last change in the device's local
// time (DD.MM.YYYY and HH:MM:SS), and the size in bytes, separated by runs of
// spaces as a directory listing aligns them.
std::string FormatFileListLine(const sCardFile& file);
// Start mark, size (four bytes, low first), ID, password flag, check.
std::string BuildDownloadHeader(uint32_t size, uint8_t id, bool password_ok);
// Frame number, payload size (low, high), header check, payload, payload sum
// (low, high).
std::string BuildDownloadFrame(uint8_t number, std::string_view payload);

}  // namespace olv
