// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pdf/PdfWorkFolder.h"

#include "core/fs/RemovalRun.h"
#include "core/platform/LogCategory.h"
#include "core/platform/TemporaryBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcPdf, "sweepwright.pdf", sw::logThreshold(QtDebugMsg))

namespace sw {

namespace {

constexpr char kRunPrefix[] = ".run-";

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PdfWorkFolder)
};

// The folder, made when missing and opened; it must be a folder of ours
// (not a link another user planted in the shared temporary directory), and
// only we may enter it.
UniqueFd openPrivateFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    UniqueFd folder(::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    if (!folder || ::fstat(folder.get(), &st) != 0 || st.st_uid != ::geteuid())
        return {};
    if ((st.st_mode & 077) != 0 && ::fchmod(folder.get(), 0700) != 0)
        return {};
    return folder;
}

}  // namespace

QString PdfWorkFolder::path(QString *error)
{
    const TemporaryBase::Result base = TemporaryBase::resolve();
    if (!base.ok()) {
        if (error)
            *error = base.error;
        return QString();
    }
    return base.path + QStringLiteral("/Sweepwright");
}

bool PdfWorkFolder::isLeftover(const QString &name)
{
    // Earlier versions put gs's outputs and the password's argument file
    // straight into the folder under these hidden names.
    for (const char *prefix : {kRunPrefix, ".compress-", ".copy-", ".arguments-", "gs_"})
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

PdfWorkFolder::Opened PdfWorkFolder::open()
{
    QString error;
    const QString folder = path(&error);
    if (folder.isEmpty())
        return {nullptr, error};
    UniqueFd lock = openPrivateFolder(folder);
    if (!lock)
        return {nullptr, Text::tr("%1 is not a private folder of yours").arg(folder)};
    // Nobody else holds it: every hidden run folder there is a killed run's.
    if (::flock(lock.get(), LOCK_EX | LOCK_NB) == 0) {
        PdfWorkFolder cleaner(folder, UniqueFd());
        cleaner.removeLeftovers();
    }
    if (::flock(lock.get(), LOCK_SH) != 0)
        return {nullptr, Text::tr("%1 cannot be locked").arg(folder)};
    std::unique_ptr<PdfWorkFolder> opened(new PdfWorkFolder(folder, std::move(lock)));
    QByteArray pattern = QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(kRunPrefix)) + "XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return {nullptr, Text::tr("no folder can be made in %1").arg(folder)};
    opened->m_runPath = QFile::decodeName(pattern);
    return {std::move(opened), QString()};
}

PdfWorkFolder::PdfWorkFolder(QString path, UniqueFd lock)
    : m_path(std::move(path))
    , m_lock(std::move(lock))
{
}

PdfWorkFolder::~PdfWorkFolder()
{
    if (!m_runPath.isEmpty())
        remove(m_runPath);
}

void PdfWorkFolder::removeLeftovers() const
{
    const QStringList names = QDir(m_path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names)
        if (isLeftover(name))
            remove(m_path + QLatin1Char('/') + name);
}

void PdfWorkFolder::remove(const QString &path) const
{
    RemovalRun run(lcPdf, QStringLiteral("Cannot remove the compressor's temporary file %1"));
    run.remove(m_path, path, RemovalRun::Mode::Whole, 0);
}

}  // namespace sw
