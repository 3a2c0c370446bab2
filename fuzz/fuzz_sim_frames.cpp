// The simulator's side of the bus: whatever bytes arrive, the frame parsers and
// the USERS.txt reader stay within their limits, and a device with a card
// answers without a crash. Time moves on between chunks so that the staggered
// answers and the repeat requests after a quiet line run too.
#include <stdlib.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/virtual_clock.h"
#include "sim/card_users.h"
#include "sim/host_frame_parser.h"
#include "sim/sim_bus.h"
#include "sim/upload_frame_parser.h"
#include "sim/wire_format.h"

namespace {

const std::string& CardRoot() {
  static const std::string root = [] {
    char pattern[] = "/tmp/olv_fuzz_sim_XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    return std::string(pattern);
  }();
  return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  olv::cHostFrameParser host;
  olv::cUploadFrameParser upload;
  for (size_t i = 0; i < size; ++i) {
    if (host.Feed(data[i]) == olv::cHostFrameParser::eResult::kFrame) {
      const olv::sHostFrame& frame = host.Frame();
      if (frame.password.size() > olv::wire::kPassword.size() ||
          frame.name.size() > olv::cHostFrameParser::kMaxUploadName) {
        std::abort();
      }
    }
    if (upload.Feed(data[i]) == olv::cUploadFrameParser::eResult::kFrame &&
        upload.Payload().size() > olv::wire::kMaxFramePayload) {
      std::abort();
    }
  }

  std::array<uint8_t, 256> pin_table{};
  for (size_t b = 0; b < pin_table.size(); ++b) pin_table[b] = static_cast<uint8_t>(b % 10);
  if (const auto users = olv::ReadCardUsers(
          std::string_view(reinterpret_cast<const char*>(data), size), pin_table)) {
    for (const olv::sCardUser& user : *users) {
      if (user.card_field.size() != 8 || user.pin.size() > olv::kMaxCardUserPin) std::abort();
    }
  }

  olv::cVirtualClock clock;
  olv::cSimBus bus(clock);
  std::string sent;
  bus.SetSender([&sent](const uint8_t* bytes, size_t n) {
    sent.append(reinterpret_cast<const char*>(bytes), n);
  });
  if (!bus.AddDevice(2, CardRoot() + "/00000002")) std::abort();
  // An activation first, so that requests in the input are answered.
  static const uint8_t kActivation[] = {0xFF, 0xA3, 0x5C, 0x19, 0xE7, 0x42, 0x8D, 0x0B, 0x76,
                                        0xF1, 0x2E, 0x94, 0x6C, 0x3B, 0xA8, 0xD5, 0x02};
  bus.Receive(kActivation, sizeof kActivation);
  for (size_t at = 0; at < size; at += 64) {
    bus.Receive(data + at, size - at < 64 ? size - at : 64);
    clock.AdvanceMs(7);
  }
  clock.AdvanceMs(1000);
  return 0;
}
