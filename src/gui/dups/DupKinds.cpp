// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/DupKinds.h"

#include "core/foundation/ORUtility.h"
#include "gui/controls/ThemeColors.h"
#include "gui/preview/MediaFormats.h"

#include <QCoreApplication>

namespace sw {

const QStringList &DupKinds::docFormat()
{
    static const QStringList list{
        QStringLiteral("asm"),    QStringLiteral("lib"),     QStringLiteral("lst"),        QStringLiteral("obj"),
        QStringLiteral("wki"),    QStringLiteral("bas"),     QStringLiteral("int"),        QStringLiteral("sys"),
        QStringLiteral("adt"),    QStringLiteral("webarchive"), QStringLiteral("xltx"),    QStringLiteral("potx"),
        QStringLiteral("dotx"),   QStringLiteral("key"),     QStringLiteral("numbers"),    QStringLiteral("plist"),
        QStringLiteral("pages"),  QStringLiteral("doc"),     QStringLiteral("html"),       QStringLiteral("htm"),
        QStringLiteral("xhtml"),  QStringLiteral("xml"),     QStringLiteral("rtf"),        QStringLiteral("rtfd"),
        QStringLiteral("docx"),   QStringLiteral("pptx"),    QStringLiteral("ppt"),        QStringLiteral("xlt"),
        QStringLiteral("wps"),    QStringLiteral("xps"),     QStringLiteral("djvu"),       QStringLiteral("wpd"),
        QStringLiteral("pdf"),    QStringLiteral("pem"),     QStringLiteral("qfilter"),    QStringLiteral("pch"),
        QStringLiteral("c"),      QStringLiteral("h"),       QStringLiteral("cc"),         QStringLiteral("m"),
        QStringLiteral("mm"),     QStringLiteral("java"),    QStringLiteral("lock"),       QStringLiteral("strings"),
        QStringLiteral("dot"),    QStringLiteral("caj"),     QStringLiteral("kdh"),        QStringLiteral("nh"),
        QStringLiteral("shtm"),   QStringLiteral("eba"),     QStringLiteral("wol"),        QStringLiteral("pdb"),
        QStringLiteral("prc"),    QStringLiteral("chm"),     QStringLiteral("txt"),        QStringLiteral("md"),
        QStringLiteral("sdef"),   QStringLiteral("common"),  QStringLiteral("json"),       QStringLiteral("hpp"),
        QStringLiteral("ipp"),
        // The office documents of the Linux desktop and their exchange formats.
        QStringLiteral("odt"),    QStringLiteral("ods"),     QStringLiteral("odp"),        QStringLiteral("xlsx"),
        QStringLiteral("xls"),    QStringLiteral("epub"),
    };
    return list;
}

const QStringList &DupKinds::mediaFormat()
{
    return MediaFormats::mediaFormat();
}

const QStringList &DupKinds::musicFormat()
{
    return MediaFormats::musicFormat();
}

DupKind DupKinds::kindOf(const ORDupDataGroup &group)
{
    const QString type = group.groupType.toLower();
    if (docFormat().contains(type))
        return DupKind::Documents;
    if (ORUtility::isImageFile(group.groupPath))
        return DupKind::Pictures;
    if (mediaFormat().contains(type))
        return DupKind::Video;
    if (musicFormat().contains(type))
        return DupKind::Music;
    if (ORUtility::isFilePackageAtPath(group.groupPath))
        return DupKind::Packages;
    return DupKind::Others;
}

QString DupKinds::title(DupKind kind)
{
    static const char *const titles[kCount] = {
        QT_TRANSLATE_NOOP("DupKinds", "Documents"), QT_TRANSLATE_NOOP("DupKinds", "Pictures"),
        QT_TRANSLATE_NOOP("DupKinds", "Music"),     QT_TRANSLATE_NOOP("DupKinds", "Videos"),
        QT_TRANSLATE_NOOP("DupKinds", "Packages"),  QT_TRANSLATE_NOOP("DupKinds", "Others"),
    };
    return QCoreApplication::translate("DupKinds", titles[int(kind)]);
}

QColor DupKinds::colorWithIndex(int index)
{
    static constexpr ThemeColors::Role colors[kCount] = {
        ThemeColors::SeriesTeal,  ThemeColors::SeriesPurple, ThemeColors::SeriesPink,
        ThemeColors::SeriesCoral, ThemeColors::SeriesOrange, ThemeColors::SeriesLime,
    };
    return index >= 0 && index < kCount ? ThemeColors::of(colors[index]) : QColor(Qt::black);
}

DupKinds::Lists DupKinds::classify(QList<ORDupDataGroup> &groups)
{
    Lists lists;
    for (ORDupDataGroup &group : groups) {
        const int kind = int(kindOf(group));
        lists.all.append(&group);
        lists.groups[kind].append(&group);
        lists.pies[kind] += group.groupSize;
    }
    return lists;
}

}  // namespace sw
