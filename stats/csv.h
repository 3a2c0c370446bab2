// cCSV: a table collected row by row as text cells and written as a CSV file
// in code page 1250 with CR LF line ends, like the program's other files.
//
// Minimal quoting: a cell is written in double quotes, with every inner double
// quote doubled, when it holds a blank, a double quote, the separator, a
// carriage return or a line feed; any other cell as it is. The final line end
// of the file is dropped, so a table exported with a closing empty row ends
// each of its rows with one line end.
//
// Callers must guarantee: cells are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace olv {

class cCSV {
 public:
  // Separator indexes: 0 ";", 1 ",", 2 tab; any other index puts nothing
  // between cells.
  static constexpr int kSrednik = 0;
  static constexpr int kPrzecinek = 1;
  static constexpr int kTabulator = 2;

  cCSV() = default;
  virtual ~cCSV() = default;

  virtual void DodajKomorke(const std::string& tekst);
  virtual void WyczyscWiersz();
  virtual void WyczyscWiersze();
  // Appends the current row (maybe without cells) and starts a new one.
  virtual void ZakonczWiersz();
  // Writes through a temporary file, replacing an existing file. False when a
  // cell does not fit code page 1250 or the file cannot be written (nothing
  // written then); powod, when given, says why in Polish for the operator, and
  // blad_systemu the system's own words for the log (empty when the text was
  // refused before writing).
  virtual bool ZapiszDoPliku(const std::string& sciezka, int separator, std::string* powod = nullptr,
                             std::string* blad_systemu = nullptr) const;

  // The bytes ZapiszDoPliku writes; empty when a cell does not fit code page
  // 1250 (error then says which).
  std::optional<std::string> Tekst(int separator, std::string* error = nullptr) const;

  const std::vector<std::vector<std::string>>& Wiersze() const { return mWiersze; }

 private:
  std::vector<std::vector<std::string>> mWiersze;
  std::vector<std::string> mBiezacyWiersz;
};

// A cell that holds a name (a user's, a device's, a reader's) as it is
// exported: a name that begins with "=", "+", "-" or "@" gets a leading
// apostrophe, so that a spreadsheet shows it as text and does not run it as a
// formula. Computed cells (times, balances such as "-01:30:00") never pass
// through here.
std::string NazwaDoArkusza(const std::string& nazwa);

}  // namespace olv
