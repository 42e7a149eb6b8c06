// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/FileChooser.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>

namespace sw {

QFileDialog *FileChooser::sheet(QWidget *window, const QString &title)
{
    auto *dialog = new QFileDialog(window, title);
    dialog->setWindowModality(Qt::WindowModal);
    // Qt's own dialog (where no desktop dialog serves) leaves its path
    // completion pop-up open when Enter accepts a completed path; the pop-up
    // then takes the next click on the page. It goes with the dialog.
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
        for (QCompleter *completer : dialog->findChildren<QCompleter *>())
            if (completer->popup())
                completer->popup()->hide();
    });
    return dialog;
}

}  // namespace sw
