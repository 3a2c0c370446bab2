// Conversion between UTF-8 (text in memory) and code page 1250 (text on disk and
// on the wire). Decoding is total: every one of the 256 bytes has a character,
// the five bytes the code page leaves unassigned becoming U+0081, U+0083,
// U+0088, U+0090 and U+0098. Encoding reports a character the code page cannot
// hold instead of replacing it.
//
// Callers must guarantee: nothing: any bytes decode, and any text is either
// encoded or refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace olv {

std::string Cp1250ToUtf8(std::string_view cp1250);
// Empty when the text is not valid UTF-8 or holds a character outside CP1250.
std::optional<std::string> Utf8ToCp1250(std::string_view utf8);
// For texts that must be written whatever they hold (the log): every character
// the code page lacks, and every byte that is not valid UTF-8, becomes "?".
std::string Utf8ToCp1250Replacing(std::string_view utf8);
// True when Utf8ToCp1250 would succeed.
bool FitsCp1250(std::string_view utf8);

}  // namespace olv
