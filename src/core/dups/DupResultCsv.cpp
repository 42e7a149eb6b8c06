// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupResultCsv.h"

#include "core/dups/DupResultJson.h"

#include <algorithm>

namespace sw {

QByteArray DupResultCsv::field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r') && !bytes.contains('\n'))
        return bytes;
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

DupResultCsv::Kept DupResultCsv::keptBy(const DupKeeper &keeper)
{
    return [keeper](const ORDupDataGroup &group, qsizetype index) {
        const bool anyMarked = std::any_of(group.groupItems.cbegin(), group.groupItems.cend(),
                                           [](const ORDupDataItem &item) { return item.isDel; });
        if (anyMarked || group.allMayGo)
            return !group.groupItems.at(index).isDel;
        return index == keeper.keptCopy(group);
    };
}

QByteArray DupResultCsv::write(const ORDupData &data, const Kept &kept)
{
    QByteArray csv = "set,size,path,modification time,kept\r\n";
    qsizetype set = 0;
    for (const ORDupDataGroup &group : data.dupGroups) {
        ++set;
        for (qsizetype i = 0; i < group.groupItems.size(); ++i) {
            const ORDupDataItem &item = group.groupItems.at(i);
            const QString time = DupResultJson::isoTime(item.itemModTime);
            csv += QByteArray::number(set) + ',' + QByteArray::number(item.itemSize) + ',' + field(item.itemPath)
                   + ',' + time.toLatin1() + ',' + (kept(group, i) ? "yes" : "no") + "\r\n";
        }
    }
    return csv;
}

}  // namespace sw
