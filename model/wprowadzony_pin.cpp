#include "model/wprowadzony_pin.h"

#include "common/strings.h"

namespace olv {

bool PinZawieraNiecyfry(std::string_view text) { return !ZawieraTylkoZnaki(text, "0123456789"); }

eBladPinu SprawdzWprowadzonyPin(std::string_view pin, std::string_view powtorzony, bool pokaz_pin) {
  if (!pokaz_pin && pin != powtorzony) return eBladPinu::kRozne;
  if (PinZawieraNiecyfry(pin)) return eBladPinu::kNieCyfry;
  if (pin.size() < 2 || pin.size() > 7) return eBladPinu::kZlaDlugosc;
  return eBladPinu::kBrak;
}

std::string KomunikatBleduPinu(eBladPinu blad) {
  switch (blad) {
    case eBladPinu::kRozne:
      return "Podane PINy różnią się";
    case eBladPinu::kNieCyfry:
      return "PIN powinien składać się wyłącznie z cyfr";
    case eBladPinu::kZlaDlugosc:
      return "PIN powinien mieć długość 2 - 7 cyfr";
    case eBladPinu::kBrak:
      break;
  }
  return "";
}

}  // namespace olv
