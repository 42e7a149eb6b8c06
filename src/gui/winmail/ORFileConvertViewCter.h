// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/ORBaseViewCter.h"

#include <functional>

class ExtractToStatus;
class FileItemListModel;
class FileTreeModel;
class ORFileDataCollection;
class QLabel;
class QListView;
class QModelIndex;
class QPushButton;
class QStackedWidget;
class QTreeView;

namespace sw {
class SegmentedControl;
}

// The archive tool's result page: what an extraction produced, as icons (the
// top-level items) or as an outline of the whole folder, whose root is named
// after the archive. Double-click or Enter opens a file or shows a folder in
// the file manager; Save copies the selected item, or the whole extraction,
// to a place the user chooses (beside the archive, under its name, unless
// the user picks another); Extract to… extracts the archive once more,
// straight into a folder the user chooses; Mail attaches it to a new message.
// Back forgets the result and removes the temporary extraction, as quitting
// does.
class ORFileConvertViewCter : public ORBaseViewCter
{
    Q_OBJECT
public:
    enum ViewMode { IconMode = 0, ListMode = 1 };

    explicit ORFileConvertViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);

    // Shows the collection's result ("fileget").
    void run();
    void changeViewMode(int segment);
    void menuSave();
    void menuExtractTo();
    void menuMail();
    void bakeToHome();
    // Opens the item a row of either view stands for.
    void doubleClickAtIndex(const QModelIndex &index);

    QListView *imageBrowser() const { return m_imageBrowser; }
    QTreeView *outlineView() const { return m_outlineView; }
    sw::SegmentedControl *viewModeControl() const { return m_viewMode; }
    QPushButton *saveButton() const { return m_saveButton; }
    QPushButton *extractToButton() const { return m_extractToButton; }
    ExtractToStatus *extractToStatus() const { return m_extractToStatus; }
    QPushButton *mailButton() const { return m_mailButton; }
    QPushButton *backButton() const { return m_backButton; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildHeader();
    QWidget *buildBottomBar();
    void buildViews();
    // The item selected in the view shown, else empty.
    QString selectedPath() const;
    // Copies source to a path the user picks, proposing name beside the archive.
    void saveAs(const QString &source, const QString &name);
    // The desktop's file dialog for a new path, proposing a free one for
    // name beside the archive; chosen gets the answer.
    void askForPath(const QString &objectName, const QString &title, const QString &acceptLabel, const QString &name,
                    const std::function<void(const QString &)> &chosen);
    void extractInto(const QString &target);
    void setBusy(bool busy);

    ORFileDataCollection &m_collection;
    FileItemListModel *m_itemModel = nullptr;
    FileTreeModel *m_treeModel = nullptr;
    QLabel *m_titleField = nullptr;
    QLabel *m_pathField = nullptr;
    sw::SegmentedControl *m_viewMode = nullptr;
    QStackedWidget *m_views = nullptr;
    QListView *m_imageBrowser = nullptr;
    QTreeView *m_outlineView = nullptr;
    QPushButton *m_backButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_extractToButton = nullptr;
    QPushButton *m_mailButton = nullptr;
    ExtractToStatus *m_extractToStatus = nullptr;
};
