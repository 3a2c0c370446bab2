// The main window under test: a private program folder, the real clock, the
// message window scripted, olv8-sim behind a link in the folder; helpers that
// register devices, start the window, act in a window one of its buttons
// opens, and read widgets by name.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "comm/com_socket.h"
#include "tests/app/three_devices.h"
#include "tests/sim/olv8_sim_process.h"
#include "tests/ui/qt_test_support.h"
#include "ui/common/qt_clock.h"
#include "ui/common/scripted_message_window.h"

namespace olv::test {

class cForm1Fixture : public ::testing::Test {
 protected:
  std::unique_ptr<TForm1> Make(const std::vector<std::string>& arguments = {}) {
    return std::make_unique<TForm1>(clock, messages, arguments, folder, std::make_unique<TCOMSocket>());
  }
  std::string Card(int id) const { return CardFolder(folder, id); }
  std::string Mirror(int id) const { return MirrorFolder(folder, id); }
  std::string Link() const { return folder + "ttyOLV"; }
  // olv8-sim with these bus IDs behind the link, and more options; the link,
  // empty when it did not start.
  std::string StartSimulator(const std::vector<int>& ids = {2, 3, 4}, std::vector<std::string> more = {}) {
    more.insert(more.begin(), {"--link", Link()});
    return StartDevices(simulator, folder, ids, more).empty() ? "" : Link();
  }
  void RestartSimulator(const std::vector<int>& ids = {2, 3, 4}, const std::vector<std::string>& more = {}) {
    simulator.Stop(SIGTERM);
    ASSERT_FALSE(StartSimulator(ids, more).empty());
  }
  void WriteDevices(const std::vector<std::string>& names, const std::string& port = "/dev/olv-no-such-port") {
    test::WriteDevices(folder, names, port);
  }
  // Shows the window and waits for start-up to end.
  static void StartUp(TForm1& form) {
    bool started = false;
    form.UstawObslugeKoncaStartu([&] { started = true; });
    form.show();
    ASSERT_TRUE(RunUntil([&] { return started; }, 20000));
  }
  // Presses the main window's button and runs act in the window named name
  // once it is shown modally, closing it afterwards if act left it open; true
  // once act has run and no window stands above the main one.
  static bool InWindow(TForm1& form, const char* button, const char* name, const std::function<void(QWidget*)>& act) {
    bool done = false;
    WhenModalNamed(name, [&](QWidget* window) {
      act(window);
      if (window->isVisible()) window->close();
      done = true;
    });
    Find<QAbstractButton>(form, button)->click();
    return RunUntil([&] { return done && !QApplication::activeModalWidget(); }, 90000);
  }
  static void Trigger(QWidget& window, const char* action) { Find<QAction>(window, action)->trigger(); }
  template <typename T>
  static T* Find(QWidget& window, const QString& name) {
    T* child = window.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  static std::string Text(QWidget& window, const QString& name) {
    return Find<QLabel>(window, name)->text().toStdString();
  }
  bool ToldStarting(const std::string& start) const {
    for (const std::string& text : messages.Informations())
      if (text.rfind(start, 0) == 0) return true;
    return false;
  }

  cTemporaryFolder temporary;
  std::string folder = temporary.Path();
  cQtClock clock;
  cScriptedMessageWindow messages;
  cOlv8SimProcess simulator;
};

}  // namespace olv::test
