// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preference/KeepPrefViewController.h"

#include "core/foundation/KeepList.h"
#include "core/platform/ORLayout.h"
#include "gui/controls/ORImage.h"
#include "gui/shell/FileChooser.h"
#include "gui/shell/PageStyle.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &text, const QString &accessible, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(accessible);
    return b;
}

}  // namespace

KeepPrefViewController::KeepPrefViewController(QWidget *parent)
    : PrefPane(parent),
      m_list(new QListWidget(this)),
      m_patternField(new QLineEdit(this)),
      m_btnAddFolder(button(tr("Add &Folder…"), tr("Add a folder to keep"), "btnAddFolder", this)),
      m_btnAddFile(button(tr("Add F&ile…"), tr("Add a file to keep"), "btnAddFile", this)),
      m_btnAddPattern(button(tr("Add &Pattern"), tr("Add the pattern to keep"), "btnAddPattern", this)),
      m_btnRemove(button(tr("&Remove"), tr("Remove the chosen entries"), "btnRemove", this))
{
    m_list->setObjectName(QStringLiteral("keepList"));
    m_list->setAccessibleName(tr("Never touch list"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_patternField->setObjectName(QStringLiteral("patternField"));
    m_patternField->setAccessibleName(tr("Pattern to keep"));
    m_patternField->setPlaceholderText(tr("A pattern, such as ~/Downloads/*.iso"));
    auto *intro = sw::PageStyle::muted(tr("No tool lists, removes or shreds these folders and files, what lies in the "
                                          "folders, or what matches the patterns."),
                                       this, 11);
    intro->setWordWrap(true);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(32, 24, 32, 24);
    column->setSpacing(10);
    column->addWidget(intro);
    column->addWidget(m_list, 1);
    auto *patternRow = new QHBoxLayout;
    patternRow->addWidget(m_patternField, 1);
    patternRow->addWidget(m_btnAddPattern);
    column->addLayout(patternRow);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_btnAddFolder);
    buttons->addWidget(m_btnAddFile);
    buttons->addStretch(1);
    buttons->addWidget(m_btnRemove);
    column->addLayout(buttons);

    connect(m_btnAddFolder, &QPushButton::clicked, this, [this] { choose(true); });
    connect(m_btnAddFile, &QPushButton::clicked, this, [this] { choose(false); });
    connect(m_btnAddPattern, &QPushButton::clicked, this, &KeepPrefViewController::addPattern);
    connect(m_patternField, &QLineEdit::returnPressed, this, &KeepPrefViewController::addPattern);
    connect(m_btnRemove, &QPushButton::clicked, this, &KeepPrefViewController::removeSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_btnRemove->setEnabled(!m_list->selectedItems().isEmpty()); });
    reload();
}

QIcon KeepPrefViewController::toolbarItemImage() const
{
    return ORImage::icon(QStringLiteral("or_lock"));
}

void KeepPrefViewController::reload()
{
    m_list->clear();
    m_list->addItems(sw::KeepList::stored());
    m_btnRemove->setEnabled(false);
}

void KeepPrefViewController::addEntries(const QStringList &entries)
{
    for (const QString &entry : entries)
        if (!entry.trimmed().isEmpty() && m_list->findItems(entry, Qt::MatchExactly).isEmpty())
            m_list->addItem(entry);
    store();
}

void KeepPrefViewController::addPattern()
{
    addEntries({m_patternField->text().trimmed()});
    m_patternField->clear();
}

void KeepPrefViewController::removeSelected()
{
    for (QListWidgetItem *item : m_list->selectedItems())
        delete item;
    store();
}

void KeepPrefViewController::store()
{
    QStringList entries;
    for (int row = 0; row < m_list->count(); ++row)
        entries.append(m_list->item(row)->text());
    sw::KeepList::setStored(entries);
    m_btnRemove->setEnabled(!m_list->selectedItems().isEmpty());
}

void KeepPrefViewController::choose(bool folders)
{
    QFileDialog *dialog =
        sw::FileChooser::sheet(window(), folders ? tr("Choose a Folder to Keep") : tr("Choose Files to Keep"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setDirectory(ORLayout::home());
    dialog->setFileMode(folders ? QFileDialog::Directory : QFileDialog::ExistingFiles);
    dialog->setOption(QFileDialog::ShowDirsOnly, folders);
    connect(dialog, &QFileDialog::filesSelected, this, &KeepPrefViewController::addEntries);
    dialog->open();
}
