// Data file lines: Base64 first, then the record line, then back again; any
// input must decode without a crash, and whatever decodes must survive a round trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/base64.h"
#include "common/cp1250.h"
#include "common/record_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto fields = olv::DecodeRecordLine(input);
  if (olv::DecodeRecordLine(olv::EncodeRecordLine(fields)) != fields) std::abort();
  if (const auto decoded = olv::Base64Decode(input)) {
    if (olv::Base64Decode(olv::Base64Encode(*decoded)) != decoded) std::abort();
  }
  const std::string utf8 = olv::Cp1250ToUtf8(input);
  if (olv::Utf8ToCp1250(utf8) != input) std::abort();
  return 0;
}
