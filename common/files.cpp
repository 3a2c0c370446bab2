#include "common/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
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

constexpr mode_t kPrivateFile = 0600;
constexpr mode_t kPrivateFolder = 0700;

// The file a write to path lands on: path itself, or the end of the chain of
// symbolic links standing there (a relative link counts from its own folder).
// st receives what stands at the end, st_mode 0 when nothing does. Empty
// when the chain loops or cannot be read (errno tells).
std::optional<std::string> ResolveLinks(std::string path, struct stat& st) {
  for (int hops = 0; hops < 40; ++hops) {
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno != ENOENT) return std::nullopt;
      st = {};
      return path;
    }
    if (!S_ISLNK(st.st_mode)) return path;
    std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n < 0) return std::nullopt;
    link.resize(static_cast<size_t>(n));
    const size_t slash = path.find_last_of('/');
    path = link.starts_with('/') || slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
  }
  errno = ELOOP;
  return std::nullopt;
}

// Makes a rename survive a power cut; a failure here loses nothing already
// written, so it is let be.
void SyncFolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  static_cast<void>(::fsync(fd));
  ::close(fd);
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

// Gives a file just created its mode, its bytes, and waits until they are on
// the disk; closes it either way. On failure errno tells why.
bool FillAndClose(int fd, mode_t mode, std::string_view bytes) {
  const bool filled = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const int error_number = errno;
  const bool closed = ::close(fd) == 0;
  if (!filled) errno = error_number;
  return filled && closed;
}

// Removes a file left half-made by a failed write, keeping errno for the report.
void RemoveKeepingErrno(const std::string& path) {
  const int error_number = errno;
  ::unlink(path.c_str());
  errno = error_number;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  // A FIFO at path would block the reader: only a regular file is read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    errno = EINVAL;
    return std::nullopt;
  }
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
    case eBladPliku::kNieZwyklyPlik:
      return "w miejscu pliku stoi kolejka lub plik urządzenia, a nie zwykły plik";
    case eBladPliku::kInny:
      break;
  }
  return "błąd zapisu na dysku (szczegóły w dzienniku programu)";
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         eBladPliku* rodzaj) {
  struct stat st {};
  const std::optional<std::string> target = ResolveLinks(path, st);
  if (!target) {
    SetError(error, rodzaj, "cannot follow the link " + path);
    return false;
  }
  const bool exists = st.st_mode != 0;
  if (exists && !S_ISREG(st.st_mode)) {
    const bool folder = S_ISDIR(st.st_mode);
    if (error) *error = "cannot replace " + *target + ": " + (folder ? std::strerror(EISDIR) : "not a regular file");
    if (rodzaj) *rodzaj = folder ? eBladPliku::kPlikUzywany : eBladPliku::kNieZwyklyPlik;
    return false;
  }
  // A name nobody can foresee, created only where nothing stands.
  std::string temp = *target + ".XXXXXX.tmp";
  const int fd = ::mkostemps(temp.data(), 4, O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) {
    SetError(error, rodzaj, "cannot create a temporary file beside " + *target);
    return false;
  }
  // Owner first, as changing it may clear set-id bits the mode then restores.
  // Only root may give a file away: anyone else gets EPERM for a file not
  // their own, and keeps the mode all the same.
  if (exists && ::fchown(fd, st.st_uid, st.st_gid) != 0 && errno != EPERM) {
    SetError(error, rodzaj, "cannot keep the owner of " + *target);
    ::close(fd);
    RemoveKeepingErrno(temp);
    return false;
  }
  if (!FillAndClose(fd, exists ? st.st_mode & 07777 : kPrivateFile, bytes)) {
    SetError(error, rodzaj, "cannot write " + temp);
    RemoveKeepingErrno(temp);
    return false;
  }
  if (::rename(temp.c_str(), target->c_str()) != 0) {
    SetError(error, rodzaj, "cannot replace " + *target);
    RemoveKeepingErrno(temp);
    return false;
  }
  SyncFolderOf(*target);
  return true;
}

bool WriteNewFile(const std::string& path, std::string_view bytes, std::string* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateFile);
  if (fd < 0) {
    SetError(error, "cannot create " + path);
    return false;
  }
  if (!FillAndClose(fd, kPrivateFile, bytes)) {
    SetError(error, "cannot write " + path);
    RemoveKeepingErrno(path);
    return false;
  }
  return true;
}

bool AppendToFile(const std::string& path, std::string_view bytes, std::string* error) {
  // A new file is made private; an existing one is appended to through any
  // link, but only when it is a regular file (a FIFO would block the writer).
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateFile);
  if (fd >= 0 && ::fchmod(fd, kPrivateFile) != 0) {
    SetError(error, "cannot set the mode of " + path);
    ::close(fd);
    return false;
  }
  if (fd < 0 && errno == EEXIST) {
    fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  }
  if (fd < 0) {
    SetError(error, "cannot open " + path);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (error) *error = "not a regular file: " + path;
    ::close(fd);
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
  // The umask could open a new folder to others; an existing one keeps the
  // mode its owner gave it.
  if (::mkdir(path.c_str(), kPrivateFolder) == 0) return ::chmod(path.c_str(), kPrivateFolder) == 0;
  return DirectoryExists(path);
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

std::vector<std::string> ListFiles(const std::string& folder, std::string_view suffix,
                                   std::vector<cSkippedEntry>* skipped) {
  std::vector<std::string> names;
  const auto skip = [skipped](const std::string& name, const char* reason) {
    if (skipped) skipped->push_back({name, reason});
  };
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) {
    if (errno != ENOENT) skip("", std::strerror(errno));
    return names;
  }
  const std::string upper_suffix = ToUpperAscii(suffix);
  std::string base = folder;
  if (!base.empty() && base.back() != '/') base += '/';
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir);
    if (!entry) {
      if (errno != 0) skip("", std::strerror(errno));
      break;
    }
    const std::string name = entry->d_name;
    if (name == "." || name == ".." || name.size() < upper_suffix.size()) continue;
    if (ToUpperAscii(name.substr(name.size() - upper_suffix.size())) != upper_suffix) continue;
    struct stat st {};
    if (::stat((base + name).c_str(), &st) != 0) {
      skip(name, std::strerror(errno));
    } else if (S_ISREG(st.st_mode)) {
      names.push_back(name);
    } else {
      skip(name, "not a regular file");
    }
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace olv
