// What the window tests share: one QApplication for the whole test program
// (created before the first test by a GoogleTest environment), running the
// event loop until something happened, answering a modal window from inside
// its own loop (and ending it when the answer left it open), and a temporary
// program folder.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "gtest/gtest.h"
#include "tests/model/model_test_support.h"

namespace olv::test {

class cQtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { mApplication = std::make_unique<QApplication>(mArgc, mArgv); }
  void TearDown() override { mApplication.reset(); }

 private:
  int mArgc = 1;
  char mName[12] = "olv-ui-test";
  char* mArgv[2] = {mName, nullptr};
  std::unique_ptr<QApplication> mApplication;
};

inline ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new cQtEnvironment);

// Runs the event loop until done() or limit_ms; returns done().
inline bool RunUntil(const std::function<bool()>& done, int limit_ms = 5000) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (!done()) {
    if (elapsed.elapsed() > limit_ms) return done();
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

// Runs the event loop for ms milliseconds.
inline void RunFor(int ms) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (elapsed.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Ends a modal window the way its close box would, past any refusal to close.
inline void EndModal(QWidget* window) {
  if (auto* dialog = qobject_cast<QDialog*>(window)) {
    dialog->done(QDialog::Rejected);
  } else {
    window->close();
  }
}

// Calls act with the modal window once one is shown (from inside its own
// event loop): the one named name, or any when name is empty; for up to
// limit_ms. A wrong modal window found at the limit, or the window act left
// open for 3 s while nothing stood above it, is ended and the test fails
// naming it, so a fault shows as a failure, never as a hang.
inline void WhenModal(std::function<void(QWidget*)> act, const QString& name = {}, int limit_ms = 5000) {
  // Parented to the application, so a timer still running when the program
  // ends goes with it.
  auto* poll = new QTimer(qApp);
  QElapsedTimer elapsed;
  elapsed.start();
  QObject::connect(poll, &QTimer::timeout, [poll, elapsed, act, name, limit_ms] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool found = modal && modal->isVisible() && (name.isEmpty() || modal->objectName() == name);
    if (!found && elapsed.elapsed() < limit_ms) return;
    poll->stop();
    poll->deleteLater();
    if (!found) {
      if (modal) {
        ADD_FAILURE() << "waited for " << name.toStdString() << ", found " << modal->objectName().toStdString();
        EndModal(modal);
      }
      return;
    }
    const QPointer<QWidget> window = modal;
    act(modal);
    auto* watch = new QTimer(qApp);
    QElapsedTimer open_alone;
    open_alone.start();
    QObject::connect(watch, &QTimer::timeout, [watch, open_alone, window]() mutable {
      if (window && window->isVisible() && QApplication::activeModalWidget() != window) open_alone.restart();
      if (window && window->isVisible() && open_alone.elapsed() < 3000) return;
      watch->stop();
      watch->deleteLater();
      if (!window || !window->isVisible()) return;
      ADD_FAILURE() << window->objectName().toStdString() << " still open 3 s after the test acted on it";
      EndModal(window);
    });
    watch->start(20);
  });
  poll->start(5);
}

// For the main window, where the please-wait window comes and goes before the
// one to act on.
inline void WhenModalNamed(const QString& name, std::function<void(QWidget*)> act, int limit_ms = 20000) {
  WhenModal(std::move(act), name, limit_ms);
}

// A fresh empty folder, removed with everything in it at the end of the test.
using cTemporaryFolder = cTempFolder;

}  // namespace olv::test
