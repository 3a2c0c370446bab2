// The logging convention of every long-lived object: one function, installed by
// the owner, takes one line of text. Each text starts with its source's prefix
// ("Userlist: ", "WPP: ", ...) and the operation's name. Having no function
// installed is valid: Log then does nothing.
//
// Callers must guarantee: an installed function does not destroy the object
// that logs through it.
#pragma once

#include <functional>
#include <string>

namespace olv {

using LogFunction = std::function<void(const std::string&)>;

class cLogujacy {
 public:
  virtual ~cLogujacy() = default;

  virtual void UstawFunkcjeLogujaca(LogFunction function) { mLogFunction = std::move(function); }
  virtual void Log(const std::string& text) const {
    if (mLogFunction) mLogFunction(text);
  }
  const LogFunction& FunkcjaLogujaca() const { return mLogFunction; }

 private:
  LogFunction mLogFunction;
};

}  // namespace olv
