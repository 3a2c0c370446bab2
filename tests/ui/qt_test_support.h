// What the window tests share: one QApplication for the whole test program
// (created before the first test by a GoogleTest environment), running the
// event loop until something happened, answering a modal window from inside
// its own loop, and a temporary program folder.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "gtest/gtest.h"

namespace olv::test {

class cQtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "olv-ui-test";
    static char* argv[] = {name, nullptr};
    mApplication = new QApplication(argc, argv);
  }
  void TearDown() override {
    delete mApplication;
    mApplication = nullptr;
  }

 private:
  QApplication* mApplication = nullptr;
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

// Calls act with the modal window once one is shown (from inside its own
// event loop), for up to 5 s.
inline void WhenModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  auto* elapsed = new QElapsedTimer;
  elapsed->start();
  QObject::connect(poll, &QTimer::timeout, [poll, elapsed, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && elapsed->elapsed() < 5000) return;
    poll->stop();
    poll->deleteLater();
    delete elapsed;
    if (modal) act(modal);
  });
  poll->start(5);
}

// The colour of one pixel of the widget as drawn.
inline QColor PixelOf(QWidget* widget, int x, int y) { return widget->grab().toImage().pixelColor(x, y); }

// A fresh empty folder, removed with everything in it at the end of the test.
class cTemporaryFolder {
 public:
  cTemporaryFolder() {
    char pattern[] = "/tmp/olv-ui-XXXXXX";
    if (const char* made = mkdtemp(pattern)) mPath = std::string(made) + "/";
  }
  ~cTemporaryFolder() {
    if (!mPath.empty()) std::filesystem::remove_all(mPath);
  }
  cTemporaryFolder(const cTemporaryFolder&) = delete;
  cTemporaryFolder& operator=(const cTemporaryFolder&) = delete;

  // Ends with "/".
  const std::string& Path() const { return mPath; }

 private:
  std::string mPath;
};

}  // namespace olv::test
