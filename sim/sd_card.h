// The SD card of a simulated device: a folder on disk. Like the FAT card it
// stands for, it finds names ignoring case and keeps one file per name; only
// plain 8.3 names are shown to the bus or written, so nothing is ever read or
// written outside the folder.
//
// Callers must guarantee: nobody else writes the folder while a file is being
// stored (a file written there by hand between operations is fine).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olv {

struct sCardFile {
  std::string name;
  uint64_t size = 0;
  // Last modification, seconds since 1970-01-01 UTC.
  int64_t modified = 0;
};

class cSdCard {
 public:
  explicit cSdCard(std::string folder);

  // Creates the folder when missing; false (with a reason) when it cannot,
  // or when it holds two names that differ only in case.
  bool Prepare(std::string* error = nullptr);
  const std::string& Folder() const { return mFolder; }

  // The regular files with plain 8.3 names, sorted by name.
  std::vector<sCardFile> Files() const;
  // The name as stored of the file that name designates, ignoring case.
  std::optional<std::string> Find(std::string_view name) const;
  std::optional<std::string> Read(std::string_view name) const;
  // Writes the file whole (temporary file and rename), replacing the file of
  // the same name in any case. False for a name that is not plain 8.3.
  bool Store(std::string_view name, std::string_view bytes, std::string* error = nullptr);
  // Adds bytes to the end of the file of that name (any case), creating it
  // when missing. False for a name that is not plain 8.3.
  bool Append(std::string_view name, std::string_view bytes, std::string* error = nullptr);
  // False when there is no such file or it cannot be removed.
  bool Delete(std::string_view name);

 private:
  std::string PathOf(std::string_view stored_name) const;

  std::string mFolder;
};

}  // namespace olv
