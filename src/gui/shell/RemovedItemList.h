#pragma once

#include <QIcon>
#include <QList>
#include <QListWidget>

namespace sw {

// The list under a removal page's summary: one row per item that went, with
// its icon, its name and the bytes it freed. Rows cannot be selected.
class RemovedItemList : public QListWidget
{
    Q_OBJECT
public:
    struct Row
    {
        QIcon icon;
        QString name;
        QString path;
        qint64 size = 0;
    };

    explicit RemovedItemList(QWidget *parent = nullptr);

    // Rows of items (with itemPath, itemName, itemSize), named by their
    // name, else by the path's last component, with their path's icon.
    template <class Item>
    void showItems(const QList<Item> &items)
    {
        QList<Row> rows;
        rows.reserve(items.size());
        for (const Item &item : items)
            rows.append(Row{QIcon(), item.itemName.isEmpty() ? nameOf(item.itemPath) : item.itemName,
                            item.itemPath, item.itemSize});
        showRows(rows);
    }
    void showRows(const QList<Row> &rows);

    static QString nameOf(const QString &path);
};

}  // namespace sw
