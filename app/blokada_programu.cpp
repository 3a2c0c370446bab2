#include "app/blokada_programu.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "common/numbers.h"
#include "common/strings.h"

namespace olv {

namespace {

// The process number the holder wrote; "" when the file holds none.
std::string NumerProcesu(int fd) {
  char bufor[32] = {};
  const ssize_t n = pread(fd, bufor, sizeof bufor - 1, 0);
  if (n <= 0) return "";
  const std::string tekst(TrimBlanks(std::string_view(bufor, static_cast<size_t>(n))));
  return ParseInt(tekst) ? tekst : "";
}

// The number only names the holder in the message of a refused second
// program: the lock holds without it, so a failure to write it is let be.
void ZapiszNumerProcesu(int fd) {
  if (ftruncate(fd, 0) != 0) return;
  const std::string numer = std::to_string(getpid()) + "\n";
  const ssize_t zapisane = pwrite(fd, numer.data(), numer.size(), 0);
  static_cast<void>(zapisane);
}

}  // namespace

std::unique_ptr<cBlokadaProgramu> cBlokadaProgramu::Zajmij(const std::string& program_folder,
                                                            std::string* komunikat) {
  const std::string sciezka = program_folder + "olv8-manager.lock";
  const int fd = open(sciezka.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (komunikat) *komunikat = "Nie można utworzyć pliku blokady " + sciezka + ". Program nie zostanie uruchomiony.";
    return nullptr;
  }
  int wynik;
  do {
    wynik = flock(fd, LOCK_EX | LOCK_NB);
  } while (wynik != 0 && errno == EINTR);
  if (wynik != 0) {
    const std::string proces = NumerProcesu(fd);
    close(fd);
    if (komunikat) {
      *komunikat = "Program OLV-8 Manager już pracuje na danych w folderze " + program_folder +
                   (proces.empty() ? "" : " (proces " + proces + ")") +
                   ": w oknie albo jako synchronizacja. Druga kopia nie zostanie uruchomiona. "
                   "Zamknij tamten program lub poczekaj na jego koniec i spróbuj ponownie.";
    }
    return nullptr;
  }
  ZapiszNumerProcesu(fd);
  return std::unique_ptr<cBlokadaProgramu>(new cBlokadaProgramu(fd));
}

cBlokadaProgramu::~cBlokadaProgramu() { close(mFd); }

}  // namespace olv
