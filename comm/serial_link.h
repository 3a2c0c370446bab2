// The serial link seam: the operations of one serial port as the WPP engine
// uses them. TCOMSocket implements it on a POSIX terminal device; cMemoryLink
// joins the engine to a simulated bus in virtual time.
//
// The engine fills the line settings, time-outs and queue sizes kept here and
// then asks the link to apply them (SetState, SetTimeouts, SetupBuffers), the
// way a Windows program edits a DCB and hands it to SetCommState.
//
// Callers must guarantee: one thread; Read and Write get buffers of at least the
// given size (a null buffer is allowed and yields 0).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace olv {

enum class eParity : uint8_t { None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4 };
enum class eStopBits : uint8_t { One = 0, OneAndHalf = 1, Two = 2 };
enum class eDtrControl : uint8_t { Disable = 0, Enable = 1, Handshake = 2 };
enum class eRtsControl : uint8_t { Disable = 0, Enable = 1, Handshake = 2, Toggle = 3 };

// The fields of the Windows device-control block that the engine sets or keeps.
struct cLineSettings {
  uint32_t BaudRate = 9600;
  uint8_t ByteSize = 8;
  eParity Parity = eParity::None;
  eStopBits StopBits = eStopBits::One;
  bool fBinary = true;
  bool fParity = false;
  bool fOutxCtsFlow = false;
  bool fOutxDsrFlow = false;
  eDtrControl fDtrControl = eDtrControl::Enable;
  bool fDsrSensitivity = false;
  bool fTXContinueOnXoff = false;
  bool fOutX = false;
  bool fInX = false;
  bool fErrorChar = false;
  bool fNull = false;
  eRtsControl fRtsControl = eRtsControl::Enable;
  bool fAbortOnError = false;
};

// Milliseconds, as in the Windows COMMTIMEOUTS. Reads never wait (only bytes
// already waiting are read); a write may take at most
// WriteTotalTimeoutMultiplier * length + WriteTotalTimeoutConstant, and has no
// bound when both are 0.
struct cCommTimeouts {
  uint32_t ReadIntervalTimeout = 0;
  uint32_t ReadTotalTimeoutMultiplier = 0;
  uint32_t ReadTotalTimeoutConstant = 0;
  uint32_t WriteTotalTimeoutMultiplier = 0;
  uint32_t WriteTotalTimeoutConstant = 0;
};

class cSerialLink {
 public:
  virtual ~cSerialLink() = default;

  // Only while closed. "COMn" (n from 1) or an absolute device path; false for
  // anything else, and then the name in force stays.
  virtual bool SetPortName(const std::string& name) = 0;
  // Closes any open port first; false when the port cannot be opened (missing,
  // in use, not a terminal).
  virtual bool Open() = 0;
  // True when closed afterwards (also when it was closed already).
  virtual bool Close() = 0;
  virtual bool IsOpen() const = 0;

  // Read the port's line settings into LineSettings() / apply them; false when
  // closed or refused.
  virtual bool GetState() = 0;
  virtual bool SetState() = 0;
  // Apply Timeouts(); false when closed or refused.
  virtual bool SetTimeouts() = 0;
  // Apply the queue sizes; false when closed or refused.
  virtual bool SetupBuffers() = 0;

  // Bytes received and not yet read; 0 when closed.
  virtual uint32_t BytesAvailable() = 0;
  // Reads at most capacity of the bytes already waiting; never waits.
  virtual uint32_t Read(uint8_t* buffer, uint32_t capacity) = 0;
  // Writes the whole buffer within the write time-outs; returns the count
  // written, 0 when closed or on failure.
  virtual uint32_t Write(const uint8_t* buffer, uint32_t length) = 0;

  // Replaces list with the names of the ports this link can open.
  virtual void ListPorts(std::vector<std::string>& list) = 0;

  cLineSettings& LineSettings() { return mLineSettings; }
  const cLineSettings& LineSettings() const { return mLineSettings; }
  cCommTimeouts& Timeouts() { return mTimeouts; }
  const cCommTimeouts& Timeouts() const { return mTimeouts; }
  void SetQueueSizes(uint32_t input_bytes, uint32_t output_bytes) {
    mInputQueueSize = input_bytes;
    mOutputQueueSize = output_bytes;
  }
  uint32_t InputQueueSize() const { return mInputQueueSize; }
  uint32_t OutputQueueSize() const { return mOutputQueueSize; }

 private:
  cLineSettings mLineSettings;
  cCommTimeouts mTimeouts;
  uint32_t mInputQueueSize = 0;
  uint32_t mOutputQueueSize = 0;
};

}  // namespace olv
