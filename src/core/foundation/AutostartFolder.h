// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace sw {

// The user's autostart folder (CONFIG_HOME/autostart) as a place to read,
// write and remove entries by file name.
//
// An entry is written beside its final name and renamed over it, all
// relative to the folder opened without following a link: whatever was
// planted under the name (a link, a FIFO) is replaced, never written
// through. The folder is made private (0700) when it is missing. Removal
// goes through the removal core.
//
// Entries this program writes carry X-Sweepwright-Written, a digest of the
// rest of their text without Hidden (which switching sets and removes). One
// whose digest still matches was written by the program and not changed
// since: only such an entry may be removed by a switch. Any other belongs to
// the user, who may have put a profile, a URL or a delay in it.
class AutostartFolder
{
public:
    enum class Replace { Yes, No };

    AutostartFolder();  // ORLayout::configHome()/autostart
    explicit AutostartFolder(const QString &path);

    QString path() const { return m_path; }
    QString filePath(const QString &fileName) const;

    // The entry's text when it is a regular file (reached through a link
    // too) of a sane size.
    std::optional<QByteArray> read(const QString &fileName) const;
    // Replace::No fails when something already has the name.
    bool write(const QString &fileName, const QByteArray &text, Replace replace = Replace::Yes) const;
    bool remove(const QString &fileName) const;

    // text with the program's mark (replacing an older one).
    static QByteArray markedAsOwn(const QByteArray &text);
    static bool isOwnUnchanged(const QByteArray &text);
    // A name directly in the folder: not empty, no '/', not hidden.
    static bool isPlainName(const QString &fileName);

private:
    bool ensureFolder() const;

    QString m_path;
};

}  // namespace sw
