#include "JunkAdminRemoval.h"

#include "AdminPass.h"
#include "ORJunkCategory.h"
#include "RemovalRun.h"

#include <QCoreApplication>

namespace sw {

QList<std::pair<qint64, ORjunkDataItem>> JunkAdminRemoval::run(RemovalRun &run)
{
    QList<std::pair<qint64, ORjunkDataItem>> removed;
    if (!m_allowed) {
        for (const auto &[groupID, item] : std::as_const(m_items))
            run.add({item.itemPath, item.itemSize, 0,
                     {{item.itemPath,
                       QCoreApplication::translate("JunkAdminRemoval", "needs administrator rights; skipped")}}});
        return removed;
    }
    AdminPass pass(run);
    for (const auto &[groupID, item] : std::as_const(m_items))
        pass.add({item.itemRoot, item.itemPath,
                  ORJunkCategory::removesWhole(groupID) ? RemovalRun::Mode::Whole : RemovalRun::Mode::Contents,
                  item.itemSize, ORJunkCategory::userFoldersOf(groupID)});
    const QList<RemovalOutcome> outcomes = pass.run();
    for (qsizetype i = 0; i < outcomes.size(); ++i) {
        if (outcomes.at(i).removed > 0) {
            ORjunkDataItem gone = m_items.at(i).second;
            gone.itemSize = outcomes.at(i).removed;
            removed.append({m_items.at(i).first, gone});
        }
        run.add(outcomes.at(i));
    }
    return removed;
}

}  // namespace sw
