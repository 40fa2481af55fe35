#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "core/shell/application.h"
#include "support/fake_platform.h"

namespace q6::test {

// A started main window in German, and replies of the dimmer written into the receive buffer as
// the serial worker leaves them.
class DeviceTest : public ::testing::Test {
 protected:
  DeviceTest() : services(platform.services()), app(services), form(app.form1()) { app.Start(); }

  // A RAM block reply from 0x0030; words not given are 0. The sum byte is left to the caller.
  void ramReply(const std::map<std::uint16_t, std::uint16_t>& words) {
    auto& reply = form.link.RxBuffer;
    reply.fill(0);
    reply[2] = 0x00;
    reply[3] = 0x30;
    for (const auto& [address, value] : words) {
      const std::size_t low = 4 + (address - 0x0030U);
      reply[low] = static_cast<std::uint8_t>(value & 0xFF);
      reply[low + 1] = static_cast<std::uint8_t>(value >> 8);
    }
  }
  void showRam(const std::map<std::uint16_t, std::uint16_t>& words) {
    ramReply(words);
    form.StoreRamReply();
  }

  // An EEPROM reply of 168 word-read records; words not given are 0.
  void eepReply(const std::map<std::uint16_t, std::uint16_t>& words) {
    auto& reply = form.link.RxBuffer;
    reply.fill(0);
    for (std::size_t i = 0; i < 168; ++i) {
      const auto address = static_cast<std::uint16_t>(2 * i);
      const auto found = words.find(address);
      const std::uint16_t value = found == words.end() ? 0 : found->second;
      reply[5 * i] = 0x06;
      reply[5 * i + 1] = static_cast<std::uint8_t>(address >> 8);
      reply[5 * i + 2] = static_cast<std::uint8_t>(address & 0xFF);
      reply[5 * i + 3] = static_cast<std::uint8_t>(value & 0xFF);
      reply[5 * i + 4] = static_cast<std::uint8_t>(value >> 8);
    }
  }
  // The data steps of an EEPROM read completion up to the decoding.
  bool readEeprom(const std::map<std::uint16_t, std::uint16_t>& words) {
    eepReply(words);
    form.FillEepTable();
    form.StoreEepReply();
    form.EepWData = form.EepRData;
    return form.DecodeEepromSettings();
  }

  FakePlatform platform;
  PlatformServices services;
  Application app;
  TForm1& form;
};

}  // namespace q6::test
