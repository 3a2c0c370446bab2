// The operator's (Polish) words for why a file could not be written, from the
// system's error number. The system's own text goes to the log; this goes into
// the message the operator reads.
//
// Callers must guarantee: nothing: an unknown number gives a general text with
// the number.
#pragma once

#include <string>

namespace olv {

std::string OpisBleduPliku(int error_number);

}  // namespace olv
