#pragma once

#include "ORFileData.h"
#include "XADSimpleUnarchiver.h"

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
    // Empty: a fresh temporary folder ("unarchiverXXXX", "winmailXXXX"); a
    // single top-level item is then moved out beside it. Otherwise the
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
    QString destination;  // where the items are: the moved top-level item, or the folder
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
    // Asked at most once per extraction when the archive needs a password;
    // nullopt abandons the extraction. Called on the extracting thread.
    using PasswordPrompt = std::function<std::optional<QString>()>;

    static ORFileDataCollection &shareInstance();

    // Extracts request.source (the page's way, or the command line's with a
    // destination), then builds the result unless only listing.
    sw::ExtractionOutcome extract(const sw::ExtractionRequest &request, const PasswordPrompt &password,
                                  sw::JobControl &job);

    // The result of the last extraction, nullptr before one. Built on first
    // use, which walks the extracted items: ask from a worker thread.
    std::shared_ptr<ORFileData> fileData();
    // The result handed out last; nullptr after startOver().
    std::shared_ptr<ORFileData> tmpFileData() const;
    // The tree of the same items (built with fileData()).
    std::shared_ptr<const ORFileTreeNode> treeNode();
    QStringList fileArray() const;
    QString desPath() const;
    void startOver();

    // Makes the folder a winmail file is decoded into: a new "winmailXXXX"
    // folder, or to when given. Empty when the folder cannot be made; error
    // (when given) then says why.
    static QString extractWinmail(const QString &source, const QString &to = QString(), QString *error = nullptr);
    static void collectionFileDataFromPath(const QString &path, ORFileData &to);
    static ORFileTreeNode createTreeNodeFromPath(const QString &path);

    // Whether the file takes the winmail path ("dat" and "eml", any case).
    static bool isWinmailPath(const QString &path);
    // The extensions the archive page accepts (lower case).
    static const QStringList &archiverFormat();

private:
    ORFileDataCollection() = default;
    static sw::ExtractionOutcome extractWinmailFile(const sw::ExtractionRequest &request);
    static sw::ExtractionOutcome extractArchive(const sw::ExtractionRequest &request, const PasswordPrompt &password,
                                                sw::JobControl &job);
    // Extracts into the request's destination, or a temporary folder.
    static void unarchiveInto(XADSimpleUnarchiver &unarchiver, const sw::ExtractionRequest &request,
                              sw::ExtractionOutcome &outcome);
    void obtainData();

    mutable QMutex m_mutex;
    QStringList m_fileArray;
    QString m_desPath;
    std::shared_ptr<ORFileData> m_fileData;
    std::shared_ptr<ORFileData> m_tmpFileData;
    std::shared_ptr<const ORFileTreeNode> m_treeNode;
};
