// The message window on screen: a small modal dialog in the shared window look,
// centred on its parent window.
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
  int Question(const std::string& title, const std::string& text, const std::string& first,
               const std::string& second) override;

 private:
  QWidget* mParent;
};

}  // namespace olv
