// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The state of one XADSimpleUnarchiver, shared by the files that implement
// it: XADSimpleUnarchiver.cpp (creation, names, listing, the pass over the
// archive), XADSimpleUnarchiverEntries.cpp (writing one entry) and
// SevenZipBackEnd.cpp (the archives only 7zz reads).

#include "core/foundation/JobControl.h"
#include "core/winmail/sevenzip/SevenZipProcess.h"
#include "core/winmail/unarchiver/ArchiveReader.h"
#include "core/winmail/unarchiver/EntryNames.h"
#include "core/winmail/unarchiver/EntryWriter.h"
#include "core/winmail/unarchiver/FreeSpaceGuard.h"
#include "core/winmail/unarchiver/XADSimpleUnarchiver.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <optional>

namespace sw {
class StagingFolder;
}

struct XADSimpleUnarchiver::Private
{
    XADSimpleUnarchiver *q = nullptr;
    QString path;
    sw::ArchiveReader::Mode mode = sw::ArchiveReader::Mode::Archive;
    int format = 0;  // libarchive's, once a pass has read a header
    XADSimpleUnarchiverDelegate *delegate = nullptr;
    sw::JobControl *job = &ownJob;
    sw::JobControl ownJob;

    bool skips = false, keepsMetadata = false, renames = false, overwrites = false;
    bool removesEnclosingForSolo = false, intoEnclosing = true, listsWholeStreams = false;

    QList<XADEntry> entries;
    QList<sw::EntryNames::Name> names;  // raw names, entry by entry
    bool listingComplete = false;
    bool anyEncrypted = false;
    QString destination, enclosingName, createdItem;
    QString password, passwordEncoding;
    bool askedPassword = false;
    bool passphraseGiven = false;
    QString encoding = QStringLiteral("UTF-8");
    int confidence = 100;
    bool encodingChosen = false;
    QList<XADExtractedItem> extracted;
    QList<XADSkippedItem> skipped;
    QString errorDescription;

    int fail(int code, const QString &description)
    {
        errorDescription = description;
        return code;
    }
    void chooseEncoding();
    QString decode(const sw::EntryNames::Name &name);
    int nameEntries(bool complete);
    XADEntry entryFor(archive_entry *entry, const sw::EntryNames::Name &name);
    int list(sw::ArchiveReader &reader);
    bool ensurePassword(sw::ArchiveReader &reader);
    QByteArray encodedPassword() const;
    enum class Probe { Right, Wrong, Unknown };
    Probe probePassword();
    // The delegate's password proved wrong: it is asked for another (its
    // prompt told "Wrong password"). XADNoError to try the new one;
    // XADBreakError when it gave none; XADPasswordError when the password
    // was not the delegate's to replace.
    int replaceWrongPassword();
    int extractAll(sw::ArchiveReader &reader, int rootFd);
    int extractEntry(sw::ArchiveReader &reader, sw::EntryWriter &writer, sw::FreeSpaceGuard &guard, archive_entry *entry);
    int writeData(sw::ArchiveReader &reader, sw::EntryWriter &writer, sw::FreeSpaceGuard &guard, archive_entry *entry,
                  const XADEntry &item, const QStringList &parts);
    int copyData(sw::ArchiveReader &reader, sw::FreeSpaceGuard &guard, sw::EntryWriter::OpenFile &file,
                 const XADEntry &item, qint64 &fileProgress, qint64 &end);
    int writeLinkWithData(sw::ArchiveReader &reader, sw::EntryWriter &writer, sw::FreeSpaceGuard &guard,
                          archive_entry *entry, const XADEntry &item, const QStringList &target);
    int placed(const XADEntry &item, sw::EntryWriter &writer, const sw::EntryWriter::Outcome &outcome);
    // Tells the delegate that item failed with code, and fails with it.
    int failed(const XADEntry &item, int code, const QString &description);
    int readFailure(sw::ArchiveReader &reader, const XADEntry &item);
    // A step of the reader failed: cancelled, stopped (no progress), or
    // otherwise; otherwise is code.
    int readerFailure(const sw::ArchiveReader &reader, int code)
    {
        if (reader.cancelled() || job->isCancelled())
            return fail(XADBreakError, {});
        return fail(reader.stopped() ? int(XADDamagedError) : code, reader.errorString());
    }
    void addExtracted(const QString &relative, XADEntry::Type type, qint64 size);
    void addSkipped(const QString &name, const QString &reason)
    {
        skipped.append({name, reason});
    }
    void noteProgress(const XADEntry &item, qint64 fileProgress, sw::ArchiveReader &reader);
    void settleEnclosing(const QString &madeFolder);
    QString enclosingFolderName() const;

    // The 7zz back-end, for what libarchive cannot read.
    bool chooseSevenZip();
    int parseWithSevenZip();
    int unarchiveWithSevenZip();
    int sevenZipFailure(const sw::SevenZipProcess::Result &result);
    bool refusedPassword(sw::SevenZipProcess::Status status) const;
    sw::SevenZipProcess::Result extractIntoStaging(const QString &staging);
    int handOverStaging(sw::StagingFolder &staging, const sw::SevenZipProcess::Result &result, int error);
    int checkSizes(sw::StagingFolder &staging, bool stoppedForSpace);
    void dropRefused(sw::StagingFolder &staging, const QList<sw::sevenzip::Skipped> &refused);
    bool sevenZip = false;
    std::optional<QList<sw::sevenzip::Entry>> probedListing;  // 7zz's listing without a password
    QHash<QString, qint64> listedSizes;                        // file sizes by 7zz's path

    qint64 written = 0;
    qint64 lastReported = 0;
    qint64 totalSize = -1;
    qint64 fileSize = 0;
    qint64 archiveSize = 0;
    QSet<QString> extractedFolders;

    // The extraction's texts, whichever part of it shows them (last: the
    // macro leaves what follows it private).
    Q_DECLARE_TR_FUNCTIONS(XADSimpleUnarchiver)
};
