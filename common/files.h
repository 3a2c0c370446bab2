// Whole-file reads and writes. A write goes to a temporary file in the same
// folder, is flushed to disk and renamed over the old file, so a failure (disk
// full, folder read-only) leaves the old file whole. The temporary file gets a
// name nobody can foresee and is created only where nothing stands, so a link
// planted in the folder cannot turn a write against another file.
//
// What the program creates is private to its user whatever the umask: files
// 0600, folders 0700. A file replaced keeps its mode (and its owner, when the
// writer is root).
//
// Callers must guarantee: the folder of a path written to exists (nothing here
// creates parent folders); one writer per file at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olv {

// Why a write failed, in the terms the operator is told; the system's own
// words (in English) belong in the log only.
enum class eBladPliku : uint8_t {
  kBrakMiejsca,
  kBrakUprawnien,
  kNieFolder,
  kPlikUzywany,
  kNieZwyklyPlik,
  kInny,
};
// The Polish phrase for the operator, e.g. "brak miejsca na dysku".
std::string OpisBleduPliku(eBladPliku blad);

// Empty when the file cannot be read or is not a regular file.
std::optional<std::string> ReadWholeFile(const std::string& path);
// A symbolic link at path is written through: the file at the end of its
// chain is replaced and the link stays. Something at path that is not a
// regular file (a folder, a FIFO, a device) is refused, never replaced.
// On failure returns false; error, when given, then holds the system's words
// (for the log) and rodzaj, when given, the kind (for the operator).
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr, eBladPliku* rodzaj = nullptr);
// Creates a new private file holding bytes, only where nothing stands at path
// (not even a link): false with errno EEXIST otherwise, and whatever stands
// there stays. A failed write removes the half-made file.
bool WriteNewFile(const std::string& path, std::string_view bytes, std::string* error = nullptr);
// Appends bytes to the end of the file, creating it when missing; refuses a
// path that is not a regular file.
bool AppendToFile(const std::string& path, std::string_view bytes, std::string* error = nullptr);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Size in bytes; -1 when the file does not exist.
int64_t FileSize(const std::string& path);
// Creates one directory (0700); true when it exists afterwards.
bool CreateDirectory(const std::string& path);
// Creates the directory and every missing parent; true when it exists afterwards.
bool CreateDirectories(const std::string& path);
bool DeleteFile(const std::string& path);
// The part of path after its last '/'; the whole path when it has none.
std::string FileNameOf(const std::string& path);
// An entry a listing passed over: its name ("" for the folder itself, when it
// exists but cannot be listed) and why, in the system's words.
struct cSkippedEntry {
  std::string name;
  std::string reason;
};
// Names (not paths) of the regular files in folder whose name ends with suffix,
// compared ignoring ASCII case; sorted by name. A folder that does not exist
// lists nothing. With skipped, every matching entry that is not a regular file
// or cannot be looked at, and a folder that cannot be read, are added to it.
std::vector<std::string> ListFiles(const std::string& folder, std::string_view suffix = "",
                                   std::vector<cSkippedEntry>* skipped = nullptr);

}  // namespace olv
