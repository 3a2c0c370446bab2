#include "ui/common/pictures.h"

#include <QString>

// Outside any namespace, as Qt's resource initialiser requires.
static void InitPictureResources() { Q_INIT_RESOURCE(olv_pictures); }

namespace olv {

namespace {

const char* FileName(ePicture picture) {
  switch (picture) {
    case ePicture::kUrzadzenieNieaktywne: return "urzadzenie_nieaktywne.png";
    case ePicture::kUrzadzenieAktywne: return "urzadzenie_aktywne.png";
    case ePicture::kEdytorUrzadzen: return "edytor_urzadzen.png";
    case ePicture::kEdytorUzytkownikow: return "edytor_uzytkownikow.png";
    case ePicture::kEdytorDostepow: return "edytor_dostepow.png";
    case ePicture::kSynchronizacja: return "synchronizacja.png";
    case ePicture::kStatystyka: return "statystyka.png";
    case ePicture::kOk: return "ok.png";
    case ePicture::kAnuluj: return "anuluj.png";
    case ePicture::kTloCzytniki: return "tlo_czytniki.png";
    case ePicture::kTloPrzycisk: return "tlo_przycisk.png";
  }
  return "";
}

}  // namespace

QPixmap Picture(ePicture picture) {
  static const bool initialised = [] {
    InitPictureResources();
    return true;
  }();
  (void)initialised;
  return QPixmap(QStringLiteral(":/pictures/") + QString::fromLatin1(FileName(picture)));
}

}  // namespace olv
