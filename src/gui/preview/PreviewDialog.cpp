// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/PreviewDialog.h"

#include "core/foundation/ORUtility.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/preview/PreviewPane.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace sw {

namespace {
QPointer<PreviewDialog> s_dialog;
}

PreviewDialog::PreviewDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("previewDialog"));
    setModal(false);
    resize(760, 580);
    ThemeFollower::style(this, QStringLiteral("#previewDialog { background:@surface; }"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *header = new QWidget(this);
    header->setObjectName(QStringLiteral("previewHeader"));
    header->setAttribute(Qt::WA_StyledBackground);
    ThemeFollower::style(
        header, QStringLiteral("#previewHeader { background:@pane; border-bottom:1px solid @separator; }"));
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(16, 8, 12, 8);
    m_name = new QLabel(header);
    ThemeFollower::style(m_name, QStringLiteral("color:@text; font-weight:600;"));
    m_name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_name, 1);
    m_size = new QLabel(header);
    ThemeFollower::style(m_size, QStringLiteral("color:@muted;"));
    row->addWidget(m_size);
    auto *open = new QPushButton(tr("Open"), header);
    open->setObjectName(QStringLiteral("previewOpenButton"));
    open->setAutoDefault(false);
    open->setCursor(Qt::PointingHandCursor);
    ThemeFollower::style(
        open, QStringLiteral("QPushButton { background:@card; color:@text; border:1px solid @controlBorder;"
                             " border-radius:13px; padding:4px 16px; }"
                             "QPushButton:hover { border-color:@accent; color:@accent; }"));
    connect(open, &QPushButton::clicked, this, [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(path())); });
    row->addWidget(open);
    column->addWidget(header);
    m_pane = new PreviewPane(this);
    column->addWidget(m_pane, 1);
}

PreviewDialog *PreviewDialog::instance()
{
    return s_dialog;
}

PreviewDialog *PreviewDialog::dialogFor(QWidget *parent)
{
    QWidget *window = parent ? parent->window() : nullptr;
    if (!s_dialog)
        s_dialog = new PreviewDialog(window);
    else if (s_dialog->parentWidget() != window)
        s_dialog->setParent(window, s_dialog->windowFlags());
    return s_dialog;
}

bool PreviewDialog::toggle(const QString &path, QWidget *parent)
{
    if (s_dialog && s_dialog->isShowing(path)) {
        closePreview();
        return false;
    }
    showPreview(path, parent);
    return true;
}

void PreviewDialog::showPreview(const QString &path, QWidget *parent)
{
    PreviewDialog *dialog = dialogFor(parent);
    dialog->setPath(path);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void PreviewDialog::closePreview()
{
    if (s_dialog)
        s_dialog->close();
}

bool PreviewDialog::isShowing(const QString &path) const
{
    return isVisible() && m_pane->path() == path;
}

QString PreviewDialog::path() const
{
    return m_pane->path();
}

void PreviewDialog::setPath(const QString &path)
{
    const QFileInfo info(path);
    setWindowTitle(info.fileName());
    m_name->setText(info.fileName());
    m_size->setText(info.isFile() ? ORUtility::sizeFormatWithNumber(info.size()) : QString());
    m_pane->showPath(path, info.suffix());
}

void PreviewDialog::hideEvent(QHideEvent *event)
{
    // A closed preview plays nothing and holds no decoded pages.
    m_pane->clear();
    QDialog::hideEvent(event);
}

}  // namespace sw
