#include "app/tlumaczenia_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace olv {

bool ZaladujTlumaczeniaQt() {
  auto* tlumacz = new QTranslator(QCoreApplication::instance());
  if (!tlumacz->load(QLocale(QLocale::Polish, QLocale::Poland), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete tlumacz;
    return false;
  }
  return QCoreApplication::installTranslator(tlumacz);
}

}  // namespace olv
