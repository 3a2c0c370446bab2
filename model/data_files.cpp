#include "model/data_files.h"

#include <functional>
#include <optional>
#include <vector>

#include "common/base64.h"
#include "common/cp1250.h"
#include "common/files.h"
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

// The decoded record lines (UTF-8) of a data file; empty when the file is
// missing or unreadable.
std::optional<std::vector<std::string>> ReadRecordLines(const std::string& path,
                                                        const cSource& source,
                                                        cWynikWczytania& result) {
  if (!FileExists(path)) return std::nullopt;
  const std::optional<std::string> content = ReadWholeFile(path);
  if (!content) {
    source.Log("Nie można odczytać pliku \"" + path + "\"");
    return std::nullopt;
  }
  std::vector<std::string> records;
  bool lost_data = false;
  const std::vector<std::string> lines = SplitLines(*content);
  records.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = TrimBlanks(lines[i]);
    const std::string number = std::to_string(i + 1);
    if (line.empty()) {
      source.Log("Pomijam pustą linię " + number);
      ++result.PominieteLinie;
      continue;
    }
    const std::optional<std::string> decoded = Base64Decode(line);
    if (!decoded) {
      source.Log("Pomijam linię " + number + ", która nie jest zapisana w Base64");
      ++result.PominieteLinie;
      lost_data = true;
      continue;
    }
    if (TrimBlanks(*decoded).empty()) {
      source.Log("Pomijam pustą linię " + number);
      ++result.PominieteLinie;
      continue;
    }
    records.push_back(Cp1250ToUtf8(*decoded));
  }
  if (lost_data) {
    const std::string copy = path + ".bad";
    std::string why;
    if (WriteFileAtomically(copy, *content, &why)) {
      source.Log("Kopia pliku z pominiętymi liniami: \"" + copy + "\"");
      result.KopiaPliku = copy;
    } else {
      source.Log("Nie zapisano kopii pliku \"" + copy + "\": " + why);
    }
  }
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
      const std::string message = "Nie zapisano pliku \"" + path + "\": " + record_name(i) +
                                  " (rekord " + std::to_string(i + 1) +
                                  ") zawiera znaki spoza strony kodowej 1250";
      source.Log(message);
      if (error) *error = message;
      return false;
    }
    content += Base64Encode(*cp1250);
    content += "\r\n";
  }
  std::string why;
  eBladPliku kind = eBladPliku::kInny;
  if (!WriteFileAtomically(path, content, &why, &kind)) {
    source.Log("Nie zapisano pliku \"" + path + "\": " + why);
    if (error) *error = "Nie zapisano pliku \"" + path + "\": " + OpisBleduPliku(kind);
    return false;
  }
  return true;
}

// The list's own parse of the records; both lists load the same way.
template <typename tList>
cWynikWczytania LoadList(const std::string& path, tList& list, const char* operation) {
  const cSource source{list, operation};
  cWynikWczytania result;
  const auto records = ReadRecordLines(path, source, result);
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
  return LoadList(path, list, "Userlist: WczytajUzytkownikow");
}

bool ZapiszUzytkownikow(const std::string& path, const cUserList& list, std::string* error) {
  const auto name = [&list](size_t i) {
    const cUzytkownik* user = list.GetUserByIndex(static_cast<int>(i));
    return "użytkownik o ID " + (user ? user->GetIDString() : std::string("?"));
  };
  return SaveList(path, list, "Userlist: ZapiszUzytkownikow", name, error);
}

cWynikWczytania WczytajUrzadzenia(const std::string& path, cDevList& list) {
  return LoadList(path, list, "Devlist: WczytajUrzadzenia");
}

bool ZapiszUrzadzenia(const std::string& path, const cDevList& list, std::string* error) {
  const auto name = [&list](size_t i) {
    const cUrzadzenie* device = list.GetDeviceByIndex(static_cast<int>(i));
    return "urządzenie o ID " + (device ? device->GetIDString() : std::string("?"));
  };
  return SaveList(path, list, "Devlist: ZapiszUrzadzenia", name, error);
}

}  // namespace olv
