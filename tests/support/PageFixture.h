// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORPrefConfig.h"
#include "core/platform/ORLayout.h"
#include "gui/shell/ORBasedViewCterDelegate.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <QTemporaryDir>

// A home for the large-file and duplicate pages, with Documents, Videos,
// Movies and Music, a private settings store, and the Trash (the XDG data
// home) inside it. The tests write the files they need.
class PageFixture
{
public:
    static constexpr qint64 MiB = 1024 * 1024;

    explicit PageFixture(ORLayout::Kind kind = ORLayout::Kind::Freedesktop)
    {
        ORLayout::set(kind, path(QStringLiteral("root")), path(QStringLiteral("home")));
        ORPrefConfig::setStorePath(path(QStringLiteral("settings.conf")));
        for (const char *folder : {"Documents", "Videos", "Movies", "Music"})
            QDir().mkpath(home(QString::fromLatin1(folder)));
    }
    ~PageFixture() { ORLayout::reset(); }

    QString path(const QString &rel) const { return m_dir.path() + QLatin1Char('/') + rel; }
    QString home(const QString &rel) const { return path(QStringLiteral("home/") + rel); }
    bool homeHas(const QString &rel) const { return QFileInfo::exists(home(rel)); }
    // Where the home's Trash keeps a moved item.
    QString trashed(const QString &name) const { return home(QStringLiteral(".local/share/Trash/files/") + name); }

    // A sparse file of that size: large files cost no disk space.
    QString sparse(const QString &rel, qint64 size) const
    {
        QFile file(prepare(rel));
        if (file.open(QIODevice::WriteOnly))
            file.resize(size);
        return file.fileName();
    }
    // Two files of the 32-128 MiB band (a.bin 40 MiB, B.bin 50 MiB) in
    // Documents and one of the 128-256 MiB band (c.mkv 130 MiB) in Videos.
    void writeLargeFiles() const
    {
        sparse(QStringLiteral("Documents/a.bin"), 40 * MiB);
        sparse(QStringLiteral("Documents/B.bin"), 50 * MiB);
        sparse(QStringLiteral("Videos/c.mkv"), 130 * MiB);
    }
    QString write(const QString &rel, const QByteArray &content) const
    {
        QFile file(prepare(rel));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        return file.fileName();
    }
    static QByteArray randomBytes(qsizetype size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (char &byte : bytes)
            byte = char(QRandomGenerator::global()->bounded(256));
        return bytes;
    }

private:
    QString prepare(const QString &rel) const
    {
        const QString full = home(rel);
        QDir().mkpath(QFileInfo(full).path());
        return full;
    }

    QTemporaryDir m_dir;
};

// Records what a page asks of its window; the pages it has are those in made.
struct RecordingDelegate : ORBasedViewCterDelegate
{
    QList<qint64> pages;
    bool sidebarEnabled = true;
    QMap<qint64, ORBaseViewCter *> made;
    void next(qint64 page) override { pages.append(page); }
    void butEnable(bool enable) override { sidebarEnabled = enable; }
    ORBaseViewCter *pageController(qint64 page) override { return made.value(page); }
};
