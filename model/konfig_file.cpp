#include "model/konfig_file.h"

#include <vector>

#include "common/cp1250.h"
#include "common/record_line.h"
#include "model/device_folder.h"

namespace olv {
namespace {

void Report(const cLogujacy& logger, std::string* error, const std::string& message) {
  logger.Log("Devlist: ZapiszKonfig: " + message);
  if (error) *error = message;
}

}  // namespace

std::optional<std::string> UtworzKonfig(const cUrzadzenie& device, double now,
                                        std::string* error) {
  std::string content;
  for (const std::string& line : DecodeRecordLine(device.GetKonfiguracja(now))) {
    const std::optional<std::string> cp1250 = Utf8ToCp1250(line);
    if (!cp1250 || line.find_first_of("\r\n") != std::string::npos) {
      if (error) {
        *error = "Konfiguracja urządzenia o ID " + device.GetIDString() +
                 " zawiera tekst, którego nie da się zapisać w pliku konfig.txt";
      }
      return std::nullopt;
    }
    content += *cp1250;
    content += "\r\n";
  }
  return content;
}

std::string ZapiszKonfig(const std::string& program_folder, const cDevList& devices,
                         int32_t unique, double now, std::string* error) {
  const cUrzadzenie* device = devices.GetDeviceByUnique(unique);
  if (!device) return {};
  std::string why;
  const std::optional<std::string> content = UtworzKonfig(*device, now, &why);
  if (!content) {
    Report(devices, error, why);
    return {};
  }
  const std::string path =
      ZapiszDoFolderuWyslanych(program_folder, device->ID, "konfig.txt", *content, why);
  if (path.empty()) Report(devices, error, why);
  return path;
}

}  // namespace olv
