#include "sim/sd_card.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "common/device_file_name.h"
#include "common/files.h"
#include "common/strings.h"

namespace olv {

cSdCard::cSdCard(std::string folder) : mFolder(std::move(folder)) {
  while (mFolder.size() > 1 && mFolder.back() == '/') mFolder.pop_back();
}

bool cSdCard::Prepare(std::string* error) {
  if (!DirectoryExists(mFolder) && !CreateDirectory(mFolder)) {
    if (error) *error = "cannot create the card folder " + mFolder;
    return false;
  }
  // A FAT card holds one file per name whatever its case; a folder holding
  // two would let one of them stand for the other.
  std::vector<sCardFile> files = Files();
  std::sort(files.begin(), files.end(), [](const sCardFile& a, const sCardFile& b) {
    return ToUpperAscii(a.name) < ToUpperAscii(b.name);
  });
  for (size_t i = 1; i < files.size(); ++i) {
    if (ToUpperAscii(files[i - 1].name) != ToUpperAscii(files[i].name)) continue;
    if (error) {
      *error = "the card folder " + mFolder + " holds both " + files[i - 1].name + " and " +
               files[i].name + ", which are one name on a FAT card; keep one of them";
    }
    return false;
  }
  return true;
}

std::string cSdCard::PathOf(std::string_view stored_name) const {
  return mFolder + "/" + std::string(stored_name);
}

std::vector<sCardFile> cSdCard::Files() const {
  std::vector<sCardFile> files;
  DIR* dir = opendir(mFolder.c_str());
  if (!dir) return files;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (!IsPlain83Name(name)) continue;
    struct stat info {};
    if (stat(PathOf(name).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    files.push_back(sCardFile{name, static_cast<uint64_t>(info.st_size), info.st_mtime});
  }
  closedir(dir);
  std::sort(files.begin(), files.end(),
            [](const sCardFile& a, const sCardFile& b) { return a.name < b.name; });
  return files;
}

std::optional<std::string> cSdCard::Find(std::string_view name) const {
  if (!IsPlain83Name(name)) return std::nullopt;
  const std::string wanted = ToUpperAscii(name);
  for (const sCardFile& file : Files()) {
    if (ToUpperAscii(file.name) == wanted) return file.name;
  }
  return std::nullopt;
}

std::optional<std::string> cSdCard::Read(std::string_view name) const {
  const auto stored = Find(name);
  if (!stored) return std::nullopt;
  return ReadWholeFile(PathOf(*stored));
}

bool cSdCard::Store(std::string_view name, std::string_view bytes, std::string* error) {
  if (!IsPlain83Name(name)) {
    if (error) *error = "not a plain 8.3 name";
    return false;
  }
  const auto old = Find(name);
  if (!WriteFileAtomically(PathOf(name), bytes, error)) return false;
  if (old && *old != name) DeleteFile(PathOf(*old));
  return true;
}

bool cSdCard::Append(std::string_view name, std::string_view bytes, std::string* error) {
  if (!IsPlain83Name(name)) {
    if (error) *error = "not a plain 8.3 name";
    return false;
  }
  const auto stored = Find(name);
  return AppendToFile(PathOf(stored ? *stored : name), bytes, error);
}

bool cSdCard::Delete(std::string_view name) {
  const auto stored = Find(name);
  return stored && DeleteFile(PathOf(*stored));
}

}  // namespace olv
