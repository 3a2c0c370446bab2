#include "sim/sim_options.h"

#include <algorithm>

#include "common/numbers.h"

namespace olv {
namespace {

std::optional<int> ParseBusId(const std::string& text) {
  const auto id = ParseInt(text);
  if (!id || *id < 1 || *id > 9) return std::nullopt;
  return id;
}

// "ID:VALUE" with ID 1 to 9 and a non-negative whole VALUE.
std::optional<std::pair<int, uint64_t>> ParseIdAndCount(const std::string& text) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const auto id = ParseBusId(text.substr(0, colon));
  const auto count = ParseInt(text.substr(colon + 1));
  if (!id || !count || *count < 0) return std::nullopt;
  return std::make_pair(*id, static_cast<uint64_t>(*count));
}

std::optional<double> ParseRate(const std::string& text) {
  const auto rate = ParseNumber(text);
  if (!rate || *rate < 0 || *rate > 1) return std::nullopt;
  return rate;
}

}  // namespace

std::string SimUsage() {
  return "usage: olv8-sim [options]\n"
         "Serves a simulated bus of OLV devices on a pseudo-terminal; prints its path.\n"
         "  --device ID:FOLDER   a device with bus ID 1-9 and its SD card folder (repeatable)\n"
         "  --devices N          N devices with default cards, bus IDs 2 to N+1\n"
         "  --cards DIR          devices from the card folders DIR/0000000N (with --devices:\n"
         "                       where the default cards are made; else a temporary folder)\n"
         "  --link PATH          make PATH a symbolic link to the port (removed on exit)\n"
         "  --pace               send at the line rate of 115 200 baud\n"
         "  --log FILE           append every frame received and sent to FILE\n"
         "  --verbose            write every frame received and sent to standard error\n"
         "  --silent ID          the device answers nothing (repeatable)\n"
         "  --empty-frames ID    the device's download frames after the first carry no\n"
         "                       payload (repeatable)\n"
         "  --endless-list ID    the device sends its file list again and again, never\n"
         "                       ending it (repeatable)\n"
         "  --late ID:MS         every answer of the device leaves MS milliseconds late\n"
         "  --cut ID:BYTES       the line of the device breaks after BYTES more bytes\n"
         "                       (the rest of that answer is lost; later answers go whole)\n"
         "  --fall-silent ID:BYTES  the line of the device breaks after BYTES more bytes\n"
         "                       and the device answers nothing from then on\n"
         "  --drop RATE          chance (0-1) that a byte is lost, in both directions\n"
         "  --garble RATE        chance (0-1) that a byte is changed, in both directions\n"
         "  --seed N             seed of the line damage and the visits (default 1)\n"
         "  --events MS          every MS milliseconds a device records a visit of one of\n"
         "                       its users in its event file of the day\n"
         "  --help               this text\n";
}

std::optional<sSimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                           std::string* error) {
  sSimOptions options;
  auto fail = [error](const std::string& why) -> std::optional<sSimOptions> {
    if (error) *error = why;
    return std::nullopt;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--help" || option == "-h") {
      options.help = true;
      continue;
    }
    if (option == "--pace") {
      options.pace = true;
      continue;
    }
    if (option == "--verbose" || option == "-v") {
      options.verbose = true;
      continue;
    }
    static const std::vector<std::string> kWithValue = {
        "--device", "--devices", "--cards", "--link", "--log",  "--silent", "--empty-frames",
        "--endless-list",
        "--late",   "--cut",     "--fall-silent", "--drop", "--garble", "--seed", "--events"};
    if (std::find(kWithValue.begin(), kWithValue.end(), option) == kWithValue.end()) {
      return fail("unknown option " + option);
    }
    if (i + 1 >= args.size()) return fail("missing value after " + option);
    const std::string& value = args[++i];
    if (option == "--device") {
      const size_t colon = value.find(':');
      const auto id = colon == std::string::npos ? std::nullopt : ParseBusId(value.substr(0, colon));
      if (!id || colon + 1 >= value.size()) return fail("--device wants ID:FOLDER, ID 1 to 9");
      options.devices.push_back({*id, value.substr(colon + 1)});
    } else if (option == "--devices") {
      const auto count = ParseInt(value);
      if (!count || *count < 1 || *count > 8) return fail("--devices wants a number 1 to 8");
      options.default_devices = *count;
    } else if (option == "--cards") {
      options.cards = value;
    } else if (option == "--link") {
      options.link = value;
    } else if (option == "--log") {
      options.log_file = value;
    } else if (option == "--silent" || option == "--empty-frames" || option == "--endless-list") {
      const auto id = ParseBusId(value);
      if (!id) return fail(option + " wants a bus ID 1 to 9");
      (option == "--silent"         ? options.silent
       : option == "--empty-frames" ? options.empty_frames
                                    : options.endless_list)
          .push_back(*id);
    } else if (option == "--late" || option == "--cut" || option == "--fall-silent") {
      const auto parsed = ParseIdAndCount(value);
      if (!parsed) return fail(option + " wants ID:NUMBER, ID 1 to 9");
      if (option == "--late") {
        options.late.emplace_back(parsed->first, static_cast<uint32_t>(parsed->second));
      } else if (option == "--cut") {
        options.cut.push_back(*parsed);
      } else {
        options.fall_silent.push_back(*parsed);
      }
    } else if (option == "--drop" || option == "--garble") {
      const auto rate = ParseRate(value);
      if (!rate) return fail(option + " wants a chance from 0 to 1");
      (option == "--drop" ? options.drop : options.garble) = *rate;
    } else if (option == "--events") {
      const auto interval = ParseInt(value);
      if (!interval || *interval < 1) return fail("--events wants milliseconds, at least 1");
      options.event_interval_ms = static_cast<uint32_t>(*interval);
    } else {  // --seed
      const auto seed = ParseInt(value);
      if (!seed || *seed < 0) return fail("--seed wants a whole number");
      options.seed = static_cast<uint32_t>(*seed);
    }
  }
  if (!options.help && options.devices.empty() && options.default_devices == 0 &&
      options.cards.empty()) {
    return fail("no devices: give --device, --devices or --cards");
  }
  return options;
}

}  // namespace olv
