#include "model/czytnik.h"

namespace olv {

std::string cCzytnik::GetTrybJakoTekst() const {
  if (Tryb == kWejscie) return "wejście";
  if (Tryb == kWyjscie) return "wyjście";
  return "neutralny";
}

}  // namespace olv
