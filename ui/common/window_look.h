// The one look every window of the program shares: background, the highlight of
// an input that breaks a rule, the normal and disabled input backgrounds, and
// the font. Windows take it with ApplyWindowLook when they are built and mark
// inputs with MarkInput as the operator types.
//
// Callers must guarantee: a QApplication exists (fonts and palettes need it).
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace olv {

struct cWindowLook {
  QColor background{232, 241, 255};
  QColor invalidInput{250, 188, 191};
  QColor input{255, 255, 255};
  QColor disabledInput{170, 170, 170};
  // Labels that flag a broken rule.
  QColor ruleBroken{255, 0, 0};
  QString fontFamily = QStringLiteral("Arial");
  int fontPointSize = 10;

  QFont Font() const;
};

// The look of the program; one instance for all windows.
const cWindowLook& WindowLook();

// Background, font and input colours on window and all its children.
void ApplyWindowLook(QWidget* window, const cWindowLook& look = WindowLook());
// An input's background: the invalid highlight when invalid, white otherwise.
void MarkInput(QWidget* input, bool invalid, const cWindowLook& look = WindowLook());
// Centres window on the screen it is on (the primary screen before it is shown).
void CentreOnScreen(QWidget* window);
// A label drawn in red while it flags a broken rule, in the window's text colour otherwise.
void MarkRuleLabel(QWidget* label, bool broken, const cWindowLook& look = WindowLook());

}  // namespace olv
