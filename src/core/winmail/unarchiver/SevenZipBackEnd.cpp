// SPDX-License-Identifier: GPL-3.0-or-later
// The archives libarchive cannot read (an encrypted 7z or rar, formats only
// 7-Zip knows) go to the 7zz program: it lists them, and extracts them into
// a staging folder inside the destination, which is checked before what is
// in it is handed over.

#include "core/winmail/unarchiver/XADSimpleUnarchiverPrivate.h"

#include "core/winmail/sevenzip/StagingFolder.h"
#include "core/winmail/unarchiver/EntryPath.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

using sw::EntryPath;
using sw::SevenZipProcess;
using sw::StagingFolder;
using Status = sw::SevenZipProcess::Status;

namespace {

XADEntry::Type typeOf(const sw::sevenzip::Entry &entry)
{
    return entry.folder ? XADEntry::Type::Directory
           : entry.link ? XADEntry::Type::Link
                        : XADEntry::Type::File;
}

XADEntry::Type typeOf(StagingFolder::Type type)
{
    switch (type) {
    case StagingFolder::Type::Directory:
        return XADEntry::Type::Directory;
    case StagingFolder::Type::Link:
        return XADEntry::Type::Link;
    case StagingFolder::Type::File:
        break;
    }
    return XADEntry::Type::File;
}

} // namespace

// The password the delegate gave did not open the archive: a wrong one, or
// none (an empty answer).
bool XADSimpleUnarchiver::Private::refusedPassword(SevenZipProcess::Status status) const
{
    return status == Status::WrongPassword || (status == Status::PasswordRequired && askedPassword);
}

// Whether 7zz reads the file and finds something in it (an empty listing
// leaves the file to libarchive, which read it as empty); the listing is
// kept when it needed no password.
bool XADSimpleUnarchiver::Private::chooseSevenZip()
{
    SevenZipProcess::Result result = SevenZipProcess(path).list();
    if (result.status == Status::Ok && !result.entries.isEmpty()) {
        probedListing = std::move(result.entries);
        return true;
    }
    return result.status == Status::PasswordRequired || result.status == Status::WrongPassword;
}

int XADSimpleUnarchiver::Private::sevenZipFailure(const SevenZipProcess::Result &result)
{
    switch (result.status) {
    case Status::Ok:
        return XADNoError;
    case Status::PasswordRequired:
        return fail(XADPasswordError, tr("Password required"));
    case Status::WrongPassword:
        return fail(XADPasswordError, tr("Wrong password"));
    case Status::NoSpace:
        return fail(XADNoSpaceError, tr("Not enough free space"));
    case Status::Cancelled:
        return fail(XADBreakError, {});
    case Status::Damaged:
        return fail(XADDamagedError, result.message);
    case Status::NotArchive:
    case Status::ProgramMissing:
        break;
    }
    return fail(XADNotSupportedError, tr("This archive format is not supported"));
}

// 7zz gives every name in UTF-8, decoded by its own rules: no encoding to choose.
int XADSimpleUnarchiver::Private::parseWithSevenZip()
{
    entries.clear();
    listedSizes.clear();
    listingComplete = false;
    anyEncrypted = false;
    encoding = QStringLiteral("UTF-8");
    confidence = 100;
    const auto list = [this] {
        SevenZipProcess process(path);
        process.setPassword(password);
        process.setJob(job);
        return process.list();
    };
    SevenZipProcess::Result result;
    if (probedListing && password.isEmpty())
        result.entries = *std::exchange(probedListing, std::nullopt);
    else
        result = list();
    // The listing itself is encrypted: it takes the password first.
    if (result.status == Status::PasswordRequired && password.isEmpty() && !askedPassword && delegate) {
        askedPassword = true;
        if (!delegate->simpleUnarchiverNeedsPassword(*q))
            return fail(XADBreakError, {});
        result = list();
        while (refusedPassword(result.status)) {
            if (const int error = replaceWrongPassword())
                return error;
            result = list();
        }
    }
    if (result.status != Status::Ok)
        return sevenZipFailure(result);

    totalSize = 0;
    for (const sw::sevenzip::Entry &listed : std::as_const(result.entries)) {
        XADEntry item;
        item.name = EntryPath::safe(listed.path);
        if (item.name.isEmpty())
            continue; // the archive's own top folder, or a name 7zz will not write either
        item.rawName = listed.path.toUtf8();
        item.type = typeOf(listed);
        item.size = listed.size;
        item.encrypted = listed.encrypted;
        anyEncrypted = anyEncrypted || item.encrypted;
        if (item.type == XADEntry::Type::File) {
            listedSizes.insert(listed.path, listed.size);
            totalSize = item.size >= 0 && totalSize >= 0 ? totalSize + item.size : -1;
        }
        entries.append(item);
    }
    listingComplete = true;
    return XADNoError;
}

// Every file 7zz wrote must have the size its listing gave. Stopped for
// space, 7zz leaves the file it was writing cut short: that one goes and
// the rest is handed over. Otherwise a file of another size (a reader that
// ended an entry early) fails the run, which then hands nothing over.
int XADSimpleUnarchiver::Private::checkSizes(StagingFolder &staging, bool stoppedForSpace)
{
    const QList<StagingFolder::Item> items = staging.items();
    for (const StagingFolder::Item &item : items) {
        const qint64 listed = listedSizes.value(item.path, -1);
        if (item.type != StagingFolder::Type::File || listed < 0 || item.size == listed)
            continue;
        if (stoppedForSpace) {
            staging.drop(item.path, tr("the entry was cut short"));
            continue;
        }
        const QString description =
            tr("%1 came out with %2 of its %3 bytes").arg(item.path).arg(item.size).arg(listed);
        staging.discard();
        return fail(XADDamagedError, description);
    }
    return XADNoError;
}

// Where 7zz refused a link it leaves an empty file: that goes too, and the
// link is listed as skipped (once).
void XADSimpleUnarchiver::Private::dropRefused(StagingFolder &staging, const QList<sw::sevenzip::Skipped> &refused)
{
    for (const sw::sevenzip::Skipped &skipped : refused) {
        const QList<StagingFolder::Item> &items = staging.items();
        const bool leftEmpty = std::any_of(items.cbegin(), items.cend(), [&](const StagingFolder::Item &item) {
            return item.path == skipped.path && item.type == StagingFolder::Type::File && item.size == 0;
        });
        if (!leftEmpty || !staging.drop(skipped.path, skipped.reason))
            addSkipped(skipped.path, skipped.reason);
    }
}

// A run that fails hands nothing over, except when space ran out: then what
// 7zz wrote whole stays and is listed, as on the libarchive path. After a
// wrong key or damage 7zz may have written garbage under an entry's name,
// and which entries came through whole it does not say.
int XADSimpleUnarchiver::Private::unarchiveWithSevenZip()
{
    if (!listingComplete) {
        if (const int error = parseWithSevenZip())
            return error;
    }
    for (const XADEntry &item : std::as_const(entries)) {
        if (delegate && !delegate->simpleUnarchiver(*q, item, QDir(destination).filePath(item.name)))
            return fail(XADBreakError, {});
    }
    if (anyEncrypted && password.isEmpty() && !askedPassword && delegate) {
        askedPassword = true;
        if (!delegate->simpleUnarchiverNeedsPassword(*q))
            return fail(XADBreakError, {});
    }

    // A wrong password shows only once 7zz decrypts: what it wrote goes,
    // and the run starts again with another one, in a new staging folder.
    std::optional<StagingFolder> staging;
    SevenZipProcess::Result result;
    for (;;) {
        staging.emplace(destination);
        if (!staging->isValid())
            return fail(XADWriteError, staging->errorString());
        result = extractIntoStaging(staging->path());
        if (!refusedPassword(result.status))
            break;
        staging->discard();
        if (const int error = replaceWrongPassword())
            return error;
    }
    const int error = sevenZipFailure(result);
    if (error != XADNoError && error != XADNoSpaceError) {
        staging->discard();
        return error;
    }
    return handOverStaging(*staging, result, error);
}

SevenZipProcess::Result XADSimpleUnarchiver::Private::extractIntoStaging(const QString &staging)
{
    SevenZipProcess process(path);
    process.setPassword(password);
    process.setJob(job);
    // 7zz tells progress in percent of the whole archive.
    const qint64 expected = totalSize > 0 ? totalSize : 0;
    const qint64 scale = expected > 0 ? expected : 100;
    XADEntry whole;
    whole.name = QFileInfo(path).fileName();
    whole.size = scale;
    process.setProgressHandler([&](int percent) {
        const qint64 done = scale / 100 * percent + scale % 100 * percent / 100;
        if (delegate)
            delegate->simpleUnarchiver(*q, whole, done, scale, done, scale);
    });
    return process.extract(staging, expected, entries.size());
}

// What 7zz wrote is checked, then moved into the destination.
int XADSimpleUnarchiver::Private::handOverStaging(StagingFolder &staging, const SevenZipProcess::Result &result,
                                                  int error)
{
    if (!staging.check()) {
        const QString description = tr("The extracted items could not be checked");
        staging.discard();
        return fail(XADWriteError, description);
    }
    if (const int sizes = checkSizes(staging, error == XADNoSpaceError))
        return sizes;
    dropRefused(staging, result.skipped);
    for (const StagingFolder::Removed &item : staging.removed())
        addSkipped(item.path, item.reason);

    QString madeFolder;
    QString target = destination;
    if (intoEnclosing && !removesEnclosingForSolo) {
        madeFolder = enclosingFolderName();
        target = QDir(destination).filePath(madeFolder);
        if (!QDir(destination).mkdir(madeFolder)) {
            staging.discard();
            return fail(XADWriteError, tr("Cannot create the folder %1").arg(target));
        }
    }
    const bool handedOver = staging.handOver(target).has_value();
    for (const StagingFolder::Item &item : staging.items())
        addExtracted(item.path, typeOf(item.type), item.size);
    settleEnclosing(madeFolder);
    if (!handedOver) {
        const QString description = staging.errorString();
        staging.discard();
        return fail(XADWriteError, description);
    }
    return error;
}
