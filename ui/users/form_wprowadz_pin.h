// The PIN entry dialog: the operator types a PIN twice (or once with "pokaż
// PIN" checked, shown in clear) and confirms it. Every opening starts with two
// empty, masked fields; closing it any way but a successful "Zatwierdź" leaves
// an empty PIN.
//
// Callers must guarantee: a QApplication exists; the message window outlives
// the dialog.
#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QLineEdit;

namespace olv {

class cMessageWindow;

class TFormWprowadzPin : public QDialog {
 public:
  explicit TFormWprowadzPin(cMessageWindow& komunikaty, QWidget* parent = nullptr);

  // Enables the repeat field, centres the dialog, shows it modally and returns
  // the confirmed PIN, "" when the operator did not confirm one.
  std::string Pokaz();
  // The PIN the dialog holds: the confirmed one, "" after cancelling.
  const std::string& Pin() const { return mPin; }

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Zatwierdz();
  void PokazPinZmieniony(bool pokaz);
  void PodswietlPowtorzenie();

  cMessageWindow& mKomunikaty;
  QLineEdit* mEditPIN1;
  QLineEdit* mEditPIN2;
  QCheckBox* mCheckBoxPokazPin;
  std::string mPin;
  bool mZatwierdzony = false;
  bool mWyczyscPrzyPokazaniu = true;
};

}  // namespace olv
