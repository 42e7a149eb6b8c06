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

// The folders a scan page looks in: a drop area for folders dragged from the
// file manager, a folder chooser and the list, each row with a remove button.
// Adding takes the paths in order and stops at the first one already listed
// (isEixst); dropped paths that are not folders are skipped. The panel
// listens for its drop area's notification itself.
class FolderListPanel : public QWidget
{
    Q_OBJECT
public:
    FolderListPanel(FolderDropView *dropView, const QStringList &folders, QWidget *parent = nullptr);

    QStringList folders() const;
    bool isEixst(const QString &path) const;

    void closeButton(int row);
    // Opens the chooser as a sheet: folders only, several at once.
    void addFolderButton();
    // The chooser's answer.
    void addFolders(const QStringList &chosen);
    // A drop notification's list of paths.
    void addFolder(const QVariant &dropped);

    ORTableView *folderTableView() const { return m_folderTableView; }
    FolderDropView *dropView() const { return m_dropView; }
    QPushButton *addButton() const { return m_addButton; }
    QFileDialog *chooser() const { return m_chooser; }

signals:
    void foldersChanged();

private:
    QWidget *buildList();
    void fillDropView();
    void addPaths(const QStringList &paths, bool foldersOnly);

    FolderDropView *m_dropView = nullptr;
    FolderListModel *m_model = nullptr;
    ORTableView *m_folderTableView = nullptr;
    QPushButton *m_addButton = nullptr;
    QFileDialog *m_chooser = nullptr;
};

}  // namespace sw
