// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <optional>

// Stateless operations that every tool uses: standard folders, sizes, tests,
// formatting, sampled digests, exclusion patterns, property lists, login items,
// collision-free destinations and the hand-over of notifications to the main
// thread. Everything but sizeFileFormat() is safe on any thread.
//
// "Absent" answers are empty: a null QString for a missing digest, an empty
// QStringList for a folder that cannot be listed, an invalid QVariant for a
// property list that cannot be read.
class ORUtility
{
public:
    // --- standard folders -------------------------------------------------
    static QStringList panesDirectories();
    static QStringList sysCacheDirectory();
    // The home of the real user from the password database (getpwuid(getuid())),
    // not $HOME; see ORLayout::realHome() for a user without an entry.
    static QString realHomeDirectory();
    // Display names of the vendor's own applications in ROOT/Applications
    // (bundles whose identifier contains "com.apple").
    static QStringList appNameArray();

    // --- listing and tests --------------------------------------------------
    static QStringList contentsOfFolder(const QString &path);
    static bool isDirOfPath(const QString &path);      // follows links
    static bool isValidWithPath(const QString &path);  // follows links
    static bool fileIsRegular(const QString &path);    // the item itself, links not followed
    static bool isSymbolicLink(const QString &path);
    // Logs "<path> is not exist." or "<path> without delete permission." when it answers false.
    static bool isDeletableFileWithCurrentPermission(const QString &path);
    // By the name's MIME type: one of the types the image readers of the
    // window open, or a type derived from one of them.
    static bool isImageFile(const QString &path);
    // A folder shown as one file (application bundle, document package, ...), by extension.
    static bool isFilePackageAtPath(const QString &path);

    // --- sizes (logical bytes, st_size, never blocks) ----------------------
    static qint64 sizeOfFile(const QString &path);
    static qint64 fileSizeByPath(const QString &path);
    static qint64 folderSizeAtPath2(const QString &path);

    // --- formatting ---------------------------------------------------------
    // "6.1 GB": base 1000, three significant digits in the user's locale; a
    // negative count is "0 B".
    static QString sizeFormatWithNumber(qint64 size);
    // Splits "12.3 MB" at the space into the number field and the unit field.
    // Main thread only; works with any field type that has setText(QString).
    template <class Field>
    static void sizeFileFormat(Field *numberField, Field *unitField, const QString &sizeStr)
    {
        const qsizetype space = sizeStr.indexOf(QLatin1Char(' '));
        if (numberField)
            numberField->setText(space < 0 ? sizeStr : sizeStr.left(space));
        if (unitField)
            unitField->setText(space < 0 ? QString() : sizeStr.mid(space + 1));
    }
    // "today" from local midnight on, else the date in the locale's short format.
    static QString friendlyDate(qint64 secondsSince1970);
    // The local date in the locale's short format; empty for an invalid date.
    static QString stringShortFromDate(const QDateTime &date);
    static QString shortenFilePath(const QString &path);
    // "Discord › data.bin": an item's name after its owner's, when it has one.
    static QString ownedName(const QString &owner, const QString &name);

    // --- notifications -------------------------------------------------------
    // Queues a post of (name, object) to the main thread without waiting; an
    // invalid object is posted as the null placeholder (see ORNotificationCenter).
    static void notifyOnMainThread(const QString &name, const QVariant &object = QVariant());
    // The same for a progress value (the path looked at, the size so far):
    // a newer value of the same name replaces one not yet delivered.
    static void notifyProgressOnMainThread(const QString &name, const QVariant &object);

    // --- digests (lower-case hex; null when there is none) -----------------
    static QString lazyHashFile(const QString &path);
    static QString lazyMD5File(const QString &path);
    static QString lazyHashPackage(const QString &path);
    // kind: 0 MD5, 1 SHA-1, 2 SHA-256, 3 SHA-512; anything else gives no digest.
    static QString hashData(const QByteArray &data, int kind);
    static QString hashString(const QString &text, int kind);

    // --- patterns -------------------------------------------------------------
    static bool contains(const QString &pattern, const QString &content);
    static bool isExcludedFolder(const QStringList &patterns, const QString &path);

    // --- property lists (XML, binary and old-style, through libplist) ------
    static QVariant readPropertyList(const QString &path);
    static QVariant readPropertyListData(const QByteArray &data);
    static std::optional<QVariantMap> readPropertyListDictionary(const QString &path);
    static std::optional<QVariantMap> readPropertyListDictionaryData(const QByteArray &data);
    static std::optional<QVariantList> readPropertyListArray(const QString &path);
    static std::optional<QVariantList> readPropertyListArrayData(const QByteArray &data);

    // --- login items (freedesktop autostart entries) -----------------------
    // Appends an autostart entry for the program at appPath; name is its Name=
    // (defaults to the program's file name without extension).
    static void addLoginItem(const QString &appPath, const QString &name = QString());
    static void addAppAsLoginItem(const QString &appPath, const QString &name = QString());
    // Removes every autostart entry whose program path equals appPath exactly.
    static void deleteLoginItem(const QString &appPath);

    // --- destinations ---------------------------------------------------------
    // A path that does not exist yet: the path itself, else a(0).ext, a(1).ext, ...
    static QString desDirectory(const QString &path);
};
