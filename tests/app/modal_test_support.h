// For the main window's tests: acting on one particular modal window while
// others (the please-wait window) come and go first.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace olv::test {

// Calls act with the modal window named name once it is the active modal
// window (from inside its own event loop), for up to limit_ms.
inline void WhenModalNamed(const QString& name, std::function<void(QWidget*)> act, int limit_ms = 20000) {
  auto* poll = new QTimer;
  auto* elapsed = new QElapsedTimer;
  elapsed->start();
  QObject::connect(poll, &QTimer::timeout, [poll, elapsed, act, name, limit_ms] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool found = modal && modal->objectName() == name && modal->isVisible();
    if (!found && elapsed->elapsed() < limit_ms) return;
    poll->stop();
    poll->deleteLater();
    delete elapsed;
    if (found) act(modal);
  });
  poll->start(5);
}

}  // namespace olv::test
