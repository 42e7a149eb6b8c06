// SPDX-License-Identifier: GPL-3.0-or-later
// Compares the duplicate groups a finder reported with the true ones that
// treegen wrote.
//
// Usage: groupcheck TRUTH ROOT --json FILE     (sweepwright-cli dups --json)
//        groupcheck TRUTH ROOT --jdupes FILE   (jdupes: paths, a blank line after each set)
// Prints the number of groups and what is missing or extra; exits 1 unless
// the groups are exactly the true ones.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringList>

#include <cstdio>

namespace {

using Group = QStringList;

// A group as a sorted, tab-joined line of paths relative to root.
QString key(Group paths, const QString &root)
{
    for (QString &path : paths)
        if (path.startsWith(root + QLatin1Char('/')))
            path = path.mid(root.size() + 1);
    paths.sort();
    return paths.join(QLatin1Char('\t'));
}

QSet<QString> fromJson(const QByteArray &text, const QString &root)
{
    QSet<QString> groups;
    for (const QJsonValue &group : QJsonDocument::fromJson(text).object().value(QStringLiteral("dupGroups")).toArray()) {
        Group paths;
        for (const QJsonValue &item : group.toObject().value(QStringLiteral("groupItems")).toArray())
            paths << item.toObject().value(QStringLiteral("itemPath")).toString();
        groups.insert(key(paths, root));
    }
    return groups;
}

QSet<QString> fromJdupes(const QByteArray &text, const QString &root)
{
    QSet<QString> groups;
    Group paths;
    for (const QByteArray &line : text.split('\n')) {
        if (!line.isEmpty()) {
            paths << QFile::decodeName(line);
        } else if (!paths.isEmpty()) {
            groups.insert(key(paths, root));
            paths.clear();
        }
    }
    return groups;
}

void show(const char *what, const QSet<QString> &groups)
{
    if (groups.isEmpty())
        return;
    std::printf("    %s: %lld, such as %s\n", what, static_cast<long long>(groups.size()),
                QString(*groups.cbegin()).replace(QLatin1Char('\t'), QLatin1Char(' ')).toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: groupcheck TRUTH ROOT --json|--jdupes FILE\n");
        return 2;
    }
    QFile truthFile(QFile::decodeName(argv[1]));
    QFile found(QFile::decodeName(argv[4]));
    if (!truthFile.open(QIODevice::ReadOnly) || !found.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "groupcheck: cannot read the files\n");
        return 2;
    }
    const QString root = QFile::decodeName(argv[2]);
    QSet<QString> truth;
    for (const QByteArray &line : truthFile.readAll().split('\n'))
        if (!line.isEmpty())
            truth.insert(key(QFile::decodeName(line).split(QLatin1Char('\t')), root));
    const QByteArray text = found.readAll();
    const QSet<QString> reported = qstrcmp(argv[3], "--json") == 0 ? fromJson(text, root) : fromJdupes(text, root);
    if (reported == truth) {
        std::printf("exactly the %lld true groups\n", static_cast<long long>(truth.size()));
        return 0;
    }
    std::printf("%lld groups, %lld true ones\n", static_cast<long long>(reported.size()),
                static_cast<long long>(truth.size()));
    show("missing", truth - reported);
    show("not true", reported - truth);
    return 1;
}
