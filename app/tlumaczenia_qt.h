// Qt's own texts in Polish: the edit fields' context menus, the file dialog's
// columns and buttons, the standard tooltips. Loaded once at start-up from the
// toolkit's translations folder (Debian's qt6-translations-l10n).
//
// Callers must guarantee: a QApplication exists and outlives the program's
// windows.
#pragma once

namespace olv {

// Installs the Polish translation of Qt; false (the texts stay English) when
// it cannot be found, and the caller tells where the operator can see it.
bool ZaladujTlumaczeniaQt();

}  // namespace olv
