// The found-devices window ("Wyszukane Urzadzenia"): the devices a search of
// the bus found, each told registered or not, and the registration of a new
// one from the KONFOUT.TXT it reports. In debug mode (as it was when the window
// was made) it can also send a device its factory configuration, which makes
// it a new device at ID 1 again.
//
// The device editor fills the list after a search and gives the working list
// that a registered device goes into.
//
// Callers must guarantee: a QApplication exists; the services, message window
// and clock outlive the window; the list given to UstawListeUrzadzen outlives
// its use.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "comm/sterownik_wpp_listy.h"
#include "common/clock.h"
#include "model/dev_list.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace olv {

class cImageButton;
class cMessageWindow;
class cUslugiUrzadzen;

class TFormWyszukaneUrzadzenia : public QDialog {
 public:
  TFormWyszukaneUrzadzenia(cUslugiUrzadzen& uslugi, cMessageWindow& komunikaty, cClock& clock,
                           QWidget* parent = nullptr);
  ~TFormWyszukaneUrzadzenia() override;

  // Where a registered device goes, and what runs after it went there (with
  // its Unique).
  void UstawListeUrzadzen(cDevList* lista, std::function<void(int32_t)> po_rejestracji);
  // The window's own list of found devices.
  std::vector<cZnalezioneUrzadzenie>& Znalezione() { return mZnalezione; }
  // Fills the list box from Znalezione(): one line per device, its answer.
  void WypelnijListe();

  // Called with KONFOUT.TXT's bytes once the driver has it (no data when the
  // device did not deliver it); the registration follows on TimerZarejestrujPlik.
  void F_ZarejestrujUrzadzeniaNaPodstawieKonfout(const std::string& nazwa,
                                                 const std::optional<std::string>& dane);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const cZnalezioneUrzadzenie* Wybrane() const;
  void PokazOpis();
  void Button1Click();
  void Button3Click();
  void TimerZarejestrujPlikTimer();
  void Zarejestruj(const cZnalezioneUrzadzenie& urzadzenie, const std::string& dane);
  void PoResecieFabrycznym();
  // Where the names of the devices told about come from.
  const cDevList& Nazwy();

  cUslugiUrzadzen& mUslugi;
  cMessageWindow& mKomunikaty;
  std::vector<cZnalezioneUrzadzenie> mZnalezione;
  cDevList* mLista = nullptr;
  std::function<void(int32_t)> mPoRejestracji;
  // The device being registered, and what it sent.
  std::optional<cZnalezioneUrzadzenie> mRejestrowane;
  std::optional<std::string> mKonfout;
  std::unique_ptr<cTimer> mTimerZarejestrujPlik;
  std::unique_ptr<cTimer> mTimerPoResecie;

  QListWidget* mListBox1;
  QLabel* mLabelOpis;
  cImageButton* mImageZarejestruj;
  QPushButton* mButton1;
  QPushButton* mButton3;
};

}  // namespace olv
