// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Archives on which libarchive loops in place for ever, built at test time:
// an ISO image (genisoimage) whose Rock Ridge continuation area points at
// itself, a xar (written here) whose file says "original hard link" twice,
// and a zisofs image (xorriso) whose block table does not advance. Each
// returns the archive's path, or an empty string when its tool is missing.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QtEndian>

#include <cstring>

namespace swtest {

class LoopingArchives
{
public:
    explicit LoopingArchives(QString folder) : m_folder(std::move(folder)) {}

    QString iso() const
    {
        const QString src = m_folder + QStringLiteral("/iso-src");
        QDir().mkpath(src);
        // A name too long for its directory record: the rest of it goes to
        // a continuation area, which is then made to continue into itself.
        write(src + QLatin1Char('/') + QString(200, QLatin1Char('n')), "hello\n");
        const QString iso = m_folder + QStringLiteral("/loop.iso");
        if (!run(QStringLiteral("genisoimage"), {"-quiet", "-R", "-o", iso, src}))
            return {};
        QByteArray bytes = read(iso);
        for (qsizetype at = bytes.indexOf("CE\x1c\x01"); at >= 0; at = bytes.indexOf("CE\x1c\x01", at + 1)) {
            const qint64 area = qint64(qFromLittleEndian<quint32>(bytes.constData() + at + 4)) * 2048
                                + qFromLittleEndian<quint32>(bytes.constData() + at + 12);
            if (area + 28 > bytes.size() || bytes.mid(area, 2) != "NM")
                continue;
            bytes.replace(area, 28, bytes.mid(at, 28));  // the same CE entry: continue right here
            write(iso, bytes);
            return iso;
        }
        return {};
    }

    QString xar() const
    {
        const QByteArray original = "<type link=\"original\">hardlink</type>";
        const QByteArray toc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><xar><toc><file id=\"1\"><name>a</name>"
                               + original + original
                               + "<inode>7</inode><deviceno>1</deviceno><mode>0644</mode><data><length>5</length>"
                                 "<offset>0</offset><size>5</size><encoding style=\"application/octet-stream\"/>"
                                 "</data></file><file id=\"2\"><name>b</name><type link=\"1\">hardlink</type>"
                                 "<inode>7</inode><deviceno>1</deviceno><mode>0644</mode></file></toc></xar>";
        const QByteArray compressed = qCompress(toc).mid(4);  // a zlib stream, without Qt's length
        QByteArray header(28, '\0');
        std::memcpy(header.data(), "xar!", 4);
        qToBigEndian<quint16>(28, header.data() + 4);
        qToBigEndian<quint16>(1, header.data() + 6);
        qToBigEndian<quint64>(quint64(compressed.size()), header.data() + 8);
        qToBigEndian<quint64>(quint64(toc.size()), header.data() + 16);
        const QString xar = m_folder + QStringLiteral("/doubled.xar");
        write(xar, header + compressed + "hello");
        return xar;
    }

    QString zisofs() const
    {
        const QString src = m_folder + QStringLiteral("/zisofs-src");
        QDir().mkpath(src);
        QByteArray text;
        for (int i = 0; text.size() < 200000; ++i)
            text += "line " + QByteArray::number(i) + '\n';
        write(src + QStringLiteral("/text.txt"), text);
        const QString iso = m_folder + QStringLiteral("/zisofs.iso");
        if (!run(QStringLiteral("xorriso"), {"-outdev", iso, "-zisofs", "block_size=32k", "-map", src, "/",
                                             "-set_filter_r", "--zisofs", "/", "--"}))
            return {};
        QByteArray bytes = read(iso);
        const qsizetype header = bytes.indexOf(QByteArray::fromHex("37E45396C9DBD607"));
        if (header < 0)
            return {};
        // The second block starts where the first does: its blocks never advance.
        std::memcpy(bytes.data() + header + 20, bytes.constData() + header + 16, 4);
        write(iso, bytes);
        return iso;
    }

private:
    static bool run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }

    QString m_folder;
};

}  // namespace swtest
