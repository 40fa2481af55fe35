#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/shell/format_settings.h"
#include "core/shell/platform_services.h"

namespace q6 {

// Value texts of the settings files, in the program's fixed formats.

// "HH:mm:ss" of a time of day.
std::string FormatTimeOfDay(int seconds, const TFormatSettings& fs);
// Hours and minutes required, seconds optional, 24-hour clock; nothing for any other text.
std::optional<int> ParseTimeOfDay(std::string_view text, const TFormatSettings& fs);
// A decimal integer with an optional sign; nothing for any other text or one out of range.
std::optional<int> ParseInteger(std::string_view text);
// "dd.MM.yyyy HH:mm:ss", or the date alone at exactly midnight.
std::string FormatSaveMoment(const LocalDateTime& when, const TFormatSettings& fs);

}  // namespace q6
