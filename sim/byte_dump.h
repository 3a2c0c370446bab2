// Bytes written for a log line: each as two upper-case hex digits separated by
// spaces, long runs cut with the count of bytes left out.
//
// Callers must guarantee nothing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace olv {

std::string DumpBytes(std::string_view bytes, size_t max_shown = 64);

}  // namespace olv
