#include "app/stare_dzienniki.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

#include "common/dates.h"

namespace olv {
namespace {

bool JestNazwaDziennika(const std::string& nazwa) {
  constexpr size_t kPrzed = 3, kPo = 4;  // "log", ".txt"
  if (nazwa.size() <= kPrzed + kPo || nazwa.compare(0, kPrzed, "log") != 0 ||
      nazwa.compare(nazwa.size() - kPo, kPo, ".txt") != 0)
    return false;
  for (size_t i = kPrzed; i < nazwa.size() - kPo; ++i)
    if (nazwa[i] < '0' || nazwa[i] > '9') return false;
  return true;
}

// The local date-time of the entry's last change; none when it cannot be read.
bool CzasZmiany(const std::string& sciezka, double* czas) {
  struct stat info {};
  tm lokalny{};
  if (lstat(sciezka.c_str(), &info) != 0 || localtime_r(&info.st_mtime, &lokalny) == nullptr) return false;
  *czas = EncodeDateTime(lokalny.tm_year + 1900, lokalny.tm_mon + 1, lokalny.tm_mday, lokalny.tm_hour,
                         lokalny.tm_min, lokalny.tm_sec);
  return true;
}

std::vector<std::string> NazwyDziennikow(const std::string& folder) {
  std::vector<std::string> nazwy;
  DIR* katalog = opendir(folder.c_str());
  if (katalog == nullptr) return nazwy;
  while (const dirent* wpis = readdir(katalog)) {
    if (JestNazwaDziennika(wpis->d_name)) nazwy.emplace_back(wpis->d_name);
  }
  closedir(katalog);
  return nazwy;
}

}  // namespace

void UsunStareDzienniki(const std::string& program_folder, double teraz, const LogFunction& loguj) {
  const std::string folder = program_folder + "log/";
  for (const std::string& nazwa : NazwyDziennikow(folder)) {
    const std::string sciezka = folder + nazwa;
    double zmiana = 0;
    if (!CzasZmiany(sciezka, &zmiana) || teraz - zmiana <= kDniPrzechowywaniaDziennikow) continue;
    if (unlink(sciezka.c_str()) == 0) {
      loguj("Form1: UsunStareDzienniki: usunięto " + sciezka);
    } else {
      loguj("Form1: UsunStareDzienniki: nie można usunąć " + sciezka + ": " + std::strerror(errno));
    }
  }
}

}  // namespace olv
