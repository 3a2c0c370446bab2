// What the add-user and edit-user dialogs share: the name, ID, PIN and card
// fields with their live highlighting and card-number rules, the PIN buttons,
// and saving with the checks' messages told in the message window. A subclass
// says what the button beside the ID does and how the typed data is saved.
//
// Enter presses "Zapisz", Escape cancels; the result is the Unique of the user
// saved, 0 after cancelling.
//
// Callers must guarantee: a QApplication exists; the working list and the
// message window outlive the dialog; wprowadz_pin returns the PIN the operator
// confirmed, "" when none.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

#include "model/dane_uzytkownika.h"
#include "model/karta_rfid.h"
#include "model/user_list.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace olv {

class cMessageWindow;

class TFormDaneUzytkownika : public QDialog {
 public:
  // Centres the dialog, shows it modally and returns Wynik().
  int32_t Pokaz();
  // The Unique of the user saved; 0 when nothing was.
  int32_t Wynik() const { return mWynik; }
  const std::string& Pin() const { return mPin; }

  void reject() override;

 protected:
  // przycisk_id: the caption of the button beside the ID; ostrzezenie: a
  // warning shown above the buttons, none when empty.
  TFormDaneUzytkownika(cUserList& lista, cMessageWindow& komunikaty, std::function<std::string()> wprowadz_pin,
                       const QString& przycisk_id, const QString& ostrzezenie, QWidget* parent);

  // The defaults: "Nowy Użytkownik", no card, no PIN, the ID left as it is.
  void WypelnijDomyslnie();
  void WypelnijPola(const std::string& nazwa, const std::string& id, const std::string& pin,
                    const cKartaRFID& karta);
  void UstawID(const std::string& id);

  void keyPressEvent(QKeyEvent* event) override;

  virtual void PrzyciskID() = 0;
  virtual cWynikZapisuUzytkownika ZapiszDane(const cDaneUzytkownika& dane) = 0;

  cUserList& mLista;

 private:
  void Zapisz();
  void OdswiezPin();
  void PoEdycjiID();
  void PoEdycjiKarty(QLineEdit* edytowane);

  cMessageWindow& mKomunikaty;
  std::function<std::string()> mWprowadzPin;
  std::string mPin;
  int32_t mWynik = 0;

  QLineEdit* mEditNazwa;
  QLineEdit* mEditID;
  QLabel* mLabelCzyJestPin;
  QPushButton* mButtonUstawPin;
  QPushButton* mButtonCzyscPin;
  QLineEdit* mEditKartaFull;
  QLineEdit* mEditKarta3rdByte;
  QLineEdit* mEditKartaLast2Bytes;
};

}  // namespace olv
