// How long the user-interface thread stalls while transfers run: the program's windows
// (offscreen) and serial adapter polling quendaris-dimmer at 38400 baud, with one EEPROM read
// ("Daten lesen") on top, whose progress reaches the bars while it runs. A 1 ms timer measures
// the gaps between its ticks; anything the event loop is kept from doing shows as a gap.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/support/bench_home.h"
#include "bench/support/figure.h"
#include "bench/support/program_under_bench.h"

namespace {

constexpr int kSeconds = 8;
constexpr int kEepromReadAtMs = 1000;
constexpr double kStallLimitMs = 50.0;

}  // namespace

int main(int argc, char* argv[]) {
  const q6::bench::BenchHome home;
  QApplication qapp(argc, argv);
  q6::bench::ProgramUnderBench program;
  if (!home.valid() || !program.goLive()) {
    std::fprintf(stderr, "ui_stall_bench: the program did not go live against the dimmer\n");
    return 1;
  }
  q6::TForm1& form = program.form();
  const auto transferPending = [&form] { return form.link.running || form.link.anmeldung; };

  // A gap counts as one during a transfer when a transfer was pending at either of its ends.
  std::vector<qint64> gapsUs;
  std::vector<qint64> transferGapsUs;
  bool pendingBefore = transferPending();
  QElapsedTimer sinceLast;
  QTimer probe;
  probe.setTimerType(Qt::PreciseTimer);
  probe.setInterval(1);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    const qint64 gap = sinceLast.nsecsElapsed() / 1000;
    sinceLast.restart();
    const bool pendingNow = transferPending();
    gapsUs.push_back(gap);
    if (pendingBefore || pendingNow) transferGapsUs.push_back(gap);
    pendingBefore = pendingNow;
  });
  QTimer::singleShot(kEepromReadAtMs, [&form] { form.comm.uC_read_bt.click(); });
  sinceLast.start();
  probe.start();
  q6::bench::ProgramUnderBench::serveFor(kSeconds * 1000);
  probe.stop();

  std::sort(gapsUs.begin(), gapsUs.end());
  const auto longest = [](const std::vector<qint64>& gaps) {
    return gaps.empty() ? 0.0 : static_cast<double>(*std::max_element(gaps.begin(), gaps.end()));
  };
  std::fprintf(stderr,
               "%d s of polling with one EEPROM read: 1 ms timer gaps median %lld us, 99th "
               "percentile %lld us, longest %.0f us (%zu ticks, %zu during transfers)\n",
               kSeconds, static_cast<long long>(gapsUs[gapsUs.size() / 2]),
               static_cast<long long>(gapsUs[gapsUs.size() * 99 / 100]), longest(gapsUs),
               gapsUs.size(), transferGapsUs.size());
  q6::bench::PrintFigure("longest event-loop stall while transfers run",
                         longest(transferGapsUs) / 1e3, kStallLimitMs, "ms");
  const bool clean = program.messages().empty() && form.sio_started && form.EepSynchron;
  std::printf("check: %s during the stall probe: messages %zu, still switched on %s\n",
              clean ? "ok  " : "FAIL", program.messages().size(), form.sio_started ? "yes" : "no");
  return clean ? 0 : 1;
}
