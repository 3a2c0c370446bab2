// The plain data of a percentage bar chart: the layout settings (cInfo) and one
// bar (cJednaDana). A bar's height is value / maximum of the usable height, not
// limited: a value above the maximum reaches above it.
//
// Callers must guarantee: nothing.
#pragma once

#include <string>

#include "stats/kolor.h"

namespace olv {

struct cWykresSlupkiProcentowe_Metadane {
  template <typename T>
  struct cInfo {
    T Minimum = 0;
    T Maksimum = 100;
    // Pixels.
    int SzerokoscSlupka = 50;
    int OdstepMiedzySlupkami = 20;
    int Margines = 20;
    int WysokoscPaskaPrzewijania = 16;
    // Guide lines; -1 is none.
    int LiniaPomocniczaY = -1;
    int LiniaPomocniczaX = -1;
  };

  template <typename T>
  struct cJednaDana {
    // Written just above the bar.
    std::string EtykietaWartosci;
    // Written inside the bar when it fits, else above the value label.
    std::string Podpis;
    T Wartosc = 0;
    cKolor Kolor;
  };
};

}  // namespace olv
