#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace q6 {

// One item of the power class selection: what the dimmer stores for it, the power limits the
// class presets, and the names written into the product data words.
struct PowerClass {
  int value;
  int reductionOn;
  int reductionOff;
  int overload;
  std::string_view modelName;
  std::string_view materialNumber;
};

// By item index of the power class selection.
inline constexpr std::array<PowerClass, 8> kPowerClasses = {{
    {6, 550, 525, 600, "VRK500  ", "60500506"},
    {7, 1800, 1750, 1900, "VRKA1500", "60501506"},
    {0, 2200, 2150, 2400, "VRKA2000", "60502006"},
    {1, 2750, 2700, 3000, "VRKA2500", "60502506"},
    {2, 3300, 3250, 3600, "VRKA3000", "60503006"},
    {3, 3645, 3595, 3855, "VRKA3500", "60503506"},
    {4, 4000, 3950, 4150, "VRKA4000", "60504006"},
    {5, 6000, 6000, 6000, "VRKAX000", "60509906"},
}};

// The item a power class value unknown to the table selects ("1500 W").
inline constexpr int kUnknownPowerClassIndex = 1;

int IndexToPowerClass(int index);
int PowerClassToIndex(int value);
// The class of a value; a value outside the table is treated as the class "Test".
const PowerClass& PowerClassOfValue(int value);

}  // namespace q6
