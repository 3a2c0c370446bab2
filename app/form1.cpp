#include "app/form1.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

#include "app/aktywnosc_urzadzen.h"
#include "app/plan_synchronizacji.h"
#include "app/stare_dzienniki.h"
#include "common/files.h"
#include "common/numbers.h"
#include "model/access_cleanup.h"
#include "model/data_files.h"
#include "model/device_folder.h"
#include "common/strings.h"
#include "ui/common/image_button.h"
#include "ui/common/message_window.h"
#include "ui/common/pictures.h"
#include "ui/devices/form_pasek_postepu.h"
#include "ui/devices/form_prosze_czekac.h"

namespace olv {

namespace {

const char* const kTytul = "OLV-8 MANAGER v1.0.89";
const QColor kTloDebug(200, 100, 100);

constexpr int kLewaKolumna = 16;
constexpr int kSzerokoscPrzycisku = 193;
constexpr int kWysokoscPrzycisku = 25;
constexpr int kOdstepPrzyciskow = 32;
constexpr int kLewaPrawejCzesci = 240;
constexpr int kGoraSlotow = 40;
constexpr int kOdstepSlotow = 32;
constexpr int kSzerokoscObrazu = 52;
constexpr int kWysokoscObrazu = 30;

struct cAkcja {
  const char* obrazek;
  const char* przycisk;
  const char* podpis;
  ePicture picture;
};

// The left column, top to bottom.
const cAkcja kAkcje[] = {
    {"ImageEdytorUrzadzen", "Button2", "Edytor urządzeń", ePicture::kEdytorUrzadzen},
    {"ImageEdytorUzytkownikow", "Button1", "Edytor użytkowników", ePicture::kEdytorUzytkownikow},
    {"ImageEdytorDostepow", "Button4", "Edytor dostępów", ePicture::kEdytorDostepow},
    {"ImageSynchronizacja", "Button3", "Synchronizacja danych", ePicture::kSynchronizacja},
    {"ImageStatystyka", "Button5", "Statystyka", ePicture::kStatystyka},
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

bool CzyTrybDebug(const std::vector<std::string>& arguments) {
  return arguments.size() == 1 && ToUpperAscii(arguments[0]) == "DEBUG";
}

TForm1::TForm1(cClock& clock, cMessageWindow& komunikaty, const std::vector<std::string>& arguments,
               std::string program_folder, std::unique_ptr<cSerialLink> port, QWidget* parent)
    : QWidget(parent),
      mClock(clock),
      mKomunikaty(komunikaty),
      mFolder(std::move(program_folder)),
      mStyl(WindowLook()),
      mDebug(CzyTrybDebug(arguments)),
      mStartowyTick(clock.GetTickCount()),
      mLog(LogFilePath(mFolder, mStartowyTick), clock) {
  setObjectName("Form1");
  // A log that cannot be written is reported once, after the event that logged
  // returns: a modal message inside a log call would let other timers run in the
  // middle of the caller's step.
  mTimerBleduLogu = mClock.CreateTimer(1, nullptr);
  mLog.UstawObslugeBledu([this](const std::string& path, const std::string&) { ZglosBladLogu(path); });
  CreateDirectory(mFolder + "log");
  UsunStareDzienniki(mFolder, mClock.Now(), FunkcjaLogujaca());

  UtworzPrzyciski();
  setWindowTitle(kTytul);

  mUserList = std::make_unique<cUserList>(mClock);
  mDevList = std::make_unique<cDevList>(mClock);
  mKolejka = std::make_unique<cKolejkaZadan>(mClock);
  mOdpalacz = std::make_unique<cOdpalaczFunkcji>(mClock);
  mSterownik = std::make_unique<cSterownikWPP>(mClock, std::move(port), mFolder);
  mListaOdbic = std::make_unique<cListaOdbic>();
  mUserList->UstawFunkcjeLogujaca(FunkcjaLogujaca());
  mDevList->UstawFunkcjeLogujaca(FunkcjaLogujaca());
  mKolejka->UstawFunkcjeLogujaca(FunkcjaLogujaca());
  mSterownik->UstawFunkcjeLogujaca(FunkcjaLogujaca());
  mKolejka->UstawFunkcjeObslugujacaZadanie([this](cZadanie& zadanie) { ObslugujZadanie(zadanie); });

  UtworzSloty();
  mFormWybierzPolaczenie = new TFormWybierzPolaczenie(this);
  mFormPasekPostepu = new TFormPasekPostepu(this);
  mFormProszeCzekac = new TFormProszeCzekac(this);
  UtworzEdytory();
  UtworzOknaUrzadzen();
  UtworzStatystyke();
  mTimerStart = mClock.CreateTimer(1, [this] { TimerStartTimer(); });
  UtworzSynchronizacje();

  UtworzFoldery();
  if (mDebug) mStyl.background = kTloDebug;
  ApplyWindowLook(this, mStyl);
  UstawWysokoscKlienta(kPoczatkowaWysokoscOkna);
  CentreOnScreen(this);
}

TForm1::~TForm1() = default;

void TForm1::UtworzPrzyciski() {
  for (size_t i = 0; i < std::size(kAkcje); ++i) {
    const cAkcja& akcja = kAkcje[i];
    const int top = kLewaKolumna + kOdstepPrzyciskow * static_cast<int>(i);
    auto* przycisk = new QPushButton(akcja.podpis, this);
    przycisk->setObjectName(akcja.przycisk);
    przycisk->setGeometry(kLewaKolumna, top, kSzerokoscPrzycisku, kWysokoscPrzycisku);
    przycisk->hide();
    auto* obrazek = new cImageButton(akcja.podpis, Picture(akcja.picture), this);
    obrazek->setObjectName(akcja.obrazek);
    obrazek->setGeometry(kLewaKolumna, top, kSzerokoscPrzycisku, kWysokoscPrzycisku);
    // The picture does exactly what the plain button it stands for does.
    connect(obrazek, &QAbstractButton::clicked, przycisk, &QAbstractButton::click);
  }
  const auto przycisk = [this](const char* name) { return findChild<QPushButton*>(name); };
  connect(przycisk("Button1"), &QAbstractButton::clicked, this,
          [this] { OtworzEdytorPoSprawdzeniu(eRodzajZadania::OtworzEdytorUzytkownikow); });
  connect(przycisk("Button2"), &QAbstractButton::clicked, this,
          [this] { OtworzEdytorPoSprawdzeniu(eRodzajZadania::OtworzEdytorUrzadzen); });
  connect(przycisk("Button4"), &QAbstractButton::clicked, this,
          [this] { OtworzEdytorPoSprawdzeniu(eRodzajZadania::OtworzEdytorDostepu); });
  connect(przycisk("Button3"), &QAbstractButton::clicked, this, [this] { Synchronizuj(); });
}

void TForm1::UtworzSloty() {
  auto* naglowek = new QLabel("Urządzenia zapisane w systemie", this);
  naglowek->setObjectName("Label1");
  naglowek->setGeometry(kLewaPrawejCzesci, 16, 393, 17);
  naglowek->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

  mImageOLVBrak = new QLabel(this);
  mImageOLVBrak->setObjectName("ImageOLVBrak");
  mImageOLVBrak->setPixmap(Picture(ePicture::kUrzadzenieNieaktywne));
  mImageOLVBrak->hide();
  mImageOLVJest = new QLabel(this);
  mImageOLVJest->setObjectName("ImageOLVJest");
  mImageOLVJest->setPixmap(Picture(ePicture::kUrzadzenieAktywne));
  mImageOLVJest->hide();

  for (int n = 1; n <= kLiczbaSlotow; ++n) {
    cSlot& slot = mSloty[static_cast<size_t>(n - 1)];
    const int top = kGoraSlotow + kOdstepSlotow * (n - 1);
    const QString numer = QString::number(n);
    slot.obraz = new QLabel(this);
    slot.obraz->setObjectName("ImageOLV" + numer);
    slot.obraz->setGeometry(kLewaPrawejCzesci, top, kSzerokoscObrazu, kWysokoscObrazu);
    slot.nazwa = new QLabel(this);
    slot.nazwa->setObjectName("LabelOLV" + numer + "Nazwa");
    slot.nazwa->setGeometry(304, top, 241, kWysokoscObrazu);
    slot.nazwa->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    slot.aktywnosc = new QLabel(this);
    slot.aktywnosc->setObjectName("LabelOLV" + numer + "Aktywnosc");
    slot.aktywnosc->setGeometry(552, top, 81, kWysokoscObrazu);
    slot.aktywnosc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    slot.obraz->hide();
    slot.nazwa->hide();
    slot.aktywnosc->hide();
  }

  mCheckBoxDebug = new QCheckBox("debug", this);
  mCheckBoxDebug->setObjectName("CheckBoxDebug");
  mCheckBoxDebug->hide();
  connect(mCheckBoxDebug, &QCheckBox::clicked, this, [this](bool checked) { mDebug = checked; });
}

void TForm1::UtworzFoldery() {
  for (int id = 1; id <= 9; ++id) UtworzFolderWyslanychPlikow(mFolder, id);
}

void TForm1::UstawWysokoscKlienta(int wysokosc) {
  setFixedSize(kSzerokoscOkna, wysokosc);
  mCheckBoxDebug->setGeometry(kSzerokoscOkna - 68, wysokosc - 22, 57, 17);
}

void TForm1::Log(const std::string& text) { mLog.Zapisz(text); }

LogFunction TForm1::FunkcjaLogujaca() {
  return [this](const std::string& text) { Log(text); };
}

void TForm1::ZglosBladLogu(const std::string& path) {
  mTimerBleduLogu->SetHandler([this, path] {
    mTimerBleduLogu->Stop();
    std::fprintf(stderr, "olv8-manager: nie można zapisać dziennika %s\n", path.c_str());
    mKomunikaty.Information("Nie można zapisać dziennika programu w pliku " + FileNameOf(path) +
                            ". Program działa dalej, ale jego działania nie będą zapisywane.");
  });
  mTimerBleduLogu->Start();
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!mPierwszePokazanie) return;
  mPierwszePokazanie = false;
  mTimerStart->Start();
}

void TForm1::TimerStartTimer() {
  mTimerStart->Stop();
  WczytajDane();
  SprawdzAktywnoscUrzadzen([this] { PoSprawdzeniuNaStarcie(); }, true);
}

void TForm1::PoSprawdzeniuNaStarcie() {
  ZamknijProszeCzekac();
  OdswiezUrzadzenia(false);
  ZglosNiepowodzeniaSzukania();
  if (mObslugaKoncaStartu) mObslugaKoncaStartu();
}

void TForm1::SprawdzAktywnoscUrzadzen(std::function<void()> po_sprawdzeniu, bool pokaz_prosze_czekac) {
  SzukajZarejestrowanychUrzadzen(*mSterownik, *mDevList, std::move(po_sprawdzeniu));
  if (pokaz_prosze_czekac) PokazProszeCzekacPozniej();
}

bool TForm1::UrzadzenieOdpowiada(const cUrzadzenie& urzadzenie) {
  return ::olv::UrzadzenieOdpowiada(*mSterownik, urzadzenie);
}

bool TForm1::WszystkieUrzadzeniaObecne() { return ::olv::WszystkieUrzadzeniaObecne(*mSterownik, *mDevList); }

// Devices that are merely off make no failure and are not told here; their
// slots show them.
void TForm1::ZglosNiepowodzeniaSzukania() {
  const std::string tekst = TekstNiepowodzenSzukania(mSterownik->Niepowodzenia(), *mSterownik, *mDevList);
  if (tekst.empty()) return;
  mSterownik->WyczyscNiepowodzenia();
  mKomunikaty.Information(tekst);
}

void TForm1::OtworzEdytorPoSprawdzeniu(eRodzajZadania rodzaj) {
  SprawdzAktywnoscUrzadzen(
      [this, rodzaj] {
        mKolejka->DodajZadanie(rodzaj, WszystkieUrzadzeniaObecne() ? "" : "nah", true);
        mKolejka->ZacznijRobicNastepne();
      },
      true);
}

void TForm1::ObslugujZadanie(cZadanie& zadanie) {
  Log("Form1: Obsluguje zadanie: " + std::to_string(static_cast<int>(zadanie.Rodzaj)) + " z parametrem \"" +
      zadanie.Parametr + "\"");
  ZamknijProszeCzekac();
  ZglosNiepowodzeniaSzukania();
  OtworzEdytorPozniej(zadanie);
}

void TForm1::WczytajDane() {
  const std::string urzadzenia = mFolder + "data/devices.txt";
  const std::string uzytkownicy = mFolder + "data/users.txt";
  const cWynikWczytania wynik_urzadzen = WczytajUrzadzenia(urzadzenia, *mDevList);
  const cWynikWczytania wynik_uzytkownikow = WczytajUzytkownikow(uzytkownicy, *mUserList);
  // A damaged line is skipped, not lost: the operator learns where the whole
  // file was kept.
  for (const auto& [path, wynik] : {std::pair{urzadzenia, wynik_urzadzen}, std::pair{uzytkownicy, wynik_uzytkownikow}}) {
    if (!wynik.Wczytano && (FileExists(path) || DirectoryExists(path))) {
      mNieczytelnePliki.push_back(path);
      Log("Form1: nie odczytano pliku " + path);
      mKomunikaty.Information("Nie można odczytać pliku " + FileNameOf(path) +
                              ". Program nie zapisze w nim zmian, aby nie utracić jego zawartości.");
      continue;
    }
    const std::string nieczytelne = KomunikatONieczytelnychLiniach("pliku " + FileNameOf(path), wynik);
    if (!nieczytelne.empty()) mKomunikaty.Information(nieczytelne);
  }
}

void TForm1::OdswiezUrzadzenia(bool wszystkie_aktywne) {
  std::vector<std::string> kolejnosc;
  mDevList->WpiszPosortowanaAlfabetycznieListeUniqueUrzadzen(kolejnosc);
  std::vector<cSlotUrzadzenia> sloty;
  for (const std::string& unique : kolejnosc) {
    const cUrzadzenie* urzadzenie = mDevList->GetDeviceByUnique(ParseInt(unique).value_or(0));
    if (!urzadzenie) continue;
    sloty.push_back({urzadzenie->Nazwa, wszystkie_aktywne || UrzadzenieOdpowiada(*urzadzenie)});
  }
  PokazUrzadzenia(sloty);
}

bool TForm1::ZapiszUzytkownikow(const std::string& path, std::string* error) {
  return !CzyNieczytelny(path, error) && ::olv::ZapiszUzytkownikow(path, *mUserList, error);
}

bool TForm1::ZapiszUrzadzenia(const std::string& path, std::string* error) {
  return !CzyNieczytelny(path, error) && ::olv::ZapiszUrzadzenia(path, *mDevList, error);
}

bool TForm1::CzyNieczytelny(const std::string& path, std::string* error) {
  if (std::find(mNieczytelnePliki.begin(), mNieczytelnePliki.end(), path) == mNieczytelnePliki.end()) {
    return false;
  }
  const std::string message = "plik " + FileNameOf(path) + " nie został odczytany przy starcie programu";
  Log("Form1: Zapisz: nie zapisuję " + path + ", bo " + message);
  if (error) *error = message;
  return true;
}

void TForm1::UsunNieistniejacychZDostepow() { ::olv::UsunNieistniejacychZDostepow(*mDevList, *mUserList); }

void TForm1::PokazUrzadzenia(const std::vector<cSlotUrzadzenia>& urzadzenia) {
  // Only eight slots exist: the window grows no further than the eighth.
  const int c = std::min(static_cast<int>(urzadzenia.size()), kLiczbaSlotow);
  for (int n = 1; n <= kLiczbaSlotow; ++n) {
    const cSlot& slot = mSloty[static_cast<size_t>(n - 1)];
    slot.obraz->setVisible(n <= c);
    slot.nazwa->setVisible(n <= c);
    slot.aktywnosc->setVisible(n <= c);
  }
  QFont zwykla = mStyl.Font();
  mSloty[0].nazwa->setFont(zwykla);

  const cSlot& pierwszy = mSloty[0];
  const int wysokosc = pierwszy.obraz->y() + pierwszy.obraz->height() + pierwszy.obraz->height() / 3 +
                       kOdstepSlotow * (c - 1);
  UstawWysokoscKlienta(std::max(wysokosc, kMinimalnaWysokoscOkna));

  for (int i = 0; i < c; ++i) {
    const cSlotUrzadzenia& urzadzenie = urzadzenia[static_cast<size_t>(i)];
    const cSlot& slot = mSloty[static_cast<size_t>(i)];
    slot.nazwa->setText(Q(urzadzenie.nazwa));
    slot.aktywnosc->setText(urzadzenie.aktywne ? "aktywne" : "nieaktywne");
    slot.obraz->setPixmap(urzadzenie.aktywne ? mImageOLVJest->pixmap() : mImageOLVBrak->pixmap());
  }

  if (c == 0) {
    pierwszy.obraz->setPixmap(mImageOLVBrak->pixmap());
    pierwszy.obraz->show();
    QFont kursywa = zwykla;
    kursywa.setItalic(true);
    pierwszy.nazwa->setFont(kursywa);
    pierwszy.nazwa->setText("brak zapisanych urządzeń");
    pierwszy.nazwa->show();
    pierwszy.aktywnosc->setText("-");
    pierwszy.aktywnosc->show();
    UstawWysokoscKlienta(kMinimalnaWysokoscOkna);
  }
}

cWlasciwosciPolaczenia TForm1::WybierzPolaczenie(const cWlasciwosciPolaczenia& obecne) {
  Log("VCL: WybierzPolaczenie");
  std::vector<std::string> porty;
  mSterownik->WPP().ListaPortow(porty);
  mFormWybierzPolaczenie->Przygotuj(obecne.Port, obecne.Predkosc, porty);
  mFormWybierzPolaczenie->exec();
  return mFormWybierzPolaczenie->Wynik();
}

void TForm1::PokazProszeCzekac() {
  mProszeCzekacZamowione = true;
  mFormProszeCzekac->Pokaz();
}

void TForm1::PokazProszeCzekacPrzyWysylaniu() {
  mFormProszeCzekac->UstawFunkcjeTaktu([this] {
    const auto urzadzenie = mSterownik->BiezaceUrzadzenie();
    const int id = urzadzenie ? urzadzenie->Id : 0;
    const std::string nazwa = urzadzenie ? NazwaUrzadzenia(*mDevList, urzadzenie->Port, id) : "";
    mFormProszeCzekac->UstawTekst(Q(TekstWysylania(nazwa, id)));
  });
  PokazProszeCzekac();
}

void TForm1::PokazProszeCzekacPozniej() {
  mProszeCzekacZamowione = true;
  // The work may end before the launcher fires (a search of no ports ends at
  // once); a window shown after its closing would then never close.
  mOdpalacz->Odpal([this] {
    if (mProszeCzekacZamowione && !mFormProszeCzekac->isVisible()) mFormProszeCzekac->Pokaz();
  });
}

void TForm1::ZamknijProszeCzekac() {
  mProszeCzekacZamowione = false;
  if (mFormProszeCzekac->isVisible()) mFormProszeCzekac->Zamknij();
}

void TForm1::PokazPasekPostepu() { mFormPasekPostepu->Pokaz(); }

void TForm1::UstawPostep(int64_t done, int64_t total) { mFormPasekPostepu->UstawPostep(done, total); }

void TForm1::UstawPostepZeSterownika() { UstawPostep(mSterownik->Postep(), 100); }

void TForm1::UstawTekstPostepu(const std::string& text) { mFormPasekPostepu->UstawTekst(text); }

void TForm1::UstawFunkcjeTaktuPostepu(std::function<void()> tick) {
  mFormPasekPostepu->UstawFunkcjeTaktu(std::move(tick));
}

void TForm1::ZamknijPasekPostepu() { mFormPasekPostepu->Zamknij(); }

}  // namespace olv
