// Helpers of the statistics tests: punches from readable texts.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/dates.h"
#include "stats/lista_odbic.h"
#include "stats/widok_listy_odbic.h"
#include "tests/model/model_test_support.h"

namespace olv::test {

// "2026-11-02 07:50:00" (or "2026-11-02 07:50").
inline double Moment(const std::string& text) {
  const int second = text.size() >= 19 ? std::stoi(text.substr(17, 2)) : 0;
  return EncodeDateTime(std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                        std::stoi(text.substr(8, 2)), std::stoi(text.substr(11, 2)),
                        std::stoi(text.substr(14, 2)), second);
}

inline double Hour(int hour, int minute = 0) { return (hour * 60.0 + minute) / 1440.0; }

// Punches of one user added to a list, with a view of all of them.
class cPunches {
 public:
  explicit cPunches(int32_t user = 1) : mUser(user) {}

  // direction: 'E' entry, 'X' exit, 'N' neutral.
  cPunches& Add(const std::string& when, char direction, int32_t device = 100) {
    auto punch = std::make_unique<cOdbicie>();
    punch->IDUzytkownika = mUser;
    punch->Czas = Moment(when);
    punch->Urzadzenie = device;
    punch->Kierunek = direction == 'E' ? 1 : direction == 'X' ? 2 : 0;
    mList.DodajOdbicie(std::move(punch));
    return *this;
  }
  cWidokListyOdbic View() const {
    cWidokListyOdbic view;
    view.Zaladuj(mList);
    return view;
  }
  cListaOdbic& List() { return mList; }

 private:
  int32_t mUser;
  cListaOdbic mList;
};

}  // namespace olv::test
