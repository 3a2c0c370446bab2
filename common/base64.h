// Base64 with the standard alphabet of RFC 4648, "=" padding and no line breaks,
// as the data files store one encoded record line per line.
//
// Callers must guarantee: nothing: any text is either decoded or refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olv {

std::string Base64Encode(std::string_view bytes);
// Empty when the text is not valid Base64: a character outside the alphabet,
// a length that is not a multiple of four, or padding anywhere but at the end.
std::optional<std::string> Base64Decode(std::string_view text);
// Every line encoded on its own.
std::vector<std::string> Base64EncodeLines(const std::vector<std::string>& lines);

}  // namespace olv
