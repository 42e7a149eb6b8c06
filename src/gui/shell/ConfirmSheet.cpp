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
