#include "RemovedItemList.h"

#include "ItemListModel.h"
#include "ORUtility.h"

#include <QFileInfo>

namespace sw {

RemovedItemList::RemovedItemList(QWidget *parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("groupTableView"));
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setIconSize(QSize(24, 24));
    setUniformItemSizes(true);
    setStyleSheet(
        QStringLiteral("QListWidget { border:1px solid #e6e9ed; border-radius:6px; background:white; }"
                       " QListWidget::item { padding:4px 8px; border-bottom:1px solid #f0f2f4; }"));
}

void RemovedItemList::showRows(const QList<Row> &rows)
{
    clear();
    for (const Row &row : rows) {
        const QIcon icon = row.icon.isNull() ? ItemListModel::iconForPath(row.path) : row.icon;
        // Leftovers of one application often share its name: the folder tells them apart.
        const QString text = tr("%1 — %2").arg(row.name, ORUtility::sizeFormatWithNumber(row.size)) +
                             QLatin1Char('\n') + ItemListModel::displayPath(QFileInfo(row.path).path());
        auto *item = new QListWidgetItem(icon, text, this);
        item->setData(Qt::UserRole, row.path);
        item->setToolTip(ItemListModel::displayPath(row.path));
    }
    setVisible(!rows.isEmpty());
}

QString RemovedItemList::nameOf(const QString &path)
{
    // The whole name: "org.example.App" is a folder, not "org.example" with an extension.
    return QFileInfo(path).fileName();
}

}  // namespace sw
