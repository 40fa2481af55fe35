#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

// Waits for a line on the process's output; the deadline only guards against a hang.
bool WaitForLine(QProcess& process, const QByteArray& line) {
  for (int i = 0; i < 200; ++i) {
    if (process.canReadLine() || process.waitForReadyRead(100)) {
      while (process.canReadLine())
        if (process.readLine().trimmed() == line) return true;
    }
    if (process.state() == QProcess::NotRunning) return false;
  }
  return false;
}

TEST(SingleInstance, SecondLaunchHandsTheRestoreRequestToTheFirst) {
  const QString name = QStringLiteral("q6-probe-%1").arg(QCoreApplication::applicationPid());
  QProcess first;
  first.start(Q6_INSTANCE_PROBE, {"listen", name});
  ASSERT_TRUE(WaitForLine(first, "listening"));

  QProcess second;
  second.start(Q6_INSTANCE_PROBE, {"handover", name});
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.exitCode(), 0);

  EXPECT_TRUE(WaitForLine(first, "restore"));
  ASSERT_TRUE(first.waitForFinished(10000));
  EXPECT_EQ(first.exitCode(), 0);
}

TEST(SingleInstance, WithoutARunningCopyTheLaunchGoesOn) {
  QProcess lone;
  lone.start(Q6_INSTANCE_PROBE,
             {"handover", QStringLiteral("q6-nobody-%1").arg(QCoreApplication::applicationPid())});
  ASSERT_TRUE(lone.waitForFinished(10000));
  EXPECT_EQ(lone.exitCode(), 3);
}

TEST(SingleInstance, SecondProgramCopyEndsWithoutAWindowAndTheFirstRunsOn) {
  QTemporaryDir home;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", home.path());
  env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
  env.insert("QT_QPA_PLATFORM", "offscreen");
  // The instance socket lives in the temporary folder: a copy the developer runs stays apart.
  env.insert("TMPDIR", home.path());

  QProcess first;
  first.setProcessEnvironment(env);
  first.start(Q6_APP_BINARY);
  ASSERT_TRUE(first.waitForStarted());
  // The first copy has started when its settings file exists.
  const QString settings = home.path() + "/.config/Tessaro GmbH/quenDARIS 6.1/quendaris6.ini";
  for (int i = 0; i < 100 && !QFile::exists(settings) && first.state() == QProcess::Running; ++i)
    QThread::msleep(100);
  ASSERT_TRUE(QFile::exists(settings));
  ASSERT_EQ(first.state(), QProcess::Running);

  QProcess second;
  second.setProcessEnvironment(env);
  second.start(Q6_APP_BINARY);
  ASSERT_TRUE(second.waitForFinished(10000)) << "the second copy must end by itself";
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);

  first.terminate();
  first.waitForFinished(10000);
}

}  // namespace
