// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pdf/ORPdfFile.h"

#include "core/platform/RegularFile.h"

#include <QFileInfo>

#include <poppler-qt6.h>

namespace {

// Passwords of older documents are Latin-1 bytes, those of AES-256 ones UTF-8.
QList<QByteArray> encodings(const QString &password)
{
    QList<QByteArray> tries{password.toUtf8()};
    const QByteArray latin1 = password.toLatin1();
    if (latin1 != tries.first() && QString::fromLatin1(latin1) == password)
        tries.append(latin1);
    return tries;
}

// poppler writes every complaint about a damaged file or a wrong password
// to the error output; what matters reaches the user through our answers.
void quietPoppler()
{
    static const bool quiet = [] {
        Poppler::setDebugErrorFunction([](const QString &, const QVariant &) {}, QVariant());
        return true;
    }();
    Q_UNUSED(quiet);
}

}  // namespace

std::shared_ptr<ORPdfFile> ORPdfFile::initFileDataFromPath(const QString &path)
{
    quietPoppler();
    std::shared_ptr<ORPdfFile> file(new ORPdfFile);
    file->pdfPath = path;
    file->pdfUrl = QUrl::fromLocalFile(path);
    file->pdfName = QFileInfo(path).completeBaseName();
    // A FIFO or a device under a .pdf name would block poppler's read.
    if (!sw::isRegularFile(path))
        return file;
    // From the file itself: the size helper answers 0 for a file the user
    // may not delete (one in a folder only others may write).
    file->pdfSize = QFileInfo(path).size();
    file->adopt(Poppler::Document::load(path));
    return file;
}

ORPdfFile::~ORPdfFile() = default;

void ORPdfFile::adopt(std::unique_ptr<Poppler::Document> document)
{
    m_document = std::move(document);
    pageCount = m_document && !m_document->isLocked() ? m_document->numPages() : 0;
}

bool ORPdfFile::isLocked() const
{
    return m_document && m_document->isLocked();
}

bool ORPdfFile::allowsCopying() const
{
    return m_document && m_document->okToCopy();
}

bool ORPdfFile::allowsPrinting() const
{
    return m_document && m_document->okToPrint();
}

bool ORPdfFile::isEncrypted() const
{
    return m_document && m_document->isEncrypted();
}

bool ORPdfFile::needsPassword() const
{
    return m_document && (isLocked() || !allowsCopying() || !allowsPrinting());
}

bool ORPdfFile::unlockWithPassword(const QString &password)
{
    if (!m_document || !sw::isRegularFile(pdfPath))
        return false;
    // poppler's own unlock() does nothing for a document that opens without
    // a password, so an owner password could never lift its restrictions:
    // the document is loaded again with the password instead.
    for (const QByteArray &bytes : encodings(password)) {
        auto document = Poppler::Document::load(pdfPath, bytes, bytes);
        if (document && !document->isLocked()) {
            adopt(std::move(document));
            m_password = password;
            return true;
        }
    }
    return false;
}
