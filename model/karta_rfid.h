// cKartaRFID: the number of one RFID identifier (card, key fob) and its forms.
// The full number is 40 bits (printed in decimal on the card); the "numery
// kontrolne" are its third byte (bits 16-23) and last two bytes (bits 0-15),
// which together make the 24-bit short number. 0 means no card. data/users.txt
// stores the full number as 10 upper-case hexadecimal digits.
//
// Callers must guarantee: nothing: any text reads (what is not hexadecimal
// gives no card).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace olv {

class cKartaRFID {
 public:
  cKartaRFID() = default;
  virtual ~cKartaRFID() = default;
  cKartaRFID(const cKartaRFID&) = default;
  cKartaRFID& operator=(const cKartaRFID&) = default;

  virtual void UstawWartosc(uint64_t value);
  // Not a decimal number -> 0.
  virtual void UstawZTekstuDziesietnego(std::string_view text);
  // "0x" is put in front unless the text starts with exactly "0x" (so "0X12"
  // is no number); then read as hexadecimal; not a number -> 0.
  virtual void UstawZTekstuHex(std::string_view text);
  // Keeps bits 0-23 of value.
  virtual void UstawKrotkiNumer(uint64_t value);
  // Replaces bits 16-23; a value outside 0-255 counts as 0.
  virtual void UstawTrzeciBajt(int64_t value);
  // Replaces bits 0-15; a value outside 0-65535 counts as 0.
  virtual void UstawOstatnieDwaBajty(int64_t value);

  virtual uint64_t GetWartosc() const;
  virtual uint64_t GetTrzeciBajt() const;
  virtual uint64_t GetOstatnieDwaBajty() const;
  virtual uint64_t GetKrotkiNumer() const;

  // Upper-case hexadecimal, at least 10 / 8 / 3 / 5 digits.
  virtual std::string GetHex() const;
  virtual std::string GetKrotkiNumerHex() const;
  virtual std::string GetTrzeciBajtHex() const;
  virtual std::string GetOstatnieDwaBajtyHex() const;
  // Decimal, at least 14 / 8 / 3 / 5 digits.
  virtual std::string GetDec() const;
  virtual std::string GetKrotkiNumerDec() const;
  virtual std::string GetTrzeciBajtDec() const;
  virtual std::string GetOstatnieDwaBajtyDec() const;

  virtual void Wyczysc();
  // FFFFFFFFFF: the largest full number the dialogs accept.
  virtual uint64_t MaksymalnaWartosc() const;

  bool operator==(const cKartaRFID& other) const { return mWartosc == other.mWartosc; }

 private:
  uint64_t mWartosc = 0;
};

// The hexadecimal reading shared by the card and the user list: text with an
// optional leading "0x", hexadecimal digits of either case, at most 16 of them;
// anything else gives 0.
uint64_t HexTextToCardValue(std::string_view text);

}  // namespace olv
