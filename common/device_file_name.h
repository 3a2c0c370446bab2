// The one check a name that comes from a device must pass before it becomes part
// of a local path: a plain 8.3 name of letters, digits, "_", "-" and "~", with
// at most one dot, at most 8 characters before it and 3 after. "..", slashes
// and everything else are refused.
//
// Callers must guarantee: nothing: any bytes are checked.
#pragma once

#include <string_view>

namespace olv {

bool IsPlain83Name(std::string_view name);

}  // namespace olv
