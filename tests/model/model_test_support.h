// Helpers of the model tests (and of the layers above): a temporary folder
// that goes with everything in it.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace olv::test {

class cTempFolder {
 public:
  cTempFolder() {
    char pattern[] = "/tmp/olv_test_XXXXXX";
    if (mkdtemp(pattern) != nullptr) mPath = std::string(pattern) + "/";
  }
  ~cTempFolder() {
    std::error_code ignored;
    if (!mPath.empty()) std::filesystem::remove_all(mPath, ignored);
  }
  cTempFolder(const cTempFolder&) = delete;
  cTempFolder& operator=(const cTempFolder&) = delete;
  // Ends with "/".
  const std::string& Path() const { return mPath; }

 private:
  std::string mPath;
};

}  // namespace olv::test
