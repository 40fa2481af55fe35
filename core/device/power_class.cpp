#include "core/device/power_class.h"

namespace q6 {

int IndexToPowerClass(int index) {
  if (index < 0 || index >= static_cast<int>(kPowerClasses.size()))
    return kPowerClasses.back().value;
  return kPowerClasses[static_cast<std::size_t>(index)].value;
}

int PowerClassToIndex(int value) {
  for (std::size_t i = 0; i < kPowerClasses.size(); ++i)
    if (kPowerClasses[i].value == value) return static_cast<int>(i);
  return kUnknownPowerClassIndex;
}

const PowerClass& PowerClassOfValue(int value) {
  for (const PowerClass& powerClass : kPowerClasses)
    if (powerClass.value == value) return powerClass;
  return kPowerClasses.back();
}

}  // namespace q6
