#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>
#include <memory>

namespace q6::platform {

// One running copy per user: the first copy listens on a local socket named after the window
// class; a second launch sends it the restore request and ends.
class SingleInstance {
 public:
  static constexpr int kRestoreRequest = 5120;

  explicit SingleInstance(const QString& windowClass);
  ~SingleInstance();

  // True when another copy runs and has been asked to come to the front.
  bool handOverToRunningCopy();
  // Starts listening; `onRestore` runs on the event loop for every request received.
  bool listen(std::function<void()> onRestore);

 private:
  QString name_;
  std::unique_ptr<QLocalServer> server_;
  std::function<void()> onRestore_;
};

}  // namespace q6::platform
