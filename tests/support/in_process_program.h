#pragma once

// The program's core against the simulated dimmer in process, with the serial worker on its own
// thread; the test thread plays the user-interface thread and drives the 100 ms ticks itself.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/shell/application.h"
#include "support/fake_platform.h"
#include "support/simulated_dimmer.h"

namespace q6::test {

class InProcessProgramTest : public ::testing::Test {
 protected:
  // Starts the program against a dimmer with `fault`; a program started before ends first.
  void start(sim::Fault fault = sim::Fault::None) {
    app.reset();
    dimmer = std::make_unique<SimulatedDimmer>(fault);
    platform.makePort = [this] { return dimmer->CreatePort(); };
    services = std::make_unique<PlatformServices>(platform.services());
    app = std::make_unique<Application>(*services);
    app->Start();
  }
  TForm1& form() { return app->form1(); }
  void switchOn() { form().comm.BtComActivate.click(); }

  // One tick of the timer, after the worker has finished what it was given.
  void tick() {
    ASSERT_TRUE(WaitUntilIdle(form().link));
    platform.executor.runPending();
    form().frame.SPStimer.fire();
  }
  // Ticks until `done` holds; a bounded number, so a stalled machine fails instead of hanging.
  void tickUntil(const std::function<bool()>& done, int limit = 60) {
    bool reached = done();
    for (int i = 0; i < limit && !reached; ++i) {
      tick();
      reached = done();
    }
    ASSERT_TRUE(reached);
  }

  FakePlatform platform;
  std::unique_ptr<SimulatedDimmer> dimmer;
  std::unique_ptr<PlatformServices> services;
  std::unique_ptr<Application> app;
};

}  // namespace q6::test
