#pragma once

// The program against the simulated dimmer in process; the test thread plays the user-interface
// thread and drives the timer ticks.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/shell/application.h"
#include "support/fake_platform.h"
#include "support/simulated_dimmer.h"

namespace q6::test {

class ServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dimmer = std::make_unique<SimulatedDimmer>();
    platform.makePort = [this] { return dimmer->CreatePort(); };
    services = std::make_unique<PlatformServices>(platform.services());
    app = std::make_unique<Application>(*services);
    app->Start();
  }
  TForm1& form() { return app->form1(); }

  void tick() {
    ASSERT_TRUE(WaitUntilIdle(form().link));
    platform.executor.runPending();
    form().frame.SPStimer.fire();
  }
  // A bounded number of ticks, so a stalled machine fails instead of hanging.
  void tickUntil(const std::function<bool()>& done, int limit = 80) {
    for (int i = 0; i < limit && !done(); ++i) tick();
    ASSERT_TRUE(done());
  }
  // Switches on and waits for the first RAM block after the EEPROM read.
  void connect() {
    form().comm.BtComActivate.click();
    tickUntil([this] { return form().EepSynchron && form().SioState == 4; });
    tickUntil([this] { return form().SioState == 1; });
  }
  // Runs until the sequencer has served every request but the RAM reading, and shown a block.
  void settle() {
    tickUntil([this] {
      const TForm1& f = form();
      return !f.KalibrierRequest && !f.TimeWriteRequest && !f.RamWriteRequest && f.SioState == 4;
    });
    tickUntil([this] { return form().SioState == 1; });
  }

  FakePlatform platform;
  std::unique_ptr<SimulatedDimmer> dimmer;
  std::unique_ptr<PlatformServices> services;
  std::unique_ptr<Application> app;
};

}  // namespace q6::test
