// The message window every window tells the operator through: an information
// with one button "OK", a question with a title, a text and two buttons of its
// own captions, and the same question with a third button "Anuluj" for the
// prompts that must let the operator go back to the edits. Windows hold it
// through this interface, so tests answer the questions and read the texts
// without a person.
//
// Callers must guarantee: the message window outlives the windows that use it;
// calls come from the user-interface thread. Both operations are modal: the
// event loop runs while they wait, so callers must not call them from inside a
// step of device work that is not ready for other timers to fire meanwhile.
#pragma once

#include <string>

namespace olv {

// What Question returns: the first (affirmative) button, or the second.
constexpr int kOdpowiedzTak = 6;
constexpr int kOdpowiedzNie = 7;
// What QuestionOrCancel returns for "Anuluj", Escape and the close box.
constexpr int kOdpowiedzAnuluj = 2;

class cMessageWindow {
 public:
  virtual ~cMessageWindow() = default;

  // Shows text with one button "OK" and returns when it is closed.
  virtual void Information(const std::string& text) = 0;
  // As Information, for a report that may be long: the short text stays in
  // view and the details (a full list) scroll below it.
  virtual void InformationWithDetails(const std::string& text, const std::string& details) = 0;
  // Shows text under title with the buttons first and second; returns
  // kOdpowiedzTak for first and kOdpowiedzNie for second, or when the window is
  // closed without a choice.
  virtual int Question(const std::string& title, const std::string& text, const std::string& first,
                       const std::string& second) = 0;
  // As Question with a third button "Anuluj"; returns kOdpowiedzAnuluj for it
  // and when the window is closed without a choice.
  virtual int QuestionOrCancel(const std::string& title, const std::string& text, const std::string& first,
                               const std::string& second) = 0;
};

}  // namespace olv
