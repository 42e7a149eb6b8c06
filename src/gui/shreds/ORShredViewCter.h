#pragma once

#include "ORBaseViewCter.h"

#include <QStringList>
#include <QVariant>

class ORShredDropView;
class ORShredOperation;
class ORTableView;
class QCheckBox;
class QFileDialog;
class QPushButton;

namespace sw {
class ConfirmSheet;
class FolderListModel;
}

// The shredder's choosing page: a drop area with choosers for files and for
// folders, the list of what will be shredded (each row with a close button),
// the overwrite switch with its caveat, and the Shred button. The list is
// empty again every time the page appears. Confirming the sheet ("Shred 3
// items?") hands the list to the engine and moves on to the shredding page.
class ORShredViewCter : public ORBaseViewCter
{
    Q_OBJECT
public:
    explicit ORShredViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);

    void viewWillAppear() override;

    // A dropped or chosen batch: taken in order up to the first path already listed.
    void addFolder(const QVariant &paths);
    void addFolderButton(bool folders);
    void closeButton(int row);
    bool isEixst(const QString &path) const;
    // Measures what is listed, then asks "Shred 3 items?" with its size.
    void shredButton();

    QStringList folderArr() const;
    ORShredDropView *dropView() const { return m_dropView; }
    ORTableView *folderTableView() const { return m_folderTableView; }
    QPushButton *startBut() const { return m_startBut; }
    QCheckBox *overwriteBox() const { return m_overwriteBox; }
    sw::ConfirmSheet *alert() const { return m_alert; }
    QFileDialog *chooser() const { return m_chooser; }

private:
    void confirmShred(const QStringList &paths, qint64 bytes);
    QWidget *buildDropView();
    QWidget *buildList();

    ORShredOperation &m_shredOperation;
    sw::FolderListModel *m_model = nullptr;
    ORShredDropView *m_dropView = nullptr;
    ORTableView *m_folderTableView = nullptr;
    QPushButton *m_startBut = nullptr;
    QCheckBox *m_overwriteBox = nullptr;
    sw::ConfirmSheet *m_alert = nullptr;
    QFileDialog *m_chooser = nullptr;
    bool m_measuring = false;
};
