// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/FolderDropView.h"

class QPushButton;

// The intro page's drop area with its add button. It takes a drag of local
// files only when every one of them has an accepted archive extension (any
// case); an accepted drop, or a file chosen with the add button, is posted
// as "filedrop" with the list of paths.
class ORFileDropView : public sw::FolderDropView
{
    Q_OBJECT
public:
    explicit ORFileDropView(QWidget *parent = nullptr);

    // Whether every path's extension is one the archive tool accepts.
    static bool acceptsArchives(const QStringList &paths);
    QPushButton *addButton() const { return m_addButton; }

    // Opens the chooser: one existing file of the accepted types.
    void or_addFileButton();

protected:
    bool acceptsPaths(const QStringList &paths) const override;

private:
    QPushButton *m_addButton = nullptr;
};
