// The poll state machine with its serial worker against a dimmer that answers whatever the input
// says. The first two bytes are clicks of the user (the button in the low three bits, the tick
// in the high five), the rest is the dimmer's script (see scripted_peer.h). Every transfer must
// end, a broken echo must take the link offline with the data error, and a dimmer that has
// fallen silent must end the connection after a few transfers. The script lasts for up to four
// switch-ons, each with a bounded number of ticks.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "fuzz/fuzz_program.h"
#include "fuzz/scripted_peer.h"

namespace {

using q6::fuzz::Expect;

constexpr int kConnections = 4;
constexpr int kTicksPerConnection = 400;
// Six failed log-ons, a stale answer caught by its echo, and a second switch-on by a click.
constexpr unsigned kTransfersOnceSilent = 20;
constexpr const char* kDataError = "       COM Data-Error!       ";

struct Click {
  q6::Button* button;
  int tick;
};

Click ClickOf(q6::TForm1& form, std::uint8_t code) {
  q6::Button* const buttons[] = {nullptr,
                                 &form.comm.uC_read_bt,
                                 &form.comm.uC_send_bt,
                                 &form.pcClock.clk_bt,
                                 &form.errmem.err_mem_read_bt,
                                 &form.errmem.err_mem_clear_bt,
                                 &form.modes.BtWrKalPdc,
                                 &form.comm.BtComActivate};
  return {buttons[code & 7], code >> 3};
}

// Waits for the worker as the timer does; a transfer that never ends is a hang.
void WaitForWorker(const q6::LinkState& link) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (link.anmeldung || link.running) {
    Expect(std::chrono::steady_clock::now() < deadline, "every transfer finishes");
    std::this_thread::yield();
  }
}

// One tick of whichever timer runs; false when both are stopped and the machine rests.
bool Tick(q6::TForm1& form) {
  if (form.frame.SPStimer.enabled()) {
    form.frame.SPStimer.fire();
    return true;
  }
  if (form.errmem.ErrMemClearTimer.enabled()) {
    form.errmem.ErrMemClearTimer.fire();
    return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return -1;
  // The peer outlives the program, whose worker holds the port.
  q6::fuzz::Script script({data + 2, size - 2});
  std::atomic<bool> brokenEcho{false};
  q6::fuzz::FuzzProgram program;
  q6::TForm1& form = program.form();
  program.platform.makePort = [&] {
    return std::make_unique<q6::fuzz::ScriptedPort>(script, form.link, brokenEcho);
  };
  const Click clicks[] = {ClickOf(form, data[0]), ClickOf(form, data[1])};
  const auto& messages = program.platform.messages;

  for (int connection = 0; connection < kConnections && (connection == 0 || !script.silent());
       ++connection) {
    form.comm.BtComActivate.click();
    std::optional<unsigned> silentFrom;
    for (int tick = 0; tick < kTicksPerConnection; ++tick) {
      WaitForWorker(form.link);
      program.platform.executor.runPending();
      const bool broken = brokenEcho.exchange(false);
      const auto reported = std::ranges::count(messages, kDataError);
      for (const auto& [button, at] : clicks)
        if (at == tick && button && button->enabled()) button->click();
      const bool ticked = Tick(form);
      if (broken)
        Expect(!form.sio_started && std::ranges::count(messages, kDataError) > reported,
               "a broken echo takes the link offline with the data error");
      if (!ticked) break;
      if (script.silent() && !silentFrom) silentFrom = form.link.TransferNumber;
      if (silentFrom)
        Expect(form.link.TransferNumber - *silentFrom <= kTransfersOnceSilent,
               "a silent dimmer ends the connection");
    }
    WaitForWorker(form.link);
    if (form.sio_started) form.comm.BtComActivate.click();
  }
  return 0;
}
