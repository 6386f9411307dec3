#include "single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace vexo::startup {

SingleInstance::SingleInstance(QString key, QObject* parent) : QObject(parent), key_(std::move(key)) {}

bool SingleInstance::activateRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(500)) return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(key_)) {
        // A socket left by a copy that crashed.
        QLocalServer::removeServer(key_);
        server_->listen(key_);
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit activationRequested();
        }
    });
}

}  // namespace vexo::startup
