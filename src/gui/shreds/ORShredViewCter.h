// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/ORBaseViewCter.h"
#include "gui/shell/RemovalPage.h"

#include <QStringList>

class ORShredOperation;
class ORTableView;
class QCheckBox;
class QPushButton;

namespace sw {
class ConfirmSheet;
class FolderListPanel;
}

// The shredder's choosing page: the list of what will be shredded (files and
// folders, dropped or chosen), the overwrite switch with its caveat, and the
// Shred button. The list is empty again every time the page appears.
// Confirming the sheet ("Shred 3 items?") shows the shredding page, the
// shared removal page, and starts it with the list (removalTool).
class ORShredViewCter : public ORBaseViewCter
{
    Q_OBJECT
public:
    explicit ORShredViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);

    // What the shredding page does with the list it is handed: lists it in
    // the engine (unless a list is held) and shreds it, overwriting as the
    // setting says; its button empties the engine and leads back here.
    static sw::RemovalPage::Tool removalTool();

    void viewWillAppear() override;

    bool isEixst(const QString &path) const;
    // Measures what is listed, then asks "Shred 3 items?" with its size.
    void shredButton();

    QStringList folderArr() const;
    sw::FolderListPanel *folderPanel() const { return m_panel; }
    ORTableView *folderTableView() const;
    QPushButton *startBut() const { return m_startBut; }
    QCheckBox *overwriteBox() const { return m_overwriteBox; }
    sw::ConfirmSheet *alert() const { return m_alert; }

private:
    void confirmShred(const QStringList &paths, qint64 bytes);
    void buildBottom();

    ORShredOperation &m_shredOperation;
    sw::FolderListPanel *m_panel = nullptr;
    QPushButton *m_startBut = nullptr;
    QCheckBox *m_overwriteBox = nullptr;
    sw::ConfirmSheet *m_alert = nullptr;
    bool m_measuring = false;
};
