// The edit-device dialog ("Edytuj Urzadzenie"): the device's name and bus ID,
// its two readers with their labels and modes, whether port 1 carries a push
// button instead of reader 1, and its connection. The device editor loads it
// with a device of its working list; on saving, the dialog checks the entries
// and stores them in that list, the new ID as the device's pending new ID.
//
// Callers must guarantee: a QApplication exists; the list given to Wczytaj
// outlives the dialog's showing.
#pragma once

#include <QDialog>
#include <cstdint>

#include "model/dev_list.h"
#include "model/wlasciwosci_polaczenia.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace olv {

class cMessageWindow;
class cUslugiUrzadzen;

class TFormEdytujUrzadzenie : public QDialog {
 public:
  TFormEdytujUrzadzenie(cUslugiUrzadzen& uslugi, cMessageWindow& komunikaty, QWidget* parent = nullptr);

  // Fills the dialog with the device of lista that has that Unique; with no
  // such device the name is emptied and the defaults stand.
  void Wczytaj(cDevList& lista, int32_t unique);
  // After the dialog closed: the Unique of the device that now answers to the
  // entered ID, 0 when none does (a changed ID stays pending until the
  // settings are sent) or after "Anuluj".
  int32_t Wynik() const { return mWynik; }
  const cWlasciwosciPolaczenia& Polaczenie() const { return mPolaczenie; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void UstawTrybPracy(bool przycisk);
  void UstawieniaPolaczenia();
  void Zapisz();

  cUslugiUrzadzen& mUslugi;
  cMessageWindow& mKomunikaty;
  cDevList* mLista = nullptr;
  int32_t mUnique = 0;
  int32_t mWynik = 0;
  cWlasciwosciPolaczenia mPolaczenie;

  QLabel* mTlo;
  QLineEdit* mEditNazwa;
  QLineEdit* mEditID;
  QLineEdit* mEditNazwaCzytnika0;
  QComboBox* mComboBoxTrybCzytnika0;
  QComboBox* mComboBoxTrybPracyUrzadzenia;
  QLabel* mLabelNazwaCzytnika1;
  QLineEdit* mEditNazwaCzytnika1;
  QLabel* mLabelTrybCzytnika1;
  QComboBox* mComboBoxTrybCzytnika1;
};

// The items of the reader-mode drop-down lists, in their order.
QStringList PozycjeTrybuCzytnika();

}  // namespace olv
