#include "bench/support/program_under_bench.h"

#include <QEventLoop>
#include <QTimer>
#include <cstdio>

namespace q6::bench {

void CountingDialogs::ShowMessage(const std::string& text) {
  std::fprintf(stderr, "message: %s\n", text.c_str());
  messages.push_back(text);
}

bool CountingDialogs::Confirm(const std::string& text) {
  ShowMessage("confirmation: " + text);
  return false;
}

ProgramUnderBench::ProgramUnderBench() {
  app_.Start();
  windows_.showMain();
  form().FormShow();
}

bool ProgramUnderBench::goLive(int limitMs) {
  dimmer_.emplace(Q6_DIMMER_PROGRAM, form().PathSetup, "COM1",
                  std::vector<std::string>{"--wire-baud", "38400"});
  if (!dimmer_->ready()) return false;
  form().comm.BtComActivate.click();
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if ((form().EepSynchron && form().RamRData[0].Value != 0) || !messages().empty()) loop.quit();
  });
  QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
  check.start(20);
  loop.exec();
  return form().EepSynchron && form().RamRData[0].Value != 0 && messages().empty();
}

void ProgramUnderBench::serveFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

void ProgramUnderBench::observeTicks(std::function<void(const Tick&)> observer) {
  Timer& timer = form().frame.SPStimer;
  timer.OnTimer.attach([this, handler = timer.OnTimer.detach(), observer = std::move(observer)] {
    const Tick tick{form().SioState, form().link.DataError};
    handler();
    observer(tick);
  });
}

}  // namespace q6::bench
