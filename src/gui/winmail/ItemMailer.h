#pragma once

#include <QString>

class QWidget;

// Hands a file or a folder to the desktop's mail program as the attachment
// of a new message (xdg-email). A folder is first packed into a zip inside a
// private temporary folder, off the main thread. What goes wrong is told in
// a sheet on parent's window.
class ItemMailer
{
public:
    static void send(const QString &path, QWidget *parent);

private:
    static void attach(const QString &file, QWidget *parent);
    static void tell(QWidget *parent, const QString &text, const QString &detail = QString());
};
