#include "FileChooser.h"

#include <QFileDialog>

namespace sw {

QFileDialog *FileChooser::sheet(QWidget *window, const QString &title)
{
    auto *dialog = new QFileDialog(window, title);
    dialog->setWindowModality(Qt::WindowModal);
    return dialog;
}

}  // namespace sw
