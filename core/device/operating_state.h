#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace q6 {

// The one-line operating state text of the status bar: the state named by the "Regime" word,
// then a suffix for each set mode and limiting bit. `text` fetches a translated text by number.
std::string OperatingStateText(std::uint16_t regime, std::uint16_t regimeStart,
                               std::uint16_t anzeigeBits, std::uint16_t infoBits,
                               const std::function<std::string(int)>& text);

}  // namespace q6
