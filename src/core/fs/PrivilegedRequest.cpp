// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/PrivilegedRequest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <utility>

namespace sw {

namespace {

// Device and inode numbers use all 64 bits; JSON numbers keep 53 exactly.
QString number(quint64 value)
{
    return QString::number(value);
}

std::optional<quint64> numberOf(const QJsonObject &object, const char *key)
{
    bool ok = false;
    const quint64 value = object.value(QLatin1String(key)).toString().toULongLong(&ok);
    return ok ? std::optional<quint64>(value) : std::nullopt;
}

QString bytes(const QByteArray &raw)
{
    return QString::fromLatin1(raw.toPercentEncoding());
}

QByteArray bytesOf(const QJsonValue &value)
{
    return QByteArray::fromPercentEncoding(value.toString().toLatin1());
}

std::optional<QJsonObject> objectOf(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

QByteArray lineOf(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

constexpr std::array<std::pair<PrivilegedAnswer::Refusal, const char *>, 7> kRefusals{{
    {PrivilegedAnswer::Refusal::None, ""},
    {PrivilegedAnswer::Refusal::Malformed, "malformed"},
    {PrivilegedAnswer::Refusal::OutsideTable, "outside"},
    {PrivilegedAnswer::Refusal::RootChanged, "root-changed"},
    {PrivilegedAnswer::Refusal::Protected, "protected"},
    {PrivilegedAnswer::Refusal::Changed, "changed"},
    {PrivilegedAnswer::Refusal::Unreachable, "unreachable"},
}};

}  // namespace

QByteArray PrivilegedRequest::toLine() const
{
    return lineOf({{QStringLiteral("root"), bytes(root.toUtf8())},
                   {QStringLiteral("rootDev"), number(rootDev)},
                   {QStringLiteral("rootIno"), number(rootIno)},
                   {QStringLiteral("path"), bytes(relative)},
                   {QStringLiteral("dev"), number(dev)},
                   {QStringLiteral("ino"), number(ino)},
                   {QStringLiteral("mode"), mode == Mode::Whole ? QStringLiteral("whole") : QStringLiteral("contents")}});
}

std::optional<PrivilegedRequest> PrivilegedRequest::fromLine(const QByteArray &line)
{
    const std::optional<QJsonObject> object = objectOf(line);
    if (!object)
        return std::nullopt;
    const auto rootDev = numberOf(*object, "rootDev");
    const auto rootIno = numberOf(*object, "rootIno");
    const auto dev = numberOf(*object, "dev");
    const auto ino = numberOf(*object, "ino");
    const QString mode = object->value(QLatin1String("mode")).toString();
    if (!rootDev || !rootIno || !dev || !ino || (mode != QLatin1String("whole") && mode != QLatin1String("contents")))
        return std::nullopt;
    PrivilegedRequest request;
    request.root = QString::fromUtf8(bytesOf(object->value(QLatin1String("root"))));
    request.rootDev = dev_t(*rootDev);
    request.rootIno = ino_t(*rootIno);
    request.relative = bytesOf(object->value(QLatin1String("path")));
    request.dev = dev_t(*dev);
    request.ino = ino_t(*ino);
    request.mode = mode == QLatin1String("whole") ? Mode::Whole : Mode::Contents;
    return request;
}

QByteArray PrivilegedAnswer::toLine() const
{
    QJsonArray list;
    for (const Failure &failure : failures)
        list.append(QJsonObject{{QStringLiteral("path"), bytes(failure.relative)},
                                {QStringLiteral("reason"), failure.reason}});
    QJsonObject object{{QStringLiteral("index"), double(index)},
                       {QStringLiteral("removed"), number(quint64(qMax<qint64>(0, removed)))},
                       {QStringLiteral("failures"), list}};
    if (refusal != Refusal::None)
        object.insert(QStringLiteral("refused"), QLatin1String(kRefusals.at(size_t(refusal)).second));
    return lineOf(object);
}

std::optional<PrivilegedAnswer> PrivilegedAnswer::fromLine(const QByteArray &line)
{
    const std::optional<QJsonObject> object = objectOf(line);
    const auto removed = object ? numberOf(*object, "removed") : std::nullopt;
    if (!object || !removed || !object->value(QLatin1String("index")).isDouble())
        return std::nullopt;
    PrivilegedAnswer answer;
    answer.index = qsizetype(object->value(QLatin1String("index")).toDouble());
    answer.removed = qint64(*removed);
    const QString refused = object->value(QLatin1String("refused")).toString();
    for (const auto &[refusal, name] : kRefusals)
        if (refused == QLatin1String(name))
            answer.refusal = refusal;
    if (!refused.isEmpty() && answer.refusal == Refusal::None)
        answer.refusal = Refusal::Malformed;
    for (const QJsonValue &value : object->value(QLatin1String("failures")).toArray()) {
        const QJsonObject failure = value.toObject();
        answer.failures.append({bytesOf(failure.value(QLatin1String("path"))),
                                failure.value(QLatin1String("reason")).toString()});
    }
    return answer;
}

}  // namespace sw
