// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class ORTableView;

// Told which row of an ORTableView the user clicked.
class ExtendedTableViewDelegate
{
public:
    virtual ~ExtendedTableViewDelegate() = default;
    virtual void tableView(ORTableView *tableView, qint64 didClickedRow) = 0;
};
