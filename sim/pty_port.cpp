#include "sim/pty_port.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace olv {
namespace {

constexpr uint32_t kReconnectCheckMs = 10;
constexpr uint32_t kWriteRetryMs = 2;

}  // namespace

cPtyPort::cPtyPort(cLoopClock& clock) : mClock(clock) {
  mReconnectTimer = mClock.CreateTimer(kReconnectCheckMs, [this] { CheckClientBack(); });
  mRetryTimer = mClock.CreateTimer(kWriteRetryMs, [this] {
    mRetryTimer->Stop();
    Flush();
  });
}

cPtyPort::~cPtyPort() {
  if (mMaster < 0) return;
  mClock.UnwatchFd(mMaster);
  close(mMaster);
}

bool cPtyPort::Open(std::string* error) {
  auto fail = [&](const char* what) {
    if (error) *error = std::string(what) + ": " + std::strerror(errno);
    if (mMaster >= 0) close(mMaster);
    mMaster = -1;
    return false;
  };
  mMaster = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (mMaster < 0) return fail("cannot create a pseudo-terminal");
  if (grantpt(mMaster) != 0 || unlockpt(mMaster) != 0) return fail("cannot unlock the pseudo-terminal");
  char name[128];
  if (ptsname_r(mMaster, name, sizeof name) != 0) return fail("cannot name the pseudo-terminal");
  mPath = name;
  // Set through the master, the settings belong to the client's side and stay
  // while the client closes and opens it again.
  termios settings{};
  if (tcgetattr(mMaster, &settings) != 0) return fail("cannot read the line settings");
  cfmakeraw(&settings);
  cfsetispeed(&settings, B115200);
  cfsetospeed(&settings, B115200);
  if (tcsetattr(mMaster, TCSANOW, &settings) != 0) return fail("cannot set raw mode");
  mClock.WatchFd(mMaster, [this] { OnReadable(); });
  return true;
}

void cPtyPort::OnReadable() {
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(mMaster, buffer, sizeof buffer);
    if (n > 0) {
      if (mReceiver) mReceiver(std::string_view(buffer, static_cast<size_t>(n)));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) return;
    // EIO (or end of file): no client has the port open.
    OnClientGone();
    return;
  }
}

void cPtyPort::OnClientGone() {
  if (mClientGone) return;
  mClientGone = true;
  mPending.clear();
  mRetryTimer->Stop();
  // The master reports a hang-up for as long as nobody has the port open, so
  // it is checked on a timer instead of woken on.
  mClock.UnwatchFd(mMaster);
  mReconnectTimer->Start();
  if (mClientHandler) mClientHandler(false);
}

void cPtyPort::CheckClientBack() {
  pollfd p{mMaster, POLLIN, 0};
  if (poll(&p, 1, 0) < 0 || (p.revents & POLLHUP) != 0) return;
  mReconnectTimer->Stop();
  mClientGone = false;
  mClock.WatchFd(mMaster, [this] { OnReadable(); });
  if (mClientHandler) mClientHandler(true);
  if ((p.revents & POLLIN) != 0) OnReadable();
}

void cPtyPort::Write(std::string_view bytes) {
  if (mMaster < 0 || mClientGone) return;
  mPending.append(bytes);
  Flush();
}

void cPtyPort::Flush() {
  while (!mPending.empty()) {
    const ssize_t n = write(mMaster, mPending.data(), mPending.size());
    if (n > 0) {
      mPending.erase(0, static_cast<size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) {
      // The client is not reading: try again shortly.
      mRetryTimer->Start();
      return;
    }
    OnClientGone();
    return;
  }
}

}  // namespace olv
