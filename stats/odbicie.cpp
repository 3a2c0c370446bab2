#include "stats/odbicie.h"

#include "common/record_line.h"
#include "stats/teksty_czasu.h"

namespace olv {

std::string cOdbicie::ToString() const {
  return EncodeRecordLine({std::to_string(IDUzytkownika), TekstDatyICzasu(Czas),
                           std::to_string(Urzadzenie), NazwaCzytnika(), std::to_string(Kierunek),
                           p ? "True" : "False"});
}

const std::string& cOdbicie::NazwaCzytnika() const {
  static const std::string kPusta;
  return mNazwaCzytnika ? *mNazwaCzytnika : kPusta;
}

void cOdbicie::UstawNazweCzytnika(std::string nazwa) {
  mNazwaCzytnika = nazwa.empty() ? nullptr : std::make_shared<const std::string>(std::move(nazwa));
}

void cOdbicie::UstawNazweCzytnika(std::shared_ptr<const std::string> nazwa) {
  mNazwaCzytnika = std::move(nazwa);
}

}  // namespace olv
