// The three card fields of the user dialogs and how each one, once the
// operator has typed a valid value into it, rewrites the others: the full
// number (decimal, 0 to FFFFFFFFFF), and the two check numbers, the third byte
// (bits 16-23, 0-255) and the last two bytes (bits 0-15, 0-65535). A field
// holding an invalid text is highlighted and changes nothing.
//
// Callers must guarantee: nothing: any text is read or refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/karta_rfid.h"

namespace olv {

struct cPolaKarty {
  std::string Pelny;             // 14 digits when written by these rules
  std::string TrzeciBajt;        // 3 digits
  std::string OstatnieDwaBajty;  // 5 digits
};

// The fields of a card: 14, 3 and 5 digits with leading zeros.
cPolaKarty PolaKarty(const cKartaRFID& karta);

// The full number's value when its text is a valid one (digits only, 0 to
// FFFFFFFFFF); empty otherwise.
std::optional<uint64_t> WartoscPelnegoNumeru(std::string_view text);

// Each returns false while the edited field's text is invalid: a check number
// then changes nothing, an invalid full number empties both check numbers. A
// valid full number rewrites both check numbers; a valid check number
// rewrites the full number, keeping every other bit of it. When the
// full number is 0 (or not a valid number), the other check number's field is
// taken into it first, so the two check numbers build a short number.
bool PoZmianiePelnegoNumeru(cPolaKarty& pola);
bool PoZmianieTrzeciegoBajtu(cPolaKarty& pola);
bool PoZmianieOstatnichDwochBajtow(cPolaKarty& pola);

// The card as the user list takes it: the full number's text read as a 64-bit
// number and written in upper-case hexadecimal without leading zeros ("0" for
// an empty field: no card). Any other text that is not a full number (not
// digits only, or above FFFFFFFFFF) gives nothing: it is no card number at all.
std::optional<std::string> KartaHexZPelnegoNumeru(std::string_view text);

}  // namespace olv
