// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/login/AddLoginItemDialog.h"

#include "gui/login/LoginItemRow.h"
#include "gui/shell/PageStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kIdRole = Qt::UserRole;
constexpr int kSearchRole = Qt::UserRole + 1;
}  // namespace

AddLoginItemDialog::AddLoginItemDialog(const QList<sw::LoginItems::Row> &applications, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("addLoginItemDialog"));
    setWindowTitle(tr("Add an Application"));
    setWindowModality(Qt::WindowModal);
    resize(520, 480);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(20, 18, 20, 14);
    column->setSpacing(10);
    column->addWidget(sw::PageStyle::heading(tr("Start an application when you log in"), this, 13));

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("searchField"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setClearButtonEnabled(true);
    column->addWidget(m_search);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("applicationList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setIconSize(QSize(32, 32));
    m_list->setUniformItemSizes(true);
    m_list->setSpacing(4);
    for (const sw::LoginItems::Row &app : applications) {
        auto *item = new QListWidgetItem(LoginItemRow::icon(app),
                                         app.description.isEmpty() ? app.name : app.name + QLatin1Char('\n') + app.description,
                                         m_list);
        item->setData(kIdRole, app.id);
        item->setData(kSearchRole, app.name + QLatin1Char(' ') + app.description + QLatin1Char(' ') + app.id);
        item->setToolTip(app.path);
    }
    column->addWidget(m_list, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *cancel = sw::PageStyle::secondaryButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelBut"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    m_add = sw::PageStyle::primaryButton(tr("Add"), this);
    m_add->setObjectName(QStringLiteral("addBut"));
    m_add->setEnabled(false);
    m_add->setDefault(true);
    connect(m_add, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(m_add);
    column->addLayout(buttons);

    connect(m_search, &QLineEdit::textChanged, this, &AddLoginItemDialog::filter);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_add->setEnabled(!chosenIds().isEmpty()); });
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    m_search->setFocus();
}

QStringList AddLoginItemDialog::chosenIds() const
{
    QStringList ids;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem *item = m_list->item(i);
        if (item->isSelected() && !item->isHidden())
            ids.append(item->data(kIdRole).toString());
    }
    return ids;
}

void AddLoginItemDialog::filter(const QString &text)
{
    const QString wanted = text.trimmed();
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem *item = m_list->item(i);
        item->setHidden(!item->data(kSearchRole).toString().contains(wanted, Qt::CaseInsensitive));
    }
    m_add->setEnabled(!chosenIds().isEmpty());
}
