// cOdbicie: one punch, a card or PIN presented at a reader of a device (or its
// push button), as read from one line of a device's event file.
//
// The reader name is shared between the punches of one reader (a million
// punches name a handful of readers), so a punch stays small; it reads like a
// plain text field.
//
// Callers must guarantee: nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace olv {

class cOdbicie {
 public:
  static constexpr uint8_t kNeutralny = 0;
  static constexpr uint8_t kWejscie = 1;
  static constexpr uint8_t kWyjscie = 2;

  cOdbicie() = default;
  virtual ~cOdbicie() = default;
  cOdbicie(const cOdbicie&) = default;
  cOdbicie& operator=(const cOdbicie&) = default;

  // The six fields joined as a comma list (a field holding a blank, a comma or
  // a quote in double quotes): user ID, "YYYY-MM-DD HH:MM:SS", device Unique,
  // reader name, direction, "True" or "False" for the marker.
  virtual std::string ToString() const;

  const std::string& NazwaCzytnika() const;
  void UstawNazweCzytnika(std::string nazwa);
  // Shares one stored name between the punches of one reader.
  void UstawNazweCzytnika(std::shared_ptr<const std::string> nazwa);

  // The user's ID from the line; 0 for "0000" (no user); -1 when the four
  // characters are not a number.
  int32_t IDUzytkownika = 0;
  // Days since 1899-12-30, to the second.
  double Czas = 0;
  // Unique of the device record whose folder the file was read from.
  int32_t Urzadzenie = 0;
  // 0 neutral, 1 entry, 2 exit (the reader's mode); any other value is neutral.
  uint8_t Kierunek = kNeutralny;
  // The letter "p" in column 30: the user came by PIN.
  bool p = false;

 private:
  std::shared_ptr<const std::string> mNazwaCzytnika;
};

}  // namespace olv
