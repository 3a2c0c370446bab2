// The message window on screen: a small modal dialog in the shared window look,
// centred on its parent window. From the keyboard: Enter presses the focused
// button, Escape closes an information, answers a question with its second
// button and a question with "Anuluj" with that button. Focus starts on the
// first button, except in a question whose first button deletes or resets
// ("Usuń", "Tak, usuń", "Resetuj zmiany"): there it
// starts on the second, so that Enter alone never destroys anything. Details
// scroll in a box of bounded height, so that "OK" stays on a 1024×768 screen.
//
// Callers must guarantee: a QApplication exists; parent (when given) outlives
// this object.
#pragma once

#include "ui/common/message_window.h"

class QWidget;

namespace olv {

class cQtMessageWindow : public cMessageWindow {
 public:
  explicit cQtMessageWindow(QWidget* parent = nullptr) : mParent(parent) {}
  // The window the messages are centred on (the main window, once it exists).
  void UstawOknoNadrzedne(QWidget* parent) { mParent = parent; }

  void Information(const std::string& text) override;
  void InformationWithDetails(const std::string& text, const std::string& details) override;
  int Question(const std::string& title, const std::string& text, const std::string& first,
               const std::string& second) override;
  int QuestionOrCancel(const std::string& title, const std::string& text, const std::string& first,
                       const std::string& second) override;

 private:
  QWidget* mParent;
};

}  // namespace olv
