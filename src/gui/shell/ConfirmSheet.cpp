// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ConfirmSheet.h"

#include <QLoggingCategory>
#include <QPushButton>

Q_LOGGING_CATEGORY(lcConfirmSheet, "sweepwright.pages")

namespace sw {

ConfirmSheet::ConfirmSheet(QWidget *window, const Removal &removal, std::function<void()> onConfirm,
                           std::function<void()> onCancel)
    : QMessageBox(QMessageBox::NoIcon, QString(), QString(), QMessageBox::NoButton, window)
{
    // Without a window manager's frame the default box wraps its texts into a
    // narrow column; give them room and set the question apart.
    setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { font-weight: 600; min-width: 340px; }"
                                 "QLabel#qt_msgbox_informativelabel { min-width: 340px; }"
                                 "QPushButton { min-width: 84px; padding: 5px 14px; }"));
    m_actionButton = addButton(QString(), QMessageBox::AcceptRole);
    m_actionButton->setObjectName(QStringLiteral("confirmActionBut"));
    m_cancelButton = addButton(QMessageBox::Cancel);
    // Enter answers the default button: it must be the one that keeps everything.
    setDefaultButton(m_cancelButton);
    setEscapeButton(m_cancelButton);
    for (QPushButton *button : {m_actionButton, m_cancelButton})
        button->setAutoDefault(button == m_cancelButton);
    setWindowModality(Qt::WindowModal);
    setRemoval(removal);
    connect(this, &QMessageBox::finished, this,
            [this, onConfirm = std::move(onConfirm), onCancel = std::move(onCancel)] {
                if (clickedButton() == m_actionButton) {
                    onConfirm();
                    return;
                }
                qCDebug(lcConfirmSheet) << "cancel";
                if (onCancel)
                    onCancel();
            });
}

void ConfirmSheet::setRemoval(const Removal &removal)
{
    const RemovalWording words(removal.action, removal.toTrash);
    const QString question = words.question(removal.count);
    setWindowTitle(question);
    setText(question);
    setInformativeText(words.consequence());
    m_actionButton->setText(words.command(removal.count, removal.bytes));
    // The sheet's min-width would let the box squeeze the button below its
    // text: a larger font or a longer language cut it.
    m_actionButton->ensurePolished();
    m_actionButton->setMinimumWidth(m_actionButton->sizeHint().width());
    // What cannot be undone is marked as such; a move to the Trash can be.
    setIcon(removal.toTrash ? QMessageBox::Question : QMessageBox::Warning);
}

}  // namespace sw
