// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/sevenzip/SevenZipOutput.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>

#include <algorithm>

namespace sw::sevenzip {

namespace {

void finishEntry(QList<Entry> &entries, Entry &entry, bool &open)
{
    if (open && !entry.path.isEmpty())
        entries.append(entry);
    entry = Entry();
    open = false;
}

// "D drwxr-xr-x" (7z), "A lrwxrwxrwx", "-rw-r--r--" (Mode of disk images):
// the letters of the old DOS attributes, then the POSIX mode when stored.
void readAttributes(Entry &entry, const QString &value)
{
    const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const bool posix = part.size() == 10 && QStringLiteral("-dlcbps").contains(part.at(0));
        if (posix) {
            entry.folder = entry.folder || part.at(0) == QLatin1Char('d');
            entry.link = entry.link || part.at(0) == QLatin1Char('l');
        } else if (part.contains(QLatin1Char('D'))) {
            entry.folder = true;
        }
    }
}

} // namespace

QList<Entry> parseListing(const QByteArray &output)
{
    QList<Entry> entries;
    Entry entry;
    bool open = false;
    for (const QByteArray &rawLine : output.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        const qsizetype equals = line.indexOf(QLatin1String(" = "));
        if (line.isEmpty() || (equals < 0 && !line.endsWith(QLatin1String(" =")))) {
            finishEntry(entries, entry, open);
            continue;
        }
        const QString key = line.left(equals < 0 ? line.size() - 2 : equals);
        const QString value = equals < 0 ? QString() : line.mid(equals + 3);
        if (key == QLatin1String("Path")) {
            finishEntry(entries, entry, open); // a block starts with its path
            entry.path = value;
            open = true;
        } else if (key == QLatin1String("Size")) {
            bool ok = false;
            const qint64 size = value.toLongLong(&ok);
            entry.size = ok ? size : -1;
        } else if (key == QLatin1String("Folder")) {
            entry.folder = value == QLatin1String("+");
        } else if (key == QLatin1String("Attributes") || key == QLatin1String("Mode")) {
            readAttributes(entry, value);
        } else if (key == QLatin1String("Symbolic Link") && !value.isEmpty()) {
            entry.link = true;
            entry.linkTarget = value;
        } else if (key == QLatin1String("Encrypted")) {
            entry.encrypted = value == QLatin1String("+");
        }
    }
    finishEntry(entries, entry, open);
    return entries;
}

int lastPercent(const QByteArray &output)
{
    // Progress is redrawn in place with backspaces: "  0%\b\b\b\b 45% 3 - name".
    static const QRegularExpression percent(QStringLiteral("(\\d{1,3})%"));
    int last = -1;
    QRegularExpressionMatchIterator it = percent.globalMatch(QString::fromUtf8(output));
    while (it.hasNext())
        last = qMin(100, it.next().captured(1).toInt());
    return last;
}

Verdict verdict(int exitCode, const QByteArray &errorOutput, bool passwordGiven)
{
    Verdict result;
    const QString errors = QString::fromUtf8(errorOutput);
    QStringList errorLines;
    static const QRegularExpression dangerousLink(
        QStringLiteral("^ERROR: Dangerous link path was ignored : (.*) : .*$"));
    for (const QString &line : errors.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        const QRegularExpressionMatch link = dangerousLink.match(trimmed);
        if (link.hasMatch()) {
            result.skipped.append({link.captured(1), QCoreApplication::translate(
                                                         "SevenZip", "link leads outside the destination")});
            continue;
        }
        errorLines.append(trimmed);
    }
    result.message = errorLines.join(QLatin1Char('\n'));
    const auto says = [&errors](const char *text) { return errors.contains(QLatin1String(text)); };
    const bool onlySkips = std::none_of(errorLines.cbegin(), errorLines.cend(), [](const QString &line) {
        return line.startsWith(QLatin1String("ERROR")) || line.contains(QLatin1String("ERRORS"));
    });
    if (exitCode == 0 || (exitCode == 2 && !result.skipped.isEmpty() && onlySkips))
        result.status = Status::Ok;
    else if (says("Wrong password") || says("Break signaled"))
        // "Break signaled": 7zz asked for a password and found no more input.
        result.status =
            passwordGiven && !says("Break signaled") ? Status::WrongPassword : Status::PasswordRequired;
    else if (says("No space left on device") || says("not enough space"))
        result.status = Status::NoSpace;
    else if (says("Unexpected end") || says("Headers Error") || says("Data Error") || says("CRC Failed"))
        result.status = Status::Damaged;
    else if (says("Is not archive") || says("Cannot open the file as") || says("Can not open the file as"))
        result.status = Status::NotArchive;
    else
        result.status = Status::Damaged;
    return result;
}

} // namespace sw::sevenzip
