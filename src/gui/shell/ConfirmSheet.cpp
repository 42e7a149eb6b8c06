#include "ConfirmSheet.h"

#include <QLoggingCategory>
#include <QPushButton>

Q_LOGGING_CATEGORY(lcConfirmSheet, "sweepwright.pages")

namespace sw {

ConfirmSheet::ConfirmSheet(QWidget *window, const QString &message, const QString &informative,
                           std::function<void()> onYes)
    : QMessageBox(QMessageBox::Warning, message, message, QMessageBox::NoButton, window)
{
    setInformativeText(informative);
    // Without a window manager's frame the default box wraps its texts into a
    // narrow column; give them room and set the question apart.
    setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { font-weight: 600; min-width: 340px; }"
                                 "QLabel#qt_msgbox_informativelabel { min-width: 340px; }"
                                 "QPushButton { min-width: 84px; padding: 5px 14px; }"));
    QPushButton *yes = addButton(tr("Yes"), QMessageBox::YesRole);
    addButton(tr("No"), QMessageBox::NoRole);
    setDefaultButton(yes);
    setWindowModality(Qt::WindowModal);
    connect(this, &QMessageBox::finished, this, [this, onYes = std::move(onYes)] {
        if (buttonRole(clickedButton()) == QMessageBox::YesRole)
            onYes();
        else
            qCDebug(lcConfirmSheet) << "cancel";
    });
}

}  // namespace sw
