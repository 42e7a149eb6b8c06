// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/FolderListPanel.h"

#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"
#include "gui/controls/ORTableView.h"
#include "gui/shell/FileChooser.h"
#include "gui/shell/FolderDropView.h"
#include "gui/shell/FolderListModel.h"
#include "gui/shell/FolderTableCard.h"
#include "gui/shell/PageStyle.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

FolderListPanel::Setup FolderListPanel::scanFolders()
{
    return {tr("Folders to scan"), tr("Drop folders here"), QStringLiteral("or_folder_add"), false};
}

FolderListPanel::FolderListPanel(FolderDropView *dropView, const QStringList &folders, QWidget *parent)
    : FolderListPanel(dropView, folders, scanFolders(), parent)
{
}

FolderListPanel::FolderListPanel(FolderDropView *dropView, const QStringList &folders, const Setup &setup,
                                 QWidget *parent)
    : QWidget(parent), m_filesToo(setup.filesToo), m_dropView(dropView)
{
    m_model = new FolderListModel(this);
    m_model->setFolders(folders);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(20);
    m_dropView->setParent(this);
    m_dropView->setFixedWidth(250);
    fillDropView(setup);
    row->addWidget(m_dropView);
    m_card = new FolderTableCard(setup.title, m_model, this);
    m_folderTableView = m_card->table();
    connect(m_card, &FolderTableCard::closeClicked, this, &FolderListPanel::closeButton);
    connect(m_card, &FolderTableCard::referenceClicked, this, &FolderListPanel::referenceButton);
    row->addWidget(m_card, 1);
    ORNotificationCenter::defaultCenter().addObserver(this, m_dropView->notificationName(),
                                                      [this](const QVariant &v) { addFolder(v); });
}

void FolderListPanel::fillDropView(const Setup &setup)
{
    auto *column = PageStyle::dropPrompt(m_dropView, setup.image, setup.hint);
    if (m_filesToo) {
        m_addFilesBut = chooserButton(tr("Add Files…"), "addFilesButton", &FolderListPanel::addFilesButton);
        column->addWidget(m_addFilesBut, 0, Qt::AlignHCenter);
    }
    m_addButton = chooserButton(m_filesToo ? tr("Add Folders…") : tr("Add Folder…"), "addFolderButton",
                                &FolderListPanel::addFolderButton);
    column->addWidget(m_addButton, 0, Qt::AlignHCenter);
    column->addStretch(1);
}

QPushButton *FolderListPanel::chooserButton(const QString &text, const char *name, void (FolderListPanel::*open)())
{
    QPushButton *button = PageStyle::secondaryButton(text, m_dropView);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, open);
    return button;
}

QStringList FolderListPanel::folders() const
{
    return m_model->folders();
}

void FolderListPanel::setFolders(const QStringList &folders)
{
    const QStringList references = m_model->referenceFolders();
    m_model->setFolders(folders);
    emit foldersChanged();
    if (m_model->referenceFolders() != references)
        emit referencesChanged();
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
    setFolders(folders);
}

void FolderListPanel::setReferenceToggles(bool on)
{
    m_model->setReferenceToggles(on);
    m_folderTableView->viewport()->update();
}

QStringList FolderListPanel::referenceFolders() const
{
    return m_model->referenceFolders();
}

void FolderListPanel::setReferenceFolders(const QStringList &folders)
{
    m_model->setReferenceFolders(folders);
    emit referencesChanged();
}

void FolderListPanel::referenceButton(int row)
{
    m_model->toggleReference(row);
    emit referencesChanged();
}

void FolderListPanel::addFolderButton()
{
    openChooser(true);
}

void FolderListPanel::addFilesButton()
{
    openChooser(false);
}

void FolderListPanel::openChooser(bool folders)
{
    if (!m_chooser) {
        m_chooser = FileChooser::sheet(window(), QString());
        m_chooser->setObjectName(QStringLiteral("folderChooser"));
        m_chooser->setLabelText(QFileDialog::Accept, tr("Add"));
        m_chooser->setDirectory(ORLayout::home());
        connect(m_chooser, &QFileDialog::filesSelected, this, &FolderListPanel::addFolders);
    }
    m_chooser->setWindowTitle(folders ? tr("Choose Folders") : tr("Choose Files"));
    m_chooser->setFileMode(folders ? QFileDialog::Directory : QFileDialog::ExistingFiles);
    m_chooser->setOption(QFileDialog::ShowDirsOnly, folders);
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

// A dropped path is skipped when it is not a folder, or, files too, when
// nothing is there (a dangling link is something: it can go).
void FolderListPanel::addPaths(const QStringList &paths, bool dropped)
{
    QStringList folders = m_model->folders();
    for (const QString &path : paths) {
        if (dropped && !(m_filesToo ? QFileInfo(path).exists() || QFileInfo(path).isSymLink()
                                    : ORUtility::isDirOfPath(path)))
            continue;
        if (folders.contains(path))
            break;  // an already listed path ends the adding
        folders.append(path);
    }
    if (folders.size() != m_model->folders().size())
        setFolders(folders);
}

}  // namespace sw
