// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/preference/PrefPane.h"

#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

// The Never Touch pane: the keep list every tool honours (sw::KeepList),
// folders and files chosen with the desktop's chooser and glob patterns typed
// in; each change is stored at once. Shows the stored list again whenever it
// appears, since a result page's "Never Touch This" adds to it too.
class KeepPrefViewController : public PrefPane
{
    Q_OBJECT
public:
    explicit KeepPrefViewController(QWidget *parent = nullptr);

    QString identifier() const override { return QStringLiteral("NeverTouch"); }
    QIcon toolbarItemImage() const override;
    QString toolbarItemLabel() const override { return tr("Never Touch"); }
    void viewWillAppear() override { reload(); }

    // Adds each entry not listed yet, in order.
    void addEntries(const QStringList &entries);
    // The pattern field's text, then clears it.
    void addPattern();
    void removeSelected();
    void reload();

    QListWidget *keepList() const { return m_list; }
    QLineEdit *patternField() const { return m_patternField; }
    QPushButton *btnRemove() const { return m_btnRemove; }

private:
    void choose(bool folders);
    void store();

    QListWidget *m_list;
    QLineEdit *m_patternField;
    QPushButton *m_btnAddFolder;
    QPushButton *m_btnAddFile;
    QPushButton *m_btnAddPattern;
    QPushButton *m_btnRemove;
};
