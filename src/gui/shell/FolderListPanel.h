// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QVariant>
#include <QWidget>

class ORTableView;
class QFileDialog;
class QPushButton;

namespace sw {

class FolderDropView;
class FolderListModel;
class FolderTableCard;

// A list of paths to work on: a drop area for what is dragged from the file
// manager, choosers and the list, each row with a remove button. The scan
// pages list folders only (dropped paths that are not folders are skipped);
// a list that takes files too (the shredder's) has a chooser for files
// beside the one for folders and skips only dropped paths that are gone.
// Adding takes the paths in order and stops at the first one already listed
// (isEixst). The panel listens for its drop area's notification itself.
class FolderListPanel : public QWidget
{
    Q_OBJECT
public:
    struct Setup
    {
        QString title;  // over the list
        QString hint;   // in the drop area, under image
        QString image;
        bool filesToo = false;
    };
    // The scan pages' list: "Folders to scan".
    static Setup scanFolders();

    FolderListPanel(FolderDropView *dropView, const QStringList &folders, QWidget *parent = nullptr);
    FolderListPanel(FolderDropView *dropView, const QStringList &folders, const Setup &setup, QWidget *parent);

    QStringList folders() const;
    void setFolders(const QStringList &folders);
    bool isEixst(const QString &path) const;

    void closeButton(int row);

    // Offers a toggle per row that marks the folder as a reference folder
    // (the duplicate finder's folders of originals).
    void setReferenceToggles(bool on);
    QStringList referenceFolders() const;
    void setReferenceFolders(const QStringList &folders);
    void referenceButton(int row);
    // Opens the chooser as a sheet: one folder, or (files too) several files.
    void addFolderButton();
    void addFilesButton();
    // The chooser's answer.
    void addFolders(const QStringList &chosen);
    // A drop notification's list of paths.
    void addFolder(const QVariant &dropped);

    ORTableView *folderTableView() const { return m_folderTableView; }
    FolderDropView *dropView() const { return m_dropView; }
    // The card holding the list, for controls below it.
    FolderTableCard *card() const { return m_card; }
    QPushButton *addButton() const { return m_addButton; }
    // nullptr unless files are taken too.
    QPushButton *addFilesBut() const { return m_addFilesBut; }
    QFileDialog *chooser() const { return m_chooser; }

signals:
    void foldersChanged();
    void referencesChanged();

private:
    void fillDropView(const Setup &setup);
    QPushButton *chooserButton(const QString &text, const char *name, void (FolderListPanel::*open)());
    void openChooser(bool folders);
    void addPaths(const QStringList &paths, bool dropped);

    const bool m_filesToo;
    FolderDropView *m_dropView = nullptr;
    FolderListModel *m_model = nullptr;
    FolderTableCard *m_card = nullptr;
    ORTableView *m_folderTableView = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_addFilesBut = nullptr;
    QFileDialog *m_chooser = nullptr;
};

}  // namespace sw
