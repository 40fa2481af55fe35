// A second program copy in miniature: "listen NAME" runs as the first copy and prints each
// restore request; "handover NAME" runs as a later launch (exit 0 when a running copy took the
// request, 3 when none runs).
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "platform/instance/single_instance.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 3) return 2;
  q6::platform::SingleInstance instance(QString::fromLocal8Bit(argv[2]));
  if (qstrcmp(argv[1], "handover") == 0) return instance.handOverToRunningCopy() ? 0 : 3;
  if (!instance.listen([] {
        std::puts("restore");
        std::fflush(stdout);
        QCoreApplication::exit(0);
      }))
    return 4;
  std::puts("listening");
  std::fflush(stdout);
  QTimer::singleShot(20000, [] { QCoreApplication::exit(1); });
  return QCoreApplication::exec();
}
