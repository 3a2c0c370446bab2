#include "sim/device_config.h"

#include <algorithm>
#include <array>

#include "common/cp1250.h"
#include "common/numbers.h"
#include "common/strings.h"

namespace olv {
namespace {

std::string Cp1250(std::string_view utf8) { return Utf8ToCp1250(utf8).value_or(std::string(utf8)); }

// "a.b.c" with three whole numbers.
std::optional<std::array<int, 3>> ThreeNumbers(std::string_view text) {
  std::array<int, 3> numbers{};
  for (int i = 0; i < 3; ++i) {
    const size_t dot = i < 2 ? text.find('.') : text.size();
    if (dot == std::string_view::npos) return std::nullopt;
    const auto number = ParseInt(std::string(text.substr(0, dot)));
    if (!number || *number < 0) return std::nullopt;
    numbers[static_cast<size_t>(i)] = *number;
    text.remove_prefix(std::min(text.size(), dot + 1));
  }
  return numbers;
}

bool TakeClockValue(std::string_view line, std::string_view key, std::string_view* value) {
  if (line.size() <= key.size() || line.substr(0, key.size()) != key) return false;
  *value = TrimBlanks(line.substr(key.size()));
  return true;
}

bool TakeValue(std::string_view line, std::string_view key, std::string_view* value) {
  if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != '=') {
    return false;
  }
  *value = line.substr(key.size() + 1);
  return true;
}

}  // namespace

cDeviceConfig cDeviceConfig::Factory(int bus_id) {
  cDeviceConfig config;
  config.device_id = "Rejestrator OLV";
  config.port0 = Cp1250("wejście");
  config.port1 = Cp1250("wyjście");
  config.button = false;
  config.rsid = bus_id;
  return config;
}

void cDeviceConfig::Apply(std::string_view text, std::vector<std::string>* problems) {
  auto problem = [problems](const std::string& what) {
    if (problems) problems->push_back(what);
  };
  clock_date.reset();
  clock_time.reset();
  for (const std::string& line : SplitLines(text)) {
    std::string_view value;
    if (TakeClockValue(line, "data:", &value)) {
      const auto n = ThreeNumbers(value);
      if (n && (*n)[0] >= 1900 && (*n)[0] <= 9999 && (*n)[1] >= 1 && (*n)[1] <= 12 && (*n)[2] >= 1 &&
          (*n)[2] <= DaysInMonth((*n)[0], (*n)[1])) {
        clock_date = cDateTimeFields{(*n)[0], (*n)[1], (*n)[2]};
      } else {
        problem("date not Y.M.D: " + std::string(value));
      }
    } else if (TakeClockValue(line, "time:", &value)) {
      const auto n = ThreeNumbers(value);
      if (n && (*n)[0] <= 23 && (*n)[1] <= 59 && (*n)[2] <= 59) {
        cDateTimeFields fields;
        fields.hour = (*n)[0];
        fields.minute = (*n)[1];
        fields.second = (*n)[2];
        clock_time = fields;
      } else {
        problem("time not H.M.S: " + std::string(value));
      }
    } else if (TakeValue(line, "DeviceID", &value)) {
      device_id = value;
    } else if (TakeValue(line, "port0", &value)) {
      port0 = value;
    } else if (TakeValue(line, "port1", &value)) {
      port1 = value;
    } else if (TakeValue(line, "button", &value)) {
      if (value == "on" || value == "off") {
        button = value == "on";
      } else {
        problem("button value not on/off: " + std::string(value));
      }
    } else if (TakeValue(line, "RSID", &value)) {
      if (value.size() == 1 && value[0] >= '1' && value[0] <= '9') {
        rsid = value[0] - '0';
      } else {
        problem("RSID not a digit 1-9: " + std::string(value));
      }
    }
  }
}

std::string cDeviceConfig::ToKonfout() const {
  return "DeviceID=" + device_id + "\r\nport0=" + port0 + "\r\nport1=" + port1 +
         "\r\nbutton=" + (button ? "on" : "off") + "\r\nRSID=" + std::to_string(rsid) + "\r\n";
}

}  // namespace olv
