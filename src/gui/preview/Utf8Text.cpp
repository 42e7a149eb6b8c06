// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/Utf8Text.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace sw {

namespace {

// Bytes a sequence takes by its lead byte; 0 for a continuation byte.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// Drops a multi-byte sequence that the read limit cut in two.
void dropCutSequence(QByteArray &bytes)
{
    for (qsizetype back = 1; back <= 4 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes.at(bytes.size() - back));
        if ((byte & 0xC0) == 0x80)
            continue;  // a continuation byte: the lead is further back
        if (sequenceLength(byte) > back)
            bytes.chop(back);
        return;
    }
}

}  // namespace

std::optional<QString> Utf8Text::decode(QByteArray bytes, bool mayBeCut)
{
    if (bytes.contains('\0'))
        return std::nullopt;
    if (mayBeCut)
        dropCutSequence(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<Utf8Text> Utf8Text::read(const QString &path, qint64 limit)
{
    // isFile() is false for pipes, sockets and devices, which could block or
    // never end.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || limit < 0)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(limit + 1);
    const bool truncated = bytes.size() > limit;
    std::optional<QString> text = decode(truncated ? bytes.left(limit) : bytes, truncated);
    if (!text)
        return std::nullopt;
    return Utf8Text{*text, truncated};
}

}  // namespace sw
