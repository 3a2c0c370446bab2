// The record line: the fields of one record joined by "," with quoting, as the
// data files, the device configuration line and the list of used ports keep
// them. Works on bytes, so it serves CP1250 and UTF-8 text alike.
//
// Callers must guarantee: nothing: any bytes decode.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace olv {

// A field holding a character with code 0 to 32, a double quote or a comma is
// written in double quotes with inner quotes doubled; a list of exactly one
// empty field is written as "" so that it reads back as one field.
std::string EncodeRecordLine(const std::vector<std::string>& fields);
// A field that begins with a double quote runs to the matching closing quote
// (two quotes in a row stand for one); an unquoted field ends at a comma or at
// any character with code 0 to 32; characters with code 1 to 32 between fields
// are skipped; a comma at the very end adds one empty field. An empty line
// gives no fields.
std::vector<std::string> DecodeRecordLine(std::string_view line);
// False when the line holds a NUL, or a control character (code 1 to 31)
// outside double quotes: EncodeRecordLine never writes one, and decoding it
// would cut a field in two and shift the fields after it.
bool IsCleanRecordLine(std::string_view line);

}  // namespace olv
