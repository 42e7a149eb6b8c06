// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace sw {

// One Sweepwright per user: the first process listens on a local socket; a
// later one asks it to bring its window forward (and to open the saved
// result it was started with) and then ends. A message is lines ended by an
// empty line: "show", then "open-result PATH" with the path percent-encoded.
//
// The socket lies in a folder only the user can enter: XDG_RUNTIME_DIR when
// it is a real folder of the user's with mode 0700, else a folder of the same
// kind made below the user's cache folder (never a shared one such as /tmp,
// where another user listening first would end every start). Both sides
// check the peer's user id (SO_PEERCRED) before they trust it: a server of
// another user is no running instance, and a message of another user shows
// nothing.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);

    // True when another instance of this user answered (and was asked to
    // show itself, and to open the saved result at openResult if not empty).
    bool notifyRunningInstance(const QString &openResult = QString());
    // Starts listening; false when the socket could not be taken.
    bool listen();

    // Where the socket lies; empty when no private folder could be had.
    QString socketPath() const { return m_path; }
    // The folder for it, as above; empty when there is none.
    static QString privateFolder();

signals:
    void showRequested();
    void openResultRequested(const QString &path);

private:
    void acceptConnections();
    // Acts on a complete message.
    void handle(const QByteArray &message);

    QString m_path;
    QLocalServer *m_server = nullptr;
};

}  // namespace sw
