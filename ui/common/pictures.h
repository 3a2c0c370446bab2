// The program's pictures: the device slot pictures, the pictures of the
// action buttons and the backgrounds of the edit-device dialog, drawn for this program by ui/common/draw_pictures.cpp at build
// time and built into the executable as Qt resources.
//
// Callers must guarantee: a QApplication exists.
#pragma once

#include <QPixmap>

namespace olv {

enum class ePicture {
  kUrzadzenieNieaktywne,  // a device slot, 52 x 30
  kUrzadzenieAktywne,     // a device slot, 52 x 30
  kEdytorUrzadzen,        // the action buttons' pictures, 19 x 19
  kEdytorUzytkownikow,
  kEdytorDostepow,
  kSynchronizacja,
  kStatystyka,
  kOk,
  kAnuluj,
  kTloCzytniki,  // the edit-device dialog's background, 706 x 400: two readers
  kTloPrzycisk,  // the same with a push button in place of reader 1
};

// Null only when the resources are missing from the build.
QPixmap Picture(ePicture picture);

}  // namespace olv
