// The parts of the synchronisation that need no window: reading a line of a
// device's file list, deciding which listed files the local mirror lacks, and
// the texts the operator is asked and told. The main window runs the flow with
// them; the benchmark plans its downloads with the same code.
//
// Callers must guarantee: file-list lines are as the device sent them (CP1250,
// without CR LF); program_folder ends with "/".
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comm/sterownik_wpp_listy.h"

namespace olv {

// One file entry of a device's file list: the first field is the name, the
// fourth the size in bytes; the second and third are the device's own.
struct cWpisListyPlikow {
  std::string Nazwa;
  // Empty when the fourth field is missing or is not a whole number from 0 to
  // 4294967295 (the largest size a device can send).
  std::optional<int64_t> Rozmiar;
};

// Fields are separated by runs of spaces. A line without '.' is no file entry.
std::optional<cWpisListyPlikow> OdczytajWpisListyPlikow(std::string_view linia);

// KONFOUT.TXT (the device's configuration, in any letter case) is always
// fetched; any other file when there is no local copy or its size differs
// from the listed one (an unknown listed size counts as different).
// rozmiar_kopii: the local copy's size, -1 when there is none.
bool CzyPlikPotrzebny(const cWpisListyPlikow& wpis, int64_t rozmiar_kopii);

// A listed name that may not become part of a local path.
struct cOdrzuconaNazwa {
  std::string Port;
  int Id = 0;
  std::string Nazwa;  // UTF-8, for the log
};

struct cPlanSciagania {
  // In the order of the lists and of their lines; the size is -1 when unknown.
  std::vector<cPlikDoSciagniecia> Pliki;
  std::vector<cOdrzuconaNazwa> Odrzucone;
};

// Compares every entry of the lists with the mirror folder of its device,
// program_folder + "data/extSD/" + bus ID in 8 digits + "/" + name. A name
// that is not a plain 8.3 name is never fetched.
cPlanSciagania ZaplanujSciaganie(const std::vector<cListaPlikowZUrzadzenia>& listy,
                                 const std::string& program_folder);

// 0.7 s a file, whole seconds rounded down.
int SzacowanyCzasSciaganiaSek(int ilosc_plikow);
// "Potrzeba ściągnąć N plików o łącznej wielkości S B. Potrwa to ~Tsek. Kontynuować?"
std::string TekstPytaniaOSciagniecie(int ilosc_plikow, int64_t laczny_rozmiar);

// "Brama (ID 2)"; "urządzenie (ID 2)" without a name. The port is left to the
// log: it may be a path on this computer.
std::string OpisUrzadzenia(const std::string& nazwa, int id);

// "1 plik", "3 pliki", "5 plików", "22 pliki".
std::string LiczbaPlikow(int ilosc);

// The short report of a download job: how many of ilosc_plikow files could
// not be fetched, one line per device (its description, how many of its files
// and why), and whether the others were fetched.
std::string PodsumowanieNiepowodzen(
    int ilosc_plikow, const std::vector<cNieudaneZadanie>& niepowodzenia,
    const std::function<std::string(const std::string& port, int id)>& nazwa_urzadzenia);

// "Nie odpowiedziały urządzenia: " and the descriptions (as OpisUrzadzenia
// gives them), joined by ", ", and ".".
std::string TekstNieodpowiadajacych(const std::vector<std::string>& nieobecne);
// The refusal when devices did not answer the search, and a line naming them.
std::string TekstOdmowySynchronizacji(const std::vector<std::string>& nieobecne);

// The line under the progress bar while a device's download is retried:
// "Magazyn: ponowienie pobierania 2 z 3" (the device's ID without a name).
std::string TekstPonawiania(const std::string& nazwa, int id, int ponowienie, int najwiecej);

// The please-wait window's line while files are sent: "Wysyłanie do urządzenia
// Magazyn..." (by ID without a name); "Proszę czekać..." for id 0 (no device).
std::string TekstWysylania(const std::string& nazwa, int id);

// naglowek, then for every device in the order of its first failure its
// description (nazwa_urzadzenia gives the registered name, "" for none) and
// one line per reason with the files it concerns.
std::string TekstNiepowodzen(
    const std::string& naglowek, const std::vector<cNieudaneZadanie>& niepowodzenia,
    const std::function<std::string(const std::string& port, int id)>& nazwa_urzadzenia);

}  // namespace olv
