#pragma once

// What every fuzz target shares: a started main window on the fake platform of the core tests.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "core/shell/application.h"
#include "support/fake_platform.h"

namespace q6::fuzz {

class FuzzProgram {
 public:
  FuzzProgram() : services_(platform.services()), app_(services_) { app_.Start(); }
  TForm1& form() { return app_.form1(); }

  test::FakePlatform platform;

 private:
  PlatformServices services_;
  Application app_;
};

// Building the window takes far longer than most inputs, so targets that only hand it data share
// one per process. Each input finds it as the program leaves a connection that has ended
// (GoOffline), with the dialogs' records cleared.
inline FuzzProgram& SharedProgram() {
  static FuzzProgram program;
  program.platform.messages.clear();
  program.platform.errors.clear();
  program.form().GoOffline();
  return program;
}

// A broken expectation ends the run like a crash, so libFuzzer keeps the input that caused it.
inline void Expect(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "expectation failed: %s\n", what);
  std::abort();
}

// The input from the start of `target`, zeros after it.
template <std::size_t N>
void CopyInto(std::array<std::uint8_t, N>& target, std::span<const std::uint8_t> input) {
  target.fill(0);
  std::copy_n(input.begin(), std::min(input.size(), N), target.begin());
}

}  // namespace q6::fuzz
