// The simulator's end of a pseudo-terminal: the other end is a serial port
// name (its path) that the manager opens like any other. Raw mode, so every
// byte passes unchanged. The manager opens and closes the port for every job:
// while no client has it open, the simulator's output is dropped (it would
// otherwise greet the next client as stale bytes), and the port is watched
// until a client opens it again.
//
// Callers must guarantee: the loop clock outlives the port; one thread.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/loop_clock.h"

namespace olv {

class cPtyPort {
 public:
  using ReceiveFunction = std::function<void(std::string_view)>;

  explicit cPtyPort(cLoopClock& clock);
  ~cPtyPort();
  cPtyPort(const cPtyPort&) = delete;
  cPtyPort& operator=(const cPtyPort&) = delete;

  // Creates the pseudo-terminal; false, with the reason, when it cannot.
  bool Open(std::string* error = nullptr);
  // The path a client opens.
  const std::string& Path() const { return mPath; }

  // Bytes from the client.
  void SetReceiver(ReceiveFunction receiver) { mReceiver = std::move(receiver); }
  // Bytes to the client; what the client cannot take yet waits.
  void Write(std::string_view bytes);
  // Reports the client closing (false) and opening again (true).
  void SetClientHandler(std::function<void(bool)> handler) { mClientHandler = std::move(handler); }

 private:
  void OnReadable();
  void OnClientGone();
  void CheckClientBack();
  void Flush();

  cLoopClock& mClock;
  int mMaster = -1;
  std::string mPath;
  bool mClientGone = false;
  std::string mPending;
  ReceiveFunction mReceiver;
  std::function<void(bool)> mClientHandler;
  std::unique_ptr<cTimer> mReconnectTimer;
  std::unique_ptr<cTimer> mRetryTimer;
};

}  // namespace olv
