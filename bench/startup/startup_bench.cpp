// The time from starting the program binary to its main window's first paint, offscreen, with a
// stored language so no chooser comes first. The program itself tells when it has painted
// (QUENDARIS6_QUIT_WHEN_SHOWN); the time runs from the launch to that line on its stdout, so it
// includes loading the binary and its libraries. Median of several starts; the first one warms
// the file cache and is not counted.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/support/bench_home.h"
#include "bench/support/figure.h"

namespace {

constexpr int kStarts = 5;
constexpr int kPatienceMs = 20000;
constexpr double kLimitMs = 1000.0;

// Milliseconds from the launch to the "shown" line; negative when it never came.
double TimeToShown() {
  QProcess program;
  program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QElapsedTimer clock;
  clock.start();
  program.start(QStringLiteral(Q6_PROGRAM), {});
  QByteArray out;
  while (!out.contains("shown\n") &&
         program.waitForReadyRead(kPatienceMs - static_cast<int>(clock.elapsed())))
    out += program.readAllStandardOutput();
  const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  const bool shown = out.contains("shown\n");
  if (!program.waitForFinished(kPatienceMs)) program.kill();
  program.waitForFinished();
  return shown ? ms : -1.0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const q6::bench::BenchHome home;
  qputenv("QUENDARIS6_QUIT_WHEN_SHOWN", "1");
  QCoreApplication app(argc, argv);
  if (!home.valid() || TimeToShown() < 0) {
    std::fprintf(stderr, "startup_bench: %s did not report its window\n", Q6_PROGRAM);
    return 1;
  }
  std::vector<double> times;
  for (int i = 0; i < kStarts; ++i) {
    const double ms = TimeToShown();
    if (ms < 0) {
      std::fprintf(stderr, "startup_bench: %s did not report its window\n", Q6_PROGRAM);
      return 1;
    }
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  std::fprintf(stderr, "start to first paint, %d starts: fastest %.0f ms, slowest %.0f ms\n",
               kStarts, times.front(), times.back());
  q6::bench::PrintFigure(
      "start to first shown window, offscreen, median of " + std::to_string(kStarts) + " starts",
      times[times.size() / 2], kLimitMs, "ms", 0);
  return 0;
}
