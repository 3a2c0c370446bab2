#include "ui/users/form_edytor_czasu_pracy.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "common/dates.h"
#include "model/uzytkownik.h"
#include "model/zakres_czasu_pracy.h"
#include "ui/common/image_button.h"
#include "ui/common/message_window.h"
#include "ui/common/pictures.h"
#include "ui/common/tekst_skracany.h"
#include "ui/common/window_look.h"

namespace olv {
namespace {

const char* const kPytanie = "Czy chcesz zapisać zmiany czasu pracy tego użytkownika?";
const char* const kNazwyDni[7] = {"poniedziałek", "wtorek", "środa", "czwartek", "piątek", "sobota", "niedziela"};
// Object names of the times, in the order of eCzas; the combos add "Godzina" and "Minuta".
const char* const kNazwyCzasow[6] = {"PoczatekOd", "PoczatekDo", "PoczatekCzas", "KoniecOd", "KoniecDo", "KoniecCzas"};

constexpr int kSzerokosc = 468;
constexpr int kWysokosc = 496;
constexpr int kSzerokoscGrupy = 216;

QComboBox* Combo(QWidget* parent, const QString& nazwa, int ile, int x, int y) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(nazwa);
  for (int i = 0; i < ile; ++i) combo->addItem(QString("%1").arg(i, 2, 10, QChar('0')));
  combo->setGeometry(x, y, 52, 23);
  return combo;
}

}  // namespace

TFormEdytorCzasuPracy::TFormEdytorCzasuPracy(cMessageWindow& komunikaty, std::string sciezka, tZapis zapisz,
                                             QWidget* parent)
    : QDialog(parent), mKomunikaty(komunikaty), mSciezka(std::move(sciezka)), mZapisz(std::move(zapisz)) {
  setObjectName("FormEdytorCzasuPracy");
  setWindowTitle("Edytor zakresu czasu pracy");
  ApplyWindowLook(this);
  setFixedSize(kSzerokosc, kWysokosc);

  auto* opis = new QLabel("Nazwa użytkownika:", this);
  opis->setGeometry(12, 12, 130, 20);
  mLabelNazwaUzytkownika = new cEtykietaSkracana(QString(), this);
  mLabelNazwaUzytkownika->setObjectName("LabelNazwaUzytkownika");
  mLabelNazwaUzytkownika->setGeometry(148, 12, kSzerokosc - 160, 20);
  QFont pogrubiona = mLabelNazwaUzytkownika->font();
  pogrubiona.setBold(true);
  mLabelNazwaUzytkownika->setFont(pogrubiona);

  UtworzGrupe(12, " Początek pracy ", "GroupBoxPoczatek", "Tolerancja dla początku pracy:", kPoczatekOd);
  UtworzGrupe(24 + kSzerokoscGrupy, " Koniec pracy ", "GroupBoxKoniec", "Tolerancja dla końca pracy:", kKoniecOd);

  auto* dni = new QGroupBox(" Dni pracujące ", this);
  dni->setObjectName("GroupBoxDni");
  dni->setGeometry(12, 190, kSzerokosc - 24, 76);
  for (int i = 0; i < 7; ++i) {
    auto* dzien = new QCheckBox(kNazwyDni[i], dni);
    dzien->setObjectName("CheckBox" + QString::number(i + 1));
    dzien->setGeometry(12 + 108 * (i % 4), 22 + 26 * (i / 4), 104, 22);
    connect(dzien, &QCheckBox::clicked, this, [this] { Przelicz(); });
    mDni[static_cast<size_t>(i)] = dzien;
  }

  mLabelZakresPoczatek = UtworzWartosc(280, "Zakres tolerancji dla początku pracy:", "LabelZakresPoczatek");
  mLabelZakresKoniec = UtworzWartosc(302, "Zakres tolerancji dla końca pracy:", "LabelZakresKoniec");
  mLabelCzasPracy = UtworzWartosc(324, "Domyślny czas pracy:", "LabelCzasPracy");
  mLabelMinimalnyDzien = UtworzWartosc(346, "Minimalny dzień pracy:", "LabelMinimalnyDzien");
  mLabelMaksymalnyDzien = UtworzWartosc(368, "Maksymalny dzień pracy:", "LabelMaksymalnyDzien");
  mLabelMinimalnyTydzien = UtworzWartosc(390, "Minimalny tydzień pracy:", "LabelMinimalnyTydzien");
  mLabelMaksymalnyTydzien = UtworzWartosc(412, "Maksymalny tydzień pracy:", "LabelMaksymalnyTydzien");
  mLabelDomyslnyTydzien = UtworzWartosc(434, "Domyślny tydzień pracy:", "LabelDomyslnyTydzien");

  auto* zapisz_przycisk = new cImageButton("Zapisz", Picture(ePicture::kOk), this);
  zapisz_przycisk->setObjectName("ButtonZapisz");
  zapisz_przycisk->setGeometry(kSzerokosc / 2 - 115, kWysokosc - 36, 105, 25);
  auto* zamknij = new cImageButton("Zamknij", Picture(ePicture::kAnuluj), this);
  zamknij->setObjectName("ButtonZamknij");
  zamknij->setGeometry(kSzerokosc / 2 + 10, kWysokosc - 36, 105, 25);
  connect(zapisz_przycisk, &QAbstractButton::clicked, this, [this] { ZamknijPrzyciskiem(true); });
  connect(zamknij, &QAbstractButton::clicked, this, [this] { ZamknijPrzyciskiem(false); });
}

void TFormEdytorCzasuPracy::UtworzGrupe(int x, const char* tytul, const char* nazwa, const char* tolerancja,
                                        eCzas od) {
  auto* grupa = new QGroupBox(tytul, this);
  grupa->setObjectName(nazwa);
  grupa->setGeometry(x, 40, kSzerokoscGrupy, 140);
  // The nominal time first, then its tolerance window.
  const eCzas kolejnosc[3] = {static_cast<eCzas>(od + 2), od, static_cast<eCzas>(od + 1)};
  const char* const opisy[3] = {"Czas", "Od", "Do"};
  const int wiersze[3] = {24, 78, 106};
  auto* opis_tolerancji = new QLabel(tolerancja, grupa);
  opis_tolerancji->setGeometry(12, 54, kSzerokoscGrupy - 20, 20);
  for (int i = 0; i < 3; ++i) {
    const size_t czas = static_cast<size_t>(kolejnosc[i]);
    const QString nazwa_czasu = kNazwyCzasow[czas];
    auto* etykieta = new QLabel(opisy[i], grupa);
    etykieta->setObjectName("Label" + nazwa_czasu);
    etykieta->setGeometry(16, wiersze[i], 44, 23);
    mEtykiety[czas] = etykieta;
    mCzasy[czas].godzina = Combo(grupa, "ComboBox" + nazwa_czasu + "Godzina", 24, 64, wiersze[i]);
    auto* dwukropek = new QLabel(":", grupa);
    dwukropek->setGeometry(120, wiersze[i], 8, 23);
    mCzasy[czas].minuta = Combo(grupa, "ComboBox" + nazwa_czasu + "Minuta", 60, 130, wiersze[i]);
    for (QComboBox* combo : {mCzasy[czas].godzina, mCzasy[czas].minuta}) {
      connect(combo, &QComboBox::currentIndexChanged, this, [this] {
        if (!mWczytywanie) Przelicz();
      });
    }
  }
}

QLabel* TFormEdytorCzasuPracy::UtworzWartosc(int y, const char* opis, const char* nazwa) {
  auto* etykieta = new QLabel(opis, this);
  etykieta->setGeometry(24, y, 260, 20);
  auto* wartosc = new QLabel("-", this);
  wartosc->setObjectName(nazwa);
  wartosc->setGeometry(292, y, 100, 20);
  return wartosc;
}

void TFormEdytorCzasuPracy::UstawCzas(eCzas czas, double wartosc) {
  int godzina = 0, minuta = 0;
  GodzinaIMinutaCzasu(wartosc, godzina, minuta);
  mCzasy[czas].godzina->setCurrentIndex(godzina);
  mCzasy[czas].minuta->setCurrentIndex(minuta);
}

const std::array<std::pair<TFormEdytorCzasuPracy::eCzas, double cCzasyUzytkownika::*>,
                 TFormEdytorCzasuPracy::kLiczbaCzasow>
    TFormEdytorCzasuPracy::kPolaCzasow = {{
        {kPoczatekOd, &cCzasyUzytkownika::PoczatekOd},
        {kPoczatekDo, &cCzasyUzytkownika::PoczatekDo},
        {kPoczatekCzas, &cCzasyUzytkownika::PoczatekPracy},
        {kKoniecOd, &cCzasyUzytkownika::KoniecOd},
        {kKoniecDo, &cCzasyUzytkownika::KoniecDo},
        {kKoniecCzas, &cCzasyUzytkownika::KoniecPracy},
    }};

void TFormEdytorCzasuPracy::Wczytaj() {
  mZamknietoPrzyciskiem = false;
  mLabelNazwaUzytkownika->setText(mUzytkownik ? QString::fromStdString(mUzytkownik->Nazwa) : QString());
  const cCzasyUzytkownika czasy = mUzytkownik ? mUzytkownik->CzasyPracy : cCzasyUzytkownika();
  mWczytywanie = true;
  for (const auto& [ktory, pole] : kPolaCzasow) UstawCzas(ktory, czasy.*pole);
  for (int i = 0; i < 7; ++i) mDni[static_cast<size_t>(i)]->setChecked(czasy.CzyDzienPracy(i + 1));
  mWczytywanie = false;
  Przelicz();
}

void TFormEdytorCzasuPracy::Pokaz() {
  Wczytaj();
  CentreOnScreen(this);
  exec();
}

cCzasyUzytkownika TFormEdytorCzasuPracy::CzasyZOkna() const {
  cCzasyUzytkownika czasy;
  for (const auto& [ktory, pole] : kPolaCzasow) {
    const cCzas& c = mCzasy[ktory];
    czasy.*pole = CzasZGodzinyIMinuty(c.godzina->currentIndex(), c.minuta->currentIndex());
  }
  czasy.WyczyscDniPracy();
  for (int i = 0; i < 7; ++i) {
    if (mDni[static_cast<size_t>(i)]->isChecked()) czasy.DodajDzienPracy(i + 1);
  }
  return czasy;
}

void TFormEdytorCzasuPracy::Przelicz() {
  const cCzasyUzytkownika czasy = CzasyZOkna();
  const cZakresCzasuPracy zakres = WyliczZakresCzasuPracy(czasy);
  const auto pokaz = [](QLabel* etykieta, double wartosc) {
    etykieta->setText(QString::fromStdString(FormatDuration(wartosc, false)));
  };
  pokaz(mLabelCzasPracy, zakres.CzasPracy);
  pokaz(mLabelZakresPoczatek, zakres.ZakresPoczatek);
  pokaz(mLabelZakresKoniec, zakres.ZakresKoniec);
  pokaz(mLabelMinimalnyDzien, zakres.MinimalnyDzien);
  pokaz(mLabelMaksymalnyDzien, zakres.MaksymalnyDzien);
  pokaz(mLabelMinimalnyTydzien, zakres.MinimalnyTydzien);
  pokaz(mLabelDomyslnyTydzien, zakres.DomyslnyTydzien);
  pokaz(mLabelMaksymalnyTydzien, zakres.MaksymalnyTydzien);
  MarkRuleLabel(mLabelMinimalnyTydzien, zakres.MinimalnyTydzien == 0);
  MarkRuleLabel(mLabelDomyslnyTydzien, zakres.DomyslnyTydzien == 0);
  MarkRuleLabel(mLabelMaksymalnyTydzien, zakres.MaksymalnyTydzien == 0);

  const cBledyZakresuCzasuPracy bledy = SprawdzZakresCzasuPracy(czasy);
  MarkRuleLabel(mEtykiety[kPoczatekOd], bledy.PoczatekOd);
  MarkRuleLabel(mEtykiety[kPoczatekDo], bledy.PoczatekDo);
  MarkRuleLabel(mEtykiety[kKoniecOd], bledy.KoniecOd);
  MarkRuleLabel(mEtykiety[kKoniecDo], bledy.KoniecDo);
  MarkRuleLabel(mEtykiety[kKoniecCzas], bledy.KoniecCzas);
}

bool TFormEdytorCzasuPracy::Zapisz() {
  if (!mUzytkownik) return true;
  const cCzasyUzytkownika poprzednie = mUzytkownik->CzasyPracy;
  mUzytkownik->CzasyPracy = CzasyZOkna();
  if (mZapisz && mZapisz(mSciezka, nullptr)) return true;
  // The list in memory keeps what the file holds; the editor keeps the
  // operator's values, so saving can be tried again.
  mUzytkownik->CzasyPracy = poprzednie;
  mKomunikaty.Information(
      "Nie udało się zapisać zmian czasu pracy w pliku użytkowników. Przyczyna została zapisana w dzienniku "
      "programu.");
  return false;
}

void TFormEdytorCzasuPracy::ZamknijPrzyciskiem(bool zapisz) {
  if (zapisz && !Zapisz()) return;
  mZamknietoPrzyciskiem = true;
  reject();
}

void TFormEdytorCzasuPracy::reject() {
  if (mZamknietoPrzyciskiem) {
    mZamknietoPrzyciskiem = false;
    QDialog::reject();
    return;
  }
  const int odpowiedz = mKomunikaty.QuestionOrCancel(windowTitle().toStdString(), kPytanie, "Zapisz", "Nie");
  if (odpowiedz == kOdpowiedzAnuluj || (odpowiedz == kOdpowiedzTak && !Zapisz())) return;
  QDialog::reject();
}

}  // namespace olv
