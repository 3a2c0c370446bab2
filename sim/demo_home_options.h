// The command line of olv8-demo-home: which program folder to fill, the port
// to register the devices on, their bus IDs, where their cards go, how many
// weeks of events and which seed.
//
// Callers must guarantee nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/demo_home.h"

namespace olv {

struct sDemoHomeOptions {
  sDemoHomeSettings settings;
  bool help = false;
};

// Empty, with the reason in error, when the arguments (without the program
// name) cannot be taken. The cards go to HOME/cards unless --cards or
// --no-cards says otherwise.
std::optional<sDemoHomeOptions> ParseDemoHomeOptions(const std::vector<std::string>& args,
                                                     std::string* error);
std::string DemoHomeUsage();

}  // namespace olv
