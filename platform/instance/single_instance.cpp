#include "platform/instance/single_instance.h"

#include <QLocalSocket>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace q6::platform {
namespace {
constexpr int kConnectTimeoutMs = 1000;
}  // namespace

// Window classes are per desktop session; a socket name per user gives the same reach.
#ifdef _WIN32
SingleInstance::SingleInstance(const QString& windowClass) : name_(windowClass) {}
#else
SingleInstance::SingleInstance(const QString& windowClass)
    : name_(windowClass + QStringLiteral("-%1").arg(::getuid())) {}
#endif

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOverToRunningCopy() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(QByteArray::number(kRestoreRequest) + '\n');
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::listen(std::function<void()> onRestore) {
  onRestore_ = std::move(onRestore);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name_)) {
    // A copy that crashed leaves its socket file behind; nobody answered on it a moment ago.
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_)) return false;
  }
  QObject::connect(server_.get(), &QLocalServer::newConnection, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        while (socket->canReadLine()) {
          if (socket->readLine().trimmed().toInt() == kRestoreRequest && onRestore_) onRestore_();
        }
      });
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
  return true;
}

}  // namespace q6::platform
