// The progress window: a status text and a drawn bar with the percentage of a
// long transfer, and under the bar a second line that tells what holds the
// transfer up (a device being retried), empty otherwise. While it is shown,
// Timer1 calls the installed tick function every 100 ms, through which the
// owner feeds it (for example from the device driver's progress). It has no system buttons: only its owner closes it.
//
// Callers must guarantee: a QApplication exists; the tick function stays valid
// until Zamknij.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

class QLabel;
class QProgressBar;
class QTimer;

namespace olv {

// done × 100 / total in whole numbers; 0 when either is 0 (or negative).
int ProcentPostepu(int64_t done, int64_t total);

class TFormPasekPostepu : public QDialog {
 public:
  explicit TFormPasekPostepu(QWidget* parent = nullptr);

  // Sets the progress to 0 of 0, centres the window, starts Timer1 and shows
  // the window modally; returns when it is closed.
  void Pokaz();
  // Redraws the bar only when the percentage changed.
  void UstawPostep(int64_t done, int64_t total);
  // The percentage last drawn.
  int Procent() const { return mProcent; }
  void UstawTekst(const std::string& text);
  // The line under the bar ("" hides nothing: the line is simply empty).
  void UstawTekstPodPaskiem(const std::string& text);
  void UstawFunkcjeTaktu(std::function<void()> tick) { mFunkcjaTaktu = std::move(tick); }
  // Stops Timer1, forgets the tick function and closes the window.
  void Zamknij();

 protected:
  void reject() override;

 private:
  void RysujPasek();

  QLabel* mLabel1;
  QLabel* mLabel2;
  QLabel* mImage1;
  QProgressBar* mProgressBar1;
  QTimer* mTimer1;
  std::function<void()> mFunkcjaTaktu;
  int mProcent = -1;
};

}  // namespace olv
