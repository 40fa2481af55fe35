#pragma once

#include <string>

namespace q6 {

// The fixed number, date and time formats of the program's files and clock texts, whatever the
// user's regional settings say.
struct TFormatSettings {
  char DecimalSeparator = ',';
  char ThousandSeparator = '.';
  char DateSeparator = '.';
  char TimeSeparator = ':';
  char ListSeparator = ';';
  std::string ShortDateFormat = "dd.MM.yyyy";
  std::string LongDateFormat = "dddd,d.MMMM";
  std::string ShortTimeFormat = "HH:mm";
  std::string LongTimeFormat = "HH:mm:ss";
  std::string TimeAMString;
  std::string TimePMString;
  int TwoDigitYearCenturyWindow = 0;
};

}  // namespace q6
