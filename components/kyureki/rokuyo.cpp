#include "components/kyureki/rokuyo.h"

#include <array>

namespace mirel {

Rokuyo RokuyoOf(KyurekiDate date) {
  return static_cast<Rokuyo>((date.month + date.day) % 6);
}

std::string_view RokuyoName(Rokuyo rokuyo) {
  constexpr std::array<std::string_view, 6> kNames = {"大安", "赤口", "先勝",
                                                      "友引", "先負", "仏滅"};
  return kNames[static_cast<std::size_t>(rokuyo)];
}

}  // namespace mirel
