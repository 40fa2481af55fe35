// The port adapter tells a device the user may not open from other failures, on real device
// nodes: pseudo-terminals whose permissions the test sets.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace {

// A pseudo-terminal whose device node carries `mode`; it goes when the object does.
class Pty {
 public:
  explicit Pty(mode_t mode) : master_(::posix_openpt(O_RDWR | O_NOCTTY)) {
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    const char* name = ::ptsname(master_);
    if (name && ::chmod(name, mode) == 0) device_ = name;
  }
  ~Pty() {
    if (master_ >= 0) ::close(master_);
  }
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  const QString& device() const { return device_; }

 private:
  int master_;
  QString device_;
};

// Root opens any device node whatever its permissions, so as root the probe runs as "nobody".
struct Runner {
  QString program;
  QStringList arguments;
  QString unavailable;
};

Runner ProbeRunner() {
  if (::geteuid() != 0) return {Q6_PORT_ACCESS_PROBE, {}, {}};
  const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
  if (setpriv.isEmpty()) return {{}, {}, QStringLiteral("running as root without setpriv")};
  return {setpriv,
          {"--reuid=65534", "--regid=65534", "--clear-groups", "--", Q6_PORT_ACCESS_PROBE},
          {}};
}

TEST(PortAccess, ADeviceTheUserMayNotOpenIsADeniedAccess) {
  const Runner runner = ProbeRunner();
  if (!runner.unavailable.isEmpty()) GTEST_SKIP() << runner.unavailable.toStdString();

  const Pty open(0666);
  const Pty closed(0000);
  ASSERT_FALSE(open.device().isEmpty());
  ASSERT_FALSE(closed.device().isEmpty());
  struct Case {
    QString device;
    const char* outcome;
  };
  const Case cases[] = {
      {open.device(), "opened"},
      {closed.device(), "13 denied"},
      {QStringLiteral("/nonexistent/ttyQ6"), "2 other"},
  };
  for (const Case& c : cases) {
    QProcess probe;
    probe.start(runner.program, runner.arguments + QStringList{c.device});
    ASSERT_TRUE(probe.waitForFinished(30000)) << c.outcome;
    // setpriv's own codes when it cannot start the probe, e.g. from a folder "nobody" cannot enter.
    if (probe.exitCode() == 126 || probe.exitCode() == 127)
      GTEST_SKIP() << "the probe cannot run as nobody: " << probe.readAllStandardError().data();
    EXPECT_EQ(probe.exitCode(), 0) << c.outcome;
    EXPECT_EQ(probe.readAllStandardOutput().trimmed().toStdString(), c.outcome);
  }
}

}  // namespace
