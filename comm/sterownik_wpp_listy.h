// The records of the WPP driver's work lists and results: what to fetch or
// send (filled by the main window before a job starts), what came back (file
// lists, devices found), and what could not be done.
//
// Callers must guarantee: nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace olv {

// A file to download. The name is as the device's file list gave it (CP1250).
struct cPlikDoSciagniecia {
  std::string Port;
  int Id = 0;
  std::string NazwaPliku;
  int64_t Rozmiar = 0;
};

// A device whose file list is wanted.
struct cUrzadzenieDoSciagnieciaListyPlikow {
  std::string Port;
  int Id = 0;
};

// A received file list: its lines as they arrived (CP1250), without CR LF.
struct cListaPlikowZUrzadzenia {
  std::vector<std::string> Linie;
  std::string Port;
  int Id = 0;
};

// A local file to upload.
struct cPlikDoWyslania {
  std::string Port;
  int Id = 0;
  std::string Sciezka;
};

// A device that answered a scan; the answer text is UTF-8.
struct cZnalezioneUrzadzenie {
  std::string TekstOdpowiedzi;
  std::string Port;
  int Id = 0;
  bool Zarejestrowane = false;
};

// Work that failed: the device, the file (empty when the failure concerns the
// device as a whole) and the reason, in Polish, for the operator.
struct cNieudaneZadanie {
  std::string Port;
  int Id = 0;
  std::string Plik;
  std::string Powod;
};

}  // namespace olv
