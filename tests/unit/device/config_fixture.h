#pragma once

#include <cstdint>
#include <map>

#include "device_fixture.h"

namespace q6::test {

// A dimmer that passes the compatibility check, read once or more with the given words.
class ConfigTest : public DeviceTest {
 protected:
  using Words = std::map<std::uint16_t, std::uint16_t>;

  bool decode(Words words) {
    words.emplace(0x0000, 0x0600);
    words.emplace(0x0002, 0x0301);
    return readEeprom(words);
  }
  // What the read completion does after the transfer: decode, validate, synchronise.
  void completeRead(const Words& words) {
    ASSERT_TRUE(decode(words));
    form.CheckValues(form);
    form.EepSynchron = true;
  }
  std::uint16_t written(std::uint16_t address) const { return EepWord(form.EepWData, address); }
  static int Time(int hours, int minutes) { return hours * 3600 + minutes * 60; }

  ConfigControls& c = form.config;
};

}  // namespace q6::test
