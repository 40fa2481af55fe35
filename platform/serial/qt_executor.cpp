#include "platform/serial/qt_executor.h"

#include <QMetaObject>
#include <QObject>
#include <utility>

namespace q6 {

void QtExecutor::post(std::function<void()> task) {
  QMetaObject::invokeMethod(&context_, std::move(task), Qt::QueuedConnection);
}

}  // namespace q6
