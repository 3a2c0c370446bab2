// How many bytes a second the receiver of scan answers and file lists takes,
// against the line rate of 115 200 baud (11 520 bytes a second), and how many
// allocations it makes per byte (it should make one per completed line only).
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "comm/wpp_reply_receiver.h"
#include "common/loop_clock.h"

namespace {

size_t gAllocations = 0;

std::vector<uint8_t> SampleTraffic() {
  std::vector<uint8_t> bytes;
  // A file list of 200 event files, then scan answers of eight devices.
  const uint8_t list_header[] = {0xFF, 0x02, 0x01, 0x3A};
  bytes.insert(bytes.end(), list_header, list_header + 4);
  for (int i = 0; i < 200; ++i) {
    const std::string line = "2105" + std::to_string(1000 + i) + ".CSV  2021-05-11  10:00:00  " +
                             std::to_string(12000 + i * 7) + "\r\n";
    bytes.insert(bytes.end(), line.begin(), line.end());
  }
  bytes.push_back(0x15);
  for (uint8_t id = 2; id <= 9; ++id) {
    const uint8_t header[] = {0xFF, id, 0x0A, static_cast<uint8_t>(id + 0x0A + 0x37)};
    bytes.insert(bytes.end(), header, header + 4);
    const std::string text = "xOLV-8 kontroler drzwi nr " + std::to_string(id);
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0x00);
  }
  return bytes;
}

}  // namespace

void* operator new(size_t size) {
  ++gAllocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

int main() {
  const std::vector<uint8_t> traffic = SampleTraffic();
  olv::cWppReplyReceiver receiver;
  olv::cLoopClock clock;
  size_t lines = 0;
  size_t bytes = 0;
  size_t allocations = 0;
  const uint32_t start = clock.GetTickCount();
  uint32_t elapsed = 0;
  while (elapsed < 1500) {
    for (int pass = 0; pass < 100; ++pass) {
      const size_t before = gAllocations;
      receiver.Odbierz(traffic.data(), traffic.size());
      allocations += gAllocations - before;
      lines += receiver.FileListLines().size() + receiver.FoundDeviceLines().size();
      receiver.FileListLines().clear();
      receiver.FoundDeviceLines().clear();
      bytes += traffic.size();
    }
    elapsed = clock.GetTickCount() - start;
  }
  const double per_second = static_cast<double>(bytes) * 1000.0 / elapsed;
  std::printf("mode-0 receiver: %.0f bytes/s = %.0f x the line rate of 11520 bytes/s\n",
              per_second, per_second / 11520.0);
  std::printf("allocations: %zu for %zu bytes and %zu lines (%.4f per byte, %.2f per line)\n",
              allocations, bytes, lines, static_cast<double>(allocations) / bytes,
              static_cast<double>(allocations) / lines);
  return 0;
}
