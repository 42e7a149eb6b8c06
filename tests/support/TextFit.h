// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/ORTableView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolButton>
#include <QWidget>

// The texts shown under a widget that need more room than their widget has:
// a label's text (one that does not wrap wider or taller than the label, a
// wrapping one taller than the label or with a word wider than it), a
// button's (push buttons, check boxes, radio buttons, the segments and the
// flat buttons) or a combo box's longest entry wider or taller than the
// widget, a header section's title wider than the section, a row of a drawn
// list (ORTableView) that needs more than the list's width. Labels whose
// width is set aside (QSizePolicy::Ignored) elide what they show themselves,
// by design: the paths and names that can be of any length.
namespace TextFit {

inline QString describe(const QWidget *widget, const QString &text, QSize needs, QSize has)
{
    return QStringLiteral("%1 \"%2\" \"%3\" needs %4x%5 px, has %6x%7")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text)
        .arg(needs.width())
        .arg(needs.height())
        .arg(has.width())
        .arg(has.height());
}

inline bool exceeds(QSize needs, QSize has)
{
    return needs.width() > has.width() || needs.height() > has.height();
}

inline void checkLabel(const QLabel *label, QStringList &found)
{
    if (label->text().isEmpty() || label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
        return;
    QSize needs = label->sizeHint();
    if (label->wordWrap())
        needs = QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
    if (exceeds(needs, label->size()))
        found.append(describe(label, label->text(), needs, label->size()));
}

inline void checkHeader(const QHeaderView *header, QStringList &found)
{
    const QAbstractItemModel *model = header->model();
    if (!model)
        return;
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text = model->headerData(section, header->orientation(), Qt::DisplayRole).toString();
        int needs = header->fontMetrics().horizontalAdvance(text) + margin;
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == section)
            needs += header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + margin / 2;
        if (needs > header->sectionSize(section))
            found.append(describe(header, text, QSize(needs, header->height()),
                                  QSize(header->sectionSize(section), header->height())));
    }
}

// Not an icon-only tool button (a search field's glass), whose text is its name.
inline bool showsText(const QAbstractButton *button)
{
    const auto *tool = qobject_cast<const QToolButton *>(button);
    return !button->text().isEmpty() && !(tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly);
}

// The rows of a drawn list whose delegate needs more than the list's width.
inline void checkRows(const ORTableView *table, QStringList &found)
{
    const QAbstractItemModel *model = table->model();
    if (!model)
        return;
    QStyleOptionViewItem option;
    option.font = table->font();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const QSize needs = table->itemDelegateForIndex(index)->sizeHint(option, index);
        const QSize has(table->columnWidth(0), table->rowHeight(row));
        if (needs.width() > has.width())
            found.append(describe(table, index.data().toString(), needs, has));
    }
}

inline QStringList clipped(QWidget *root)
{
    QStringList found;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisible() || widget->window() != root->window())
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget))
            checkLabel(label, found);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget); button && showsText(button)) {
            if (exceeds(button->sizeHint(), button->size()))
                found.append(describe(button, button->text(), button->sizeHint(), button->size()));
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            if (exceeds(combo->sizeHint(), combo->size()))
                found.append(describe(combo, combo->currentText(), combo->sizeHint(), combo->size()));
        } else if (auto *table = qobject_cast<ORTableView *>(widget)) {
            checkRows(table, found);
        } else if (auto *header = qobject_cast<QHeaderView *>(widget)) {
            checkHeader(header, found);
        }
    }
    return found;
}

} // namespace TextFit
