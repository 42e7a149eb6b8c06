// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <memory>

class XADString;
class XADSimpleUnarchiver;

namespace sw {
class JobControl;
}

// One entry of an archive as the delegate sees it.
struct XADEntry
{
    enum class Type { File, Directory, Link, Other };
    QString name;        // decoded and made safe: relative, '/' separated, no ".." (XADFileNameKey)
    QByteArray rawName;  // as the archive stores it
    Type type = Type::File;
    qint64 size = -1;    // uncompressed size, -1 when the archive does not say
    bool encrypted = false;
};

// What extraction did with one entry.
struct XADExtractedItem
{
    QString path;  // relative to the destination
    XADEntry::Type type = XADEntry::Type::File;
    qint64 size = 0;  // bytes written
};
struct XADSkippedItem
{
    QString path;    // the entry's name (decoded), or its raw bytes as %XX
    QString reason;  // why it was not written ("link leads outside the destination", ...)
};

// The calls an extraction makes to whoever runs it. They come on the
// extracting thread; a GUI answers password requests on its own thread.
class XADSimpleUnarchiverDelegate
{
public:
    virtual ~XADSimpleUnarchiverDelegate() = default;

    // An entry (or, for archives whose listing is encrypted, the archive
    // itself) needs a password. Set it with setPassword() and return true to
    // try it; false abandons the extraction (error XADBreakError). Asked
    // again, before anything is written, for as long as the password given
    // proves wrong (errorDescription() then says "Wrong password"); a wrong
    // key that passes the archive's own check (a zip's one byte in 256) on
    // an entry too large to read first fails later as XADPasswordError.
    virtual bool simpleUnarchiverNeedsPassword(XADSimpleUnarchiver &unarchiver) = 0;
    // The encoding for the archive's names that are not UTF-8 (an ICU
    // converter name), asked once with all of them; an empty answer, or
    // one ICU does not know, takes the detector's.
    virtual QString simpleUnarchiver(XADSimpleUnarchiver &unarchiver, const XADString &encodingNameForXADString) = 0;
    // False skips the entry and every one after it (the extraction ends
    // with XADBreakError).
    virtual bool simpleUnarchiver(XADSimpleUnarchiver &, const XADEntry &shouldExtractEntryWithDictionary,
                                  const QString &to)
    {
        (void)shouldExtractEntryWithDictionary;
        (void)to;
        return true;
    }
    virtual void simpleUnarchiver(XADSimpleUnarchiver &, const XADEntry &didExtractEntryWithDictionary,
                                  const QString &to, int error)
    {
        (void)didExtractEntryWithDictionary;
        (void)to;
        (void)error;
    }
    // totalProgress of totalSize bytes of the whole archive are written.
    virtual void simpleUnarchiver(XADSimpleUnarchiver &, const XADEntry &extractionProgressForEntryWithDictionary,
                                  qint64 fileProgress, qint64 fileSize, qint64 totalProgress, qint64 totalSize)
    {
        (void)extractionProgressForEntryWithDictionary;
        (void)fileProgress;
        (void)fileSize;
        (void)totalProgress;
        (void)totalSize;
    }
};

// Extracts one archive safely: whatever its entries say, nothing is written
// outside the destination (no absolute paths, no "..", no writing through a
// link, no device nodes or FIFOs, no setuid/setgid bits, no owners), and
// writing stops before the destination's file system runs short of space.
//
// libarchive reads what it can; encrypted 7z and the formats only 7-Zip
// knows go to the 7zz program, which extracts into a private staging folder
// that is checked before its contents are handed over.
//
// Use: simpleUnarchiverForPath(), set the delegate, parse(), setDestination(),
// unarchive(); then enclosingDirectoryName() / createdItem() tell what was made.
class XADSimpleUnarchiver
{
public:
    // Error codes of parse() and unarchive().
    enum Error {
        XADNoError = 0,
        XADOpenError = 1,         // the file cannot be opened or read
        XADDamagedError = 2,      // bad data, bad checksum, truncated
        XADPasswordError = 3,     // wrong or missing password
        XADNoSpaceError = 4,      // "Not enough free space"
        XADWriteError = 5,        // the destination refused a write
        XADNotSupportedError = 6, // a format (or a method inside it) neither back-end reads
        XADBreakError = 13,       // cancelled: the job, the delegate or an abandoned password
    };

    // nullptr when neither back-end knows the file; error (if given) then
    // tells XADOpenError, XADNotSupportedError, XADDamagedError (the reader
    // had to be stopped on it; description, if given, says why) or
    // XADBreakError (job was cancelled meanwhile). job (when given) is also
    // the one setJob() would set.
    static std::unique_ptr<XADSimpleUnarchiver> simpleUnarchiverForPath(const QString &path, int *error = nullptr,
                                                                         sw::JobControl *job = nullptr,
                                                                         QString *description = nullptr);
    virtual ~XADSimpleUnarchiver();

    void setDelegate(XADSimpleUnarchiverDelegate *delegate);
    // Cancel and progress (items written, bytes written, current entry).
    void setJob(sw::JobControl *job);

    // Behaviour switches of the extraction. An entry whose name is taken
    // gets a unique one ("x 2") with setAlwaysRenamesFiles(true); otherwise
    // it is skipped, unless setAlwaysOverwritesFiles(true) is on and
    // setAlwaysSkipsFiles(true) is not: then a file (never a folder) is
    // replaced once the entry is complete. Renaming wins, as it loses nothing.
    void setAlwaysSkipsFiles(bool on);
    void setPropagatesRelevantMetadata(bool on);  // modification times and permissions (never owners, never setuid)
    void setAlwaysRenamesFiles(bool on);
    void setCopiesArchiveModificationTimeToEnclosingDirectory(bool on);
    void setCopiesArchiveModificationTimeToSoloItems(bool on);
    void setResetsDateForSoloItems(bool on);
    void setAlwaysOverwritesFiles(bool on);
    // With true, the entries are written straight into the destination
    // (meant to be a fresh folder of the caller's), and one item alone at
    // the top is reported as createdItem(); when that item is a folder it is
    // also the enclosingDirectoryName(), so the caller can lift it out
    // beside its folder. Several items at the top, or a single file, leave
    // enclosingDirectoryName() empty: they stay where they are.
    // With false (the default), a new folder named after the archive is
    // made in the destination for the entries; it is both the enclosing
    // folder and the created item.
    void setRemovesEnclosingDirectoryForSoloItems(bool on);
    // With false, entries are written into the destination exactly as the
    // archive names them: no enclosing folder is ever made.
    void setExtractsIntoEnclosingDirectory(bool on);

    // Reads the listing (decoding names, asking for a password when the
    // listing itself is encrypted). XADNoError or an error code.
    // Zip, 7z, plain tar and the other formats whose headers are a seek
    // apart are listed whole. A compressed stream (tar.gz, ...) must be
    // decompressed to reach its headers: parse() reads 64 MiB of its
    // contents at most, so that unarchive() does not pay for the whole
    // stream twice; the listing is then complete only after unarchive().
    int parse();
    const QList<XADEntry> &entries() const;
    // Whether entries() holds every entry (see parse()).
    bool listingIsComplete() const;
    // Lifts parse()'s limit on compressed streams, for callers that only
    // list (a listing without extraction must be whole).
    void setListsWholeStreams(bool on);

    void setDestination(const QString &folder);
    QString destination() const;
    // Writes the entries. XADNoError or an error code; what was written
    // before an error stays (a file cut short is removed) and is listed in
    // extractedItems().
    int unarchive();

    // The enclosing folder made inside the destination (its name), empty
    // when the entries went straight into the destination.
    QString enclosingDirectoryName() const;
    // Path of the enclosing folder or of the one item made, empty otherwise.
    QString createdItem() const;

    void setPassword(const QString &password);
    QString password() const;
    void setPasswordEncodingName(const QString &encodingName);

    // The encoding the names were decoded with ("UTF-8" when all were UTF-8)
    // and the detector's confidence in it in percent (100 for UTF-8, 0 for
    // an encoding the detector did not find).
    QString encodingName() const;
    int encodingConfidence() const;

    const QList<XADExtractedItem> &extractedItems() const;
    const QList<XADSkippedItem> &skippedItems() const;
    // What went wrong, in words, for the last error: "Wrong password",
    // "Password required", "Not enough free space", "This archive format is
    // not supported", or the back-end's own description of damage.
    QString errorDescription() const;

    // A path near path that does not exist yet ("x 2", "x 3", ...).
    static QString _findUniquePathForOriginalPath(const QString &path);

protected:
    XADSimpleUnarchiver();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
