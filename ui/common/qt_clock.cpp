#include "ui/common/qt_clock.h"

#include <QTimerEvent>
#include <cerrno>
#include <ctime>

#include "common/dates.h"

namespace olv {

// Owns the Qt timer ids. A timer event looks its timer up by id, so a handler
// that destroys its own timer (or another) leaves nothing dangling.
class cQtClock::cDispatcher : public QObject {
 public:
  int Register(cQtTimer* timer, uint32_t interval_ms) {
    const int id = startTimer(static_cast<int>(interval_ms), Qt::PreciseTimer);
    if (id != 0) mTimers[id] = timer;
    return id;
  }
  void Unregister(int id) {
    killTimer(id);
    mTimers.erase(id);
  }

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  std::unordered_map<int, cQtTimer*> mTimers;
};

class cQtClock::cQtTimer : public cTimer {
 public:
  explicit cQtTimer(std::weak_ptr<cDispatcher> dispatcher) : mDispatcher(std::move(dispatcher)) {}
  ~cQtTimer() override { Stop(); }

  void SetInterval(uint32_t ms) override {
    mInterval = ms;
    if (mActive) Start();
  }
  uint32_t Interval() const override { return mInterval; }
  void Start() override {
    Unschedule();
    mActive = true;
    // An interval of 0 never fires, as the clock seam promises.
    if (mInterval == 0) return;
    if (const auto dispatcher = mDispatcher.lock()) mId = dispatcher->Register(this, mInterval);
  }
  void Stop() override {
    Unschedule();
    mActive = false;
  }
  bool IsActive() const override { return mActive; }
  void SetHandler(std::function<void()> handler) override { mHandler = std::move(handler); }

  void Fire() {
    if (!mHandler) return;
    // A copy: the handler may destroy this timer.
    const auto handler = mHandler;
    handler();
  }

 private:
  void Unschedule() {
    if (mId == 0) return;
    if (const auto dispatcher = mDispatcher.lock()) dispatcher->Unregister(mId);
    mId = 0;
  }

  std::weak_ptr<cDispatcher> mDispatcher;
  std::function<void()> mHandler;
  uint32_t mInterval = 0;
  bool mActive = false;
  int mId = 0;
};

void cQtClock::cDispatcher::timerEvent(QTimerEvent* event) {
  const auto it = mTimers.find(event->timerId());
  if (it == mTimers.end()) return;
  it->second->Fire();
}

cQtClock::cQtClock() : mDispatcher(std::make_shared<cDispatcher>()) {}

cQtClock::~cQtClock() = default;

uint32_t cQtClock::GetTickCount() const {
  timespec ts{};
  clock_gettime(CLOCK_BOOTTIME, &ts);
  const uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000 + static_cast<uint64_t>(ts.tv_nsec) / 1000000;
  return static_cast<uint32_t>(ms);
}

double cQtClock::Now() const {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local{};
  localtime_r(&ts.tv_sec, &local);
  return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec, static_cast<int>(ts.tv_nsec / 1000000));
}

void cQtClock::Sleep(uint32_t ms) {
  timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000};
  while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
  }
}

std::unique_ptr<cTimer> cQtClock::CreateTimer() { return std::make_unique<cQtTimer>(mDispatcher); }

}  // namespace olv
