// Ordering of names as a Polish user expects it: Polish alphabet (a < ą < b ...
// ł ... ź < ż), letter case ignored, whatever the system locale.
//
// Callers must guarantee: the texts are UTF-8 (other bytes compare, but not in
// a sensible order).
#pragma once

#include <string_view>

namespace olv {

// <0, 0 or >0 like strcmp, on UTF-8 texts.
int ComparePolish(std::string_view a, std::string_view b);
inline bool LessPolish(std::string_view a, std::string_view b) { return ComparePolish(a, b) < 0; }

}  // namespace olv
