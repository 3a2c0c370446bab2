#include "common/loop_clock.h"

#include <poll.h>
#include <sys/time.h>

#include <cerrno>
#include <ctime>
#include <vector>

#include "common/dates.h"

namespace olv {

cLoopClock::cLoopClock() : mSchedule([this] { return NowMicros(); }) {}

uint64_t cLoopClock::NowMicros() const {
  timespec ts{};
  clock_gettime(CLOCK_BOOTTIME, &ts);
  return static_cast<uint64_t>(ts.tv_sec) * 1000000 + static_cast<uint64_t>(ts.tv_nsec) / 1000;
}

uint32_t cLoopClock::GetTickCount() const { return static_cast<uint32_t>(NowMicros() / 1000); }

double cLoopClock::Now() const {
  timeval tv{};
  gettimeofday(&tv, nullptr);
  const time_t seconds = tv.tv_sec;
  tm local{};
  localtime_r(&seconds, &local);
  return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec, static_cast<int>(tv.tv_usec / 1000));
}

void cLoopClock::Sleep(uint32_t ms) {
  timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000};
  while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
  }
}

std::unique_ptr<cTimer> cLoopClock::CreateTimer() { return mSchedule.CreateTimer(); }

void cLoopClock::WatchFd(int fd, std::function<void()> on_readable) {
  mWatched[fd] = std::move(on_readable);
}

void cLoopClock::UnwatchFd(int fd) { mWatched.erase(fd); }

void cLoopClock::RunOnce(int max_wait_ms) {
  int wait_ms = max_wait_ms;
  if (const auto due = mSchedule.NextDue()) {
    const uint64_t now = NowMicros();
    const int until_due = *due <= now ? 0 : static_cast<int>((*due - now + 999) / 1000);
    if (until_due < wait_ms) wait_ms = until_due;
  }
  std::vector<pollfd> fds;
  fds.reserve(mWatched.size());
  for (const auto& [fd, handler] : mWatched) fds.push_back(pollfd{fd, POLLIN, 0});
  const int ready = poll(fds.data(), fds.size(), wait_ms < 0 ? 0 : wait_ms);
  if (ready > 0) {
    for (const pollfd& p : fds) {
      if ((p.revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
      // Looked up again: an earlier handler may have unwatched this descriptor.
      const auto it = mWatched.find(p.fd);
      if (it == mWatched.end()) continue;
      auto handler = it->second;
      handler();
    }
  }
  const uint64_t now = NowMicros();
  while (mSchedule.RunOneDue(now)) {
  }
}

void cLoopClock::Run() {
  mQuit = false;
  while (!mQuit) RunOnce(1000);
}

bool cLoopClock::RunUntil(const std::function<bool()>& done, uint32_t limit_ms) {
  const uint64_t end = NowMicros() + uint64_t{limit_ms} * 1000;
  while (!done()) {
    const uint64_t now = NowMicros();
    if (now >= end) return done();
    RunOnce(static_cast<int>((end - now + 999) / 1000));
  }
  return true;
}

}  // namespace olv
