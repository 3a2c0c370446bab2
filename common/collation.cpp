#include "common/collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <memory>

namespace olv {
namespace {

icu::Collator* PolishCollator() {
  static const std::unique_ptr<icu::Collator> collator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(icu::Locale("pl", "PL"), status));
    if (U_SUCCESS(status) && c) c->setStrength(icu::Collator::SECONDARY);
    return c;
  }();
  return collator.get();
}

}  // namespace

int ComparePolish(std::string_view a, std::string_view b) {
  icu::Collator* collator = PolishCollator();
  if (collator) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = collator->compareUTF8(
        icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
        icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    if (U_SUCCESS(status)) return r;
  }
  return a.compare(b);
}

}  // namespace olv
