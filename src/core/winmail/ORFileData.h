// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// One extracted file or folder.
struct ORFileItem
{
    QString filePath;
    QString fileName;  // last path component without its extension
    qint64 fileSize = 0;
    int fileUID = 0;   // the icon view's item id
    QDateTime fileCreateAt;
    QDateTime fileUpdateAt;
    bool isDirectory = false;

    // Path and a given size: name and id only (the flat list).
    static ORFileItem initFileDataFromPath(const QString &path, qint64 andSize);
    // Size (a folder's recursive size), dates and kind read from the disk (the tree).
    static ORFileItem initFileDataFromPath(const QString &path, bool isDirectory);
};

// The top-level items of one extraction, in listing order.
struct ORFileData
{
    QList<ORFileItem> fileGroups;
};

// The extraction folder as a tree: files and folders of size 0 are left out.
struct ORFileTreeNode
{
    ORFileItem representedObject;
    QList<ORFileTreeNode> childNodes;
};
