// The please-wait window: one bold line, "Proszę czekać..." unless the work
// names what it is doing ("Wysyłanie do urządzenia Magazyn..."), shown modally
// while queued device work runs. It has no system buttons and Escape does not
// close it: the work's completion closes it through Zamknij. While it is shown
// an installed tick function runs every 100 ms and may change the line.
//
// Callers must guarantee: a QApplication exists.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QTimer;

namespace olv {

class TFormProszeCzekac : public QDialog {
 public:
  explicit TFormProszeCzekac(QWidget* parent = nullptr);

  // Shows the window modally; returns when it is closed.
  void Pokaz();
  // Closes the window, forgets the tick function and the line goes back to
  // "Proszę czekać...".
  void Zamknij();
  void UstawTekst(const QString& tekst);
  void UstawFunkcjeTaktu(std::function<void()> takt) { mFunkcjaTaktu = std::move(takt); }

 protected:
  void reject() override;

 private:
  QLabel* mLabel1;
  QTimer* mTimer;
  std::function<void()> mFunkcjaTaktu;
};

}  // namespace olv
