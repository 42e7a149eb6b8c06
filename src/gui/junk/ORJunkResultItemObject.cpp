#include "ORJunkResultItemObject.h"

#include "JunkItemModel.h"
#include "ORNotificationCenter.h"

using namespace sw;

ORJunkResultItemObject::ORJunkResultItemObject(QWidget *parent)
    : ResultItemList(new JunkItemModel, parent)
{
    m_model = static_cast<JunkItemModel *>(listModel());
    ORNotificationCenter::defaultCenter().addObserver(this, QStringLiteral("getjunks"),
                                                      [this](const QVariant &v) { obtainJunks(v); });
}

ORJunkDataGroup *ORJunkResultItemObject::dataGroup() const
{
    return m_model->group();
}

void ORJunkResultItemObject::obtainJunks(const QVariant &object)
{
    if (QObject *page = showAnnounced(object, m_model))
        m_delegate = dynamic_cast<ORJunkResultItemObjectDelegate *>(page);
}

void ORJunkResultItemObject::itemMarkChanged(int groupRow, int itemRow)
{
    if (m_delegate)
        m_delegate->updateJunkGroupCheckStatus(groupRow, itemRow);
}
