// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

class QMimeData;

namespace sw {

// The drop area of a scan page's folder list. It takes drags of local files
// and folders (text/uri-list, as file managers send them) with the copy
// action and refuses anything else; a drop is posted on the main thread as
// the given notification with the list of dropped paths. Which of them are
// folders is for the receiver to judge.
class FolderDropView : public QWidget
{
    Q_OBJECT
public:
    FolderDropView(const QString &notificationName, QWidget *parent = nullptr);

    QString notificationName() const { return m_notificationName; }
    // The local paths a drag carries, cleaned; empty when it carries none.
    static QStringList localPaths(const QMimeData *mime);

protected:
    // Whether a drag of these paths (never empty) is taken; all are by default.
    virtual bool acceptsPaths(const QStringList &paths) const;

    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Answers a drag or drop of local files with the copy action; refuses others.
    bool acceptFiles(QDropEvent *event);
    void setHighlighted(bool highlighted);

    const QString m_notificationName;
    bool m_highlighted = false;
};

}  // namespace sw
