// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <memory>

namespace Poppler {
class Document;
}

// One PDF document on disk, opened with poppler: its size, page count and
// what its security handler allows. A file that is missing, is not a
// regular file or is not a PDF gives an object whose isOpen() is false and
// whose pageCount is 0.
//
// A document may need a password for two reasons: it is locked (a user
// password) or it forbids copying or printing (an owner password). Either
// password is tried by unlockWithPassword(); the owner's lifts every
// restriction, the user's only opens the document.
class ORPdfFile
{
public:
    static std::shared_ptr<ORPdfFile> initFileDataFromPath(const QString &path);
    ~ORPdfFile();

    QString pdfPath;
    QUrl pdfUrl;
    qint64 pdfSize = 0;
    int pageCount = 0;
    QString pdfName;       // the file name without its extension
    bool isNeedPW = false;  // kept for callers that look; needsPassword() answers

    bool isOpen() const { return m_document != nullptr; }
    bool isLocked() const;
    bool allowsCopying() const;
    bool allowsPrinting() const;
    bool isEncrypted() const;
    // Locked, or copying or printing forbidden.
    bool needsPassword() const;

    // Reopens the document with password (as the owner's and as the user's);
    // true when it then opens. The password is kept for whoever rewrites it.
    bool unlockWithPassword(const QString &password);
    // The password that last opened the document; empty when none did.
    QString password() const { return m_password; }

    Poppler::Document *pdfDocument() const { return m_document.get(); }

private:
    ORPdfFile() = default;
    void adopt(std::unique_ptr<Poppler::Document> document);

    std::unique_ptr<Poppler::Document> m_document;
    QString m_password;
};
