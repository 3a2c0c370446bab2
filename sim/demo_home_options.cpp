#include "sim/demo_home_options.h"

#include <algorithm>

#include "common/numbers.h"

namespace olv {
namespace {

// "2,3,4": one to eight distinct bus IDs 2 to 9.
std::optional<std::vector<int>> ParseBusIds(const std::string& text) {
  std::vector<int> ids;
  size_t from = 0;
  while (from <= text.size()) {
    const size_t comma = std::min(text.find(',', from), text.size());
    const auto id = ParseInt(text.substr(from, comma - from));
    if (!id || *id < 2 || *id > 9 || std::count(ids.begin(), ids.end(), *id) > 0) {
      return std::nullopt;
    }
    ids.push_back(*id);
    from = comma + 1;
  }
  return ids;
}

}  // namespace

std::string DemoHomeUsage() {
  return "usage: olv8-demo-home --home DIR --port PORT [options]\n"
         "Writes the demo's users and devices into DIR/data and the devices' SD cards\n"
         "with weeks of events ending today, for olv8-sim --cards.\n"
         "  --home DIR      the program folder (OLV8_HOME) to fill\n"
         "  --port PORT     the port the devices are registered on\n"
         "  --ids LIST      their bus IDs, comma-separated, 2-9 (default 2,3,4)\n"
         "  --cards DIR     where the cards go, one subfolder 0000000N each\n"
         "                  (default DIR/cards of --home)\n"
         "  --no-cards      no cards: real devices answer on the port\n"
         "  --weeks N       weeks of events, 1-52 (default 6)\n"
         "  --seed N        seed of the events (default 1)\n"
         "  --force         replace data/users.txt and data/devices.txt\n"
         "  --help          this text\n";
}

std::optional<sDemoHomeOptions> ParseDemoHomeOptions(const std::vector<std::string>& args,
                                                     std::string* error) {
  sDemoHomeOptions options;
  sDemoHomeSettings& settings = options.settings;
  auto fail = [error](const std::string& why) -> std::optional<sDemoHomeOptions> {
    if (error) *error = why;
    return std::nullopt;
  };
  bool cards_given = false;
  bool no_cards = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--help" || option == "-h") {
      options.help = true;
      continue;
    }
    if (option == "--no-cards") {
      no_cards = true;
      continue;
    }
    if (option == "--force") {
      settings.overwrite = true;
      continue;
    }
    static const std::vector<std::string> kWithValue = {"--home", "--port",  "--ids",
                                                        "--cards", "--weeks", "--seed"};
    if (std::find(kWithValue.begin(), kWithValue.end(), option) == kWithValue.end()) {
      return fail("unknown option " + option);
    }
    if (i + 1 >= args.size()) return fail("missing value after " + option);
    const std::string& value = args[++i];
    if (option == "--home") {
      settings.home = value;
    } else if (option == "--port") {
      settings.port = value;
    } else if (option == "--ids") {
      const auto ids = ParseBusIds(value);
      if (!ids || ids->size() > 8) return fail("--ids wants distinct bus IDs 2 to 9, as 2,3,4");
      settings.bus_ids = *ids;
    } else if (option == "--cards") {
      settings.cards = value;
      cards_given = true;
    } else if (option == "--weeks") {
      const auto weeks = ParseInt(value);
      if (!weeks || *weeks < 1 || *weeks > 52) return fail("--weeks wants a number 1 to 52");
      settings.weeks = *weeks;
    } else {  // --seed
      const auto seed = ParseInt(value);
      if (!seed || *seed < 0) return fail("--seed wants a whole number");
      settings.seed = static_cast<uint32_t>(*seed);
    }
  }
  if (options.help) return options;
  if (settings.home.empty()) return fail("no --home");
  if (settings.port.empty()) return fail("no --port");
  if (cards_given && no_cards) return fail("--cards and --no-cards exclude each other");
  if (no_cards) {
    settings.cards.clear();
  } else if (!cards_given) {
    settings.cards = settings.home + "/cards";
  }
  return options;
}

}  // namespace olv
