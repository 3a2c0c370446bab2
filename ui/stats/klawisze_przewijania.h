// What the self-drawn tables and charts share for the keyboard: the scrolling
// keys handed to their scroll bar, and a frame that shows where the focus is.
//
// Callers must guarantee: a QApplication exists; pasek is the widget's own
// scroll bar.
#pragma once

#include <QRect>

class QKeyEvent;
class QPainter;
class QScrollBar;

namespace olv {

// The arrows (up and left back, down and right on), Page Up/Down, Home and End
// move pasek by its steps (also while it is hidden because everything fits:
// then nothing moves). True when the key was one of them.
bool PrzekazKlawiszPaskowi(QKeyEvent* event, QScrollBar* pasek);
// A dotted frame just inside obszar, so that the keyboard's place shows.
void RysujRamkeFokusu(QPainter& painter, const QRect& obszar);

}  // namespace olv
