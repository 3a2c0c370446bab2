#include "model/data_files.h"

#include <cerrno>
#include <functional>
#include <optional>
#include <vector>

#include "common/base64.h"
#include "common/cp1250.h"
#include "common/files.h"
#include "common/record_line.h"
#include "common/strings.h"

namespace olv {
namespace {

// Log lines start with the list's prefix and the operation, e.g.
// "Userlist: WczytajUzytkownikow".
struct cSource {
  const cLogujacy& logger;
  std::string operation;

  void Log(const std::string& detail) const { logger.Log(operation + ": " + detail); }
};

// Editors on other systems may open a file with the UTF-8 byte order mark.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Keeps the whole file beside itself before its unreadable lines are dropped
// by the next save. An earlier copy is never overwritten: the copies are
// numbered, path.bad, path.1.bad, path.2.bad and so on. A copy that already
// holds these bytes serves again, so loading the same file at every start
// does not pile up copies.
void KeepCopy(const std::string& path, const std::string& content, const cSource& source,
              cWynikWczytania& result) {
  for (int number = 0; number < 1000; ++number) {
    const std::string copy = path + (number == 0 ? "" : "." + std::to_string(number)) + ".bad";
    if (ReadWholeFile(copy) == content) {
      result.KopiaPliku = copy;
      return;
    }
    std::string why;
    if (WriteNewFile(copy, content, &why)) {
      source.Log("Kopia pliku z pominiętymi liniami: \"" + copy + "\"");
      result.KopiaPliku = copy;
      return;
    }
    if (errno != EEXIST) {
      source.Log("Nie zapisano kopii pliku \"" + copy + "\": " + why);
      return;
    }
  }
  source.Log("Nie zapisano kopii pliku \"" + path + "\": zbyt wiele kopii");
}

// The decoded record lines (UTF-8) of a data file; empty when the file is
// missing or unreadable. readable(record) tells a record line the list can
// take from one it would misread.
std::optional<std::vector<std::string>> ReadRecordLines(const std::string& path, const cSource& source,
                                                        const std::function<bool(std::string_view)>& readable,
                                                        cWynikWczytania& result) {
  if (!FileExists(path)) return std::nullopt;
  const std::optional<std::string> content = ReadWholeFile(path);
  if (!content) {
    source.Log("Nie można odczytać pliku \"" + path + "\"");
    return std::nullopt;
  }
  std::string_view text = *content;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string> records;
  const std::vector<std::string> lines = SplitLines(text);
  records.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = TrimBlanks(lines[i]);
    const std::string number = std::to_string(i + 1);
    const auto skip = [&](const std::string& why) {
      source.Log("Pomijam " + why);
      ++result.PominieteLinie;
    };
    if (line.empty()) {
      skip("pustą linię " + number);
      continue;
    }
    const std::optional<std::string> decoded = Base64Decode(line);
    if (!decoded) {
      skip("linię " + number + ", która nie jest zapisana w Base64");
      ++result.NieczytelneLinie;
      continue;
    }
    if (TrimBlanks(*decoded).empty()) {
      skip("pustą linię " + number);
      continue;
    }
    if (!IsCleanRecordLine(*decoded) || !readable(*decoded)) {
      skip("linię " + number + ", której nie da się odczytać");
      ++result.NieczytelneLinie;
      continue;
    }
    records.push_back(Cp1250ToUtf8(*decoded));
  }
  if (result.NieczytelneLinie > 0) KeepCopy(path, *content, source, result);
  return records;
}

// record_name(i): how the operator knows record i, for the message when its
// text does not fit CP1250. It must itself fit CP1250 (the log file is CP1250),
// so it names the record by its ID, not by the text at fault.
bool WriteRecordLines(const std::string& path, const std::vector<std::string>& records,
                      const std::function<std::string(size_t)>& record_name,
                      const cSource& source, std::string* error) {
  std::string content;
  for (size_t i = 0; i < records.size(); ++i) {
    const std::optional<std::string> cp1250 = Utf8ToCp1250(records[i]);
    if (!cp1250) {
      const std::string reason = record_name(i) + " (rekord " + std::to_string(i + 1) +
                                 ") zawiera znaki spoza strony kodowej 1250";
      source.Log("Nie zapisano pliku \"" + path + "\": " + reason);
      if (error) *error = "Nie zapisano pliku \"" + FileNameOf(path) + "\": " + reason;
      return false;
    }
    content += Base64Encode(*cp1250);
    content += "\r\n";
  }
  std::string why;
  eBladPliku kind = eBladPliku::kInny;
  if (!WriteFileAtomically(path, content, &why, &kind)) {
    source.Log("Nie zapisano pliku \"" + path + "\": " + why);
    if (error) *error = "Nie zapisano pliku \"" + FileNameOf(path) + "\": " + OpisBleduPliku(kind);
    return false;
  }
  return true;
}

// The list's own parse of the records; both lists load the same way.
template <typename tList>
cWynikWczytania LoadList(const std::string& path, tList& list, const char* operation,
                         const std::function<bool(std::string_view)>& readable) {
  const cSource source{list, operation};
  cWynikWczytania result;
  const auto records = ReadRecordLines(path, source, readable, result);
  if (!records) return result;
  list.WczytajBazeZPliku(*records);
  result.Wczytano = true;
  result.Rekordy = static_cast<int>(records->size());
  return result;
}

template <typename tList>
bool SaveList(const std::string& path, const tList& list, const char* operation,
              const std::function<std::string(size_t)>& record_name, std::string* error) {
  const cSource source{list, operation};
  std::vector<std::string> records;
  list.ZapiszBazeDoPliku(records);
  return WriteRecordLines(path, records, record_name, source, error);
}

}  // namespace

cWynikWczytania WczytajUzytkownikow(const std::string& path, cUserList& list) {
  return LoadList(path, list, "Userlist: WczytajUzytkownikow", cUzytkownik::CzasyWZakresie);
}

bool ZapiszUzytkownikow(const std::string& path, const cUserList& list, std::string* error) {
  const auto name = [&list](size_t i) {
    const cUzytkownik* user = list.GetUserByIndex(static_cast<int>(i));
    return "użytkownik o ID " + (user ? user->GetIDString() : std::string("?"));
  };
  return SaveList(path, list, "Userlist: ZapiszUzytkownikow", name, error);
}

cWynikWczytania WczytajUrzadzenia(const std::string& path, cDevList& list) {
  return LoadList(path, list, "Devlist: WczytajUrzadzenia", [](std::string_view) { return true; });
}

bool ZapiszUrzadzenia(const std::string& path, const cDevList& list, std::string* error) {
  const auto name = [&list](size_t i) {
    const cUrzadzenie* device = list.GetDeviceByIndex(static_cast<int>(i));
    return "urządzenie o ID " + (device ? device->GetIDString() : std::string("?"));
  };
  return SaveList(path, list, "Devlist: ZapiszUrzadzenia", name, error);
}

std::string KomunikatONieczytelnychLiniach(const std::string& opis_pliku, const cWynikWczytania& wynik) {
  if (wynik.NieczytelneLinie == 0) return "";
  const std::string poczatek = "Nie wszystkie wiersze " + opis_pliku + " dało się odczytać (pominięto: " +
                               std::to_string(wynik.NieczytelneLinie) + "). ";
  if (wynik.KopiaPliku.empty())
    return poczatek + "Nie udało się zachować kopii pliku (szczegóły w dzienniku programu).";
  return poczatek + "Cały plik zachowano obok niego jako " + FileNameOf(wynik.KopiaPliku) + ".";
}

}  // namespace olv
