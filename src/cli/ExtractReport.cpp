// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExtractReport.h"

#include "cli/CliCommand.h"
#include "cli/JsonWriter.h"
#include "cli/WordColumn.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <unistd.h>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ExtractReport)
};

// The tokens of the JSON report.
const char *typeName(XADEntry::Type type)
{
    switch (type) {
    case XADEntry::Type::Directory:
        return "dir";
    case XADEntry::Type::Link:
        return "link";
    case XADEntry::Type::File:
    case XADEntry::Type::Other:
        break;
    }
    return "file";
}

// The same for people, in the listing.
QString typeWord(XADEntry::Type type)
{
    switch (type) {
    case XADEntry::Type::Directory: return Text::tr("dir", "an archive entry that is a folder");
    case XADEntry::Type::Link: return Text::tr("link", "an archive entry that is a symbolic link");
    case XADEntry::Type::File:
    case XADEntry::Type::Other: break;
    }
    return Text::tr("file", "an archive entry that is a file");
}

// What a listing shows: the entries that would be written, and the special
// files extraction would skip.
void splitListing(const sw::ExtractionOutcome &outcome, QList<XADExtractedItem> &items,
                  QList<XADSkippedItem> &skipped)
{
    skipped = outcome.skipped;
    for (const XADEntry &entry : outcome.entries) {
        if (entry.type == XADEntry::Type::Other)
            skipped.append({entry.name, Text::tr("special file")});
        else
            items.append({entry.name, entry.type, entry.size});
    }
}

}  // namespace

ExtractReport::ExtractReport(bool json, bool listing) : m_json(json), m_listing(listing)
{
    if (!m_json)
        return;
    // The report keeps the real standard output; descriptor 1 becomes
    // standard error for everyone else.
    std::fflush(stdout);
    const int saved = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    FILE *out = saved >= 0 ? ::fdopen(saved, "w") : nullptr;
    if (!out || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        if (out)
            std::fclose(out);
        else if (saved >= 0)
            ::close(saved);
        return;
    }
    m_out = out;
}

ExtractReport::~ExtractReport()
{
    if (m_out == stdout)
        return;
    std::fflush(stdout);
    std::fflush(m_out);
    ::dup2(::fileno(m_out), STDOUT_FILENO);
    std::fclose(m_out);
}

QByteArray ExtractReport::printable(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            shown += QStringLiteral("\\\\");
        else if (u == u'\n')
            shown += QStringLiteral("\\n");
        else if (u == u'\t')
            shown += QStringLiteral("\\t");
        else if (u == u'\r')
            shown += QStringLiteral("\\r");
        else if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            shown += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown.toLocal8Bit();
}

void ExtractReport::reportSkipped(const QList<XADSkippedItem> &skipped) const
{
    for (const XADSkippedItem &skip : skipped)
        std::fprintf(stderr, "extract: %s\n",
                     printable(Text::tr("skipped %1: %2").arg(skip.path, skip.reason)).constData());
}

int ExtractReport::success(const sw::ExtractionOutcome &outcome)
{
    if (m_json) {
        reportJson(outcome, QString());
    } else if (!m_listing) {
        reportSkipped(outcome.skipped);
        std::fprintf(m_out, "%s\n", printable(outcome.destination).constData());
    } else {
        QList<XADExtractedItem> items;
        QList<XADSkippedItem> skipped;
        splitListing(outcome, items, skipped);
        reportSkipped(skipped);
        const WordColumn types({typeWord(XADEntry::Type::Directory), typeWord(XADEntry::Type::Link),
                                typeWord(XADEntry::Type::File)});
        for (const XADExtractedItem &item : items) {
            const QByteArray size = item.size < 0 ? QByteArray("?") : QByteArray::number(item.size);
            std::fprintf(m_out, "%s %12s  %s\n", types.cell(typeWord(item.type)).toLocal8Bit().constData(),
                         size.constData(), printable(item.path).constData());
        }
    }
    if (std::fflush(m_out) != 0 || std::ferror(m_out))
        return CliCommand::tellWriteError();
    return 0;
}

int ExtractReport::failure(const QString &source, const QString &why, const sw::ExtractionOutcome &outcome,
                           int status)
{
    std::fprintf(stderr, "extract: %s: %s\n", printable(source).constData(), printable(why).constData());
    if (!outcome.items.isEmpty())
        std::fprintf(stderr, "extract: %s\n",
                     printable(Text::tr("%n item(s) written before the error stay in %1", nullptr,
                                        int(outcome.items.size()))
                                   .arg(outcome.destination))
                         .constData());
    if (m_json) {
        reportJson(outcome, why);
        std::fflush(m_out);
    } else {
        reportSkipped(outcome.skipped);
    }
    return status;
}

void ExtractReport::reportJson(const sw::ExtractionOutcome &outcome, const QString &error)
{
    QList<XADExtractedItem> items = outcome.items;
    QList<XADSkippedItem> skipped = outcome.skipped;
    if (m_listing && error.isEmpty()) {
        items.clear();
        splitListing(outcome, items, skipped);
    }
    JsonWriter json(m_out);
    json.beginObject();
    if (!error.isEmpty())
        json.member("error", error);
    json.member("destination", outcome.destination);
    json.member("encoding", outcome.encoding);
    json.member("encodingConfidence", outcome.encodingConfidence);
    json.key("items").beginArray();
    for (const XADExtractedItem &item : items) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.member("path", item.path);
        json.member("type", typeName(item.type));
        json.member("size", item.size);
        json.endObject();
    }
    json.endArray();
    json.key("skipped").beginArray();
    for (const XADSkippedItem &skip : skipped) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.member("path", skip.path);
        json.member("reason", skip.reason);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}
