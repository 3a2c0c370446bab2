#include "sim/event_line.h"

#include <cstdio>

namespace olv {

std::string FormatEventLine(const sDeviceEvent& event) {
  char head[64];
  std::snprintf(head, sizeof head, "%04d, %04d-%02d-%02d, %02d:%02d:%02d,  %c, %d,\"",
                event.user_id % 10000, event.when.year % 10000, event.when.month % 100,
                event.when.day % 100, event.when.hour % 100, event.when.minute % 100,
                event.when.second % 100, event.by_pin ? 'p' : ' ', event.reader % 10);
  return head + event.reader_name + "\"\r\n";
}

std::string EventFileName(const cDateTimeFields& when) {
  char name[16];
  std::snprintf(name, sizeof name, "%04d%02d%02d.CSV", when.year % 10000, when.month % 100,
                when.day % 100);
  return name;
}

}  // namespace olv
