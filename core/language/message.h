#pragma once

#include <string>

namespace q6 {

// Translated messages shown by the device functions; filled when a language is applied.
struct TMessage {
  std::string SensErrorKK1;
  std::string SensErrorKK2;
  std::string OverTempKK1;
  std::string OverTempKK2;
  std::string UzMaxError;
  std::string IzMaxError;
  std::string ConceptError;
  std::string PermanentError;
  std::string PowerMax;
  std::string ShortCircuitAc;
  std::string UAcMaxBack;
  std::string WrongVersion;
  std::string StartCommunication;
  std::string MsgProtokoll1;
  std::string MsgProtokoll3;
};

}  // namespace q6
