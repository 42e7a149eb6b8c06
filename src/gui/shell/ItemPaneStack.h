// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStackedWidget>

class QVBoxLayout;

namespace sw {

// The item pane of a category page: the item list, or a note with a picture
// when the category shown holds nothing.
class ItemPaneStack : public QStackedWidget
{
    Q_OBJECT
public:
    // Takes list's place in layout and holds it.
    ItemPaneStack(QVBoxLayout *layout, QWidget *list, const QString &emptyText, QWidget *parent);

    void showEmpty(bool empty) { setCurrentWidget(empty ? m_itemNoView : m_list); }
    QWidget *itemNoView() const { return m_itemNoView; }

private:
    QWidget *m_list;
    QWidget *m_itemNoView;
};

}  // namespace sw
