// TCOMSocket: the owner of one serial port on a POSIX terminal device. It opens
// the port exclusively (no other program, and no second TCOMSocket of this one,
// can open it meanwhile), maps the line settings onto termios, reads only what
// has arrived and bounds each write by the write time-outs. It has no thread or
// timer: the WPP engine polls it.
//
// Callers must guarantee: one thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "comm/serial_link.h"

namespace olv {

class TCOMSocket : public cSerialLink {
 public:
  TCOMSocket() = default;
  ~TCOMSocket() override;
  TCOMSocket(const TCOMSocket&) = delete;
  TCOMSocket& operator=(const TCOMSocket&) = delete;

  bool SetPortName(const std::string& name) override;
  bool Open() override;
  bool Close() override;
  bool IsOpen() const override { return mHandle >= 0; }
  bool GetState() override;
  bool SetState() override;
  bool SetTimeouts() override;
  bool SetupBuffers() override;
  uint32_t BytesAvailable() override;
  uint32_t Read(uint8_t* buffer, uint32_t capacity) override;
  uint32_t Write(const uint8_t* buffer, uint32_t length) override;
  void ListPorts(std::vector<std::string>& list) override;

  // The device the port name stands for; empty when no name is set.
  const std::string& DevicePath() const { return mDevicePath; }

 private:
  int mHandle = -1;
  std::string mDevicePath;
};

}  // namespace olv
