#include "ArchiveReader.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <utility>

namespace sw {

namespace {

// Large blocks: the file is read in as few calls as possible.
constexpr size_t kReadBlock = 1 << 20;

void supportArchiveFormats(archive *a)
{
    archive_read_support_format_7zip(a);
    archive_read_support_format_ar(a);
    archive_read_support_format_cab(a);
    archive_read_support_format_cpio(a);
    archive_read_support_format_iso9660(a);
    archive_read_support_format_lha(a);
    archive_read_support_format_rar(a);
    archive_read_support_format_rar5(a);
    archive_read_support_format_tar(a);
    archive_read_support_format_warc(a);
    archive_read_support_format_xar(a);
    archive_read_support_format_zip(a);
}

// The UTF-8 locale readers switch their thread to; null when the system has none.
locale_t utf8Locale()
{
    static const locale_t locale = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return locale;
}

}  // namespace

ArchiveReader::ArchiveReader(const QString &path, Mode mode)
    : m_previousLocale(utf8Locale() ? ::uselocale(utf8Locale()) : nullptr), m_archive(archive_read_new())
{
    // Passphrases can only be added before opening; one that comes later
    // (the delegate is asked on the first encrypted entry) is handed over
    // when libarchive asks for it, once: it keeps what it was given.
    archive_read_set_passphrase_callback(m_archive, this, [](archive *, void *self) -> const char * {
        auto *reader = static_cast<ArchiveReader *>(self);
        if (reader->m_pending.isEmpty())
            return nullptr;
        reader->m_given = std::exchange(reader->m_pending, {});
        return reader->m_given.constData();
    });
    archive_read_support_filter_all(m_archive);
    if (mode == Mode::Archive)
        supportArchiveFormats(m_archive);
    else
        archive_read_support_format_raw(m_archive);
    const QByteArray name = QFile::encodeName(path);
    if (archive_read_open_filename(m_archive, name.constData(), kReadBlock) != ARCHIVE_OK) {
        // libarchive passes the system's errno on for files it cannot read;
        // an unknown format comes with one of its own.
        const int error = archive_errno(m_archive);
        m_unreadable = error == ENOENT || error == EACCES || error == EPERM || error == EISDIR || error == EIO;
        return;
    }
    // Raw mode takes any file; only a compressed one is a stream to unpack.
    m_open = mode == Mode::Archive || archive_filter_count(m_archive) > 1;
}

ArchiveReader::~ArchiveReader()
{
    archive_read_free(m_archive);
    if (m_previousLocale)
        ::uselocale(m_previousLocale);
}

void ArchiveReader::addPassphrase(const QByteArray &passphrase)
{
    m_pending = passphrase;
}

ArchiveReader::Step ArchiveReader::next(archive_entry *&entry)
{
    const int result = archive_read_next_header(m_archive, &entry);
    if (result == ARCHIVE_OK || result == ARCHIVE_WARN)
        return Step::Entry;
    return result == ARCHIVE_EOF ? Step::End : Step::Failed;
}

int ArchiveReader::readBlock(const void *&data, size_t &size, qint64 &offset)
{
    la_int64_t at = 0;
    const int result = archive_read_data_block(m_archive, &data, &size, &at);
    offset = at;
    return result;
}

bool ArchiveReader::isCompressedStream() const
{
    const int format = archive_format(m_archive) & ARCHIVE_FORMAT_BASE_MASK;
    if (format == ARCHIVE_FORMAT_ZIP || format == ARCHIVE_FORMAT_7ZIP || format == ARCHIVE_FORMAT_ISO9660
        || format == ARCHIVE_FORMAT_XAR)
        return false;
    return archive_filter_code(m_archive, 0) != ARCHIVE_FILTER_NONE;
}

qint64 ArchiveReader::position() const
{
    // The last filter is the file itself: bytes read from the disk.
    return archive_filter_bytes(m_archive, -1);
}

QString ArchiveReader::errorString() const
{
    const char *text = archive_error_string(m_archive);
    return text ? QString::fromLocal8Bit(text) : QString();
}

}  // namespace sw
