#include "bench/support/bench_home.h"

#include <QDir>
#include <QFile>

namespace q6::bench {

BenchHome::BenchHome() {
  const QString home = dir_.path();
  qputenv("HOME", home.toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home + "/.config").toLocal8Bit());
  // The single-instance socket lives in the temp folder.
  qputenv("TMPDIR", home.toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QString setup = home + "/.config/Tessaro GmbH/quenDARIS 6.1";
  QDir().mkpath(setup);
  QFile settings(setup + "/quendaris6.ini");
  if (settings.open(QIODevice::WriteOnly))
    settings.write("[Option]\r\nCom=COM1\r\nLanguage=ger\r\n");
}

}  // namespace q6::bench
