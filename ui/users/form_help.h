// The help window "Pomoc": five built-in Polish help topics, a topic list on
// the left and the selected topic's text on the right. The editors and the
// statistics window open it on their own topic with PokazPomoc.
//
// Callers must guarantee: a QApplication exists.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPlainTextEdit;

namespace olv {

// The topics, by their index in the topic list.
enum eTematPomocy : int {
  kPomocUzytkownicy = 0,
  kPomocUrzadzenia = 1,
  kPomocTrybyZliczaniaCzasu = 2,
  kPomocDostepy = 3,
  kPomocDodawanieUrzadzen = 4,
};
constexpr int kLiczbaTematowPomocy = 5;

// The list entry of a topic; "" for an index outside 0..4.
std::string NazwaTematuPomocy(int topic);
// The lines of a topic's text, in order ("" stands for a blank line); empty
// for an index outside 0..4.
const std::vector<std::string>& TekstPomocy(int topic);

class TFormHelp : public QDialog {
 public:
  explicit TFormHelp(QWidget* parent = nullptr);

  // Selects topic, fills the text with it, centres the window and shows it
  // modally. An index outside 0..4 shows no topic and an empty text.
  void PokazPomoc(int topic);
  // Selects topic and fills the text, without showing the window.
  void UstawTemat(int topic);

 private:
  void WypelnijTekst();

  QListWidget* mListBox1;
  QPlainTextEdit* mMemo1;
};

}  // namespace olv
