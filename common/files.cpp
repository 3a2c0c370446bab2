#include "common/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/strings.h"

namespace olv {
namespace {

void SetError(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
}

eBladPliku KindOf(int error_number) {
  switch (error_number) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return eBladPliku::kBrakMiejsca;
    case EACCES:
    case EPERM:
    case EROFS:
      return eBladPliku::kBrakUprawnien;
    case ENOTDIR:
    case ENOENT:
      return eBladPliku::kNieFolder;
    case EBUSY:
    case ETXTBSY:
    case EISDIR:
      return eBladPliku::kPlikUzywany;
    default:
      return eBladPliku::kInny;
  }
}

// Both reports of one failure, taken while errno still tells it.
void SetError(std::string* error, eBladPliku* kind, const std::string& what) {
  const int error_number = errno;
  SetError(error, what);
  if (kind) *kind = KindOf(error_number);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string out;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    out.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return out;
}

std::string OpisBleduPliku(eBladPliku blad) {
  switch (blad) {
    case eBladPliku::kBrakMiejsca:
      return "brak miejsca na dysku";
    case eBladPliku::kBrakUprawnien:
      return "brak uprawnień do zapisu";
    case eBladPliku::kNieFolder:
      return "folder docelowy nie istnieje lub nie jest folderem";
    case eBladPliku::kPlikUzywany:
      return "plik jest używany lub w jego miejscu stoi folder";
    case eBladPliku::kInny:
      break;
  }
  return "błąd zapisu na dysku (szczegóły w dzienniku programu)";
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         eBladPliku* rodzaj) {
  const std::string temp = path + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    SetError(error, rodzaj, "cannot create " + temp);
    return false;
  }
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    SetError(error, rodzaj, "cannot write " + temp);
    ::close(fd);
    ::unlink(temp.c_str());
    return false;
  }
  if (::close(fd) != 0) {
    SetError(error, rodzaj, "cannot write " + temp);
    ::unlink(temp.c_str());
    return false;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    SetError(error, rodzaj, "cannot replace " + path);
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

bool AppendToFile(const std::string& path, std::string_view bytes, std::string* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) {
    SetError(error, "cannot open " + path);
    return false;
  }
  const bool ok = WriteAll(fd, bytes);
  if (!ok) SetError(error, "cannot write " + path);
  ::close(fd);
  return ok;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int64_t FileSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return static_cast<int64_t>(st.st_size);
}

bool CreateDirectory(const std::string& path) {
  return ::mkdir(path.c_str(), 0755) == 0 || DirectoryExists(path);
}

bool CreateDirectories(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
    CreateDirectory(path.substr(0, slash));
  return CreateDirectory(path);
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<std::string> ListFiles(const std::string& folder, std::string_view suffix) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return names;
  const std::string upper_suffix = ToUpperAscii(suffix);
  std::string base = folder;
  if (!base.empty() && base.back() != '/') base += '/';
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() < upper_suffix.size()) continue;
    if (ToUpperAscii(name.substr(name.size() - upper_suffix.size())) != upper_suffix) continue;
    if (FileExists(base + name)) names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace olv
