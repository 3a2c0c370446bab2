#include "model/rejestracja_urzadzenia.h"

#include "model/edycja_urzadzen.h"

namespace olv {

cWynikRejestracji ZarejestrujUrzadzenie(cDevList& lista, const std::string& port, int32_t id,
                                         const cKonfout& konfout) {
  const cCzytnik czytnik0(konfout.Czytnik0, cCzytnik::kWejscie);
  const cCzytnik czytnik1(konfout.Czytnik1, cCzytnik::kWyjscie);
  const cWlasciwosciPolaczenia polaczenie{port, 115200};
  cWynikRejestracji wynik;
  wynik.Kod = lista.SprawdzPoprawnoscDanych(konfout.Nazwa, std::to_string(id), czytnik0, czytnik1,
                                            konfout.Przycisk, polaczenie);
  wynik.Konflikt = SprawdzKonfliktID(lista, id, 0);
  if ((wynik.Kod != 0 && wynik.Kod != 6) || wynik.Konflikt != 0) return wynik;
  if (lista.DodajUrzadzenie(konfout.Nazwa, id, czytnik0, czytnik1, konfout.Przycisk, polaczenie)) {
    wynik.Unique = lista.GetDeviceByIndex(lista.CountDevices() - 1)->Unique;
  }
  return wynik;
}

bool CzyUrzadzenieZarejestrowane(const cDevList& lista, const std::string& port, int32_t id) {
  for (int i = 0; i < lista.CountDevices(); ++i) {
    const cUrzadzenie* urzadzenie = lista.GetDeviceByIndex(i);
    if (urzadzenie && urzadzenie->ID == id && urzadzenie->Polaczenie.Port == port) return true;
  }
  return false;
}

}  // namespace olv
