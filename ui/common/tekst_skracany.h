// Texts that may be longer than their place (user and device names): a label
// that draws its text cut with "…" at its right edge and then offers the whole
// text as its tooltip, and list rows that are cut the same way and carry the
// whole text as their tooltip. text() always gives the whole text.
//
// Callers must guarantee: a QApplication exists.
#pragma once

#include <QLabel>

class QListWidget;

namespace olv {

class cEtykietaSkracana : public QLabel {
 public:
  explicit cEtykietaSkracana(const QString& text = QString(), QWidget* parent = nullptr);

  // Whether the text as last drawn was cut.
  bool Skrocona() const { return mSkrocona; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool mSkrocona = false;
};

// Rows wider than the list are cut at the right, never scrolled sideways.
void UstawSkracanieWierszy(QListWidget* lista);
// Appends a row whose tooltip is its whole text.
void DodajWiersz(QListWidget* lista, const QString& text);

}  // namespace olv
