#include "stats/teksty_czasu.h"

#include "common/dates.h"

namespace olv {

std::string TekstPoryDnia(double wartosc) { return FormatDuration(TimeOfDay(wartosc), true); }

std::string TekstCzasuTrwania(double wartosc) { return FormatDuration(wartosc, true); }

std::string TekstDatyICzasu(double wartosc) {
  return FormatDate(wartosc) + " " + FormatDuration(wartosc - DateOf(wartosc), true);
}

int64_t WMilisekundach(double wartosc) { return RoundToMilliseconds(wartosc); }

int64_t WSekundach(double wartosc) { return WMilisekundach(wartosc) / 1000; }

}  // namespace olv
