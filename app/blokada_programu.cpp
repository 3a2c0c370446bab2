#include "app/blokada_programu.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "common/numbers.h"
#include "common/strings.h"

namespace olv {

namespace {

const char kNieUruchomiony[] = " Program nie zostanie uruchomiony.";

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

std::string NazwaUzytkownika(uid_t uid) {
  char bufor[4096];
  passwd wpis{};
  passwd* znaleziony = nullptr;
  if (getpwuid_r(uid, &wpis, bufor, sizeof bufor, &znaleziony) == 0 && znaleziony) return znaleziony->pw_name;
  return "o numerze " + std::to_string(uid);
}

// Opens the lock file without following a link and without blocking on a
// FIFO; a new file is created exclusively and private. A file of another
// user that cannot be written is opened for reading: flock needs no more.
int OtworzPlikBlokady(const std::string& sciezka) {
  const int flagi = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  for (int proba = 0; proba < 3; ++proba) {
    int fd = open(sciezka.c_str(), O_RDWR | flagi);
    if (fd < 0 && errno == EACCES) fd = open(sciezka.c_str(), O_RDONLY | flagi);
    if (fd >= 0 || errno != ENOENT) return fd;
    fd = open(sciezka.c_str(), O_RDWR | O_CREAT | O_EXCL | flagi, 0600);
    if (fd >= 0) {
      if (fchmod(fd, 0600) == 0) return fd;
      close(fd);
      return -1;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

}  // namespace

std::unique_ptr<cBlokadaProgramu> cBlokadaProgramu::Zajmij(const std::string& program_folder,
                                                            std::string* komunikat) {
  const std::string sciezka = program_folder + "olv8-manager.lock";
  const auto odmowa = [komunikat](const std::string& tekst) {
    if (komunikat) *komunikat = tekst;
    return nullptr;
  };
  const auto nie_plik = [&odmowa](bool lacze) {
    return odmowa(std::string("W miejscu pliku blokady olv8-manager.lock w folderze programu stoi ") +
                  (lacze ? "łącze symboliczne" : "coś innego niż zwykły plik") + ". Usuń je i spróbuj ponownie." +
                  kNieUruchomiony);
  };
  // A device node is not even opened: opening one may act on the device.
  struct stat st {};
  if (lstat(sciezka.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return nie_plik(S_ISLNK(st.st_mode));
  const int fd = OtworzPlikBlokady(sciezka);
  if (fd < 0 && errno == ELOOP) return nie_plik(true);
  if (fd < 0) {
    const std::string wlasciciel =
        lstat(sciezka.c_str(), &st) == 0 && st.st_uid != geteuid()
            ? " Plik należy do użytkownika " + NazwaUzytkownika(st.st_uid) + "; usuń go i spróbuj ponownie."
            : "";
    return odmowa("Nie można otworzyć pliku blokady olv8-manager.lock w folderze programu." + wlasciciel +
                  kNieUruchomiony);
  }
  // The check above and the open are two steps: what was opened is checked
  // again before anything is written to it.
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return nie_plik(false);
  }
  const bool wlasny = st.st_uid == geteuid();
  int wynik;
  do {
    wynik = flock(fd, LOCK_EX | LOCK_NB);
  } while (wynik != 0 && errno == EINTR);
  if (wynik != 0) {
    const std::string proces = NumerProcesu(fd);
    close(fd);
    return odmowa("Program OLV-8 Manager już pracuje na danych tego folderu" +
                  (proces.empty() ? "" : " (proces " + proces + ")") +
                  ": w oknie albo jako synchronizacja." +
                  (wlasny ? "" : " Plik blokady należy do użytkownika " + NazwaUzytkownika(st.st_uid) + ".") +
                  " Druga kopia nie zostanie uruchomiona. "
                  "Zamknij tamten program lub poczekaj na jego koniec i spróbuj ponownie.");
  }
  // Another user's file keeps its content: only one's own file is rewritten.
  if (wlasny && (fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDWR) ZapiszNumerProcesu(fd);
  return std::unique_ptr<cBlokadaProgramu>(new cBlokadaProgramu(fd));
}

cBlokadaProgramu::~cBlokadaProgramu() { close(mFd); }

}  // namespace olv
