// The please-wait window: one bold line "Proszę czekać...", shown modally while
// queued device work runs. It has no system buttons and Escape does not close
// it: the work's completion closes it through Zamknij.
//
// Callers must guarantee: a QApplication exists.
#pragma once

#include <QDialog>

namespace olv {

class TFormProszeCzekac : public QDialog {
 public:
  explicit TFormProszeCzekac(QWidget* parent = nullptr);

  // Shows the window modally; returns when it is closed.
  void Pokaz();
  void Zamknij();

 protected:
  void reject() override;
};

}  // namespace olv
