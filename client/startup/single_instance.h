#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace vexo::startup {

// One running copy per user: a second start asks the first to come to the
// front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString key, QObject* parent = nullptr);
    // True when another copy answered (it has been asked to activate itself).
    bool activateRunningCopy();
    // Starts listening for later copies.
    void listen();

signals:
    void activationRequested();

private:
    QString key_;
    QLocalServer* server_ = nullptr;
};

}  // namespace vexo::startup
