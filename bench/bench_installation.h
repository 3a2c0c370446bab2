// A large installation for the benchmarks: 9 999 users with cards, PINs and
// work times, and 8 devices that each admit every user. Users have Unique
// 1000001 to 1009999, devices 5000 to 5007.
//
// Callers must guarantee: the lists are empty.
#pragma once

#include <memory>
#include <string>

#include "model/dev_list.h"
#include "model/user_list.h"

namespace olv {

constexpr int kUsers = 9999;
constexpr int kDevices = 8;

inline void WypelnijDuzaInstalacje(cUserList& users, cDevList& devices) {
  const char* first[] = {"Łukasz", "Żaneta", "Zbigniew", "Ćwikła", "Anna", "Józef", "Ewa"};
  const char* last[] = {"Kowalski", "Nowak", "Wiśniewska", "Wójcik", "Kamińska", "Lewandowski"};
  for (int i = 1; i <= kUsers; ++i) {
    auto user = std::make_unique<cUzytkownik>(std::string(first[i % 7]) + " " + last[i % 6] +
                                                  ", dział " + std::to_string(i % 13),
                                              i, std::to_string(100000 + i), "", 1000000 + i);
    user->Karta.UstawWartosc(0x1000000000ULL + static_cast<uint64_t>(i) * 7919);
    user->CzasyPracy.PoczatekPracy = (7.0 + (i % 3)) / 24.0;
    users.DodajUzytkownika(std::move(user));
  }
  std::string everyone;
  for (int i = 1; i <= kUsers; ++i) everyone += (i > 1 ? "#" : "") + std::to_string(1000000 + i);
  for (int d = 0; d < kDevices; ++d) {
    auto device = std::make_unique<cUrzadzenie>(
        "Drzwi " + std::to_string(d + 2), d + 2, cCzytnik("Wejście", 1), cCzytnik("Wyjście", 2),
        d % 2 == 0, cWlasciwosciPolaczenia{"/dev/ttyUSB0", 115200}, 5000 + d);
    device->DataOstatniejAktualizacji = 45419.3755787037;
    device->ListaDostepow.FromString(everyone);
    devices.DodajUrzadzenie(std::move(device));
  }
}

}  // namespace olv
