#include "comm/com_socket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/timerfd.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

#include "comm/port_list.h"
#include "comm/port_name.h"

namespace olv {

namespace {

constexpr std::array<std::pair<uint32_t, speed_t>, 24> kSpeeds{{
    {50, B50},       {75, B75},         {110, B110},       {134, B134},      {150, B150},
    {200, B200},     {300, B300},       {600, B600},       {1200, B1200},    {1800, B1800},
    {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},  {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {500000, B500000},
    {576000, B576000}, {921600, B921600}, {1000000, B1000000}, {2000000, B2000000},
}};

bool SpeedFor(uint32_t baud, speed_t& speed) {
  for (const auto& [rate, code] : kSpeeds) {
    if (rate == baud) {
      speed = code;
      return true;
    }
  }
  return false;
}

uint32_t BaudFor(speed_t speed) {
  for (const auto& [rate, code] : kSpeeds) {
    if (code == speed) return rate;
  }
  return 0;
}

tcflag_t ByteSizeFlag(uint8_t byte_size) {
  switch (byte_size) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
  }
}

uint8_t ByteSizeOf(tcflag_t cflag) {
  switch (cflag & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
  }
}

void SetModemLine(int fd, int line, bool on) {
  // Pseudo-terminals and some adapters have no modem lines; that is no error
  // for a three-wire bus.
  ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

}  // namespace

TCOMSocket::~TCOMSocket() { Close(); }

bool TCOMSocket::SetPortName(const std::string& name) {
  if (IsOpen()) return false;
  const auto parsed = ParsePortName(name);
  if (!parsed) return false;
  mDevicePath = parsed->DevicePath;
  return true;
}

bool TCOMSocket::Open() {
  Close();
  if (mDevicePath.empty()) return false;
  const int fd = ::open(mDevicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  termios settings{};
  // TIOCEXCL keeps other programs out; the lock also holds against a process
  // with the privilege to ignore TIOCEXCL, and against this program itself.
  // The lock comes first: a second opener must fail before it touches the
  // exclusive flag of the port's holder.
  if (!isatty(fd) || tcgetattr(fd, &settings) != 0 || flock(fd, LOCK_EX | LOCK_NB) != 0 ||
      ioctl(fd, TIOCEXCL) != 0) {
    ::close(fd);
    return false;
  }
  cfmakeraw(&settings);
  settings.c_cflag |= CLOCAL | CREAD;
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  if (tcsetattr(fd, TCSANOW, &settings) != 0) {
    ioctl(fd, TIOCNXCL);
    ::close(fd);
    return false;
  }
  tcflush(fd, TCIOFLUSH);
  mHandle = fd;
  return true;
}

bool TCOMSocket::Close() {
  if (!IsOpen()) return true;
  ioctl(mHandle, TIOCNXCL);
  // Linux releases the descriptor even when close reports an error, so the
  // handle must not be kept (it could name another file later).
  const bool closed = ::close(mHandle) == 0 || errno == EINTR;
  mHandle = -1;
  return closed;
}

bool TCOMSocket::GetState() {
  if (!IsOpen()) return false;
  termios settings{};
  if (tcgetattr(mHandle, &settings) != 0) return false;
  cLineSettings& line = LineSettings();
  line.BaudRate = BaudFor(cfgetospeed(&settings));
  line.ByteSize = ByteSizeOf(settings.c_cflag);
  if ((settings.c_cflag & PARENB) == 0) {
    line.Parity = eParity::None;
  } else if ((settings.c_cflag & CMSPAR) != 0) {
    line.Parity = (settings.c_cflag & PARODD) != 0 ? eParity::Mark : eParity::Space;
  } else {
    line.Parity = (settings.c_cflag & PARODD) != 0 ? eParity::Odd : eParity::Even;
  }
  line.StopBits = (settings.c_cflag & CSTOPB) != 0 ? eStopBits::Two : eStopBits::One;
  line.fBinary = true;
  line.fParity = (settings.c_iflag & INPCK) != 0;
  line.fOutxCtsFlow = (settings.c_cflag & CRTSCTS) != 0;
  line.fOutX = (settings.c_iflag & IXON) != 0;
  line.fInX = (settings.c_iflag & IXOFF) != 0;
  return true;
}

bool TCOMSocket::SetState() {
  if (!IsOpen()) return false;
  const cLineSettings& line = LineSettings();
  speed_t speed{};
  if (!SpeedFor(line.BaudRate, speed) || line.ByteSize < 5 || line.ByteSize > 8 ||
      line.StopBits == eStopBits::OneAndHalf) {
    return false;
  }
  termios settings{};
  if (tcgetattr(mHandle, &settings) != 0) return false;
  cfmakeraw(&settings);
  settings.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
  settings.c_cflag |= CLOCAL | CREAD | ByteSizeFlag(line.ByteSize);
  switch (line.Parity) {
    case eParity::None: break;
    case eParity::Odd: settings.c_cflag |= PARENB | PARODD; break;
    case eParity::Even: settings.c_cflag |= PARENB; break;
    case eParity::Mark: settings.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case eParity::Space: settings.c_cflag |= PARENB | CMSPAR; break;
  }
  if (line.StopBits == eStopBits::Two) settings.c_cflag |= CSTOPB;
  if (line.fOutxCtsFlow || line.fRtsControl == eRtsControl::Handshake) {
    settings.c_cflag |= CRTSCTS;
  }
  if (line.fParity) settings.c_iflag |= INPCK;
  if (line.fOutX) settings.c_iflag |= IXON;
  if (line.fInX) settings.c_iflag |= IXOFF;
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  if (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0 ||
      tcsetattr(mHandle, TCSANOW, &settings) != 0) {
    return false;
  }
  SetModemLine(mHandle, TIOCM_DTR, line.fDtrControl != eDtrControl::Disable);
  if (line.fRtsControl != eRtsControl::Handshake) {
    SetModemLine(mHandle, TIOCM_RTS, line.fRtsControl != eRtsControl::Disable);
  }
  return true;
}

bool TCOMSocket::SetTimeouts() {
  // Reads never wait and writes take their bound from Timeouts() each time, so
  // there is nothing to hand to the driver.
  return IsOpen();
}

bool TCOMSocket::SetupBuffers() {
  // The kernel's terminal buffers have a fixed size.
  return IsOpen();
}

uint32_t TCOMSocket::BytesAvailable() {
  if (!IsOpen()) return 0;
  int waiting = 0;
  if (ioctl(mHandle, FIONREAD, &waiting) != 0 || waiting < 0) return 0;
  return static_cast<uint32_t>(waiting);
}

uint32_t TCOMSocket::Read(uint8_t* buffer, uint32_t capacity) {
  if (!IsOpen() || buffer == nullptr || capacity == 0) return 0;
  const uint32_t waiting = BytesAvailable();
  if (waiting == 0) return 0;
  const ssize_t got = ::read(mHandle, buffer, waiting < capacity ? waiting : capacity);
  return got > 0 ? static_cast<uint32_t>(got) : 0;
}

uint32_t TCOMSocket::Write(const uint8_t* buffer, uint32_t length) {
  if (!IsOpen() || buffer == nullptr || length == 0) return 0;
  const cCommTimeouts& timeouts = Timeouts();
  const uint64_t budget_ms = uint64_t{timeouts.WriteTotalTimeoutMultiplier} * length +
                             timeouts.WriteTotalTimeoutConstant;
  // The deadline is a kernel timer, so the wait needs no clock reading here.
  int deadline = -1;
  if (budget_ms > 0) {
    deadline = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);
    if (deadline < 0) return 0;
    itimerspec when{};
    when.it_value.tv_sec = static_cast<time_t>(budget_ms / 1000);
    when.it_value.tv_nsec = static_cast<long>(budget_ms % 1000) * 1000000;
    timerfd_settime(deadline, 0, &when, nullptr);
  }
  uint32_t written = 0;
  while (written < length) {
    const ssize_t n = ::write(mHandle, buffer + written, length - written);
    if (n > 0) {
      written += static_cast<uint32_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) break;
    pollfd waits[2] = {{mHandle, POLLOUT, 0}, {deadline, POLLIN, 0}};
    const int ready = poll(waits, deadline >= 0 ? 2 : 1, -1);
    if (ready < 0 && errno != EINTR) break;
    if (ready > 0 && (waits[1].revents & POLLIN) != 0) break;
    if ((waits[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) break;
  }
  if (deadline >= 0) ::close(deadline);
  return written;
}

void TCOMSocket::ListPorts(std::vector<std::string>& list) { list = ListMachineSerialPorts(); }

}  // namespace olv
