#include "FolderListPanel.h"

#include "FileChooser.h"
#include "FolderDropView.h"
#include "FolderListModel.h"
#include "FolderTableCard.h"
#include "ORImage.h"
#include "ORLayout.h"
#include "ORNotificationCenter.h"
#include "ORTableView.h"
#include "ORUtility.h"
#include "PageStyle.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

FolderListPanel::FolderListPanel(FolderDropView *dropView, const QStringList &folders, QWidget *parent)
    : QWidget(parent), m_dropView(dropView)
{
    m_model = new FolderListModel(this);
    m_model->setFolders(folders);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(20);
    m_dropView->setParent(this);
    m_dropView->setFixedWidth(250);
    fillDropView();
    row->addWidget(m_dropView);
    row->addWidget(buildList(), 1);
    ORNotificationCenter::defaultCenter().addObserver(this, m_dropView->notificationName(),
                                                      [this](const QVariant &v) { addFolder(v); });
}

void FolderListPanel::fillDropView()
{
    auto *column = PageStyle::dropPrompt(m_dropView, QStringLiteral("or_folder_add"), tr("Drop folders here"));
    m_addButton = PageStyle::secondaryButton(tr("Add Folder…"), m_dropView);
    m_addButton->setObjectName(QStringLiteral("addFolderButton"));
    connect(m_addButton, &QPushButton::clicked, this, &FolderListPanel::addFolderButton);
    column->addWidget(m_addButton, 0, Qt::AlignHCenter);
    column->addStretch(1);
}

QWidget *FolderListPanel::buildList()
{
    auto *card = new FolderTableCard(tr("Folders to scan"), m_model, this);
    m_folderTableView = card->table();
    connect(card, &FolderTableCard::closeClicked, this, &FolderListPanel::closeButton);
    return card;
}

QStringList FolderListPanel::folders() const
{
    return m_model->folders();
}

bool FolderListPanel::isEixst(const QString &path) const
{
    return m_model->folders().contains(path);
}

void FolderListPanel::closeButton(int row)
{
    QStringList folders = m_model->folders();
    if (row < 0 || row >= folders.size())
        return;
    folders.removeAt(row);
    m_model->setFolders(folders);
    emit foldersChanged();
}

void FolderListPanel::addFolderButton()
{
    if (!m_chooser) {
        m_chooser = FileChooser::sheet(window(), tr("Choose Folders"));
        m_chooser->setObjectName(QStringLiteral("folderChooser"));
        m_chooser->setFileMode(QFileDialog::Directory);
        m_chooser->setOption(QFileDialog::ShowDirsOnly);
        m_chooser->setLabelText(QFileDialog::Accept, tr("Add"));
        m_chooser->setDirectory(ORLayout::home());
        connect(m_chooser, &QFileDialog::filesSelected, this, &FolderListPanel::addFolders);
    }
    m_chooser->open();
}

void FolderListPanel::addFolders(const QStringList &chosen)
{
    addPaths(chosen, false);
}

void FolderListPanel::addFolder(const QVariant &dropped)
{
    if (!ORNotificationCenter::isNull(dropped))
        addPaths(dropped.toStringList(), true);
}

void FolderListPanel::addPaths(const QStringList &paths, bool foldersOnly)
{
    QStringList folders = m_model->folders();
    for (const QString &path : paths) {
        if (foldersOnly && !ORUtility::isDirOfPath(path))
            continue;
        if (folders.contains(path))
            break;  // an already listed folder ends the adding
        folders.append(path);
    }
    if (folders.size() == m_model->folders().size())
        return;
    m_model->setFolders(folders);
    emit foldersChanged();
}

}  // namespace sw
