// Which registered devices answered the driver's last search of the bus, and
// what the operator is told when a search could not be done everywhere. The
// main window checks the bus this way before every action, and the
// synchronisation before it fetches anything.
//
// Callers must guarantee: the driver is idle when a search is started.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "comm/sterownik_wpp.h"
#include "model/dev_list.h"

namespace olv {

// Forgets the driver's earlier failures and searches the ports of the
// registered devices; po_sprawdzeniu runs when the search has ended.
void SzukajZarejestrowanychUrzadzen(cSterownikWPP& sterownik, const cDevList& urzadzenia,
                                    std::function<void()> po_sprawdzeniu);

// Whether the last search found the device: its port and its bus ID.
bool UrzadzenieOdpowiada(cSterownikWPP& sterownik, const cUrzadzenie& urzadzenie);
// Every registered device answered (true with none registered).
bool WszystkieUrzadzeniaObecne(cSterownikWPP& sterownik, const cDevList& urzadzenia);

// The registered name of the device at port with that ID; "" for none.
std::string NazwaUrzadzenia(const cDevList& urzadzenia, const std::string& port, int id);

// The registered devices the last search did not find, each as OpisUrzadzenia
// describes it.
std::vector<std::string> NieodpowiadajaceUrzadzenia(cSterownikWPP& sterownik, const cDevList& urzadzenia);

// "" when the search failed on no port. Otherwise "Nie udało się przeszukać
// szyny:" with the reasons, and the registered devices that did not answer:
// a port that could not be searched hides whether its devices are there.
std::string TekstNiepowodzenSzukania(const std::vector<cNieudaneZadanie>& niepowodzenia,
                                     cSterownikWPP& sterownik, const cDevList& urzadzenia);

}  // namespace olv
