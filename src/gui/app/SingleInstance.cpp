// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>

#include <memory>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

Q_LOGGING_CATEGORY(lcInstance, "sweepwright.instance", QtInfoMsg)

constexpr int kTimeoutMs = 1000;
constexpr qsizetype kMaxMessage = 64 * 1024;
const QByteArray kShow = QByteArrayLiteral("show");
const QByteArray kOpenResult = QByteArrayLiteral("open-result ");

// A real folder (not a link) of this user that nobody else may enter.
bool isPrivateFolder(const QString &path)
{
    struct stat st;
    return QDir::isAbsolutePath(path) && ::lstat(QFile::encodeName(path).constData(), &st) == 0
        && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0700;
}

// Whether the other end of a connected local socket runs as this user.
bool peerIsThisUser(qintptr descriptor)
{
    struct ucred peer{};
    socklen_t size = sizeof peer;
    return descriptor >= 0 && ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0
        && size == sizeof peer && peer.uid == ::geteuid();
}

}  // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent) : QObject(parent)
{
    const QString folder = privateFolder();
    if (!folder.isEmpty())
        m_path = folder + QLatin1Char('/') + key;
}

QString SingleInstance::privateFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        return runtime;
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    const QString own = QDir::cleanPath(cache) + QStringLiteral("/sweepwright");
    if (QDir().mkpath(cache))
        ::mkdir(QFile::encodeName(own).constData(), 0700);
    if (isPrivateFolder(own))
        return own;
    qCWarning(lcInstance).noquote() << QStringLiteral("No private folder for the single-instance socket (%1)").arg(own);
    return QString();
}

bool SingleInstance::notifyRunningInstance(const QString &openResult)
{
    if (m_path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    if (!peerIsThisUser(socket.socketDescriptor())) {
        qCWarning(lcInstance).noquote() << QStringLiteral("%1 is held by another user: not asked").arg(m_path);
        socket.abort();
        return false;
    }
    QByteArray message = kShow + '\n';
    if (!openResult.isEmpty())
        message += kOpenResult + QFile::encodeName(openResult).toPercentEncoding() + '\n';
    socket.write(message + '\n');
    socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    if (m_path.isEmpty())
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_path)) {
        // Left behind by a crashed instance, or held by someone who is no
        // instance of this user: nobody of ours answered it, so take it over.
        QLocalServer::removeServer(m_path);
        if (!m_server->listen(m_path))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *client = m_server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        if (!peerIsThisUser(client->socketDescriptor())) {
            qCWarning(lcInstance) << "A message from another user was ignored";
            client->abort();
            client->deleteLater();
            continue;
        }
        // A message may come in several reads; what follows its end is ignored.
        auto buffer = std::make_shared<QByteArray>();
        connect(client, &QLocalSocket::readyRead, this, [this, client, buffer] {
            buffer->append(client->readAll());
            const qsizetype end = buffer->indexOf("\n\n");
            if (end < 0 && buffer->size() <= kMaxMessage)
                return;
            if (end >= 0)
                handle(buffer->left(end));
            client->disconnectFromServer();
        });
    }
}

void SingleInstance::handle(const QByteArray &message)
{
    const QList<QByteArray> lines = message.split('\n');
    if (lines.value(0) != kShow)
        return;
    emit showRequested();
    for (const QByteArray &line : lines.mid(1))
        if (line.startsWith(kOpenResult))
            emit openResultRequested(QFile::decodeName(QByteArray::fromPercentEncoding(line.mid(kOpenResult.size()))));
}

}  // namespace sw
