#include <string>

#include "components/kyureki/kyureki.h"

namespace mirel {

std::string KyurekiText(KyurekiDate date) {
  return (date.leap ? "閏" : "旧") + std::to_string(date.month) + "月" + std::to_string(date.day) +
         "日";
}

std::string KyurekiShortText(KyurekiDate date) {
  return (date.leap ? "閏" : "旧") + std::to_string(date.month) + "/" + std::to_string(date.day);
}

}  // namespace mirel
