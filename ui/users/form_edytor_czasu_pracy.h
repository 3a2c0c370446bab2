// TFormEdytorCzasuPracy ("Edytor zakresu czasu pracy"): edits one user's
// planned start and end of work, the tolerance window around each, and the
// working days, showing live what follows from them (the planned, shortest and
// longest day and week). Labels of settings that break the windows' order turn
// red; that never stops saving. "Zapisz" puts the settings into the user record
// and has the whole user list written; "Zamknij" drops the changes; the close
// box (or Escape) asks whether to save, changed or not; "Anuluj" there keeps
// the editor open with its values.
//
// Callers must guarantee: the message window outlives the editor; the user
// given to UstawUzytkownika outlives its showing; zapisz writes the user list
// that holds that user to sciezka and returns false when it could not (the
// reason is logged by whoever writes).
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;

namespace olv {

class cMessageWindow;
class cUzytkownik;
class cCzasyUzytkownika;

class TFormEdytorCzasuPracy : public QDialog {
 public:
  using tZapis = std::function<bool(const std::string& sciezka, std::string* error)>;

  TFormEdytorCzasuPracy(cMessageWindow& komunikaty, std::string sciezka, tZapis zapisz,
                        QWidget* parent = nullptr);

  // The user whose settings the next Wczytaj shows and Zapisz changes.
  void UstawUzytkownika(cUzytkownik* uzytkownik) { mUzytkownik = uzytkownik; }
  // Shows the user's name and settings and what follows from them.
  void Wczytaj();
  // Wczytaj, then shows the editor modally; returns when it is closed.
  void Pokaz();

 protected:
  void reject() override;

 private:
  // The hour and minute combos of one time.
  struct cCzas {
    QComboBox* godzina = nullptr;
    QComboBox* minuta = nullptr;
  };
  enum eCzas { kPoczatekOd, kPoczatekDo, kPoczatekCzas, kKoniecOd, kKoniecDo, kKoniecCzas, kLiczbaCzasow };

  void UtworzGrupe(int x, const char* tytul, const char* nazwa, const char* tolerancja, eCzas od);
  QLabel* UtworzWartosc(int y, const char* opis, const char* nazwa);
  cCzasyUzytkownika CzasyZOkna() const;
  void UstawCzas(eCzas czas, double wartosc);
  // Recomputes the derived values and then the order check.
  void Przelicz();
  // Puts the settings into the user and has the list written; false (told,
  // user unchanged) when the file could not be written.
  bool Zapisz();
  void ZamknijPrzyciskiem(bool zapisz);

  cMessageWindow& mKomunikaty;
  std::string mSciezka;
  tZapis mZapisz;
  cUzytkownik* mUzytkownik = nullptr;
  bool mZamknietoPrzyciskiem = false;
  bool mWczytywanie = false;

  QLabel* mLabelNazwaUzytkownika = nullptr;
  std::array<cCzas, kLiczbaCzasow> mCzasy{};
  // Which field of the settings each pair of combos edits.
  static const std::array<std::pair<eCzas, double cCzasyUzytkownika::*>, kLiczbaCzasow> kPolaCzasow;
  std::array<QLabel*, kLiczbaCzasow> mEtykiety{};
  std::array<QCheckBox*, 7> mDni{};
  QLabel* mLabelZakresPoczatek = nullptr;
  QLabel* mLabelZakresKoniec = nullptr;
  QLabel* mLabelCzasPracy = nullptr;
  QLabel* mLabelMinimalnyDzien = nullptr;
  QLabel* mLabelMaksymalnyDzien = nullptr;
  QLabel* mLabelMinimalnyTydzien = nullptr;
  QLabel* mLabelMaksymalnyTydzien = nullptr;
  QLabel* mLabelDomyslnyTydzien = nullptr;
};

}  // namespace olv
