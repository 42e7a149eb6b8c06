// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/FolderDropView.h"

#include "core/foundation/ORUtility.h"
#include "gui/controls/ThemeColors.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QLoggingCategory>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

Q_LOGGING_CATEGORY(lcFolderDrop, "sweepwright.pages.drop")

namespace sw {

FolderDropView::FolderDropView(const QString &notificationName, QWidget *parent)
    : QWidget(parent), m_notificationName(notificationName)
{
    setAcceptDrops(true);
}

QStringList FolderDropView::localPaths(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.append(QDir::cleanPath(url.toLocalFile()));
    return paths;
}

bool FolderDropView::acceptsPaths(const QStringList &) const
{
    return true;
}

bool FolderDropView::acceptFiles(QDropEvent *event)
{
    const QStringList paths = localPaths(event->mimeData());
    if (paths.isEmpty() || !acceptsPaths(paths)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void FolderDropView::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptFiles(event))
        setHighlighted(true);
}

void FolderDropView::dragMoveEvent(QDragMoveEvent *event)
{
    acceptFiles(event);
}

void FolderDropView::dragLeaveEvent(QDragLeaveEvent *event)
{
    setHighlighted(false);
    QWidget::dragLeaveEvent(event);
}

void FolderDropView::dropEvent(QDropEvent *event)
{
    setHighlighted(false);
    if (!acceptFiles(event))
        return;
    const QStringList paths = localPaths(event->mimeData());
    ORUtility::notifyOnMainThread(m_notificationName, paths);
    qCDebug(lcFolderDrop) << "Drop----->" << paths;
}

void FolderDropView::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    update();
}

void FolderDropView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor green = ThemeColors::of(ThemeColors::Accent);
    QColor fill = m_highlighted ? green : ThemeColors::of(ThemeColors::Field);
    fill.setAlpha(m_highlighted ? 40 : 235);
    QPen pen(m_highlighted ? green : ThemeColors::of(ThemeColors::DropOutline), 2, Qt::DashLine);
    pen.setDashPattern({4, 3});
    painter.setPen(pen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 14, 14);
}

}  // namespace sw
