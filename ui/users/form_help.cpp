#include "ui/users/form_help.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include "ui/common/image_button.h"
#include "ui/common/pictures.h"
#include "ui/common/window_look.h"

namespace olv {
namespace {

struct cTemat {
  std::string nazwa;
  std::vector<std::string> tekst;
};

const std::vector<cTemat>& Tematy() {
  static const std::vector<cTemat> tematy = {
      {"Użytkownicy",
       {"UŻYTKOWNICY",
        "",
        "każdy użytkownik posiada (może posiadać):",
        "- ID",
        "- Numer karty",
        "- Numer PIN",
        "",
        "ID: Numer identyfikacyjny użytkownika. Tym numerem oznaczane są zdarzenia w pamięci urządzenia.",
        "- Długość: 4 znaki.",
        "- Składa się wyłącznie z cyfr (0 - 9)",
        "- Numer 0000 jest zarezerwowany dla zdarzeń braku dostępu (0000 oznacza brak użytkownika)",
        "- Numer ID jest unikatowy (każdy użytkownik musi posiadać własne ID)",
        "- Maksymalna liczba użytkowników: 9998",
        "",
        "Numer karty: Numer identyfikatora RFID (karta, brelok itp).",
        "- numer karty jest unikatowy (użytkownicy nie mogą współdzielić karty)",
        "- numer karty jest opcjonalny (użytkownik może posiadać tylko numer PIN)",
        "- numer karty składa się wyłącznie z cyfr, zazwyczaj podanych na karcie",
        "",
        "- numery kontrolne numeru karty (np. 123, 12345) oznaczają dwu- i czterocyfrową liczbę "
        "szesnastkową. (jeden i dwa bajty). Numer utworzony z samych numerów kontrolnych, na sposób "
        "XXYYYY nazywa się \"krótkim\" numerem (standard 24-bit).",
        "- w przypadku standardu 40-bit, numery kontrolne w postaci XXYYYY są końcówką pełnego numeru "
        "zapisanego w postaci heksadecymalnej.",
        "",
        "Numer PIN: PIN użytkownika",
        "- numer PIN jest unikatowy (użytkownicy nie mogą współdzielić PINu)",
        "- numer PIN jest opcjonalny (użytkownik może posiadać tylko numer karty)",
        "- Długość: 2-7 znaków",
        "- Składa się wyłącznie z cyfr (0 - 9)",
        "",
        "Dostęp użytkownika do urządzeń edytuje się w edytorze dostępów"}},
      {"Urządzenia",
       {"URZĄDZENIA",
        "",
        "każde urządzenie posiada (może posiadać):",
        "",
        "- ID",
        "- Nazwę urządzenia",
        "- Nazwę czytnika 0",
        "- Nazwę czytnika 1",
        "- Tryb przycisku",
        "",
        "ID : Numer identyfikacyjny urządzenia. Ten numer używany jest do komunikacji z urządzeniem.",
        "- Długość: 1 znak",
        "- Jest liczbą z przedziału 2 - 9",
        "- ID jest unikatowe (urządzenia nie mogę współdzielić ID, zobacz KONFLIKT ID poniżej)",
        "- Maksymalnie liczba urządzeń: 8",
        "- ID 1 jest zarezerwowane dla niezarejestrowanych (nowych) urządzeń",
        "",
        "Nazwa urządzenia: Dowolna",
        "",
        "Nazwa Czytnika 0: Dowolna. Używana jest do identyfikacji zdarzenia w pamięci urządzenia.",
        "",
        "Nazwa Czytnika 1: Dowolna. Używana jest do identyfikacji zdarzenia w pamięci urządzenia.",
        "",
        "Tryb przycisku: Opcja użycia przycisku zamiast czytnika RFID na porcie 1 urządzenia.",
        "",
        "Czytnikom można ustawić typ interpretacji zdarzenia (wejście/wyjście/neutralny)",
        "",
        "Dostęp użytkownika do urządzeń edytuje się w edytorze dostępów",
        "",
        "KONFLIKT ID",
        "- urządzenia pracujące na tym samym ID mogą powodować nieokreślone skutki",
        "- w przypadku podłączenia urządzeń na o samym ID zaleca się zresetowanie tych urządzeń.",
        "- możliwa potrzeba resetu wszystkich urządzeń na szynie",
        "- w b. rzadkich przypadkach możliwa potrzeba pełnego resetu wszystkich urządzeń",
        "- b. rzadka możliwa potrzeba resetu komputera/usługi systemu operacyjnego",
        "",
        "KARTA SD używana jako pamięć urządzenia musi być sformatowana w systemie plików FAT32"}},
      {"Tryby zliczania czasu",
       {"TRYBY ZLICZANIA CZASU",
        "",
        "TRYB DZIENNY (WEJŚCIE/WYJŚIE)",
        "Za czas pracy uznawany jest czas od zdarzenia typu WEJŚCIE do zdarzenia typu WYJŚCIE, "
        "ograniczony czasem pracy dla pracownika.",
        "",
        "W wypadku błędu WEJŚCIE - WEJŚCIE - WYJŚCIE, czas zostanie policzony od pierwszego wejścia.",
        "W wypadku błędu WEJŚCIE - WYJŚCIE - WYJŚCIE, czas zostanie policzony od wejścia do ostatniego "
        "wyjścia.",
        "W wypadku innego błędu czas prawdopodobnie nie będzie policzony.",
        "",
        "TRYB DZIENNY (AKTYWNOŚĆ)",
        "Za czas pracy uznawany jest czas od pierwszego do ostatniego zdarzenia w danym dniu. Typ "
        "zdarzenia (wejście - wyjście - neutralny) jest ignorowany.",
        "",
        "W tym trybie nie jest liczona przerwa w pracy."}},
      {"Dostępy do urządzenia",
       {"DOSTĘPY DO URZĄDZENIA",
        "",
        "Użytkownicy mogą mieć dostęp do urządzeń. Oznacza to, że urządzenie zaakceptuje i zarejestruje "
        "zdarzenie odbicia karty bądź PINu danego użytkownika."}},
      {"Dodawanie urządzeń",
       {"DODAWANIE URZĄDZEŃ",
        "",
        "Aby dodać urządzenie, należy upewnić się, że urządzenie jest podłączone, a następnie wybrać "
        "opcję \"wyszukaj urządzenie\" z menu.",
        "",
        "Informacje dotyczące dodawania urządzeń (rejestracji urządzeń w systemie):",
        "",
        "- Urządzenie musi znajdować się w trybie pracy (zielona dioda na obudowie powinna świecić się "
        "światłem ciągłym).",
        "- Urządzenia można dodawać podczas pracy systemu.",
        "- Urządzenia należy dodawać pojedynczo. Kolejne urządzenie można podłączyć dopiero po "
        "synchronizacji aktualnie podłączanego.",
        "- Jeżeli urządzenie nie pracowało wcześniej w innym systemie (posiada konfigurację domyślną), "
        "będzie ono wymagać zmiany numeru ID."}},
  };
  return tematy;
}

bool JestTematem(int topic) { return topic >= 0 && topic < kLiczbaTematowPomocy; }

}  // namespace

std::string NazwaTematuPomocy(int topic) {
  return JestTematem(topic) ? Tematy()[static_cast<size_t>(topic)].nazwa : std::string();
}

const std::vector<std::string>& TekstPomocy(int topic) {
  static const std::vector<std::string> none;
  return JestTematem(topic) ? Tematy()[static_cast<size_t>(topic)].tekst : none;
}

TFormHelp::TFormHelp(QWidget* parent) : QDialog(parent) {
  setObjectName("FormHelp");
  setWindowTitle("Pomoc");
  ApplyWindowLook(this);
  setFixedSize(760, 520);

  auto* heading = new QLabel("POMOC", this);
  heading->setObjectName("LabelPomoc");
  QFont bold = font();
  bold.setBold(true);
  heading->setFont(bold);
  heading->setAlignment(Qt::AlignCenter);
  heading->setGeometry(8, 8, 744, 24);

  mListBox1 = new QListWidget(this);
  mListBox1->setObjectName("ListBox1");
  mListBox1->setGeometry(8, 40, 190, 428);
  for (int topic = 0; topic < kLiczbaTematowPomocy; ++topic)
    mListBox1->addItem(QString::fromStdString(NazwaTematuPomocy(topic)));

  mMemo1 = new QPlainTextEdit(this);
  mMemo1->setObjectName("Memo1");
  mMemo1->setGeometry(206, 40, 546, 428);
  mMemo1->setReadOnly(true);
  mMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  auto* zamknij = new cImageButton("Zamknij", Picture(ePicture::kAnuluj), this);
  zamknij->setObjectName("ButtonZamknij");
  zamknij->setGeometry(640, 480, 112, 28);
  connect(zamknij, &QAbstractButton::clicked, this, &QDialog::accept);

  connect(mListBox1, &QListWidget::currentRowChanged, this, [this] { WypelnijTekst(); });
  connect(mListBox1, &QListWidget::itemClicked, this, [this] { WypelnijTekst(); });
  setTabOrder(mListBox1, mMemo1);
  setTabOrder(mMemo1, zamknij);
}

void TFormHelp::UstawTemat(int topic) {
  mListBox1->setCurrentRow(JestTematem(topic) ? topic : -1);
  WypelnijTekst();
}

void TFormHelp::PokazPomoc(int topic) {
  UstawTemat(topic);
  CentreOnScreen(this);
  mListBox1->setFocus();
  exec();
}

void TFormHelp::WypelnijTekst() {
  mMemo1->clear();
  const QListWidgetItem* selected = mListBox1->currentItem();
  if (!selected || !selected->isSelected()) return;
  QStringList lines;
  for (const std::string& line : TekstPomocy(mListBox1->currentRow())) lines << QString::fromStdString(line);
  mMemo1->setPlainText(lines.join('\n'));
}

}  // namespace olv
