// cWlasciwosciPolaczenia: how the PC reaches a device: the serial port name
// ("COM3", "/dev/ttyUSB0", ...) and the speed in bits per second.
//
// Callers must guarantee: nothing.
#pragma once

#include <cstdint>
#include <string>

namespace olv {

struct cWlasciwosciPolaczenia {
  std::string Port;
  int32_t Predkosc = 115200;

  bool operator==(const cWlasciwosciPolaczenia& other) const = default;
};

}  // namespace olv
