#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace sw {

// One Sweepwright per user: the first process listens on a per-user local
// socket; a later one asks it to bring its window forward and then ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);

    // True when another instance answered (and was asked to show itself).
    bool notifyRunningInstance();
    // Starts listening; false when the socket could not be taken.
    bool listen();

signals:
    void showRequested();

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};

}  // namespace sw
