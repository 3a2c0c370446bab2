#include "sim/demo_home.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>

#include "common/cp1250.h"
#include "common/files.h"
#include "model/data_files.h"
#include "model/dev_list.h"
#include "model/device_folder.h"
#include "model/user_list.h"
#include "model/users_file.h"
#include "sim/demo_events.h"
#include "sim/demo_installation.h"
#include "sim/device_config.h"
#include "sim/sd_card.h"

namespace olv {
namespace {

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

// With every missing folder above it, private as the program makes its own.
bool MakeFolder(const std::string& path, std::string* error) {
  return CreateDirectories(path) || Fail(error, "cannot make " + path + ": " + std::strerror(errno));
}

cDeviceConfig ConfigOf(const cUrzadzenie& device) {
  cDeviceConfig config = cDeviceConfig::Factory(device.ID);
  config.device_id = Utf8ToCp1250(device.Nazwa).value_or(config.device_id);
  config.port0 = Utf8ToCp1250(device.Czytnik0.Nazwa).value_or(config.port0);
  config.port1 = Utf8ToCp1250(device.Czytnik1.Nazwa).value_or(config.port1);
  config.button = device.Przycisk;
  return config;
}

// KONFOUT.TXT and USERS.txt of every device, and the card of a new device.
bool WriteCardSetUp(const std::string& cards, const cDevList& devices, const cUserList& users,
                    uint32_t seed, std::string* error) {
  std::mt19937 random(seed);
  for (int i = 0; i < devices.CountDevices(); ++i) {
    const cUrzadzenie& device = *devices.GetDeviceByIndex(i);
    cSdCard card(cards + "/" + NazwaFolderuUrzadzenia(device.ID));
    std::string why;
    if (!card.Prepare(&why)) return Fail(error, card.Folder() + ": " + why);
    const auto users_file = UtworzUsers(device, users, random, &why);
    if (!users_file) return Fail(error, "USERS.txt of " + device.Nazwa + ": " + why);
    if (!card.Store("KONFOUT.TXT", ConfigOf(device).ToKonfout(), &why) ||
        !card.Store("USERS.txt", *users_file, &why)) {
      return Fail(error, card.Folder() + ": " + why);
    }
  }
  // A factory-fresh device, registered nowhere, waits at ID 1 for the operator
  // to try registering it.
  cSdCard fresh(cards + "/" + NazwaFolderuUrzadzenia(1));
  std::string why;
  if (!fresh.Prepare(&why) || !fresh.Store("KONFOUT.TXT", cDeviceConfig::Factory(1).ToKonfout(), &why)) {
    return Fail(error, fresh.Folder() + ": " + why);
  }
  return true;
}

}  // namespace

std::optional<sDemoHomeSummary> WriteDemoHome(const sDemoHomeSettings& settings, cClock& clock,
                                              std::string* error) {
  const std::string data = settings.home + "/data";
  const std::string users_path = data + "/users.txt";
  const std::string devices_path = data + "/devices.txt";
  if (!MakeFolder(settings.home, error) || !MakeFolder(data, error)) return std::nullopt;
  if (!settings.overwrite && (FileExists(users_path) || FileExists(devices_path))) {
    Fail(error, data + " already holds users.txt or devices.txt");
    return std::nullopt;
  }

  cUserList users(clock);
  cDevList devices(clock);
  const std::vector<sDemoRoute> routes =
      BuildDemoInstallation(users, devices, settings.port, settings.bus_ids, clock);
  std::string why;
  if (!ZapiszUzytkownikow(users_path, users, &why) ||
      !ZapiszUrzadzenia(devices_path, devices, &why)) {
    Fail(error, why);
    return std::nullopt;
  }
  sDemoHomeSummary summary;
  summary.users = users.CountUsers();
  summary.devices = devices.CountDevices();
  if (settings.cards.empty()) return summary;

  if (!MakeFolder(settings.cards, error) ||
      !WriteCardSetUp(settings.cards, devices, users, settings.seed, error)) {
    return std::nullopt;
  }
  const auto files =
      MakeDemoEventFiles(routes, users, devices, clock.Now(), settings.weeks * 7, settings.seed, error);
  if (!files) return std::nullopt;
  for (const sDemoEventFile& file : *files) {
    cSdCard card(settings.cards + "/" + NazwaFolderuUrzadzenia(file.bus_id));
    if (!card.Store(file.name, file.bytes, &why)) {
      Fail(error, card.Folder() + "/" + file.name + ": " + why);
      return std::nullopt;
    }
    ++summary.event_files;
    summary.events += static_cast<int>(std::count(file.bytes.begin(), file.bytes.end(), '\n'));
  }
  return summary;
}

}  // namespace olv
