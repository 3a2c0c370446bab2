#include "comm/port_list.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "comm/port_name.h"
#include "common/files.h"
#include "common/strings.h"

namespace olv {

namespace {

namespace fs = std::filesystem;

// A legacy 8250 port whose "type" reads 0 has no UART behind it.
bool IsPlaceholderPort(const fs::path& entry, const std::string& name) {
  if (name.rfind("ttyS", 0) != 0) return false;
  const auto type = ReadWholeFile((entry / "type").string());
  return type && TrimBlanks(*type) == "0";
}

}  // namespace

std::vector<std::string> ListSerialPorts(const std::string& sysfs_tty_folder,
                                         std::string_view extra_ports) {
  std::vector<std::string> ports;
  std::error_code error;
  for (fs::directory_iterator it(sysfs_tty_folder, error), end; !error && it != end;
       it.increment(error)) {
    const fs::path entry = it->path();
    const std::string name = entry.filename().string();
    std::error_code exists_error;
    if (!fs::exists(entry / "device", exists_error)) continue;
    if (IsPlaceholderPort(entry, name)) continue;
    ports.push_back("/dev/" + name);
  }
  size_t start = 0;
  while (start <= extra_ports.size()) {
    size_t end = extra_ports.find(':', start);
    if (end == std::string_view::npos) end = extra_ports.size();
    const std::string item(TrimBlanks(extra_ports.substr(start, end - start)));
    if (!item.empty() && std::find(ports.begin(), ports.end(), item) == ports.end()) {
      ports.push_back(item);
    }
    start = end + 1;
  }
  SortByClosingNumber(ports);
  return ports;
}

std::vector<std::string> ListMachineSerialPorts() {
  const char* extra = std::getenv("OLV8_EXTRA_PORTS");
  return ListSerialPorts("/sys/class/tty", extra ? extra : "");
}

}  // namespace olv
