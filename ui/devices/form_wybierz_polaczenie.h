// The connection dialog: the operator picks a serial port, typed by hand or
// taken from the list of the machine's ports, and a line speed. The main window
// fills it with Przygotuj, shows it modally and reads Wynik.
//
// Callers must guarantee: a QApplication exists.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "model/wlasciwosci_polaczenia.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace olv {

// The speeds of ComboBoxPredkosc, in the order of its items.
const std::vector<int>& PredkosciPolaczenia();
// The item index of speed; a speed not in the list selects 115200.
int IndeksPredkosci(int speed);
// The speed of an item index; 0 for an index outside the list.
int PredkoscIndeksu(int index);

class TFormWybierzPolaczenie : public QDialog {
 public:
  explicit TFormWybierzPolaczenie(QWidget* parent = nullptr);

  // Centres the dialog, selects speed, fills the port list with ports and
  // preselects port: from the list when it is one of them (exact match),
  // otherwise typed by hand.
  void Przygotuj(const std::string& port, int speed, const std::vector<std::string>& ports);
  // The chosen port and speed after "Wybierz"; an empty port and 0 after
  // "Anuluj" or when the dialog was closed without a choice.
  cWlasciwosciPolaczenia Wynik() const;
  bool Anulowano() const { return mAnulowano; }

 private:
  void UstawSposobWyboru(bool recznie);

  QRadioButton* mRadioButtonRecznie;
  QRadioButton* mRadioButtonZListy;
  QLineEdit* mEditPort;
  QComboBox* mComboBoxAuto;
  QComboBox* mComboBoxPredkosc;
  bool mAnulowano = true;
};

}  // namespace olv
