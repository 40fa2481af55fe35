// Polls quendaris-dimmer at 38400 baud for a number of minutes with the program's windows and
// serial adapter, as a technician leaves the live view open: the poll cycle against the shortest
// the state machine allows, the processor share, the resident memory and its growth over the
// last half. Exits with 1 on a functional fault (polls stop, a data error, a message) or on
// memory growth over its limit; the timing figures are only printed.

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/support/bench_home.h"
#include "bench/support/figure.h"
#include "bench/support/process_usage.h"
#include "bench/support/program_under_bench.h"
#include "core/device/memory_image.h"
#include "core/link/records.h"

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// The cycle log-on -> RAM block request -> RAM block answer -> log-on runs its four states on
// ticks of the 100 ms timer, each restarting the timer as it ends, and every exchange is a
// byte-for-byte echo: 10 bytes for the log-on and 170 for the block, each way, 10 bits a byte at
// 38400 baud. The design's minimum is taken as the four ticks plus those two wire times. (A
// transfer that ends within its tick hides inside it, so a line fast enough could come close to
// 400 ms; one that outlasts its tick makes that tick a skipped one, a whole 100 ms more.)
constexpr double WireMs(int bytesEachWay) { return bytesEachWay * 2 * 10 * 1000.0 / 38400; }
constexpr double kMinimumCycleMs = 4 * 100.0 + WireMs(10) + WireMs(170);
constexpr double kCycleLimit = 1.05;
constexpr double kCpuLimitPercent = 2.0;
constexpr double kResidentLimitMb = 80.0;
constexpr double kGrowthLimitMb = 1.0;
// Longer than any cycle on a loaded machine: polls that stop for this long have stopped.
constexpr double kLongestPollGapS = 5.0;
constexpr double kMb = 1024.0 * 1024.0;

struct Polls {
  std::vector<Clock::time_point> completed;
  int badBlocks = 0;
  int failedLogOns = 0;
  bool dataError = false;
};

double ParseMinutes(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--minutes") return std::atof(argv[i + 1]);
  return 10.0;
}

std::string MinutesText(double minutes) {
  char text[32];
  std::snprintf(text, sizeof text, "%g min", minutes);
  return text;
}

double LongestGapS(const std::vector<Clock::time_point>& times, Clock::time_point start,
                   Clock::time_point end) {
  double longest = 0;
  Clock::time_point previous = start;
  for (const auto& t : times) {
    longest = std::max(longest, Seconds(t - previous).count());
    previous = t;
  }
  return std::max(longest, Seconds(end - previous).count());
}

}  // namespace

int main(int argc, char* argv[]) {
  const double minutes = ParseMinutes(argc, argv);
  if (minutes <= 0) {
    std::fprintf(stderr, "usage: poll_soak_bench [--minutes M]  (default 10)\n");
    return 2;
  }
  const q6::bench::BenchHome home;
  QApplication qapp(argc, argv);
  q6::bench::ProgramUnderBench program;
  if (!home.valid() || !program.goLive()) {
    std::fprintf(stderr, "poll_soak_bench: the program did not go live against the dimmer\n");
    return 1;
  }

  Polls polls;
  program.observeTicks([&](const q6::bench::ProgramUnderBench::Tick& tick) {
    q6::TForm1& form = program.form();
    if (tick.dataErrorBefore && !polls.dataError) {
      polls.dataError = true;
      std::fprintf(stderr, "data error in state %d, port failed: %s\n", tick.stateBefore,
                   form.link.PortFailed ? "yes" : "no");
    }
    polls.failedLogOns = std::max(polls.failedLogOns, form.link.LogOnErrors);
    if (tick.stateBefore != 4 || form.SioState != 1) return;
    polls.completed.push_back(Clock::now());
    if (!q6::RamBlockSumValid(form.link.RxBuffer, q6::kRamImageWords)) ++polls.badBlocks;
  });

  const auto duration = std::chrono::duration_cast<Clock::duration>(Seconds(minutes * 60));
  const auto start = Clock::now();
  const double cpuStart = q6::bench::ProcessCpuSeconds();
  long residentAtHalf = 0;
  QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(duration / 2), &qapp,
                     [&] { residentAtHalf = q6::bench::ResidentBytes(); });
  q6::bench::ProgramUnderBench::serveFor(
      static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(duration).count()));
  const auto end = Clock::now();
  const double cpuSeconds = q6::bench::ProcessCpuSeconds() - cpuStart;
  const long residentAtEnd = q6::bench::ResidentBytes();
  const double wallSeconds = Seconds(end - start).count();

  const std::size_t count = polls.completed.size();
  const double cycleMs = count > 1
                             ? Seconds(polls.completed.back() - polls.completed.front()).count() *
                                   1e3 / static_cast<double>(count - 1)
                             : 0;
  const double growthMb = static_cast<double>(residentAtEnd - residentAtHalf) / kMb;
  char cycleFigure[160];
  std::snprintf(cycleFigure, sizeof cycleFigure,
                "poll cycle, mean of %zu (minimum four 100 ms ticks and the wire, %.1f ms; x%.3f)",
                count > 1 ? count - 1 : 0, kMinimumCycleMs, cycleMs / kMinimumCycleMs);
  q6::bench::PrintFigure(cycleFigure, cycleMs, kMinimumCycleMs * kCycleLimit, "ms");
  q6::bench::PrintFigure("CPU share of one core while polling", 100.0 * cpuSeconds / wallSeconds,
                         kCpuLimitPercent, "%", 2);
  q6::bench::PrintFigure("resident memory after " + MinutesText(minutes) + " of polling",
                         static_cast<double>(residentAtEnd) / kMb, kResidentLimitMb, "MB");
  q6::bench::PrintFigure("resident memory growth over the last " + MinutesText(minutes / 2),
                         growthMb, kGrowthLimitMb, "MB", 3);

  const double longestGap = LongestGapS(polls.completed, start, end);
  const bool polling = count > 1 && longestGap <= kLongestPollGapS && program.form().sio_started;
  // A failed log-on is repeated at once and only the sixth in a connection is a data error; a
  // block with a bad sum is dropped and the next poll brings a fresh one (about one in a thousand
  // on a pseudo-terminal). Both are told, but only what reaches the user is a fault.
  const bool clean = !polls.dataError && program.messages().empty();
  const bool memoryHeld = growthMb <= kGrowthLimitMb;
  std::printf("check: %s polls completed %zu, longest gap %.2f s, still switched on %s\n",
              polling ? "ok  " : "FAIL", count, longestGap,
              program.form().sio_started ? "yes" : "no");
  std::printf(
      "check: %s blocks with a bad sum %d, failed log-ons %d, data error %s, messages %zu\n",
      clean ? "ok  " : "FAIL", polls.badBlocks, polls.failedLogOns, polls.dataError ? "yes" : "no",
      program.messages().size());
  std::printf("check: %s memory growth %.3f MB (limit %.0f MB)\n", memoryHeld ? "ok  " : "FAIL",
              growthMb, kGrowthLimitMb);
  return polling && clean && memoryHeld ? 0 : 1;
}
