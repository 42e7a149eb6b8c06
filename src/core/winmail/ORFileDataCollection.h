// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/FileIdentity.h"
#include "core/winmail/ExtractionDelegate.h"
#include "core/winmail/ORFileData.h"
#include "core/winmail/unarchiver/XADSimpleUnarchiver.h"

#include <QMutex>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace sw {
class JobControl;

// What one extraction is asked to do.
struct ExtractionRequest
{
    QString source;       // the archive or winmail file
    // Empty: a folder named after the file inside a fresh private temporary
    // folder ("unarchiverXXXX/photos", "winmailXXXX/winmail"). Otherwise the
    // entries are written into this folder exactly as the archive names them.
    QString destination;
    // The destination was made for this extraction (the command line made
    // the folder it was given): an extraction that fails removes it again,
    // with whatever it wrote there, as it does a temporary folder of its own.
    bool ownsDestination = false;
    // Empty: the settings decide ("filenameEncoding", "autoDetectionThreshold");
    // "auto": the detector decides; else an ICU converter name or alias.
    QString encoding;
    bool listOnly = false;  // read the listing, write nothing
};

// How it went.
struct ExtractionOutcome
{
    enum class Status {
        Extracted,    // written (listOnly: listed)
        Failed,       // damaged, wrong or missing password, no space, unreadable
        Unsupported,  // no back-end reads the file
        Abandoned,    // cancelled, or the password prompt was dismissed
    };
    Status status = Status::Failed;
    int error = 0;        // XADSimpleUnarchiver's code
    QString message;      // the text a page shows (translated), empty on success
    QString detail;       // the back-end's own words: "Wrong password", ...
    QString destination;  // where the items are
    // The private folder a temporary extraction made, holding destination;
    // empty when the request named the destination.
    QString temporaryFolder;
    bool encrypted = false;  // the archive held encrypted entries (or an encrypted listing)
    QString encoding;     // the names' encoding ("UTF-8" when all were)
    int encodingConfidence = 100;
    QList<XADEntry> entries;  // the listing (listOnly)
    QList<XADExtractedItem> items;
    QList<XADSkippedItem> skipped;
};
}  // namespace sw

// The archive and winmail extractor's engine, one per process: extracts one
// file the user chose into a fresh temporary folder and turns what came out
// into the result the pages show (the top-level items, and the tree of all).
// The result is a folder named after the file, never the temporary folder;
// it stays until startOver(), which removes it with the temporary folder:
// what came out of an encrypted archive does not stay on the disk
// unprotected once the user is done with it.
//
// A winmail file (.dat, .eml, any case) goes to the TNEF decoder, anything
// else to XADSimpleUnarchiver. Extraction runs on the caller's thread, posts
// "fileprogress" (0 to 1) as it writes and reports into the job; the job's
// cancel stops it, a stuck archive reader included. An extraction into a
// temporary folder of ours that fails leaves nothing behind.
class ORFileDataCollection
{
public:
    using Data = ORFileData;
    // Asked when the archive needs a password, and again with the reason
    // after a wrong one (see sw::PasswordPrompt).
    using PasswordPrompt = sw::PasswordPrompt;

    static ORFileDataCollection &shareInstance();

    // Forgets the result held (see startOver()), extracts request.source
    // (the page's way, or the command line's with a destination), then
    // holds the result unless only listing.
    sw::ExtractionOutcome extract(const sw::ExtractionRequest &request, const PasswordPrompt &password,
                                  sw::JobControl &job);
    // Extracts the file of the result held once more, straight into
    // destination as the archive names its entries, with the password and
    // encoding that opened it (Extract to). The result held stays.
    // ownsDestination as in ExtractionRequest.
    sw::ExtractionOutcome extractTo(const QString &destination, bool ownsDestination, sw::JobControl &job);
    // Whether the result held came out of an encrypted archive.
    bool isEncrypted() const;

    // The result of the last extraction, nullptr before one. Built on first
    // use, which walks the extracted items: ask from a worker thread.
    std::shared_ptr<ORFileData> fileData();
    // The result handed out last; nullptr after startOver().
    std::shared_ptr<ORFileData> tmpFileData() const;
    // The tree of the same items (built with fileData()).
    std::shared_ptr<const ORFileTreeNode> treeNode();
    QStringList fileArray() const;
    QString desPath() const;
    // Forgets the result and removes the temporary folder it lies in, with
    // everything extracted there, through the removal core: only while that
    // folder is still the one made (a link or another folder put in its
    // place is left alone), and never following a link inside it.
    void startOver();
    // Removes the temporary extractions runs that were killed left behind
    // (no running program holds them); the number removed.
    static int removeAbandonedExtractions();

    // Makes the folder a winmail file is decoded into: a folder named after
    // it in a new "winmailXXXX" folder (made is then that one), or to when
    // given. Empty when the folder cannot be made; error (when given) then
    // says why.
    static QString extractWinmail(const QString &source, const QString &to = QString(), QString *error = nullptr,
                                  QString *made = nullptr);
    static void collectionFileDataFromPath(const QString &path, ORFileData &to);
    static ORFileTreeNode createTreeNodeFromPath(const QString &path);

    // Whether the file takes the winmail path ("dat" and "eml", any case).
    static bool isWinmailPath(const QString &path);
    // The extensions the archive page accepts (lower case).
    static const QStringList &archiverFormat();

private:
    ORFileDataCollection() = default;
    // One extraction, the result held untouched; password (when given)
    // becomes the password that opened the archive.
    static sw::ExtractionOutcome run(const sw::ExtractionRequest &request, const PasswordPrompt &prompt,
                                     sw::JobControl &job, std::optional<QString> *password = nullptr);
    static sw::ExtractionOutcome extractWinmailFile(const sw::ExtractionRequest &request);
    static sw::ExtractionOutcome extractArchive(const sw::ExtractionRequest &request, const PasswordPrompt &password,
                                                sw::JobControl &job, std::optional<QString> *used);
    // Extracts into the request's destination, or a temporary folder.
    static void unarchiveInto(XADSimpleUnarchiver &unarchiver, const sw::ExtractionRequest &request,
                              sw::ExtractionOutcome &outcome);
    void obtainData();

    mutable QMutex m_mutex;
    QStringList m_fileArray;
    QString m_desPath;
    // The temporary folder holding the result, as it was made.
    QString m_temporary;
    sw::FileIdentity m_temporaryId;
    // What Extract to needs to open the file again.
    std::optional<QString> m_password;
    QString m_encoding;
    bool m_encrypted = false;
    std::shared_ptr<ORFileData> m_fileData;
    std::shared_ptr<ORFileData> m_tmpFileData;
    std::shared_ptr<const ORFileTreeNode> m_treeNode;
};
