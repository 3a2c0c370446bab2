// The rules of the PIN entry dialog: a PIN typed twice (or once, shown in
// clear) is accepted when both copies agree, it is digits only and it has 2 to
// 7 of them. The dialog tells the first broken rule, in this order.
//
// Callers must guarantee: nothing.
#pragma once

#include <string>
#include <string_view>

namespace olv {

enum class eBladPinu {
  kBrak,           // accepted
  kRozne,          // the two copies differ
  kNieCyfry,       // a character other than 0-9
  kZlaDlugosc,     // fewer than 2 or more than 7 characters
};

// With pokaz_pin the repeat copy is not compared: it is not in use then.
eBladPinu SprawdzWprowadzonyPin(std::string_view pin, std::string_view powtorzony, bool pokaz_pin);
// The message that tells the operator the broken rule; "" for kBrak.
std::string KomunikatBleduPinu(eBladPinu blad);
// Live highlighting: a text with any character other than 0-9 is invalid; an
// empty text is not.
bool PinZawieraNiecyfry(std::string_view text);

}  // namespace olv
