// Whole-file reads and writes. A write goes to a temporary file in the same
// folder, is flushed to disk and renamed over the old file, so a failure (disk
// full, folder read-only) leaves the old file whole.
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
  kInny,
};
// The Polish phrase for the operator, e.g. "brak miejsca na dysku".
std::string OpisBleduPliku(eBladPliku blad);

// Empty when the file cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// On failure returns false; error, when given, then holds the system's words
// (for the log) and rodzaj, when given, the kind (for the operator).
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr, eBladPliku* rodzaj = nullptr);
// Appends bytes to the end of the file, creating it when missing.
bool AppendToFile(const std::string& path, std::string_view bytes, std::string* error = nullptr);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Size in bytes; -1 when the file does not exist.
int64_t FileSize(const std::string& path);
// Creates one directory; true when it exists afterwards.
bool CreateDirectory(const std::string& path);
// Creates the directory and every missing parent; true when it exists afterwards.
bool CreateDirectories(const std::string& path);
bool DeleteFile(const std::string& path);
// The part of path after its last '/'; the whole path when it has none.
std::string FileNameOf(const std::string& path);
// Names (not paths) of the regular files in folder whose name ends with suffix,
// compared ignoring ASCII case; sorted by name.
std::vector<std::string> ListFiles(const std::string& folder, std::string_view suffix = "");

}  // namespace olv
