// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for tests that build file trees: files of exact sizes, folders,
// symbolic links, all inside one temporary folder that goes away with the
// object. Also a QCoreApplication for tests that need an event loop, and a
// capture of log messages.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace swtest {

class FixtureTree
{
public:
    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    QString path(const QString &rel) const { return m_dir.path() + QLatin1Char('/') + rel; }

    QString folder(const QString &rel) const
    {
        QDir().mkpath(path(rel));
        return path(rel);
    }

    // The bytes of the file at absolute; "<missing>" when it cannot be read,
    // so a file that is gone never passes for an empty one.
    static QByteArray bytesAt(const QString &absolute)
    {
        QFile file(absolute);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // A file of exactly size bytes; parents are created.
    QString file(const QString &rel, qint64 size) const { return text(rel, QByteArray(size, 'x')); }

    QString text(const QString &rel, const QByteArray &content) const
    {
        const QString p = path(rel);
        QDir().mkpath(QFileInfo(p).path());
        QFile f(p);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(content);
        return p;
    }

    // A symbolic link at rel pointing to target (absolute or relative).
    QString link(const QString &rel, const QString &target) const
    {
        const QString p = path(rel);
        QDir().mkpath(QFileInfo(p).path());
        const int rc = ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(p).constData());
        return rc == 0 ? p : QString();
    }

    // True when something (a dangling link included) exists at rel.
    bool exists(const QString &rel) const { return existsAt(path(rel)); }
    static bool existsAt(const QString &absolute)
    {
        struct stat st;
        return ::lstat(QFile::encodeName(absolute).constData(), &st) == 0;
    }

private:
    QTemporaryDir m_dir;
};

// The process's QCoreApplication, created on first use and kept until exit.
inline QCoreApplication *ensureCoreApplication()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        return app;
    static int argc = 1;
    static char name[] = "sweepwright-tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return &app;
}

// Records every log message while it lives (from any thread).
class LogCapture
{
public:
    LogCapture() { m_previous = qInstallMessageHandler(&LogCapture::handler); }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QMutexLocker lock(&mutex());
        messages().clear();
    }
    QStringList lines() const
    {
        QMutexLocker lock(&mutex());
        return messages();
    }
    int count(const QString &fragment) const { return int(lines().filter(fragment).size()); }

private:
    static void handler(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        QMutexLocker lock(&mutex());
        messages().append(message);
    }
    static QMutex &mutex()
    {
        static QMutex m;
        return m;
    }
    static QStringList &messages()
    {
        static QStringList list;
        return list;
    }
    QtMessageHandler m_previous = nullptr;
};

}  // namespace swtest
