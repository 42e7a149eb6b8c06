// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORPrefConfig.h"
#include "core/winmail/ORFileDataCollection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

// A private temporary folder (the extractions land there too), a private
// settings store, and zip files made by the zip program from files the test
// names.
class ArchiveFixture
{
public:
    ArchiveFixture() : m_hadTmpdir(qEnvironmentVariableIsSet("TMPDIR")), m_tmpdir(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(path(QStringLiteral("tmp"))));
        QDir().mkpath(path(QStringLiteral("tmp")));
        ORPrefConfig::setStorePath(path(QStringLiteral("settings.conf")));
        ORFileDataCollection::shareInstance().startOver();
    }
    ~ArchiveFixture()
    {
        ORFileDataCollection::shareInstance().startOver();
        if (m_hadTmpdir)
            qputenv("TMPDIR", m_tmpdir);
        else
            qunsetenv("TMPDIR");
    }

    QString path(const QString &rel) const { return m_dir.path() + QLatin1Char('/') + rel; }

    // Makes name (a zip in the fixture's folder) of files given as relative
    // path -> content; a password encrypts them.
    QString zip(const QString &name, const QList<QPair<QString, QByteArray>> &files,
                const QString &password = QString()) const
    {
        const QString source = path(QStringLiteral("src-") + name);
        QStringList members;
        for (const auto &[rel, content] : files) {
            QDir().mkpath(QFileInfo(source + QLatin1Char('/') + rel).path());
            QFile file(source + QLatin1Char('/') + rel);
            if (file.open(QIODevice::WriteOnly))
                file.write(content);
            members << rel;
        }
        QStringList args{QStringLiteral("-q")};
        if (!password.isEmpty())
            args << QStringLiteral("-P") << password;
        args << path(name) << members;
        QProcess zip;
        zip.setWorkingDirectory(source);
        zip.start(QStringLiteral("zip"), args);
        zip.waitForFinished(60000);
        return path(name);
    }

private:
    bool m_hadTmpdir;
    QByteArray m_tmpdir;
    QTemporaryDir m_dir;
};
