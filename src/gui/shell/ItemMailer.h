// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Hands a file or a folder to the desktop's mail program as the attachment
// of a new message (xdg-email). What is attached is a copy in a private
// temporary folder of its own (a folder packed into a zip), made off the
// main thread: the mail program may read it only when the message goes,
// after the extraction it came from was removed. What goes wrong is told in
// a sheet on parent's window.
class ItemMailer
{
public:
    // protectedArchive: the password-protected archive path came out of,
    // empty otherwise. The user is told first that the attachment will not
    // be protected, and may attach the archive instead.
    static void send(const QString &path, QWidget *parent, const QString &protectedArchive = QString());

private:
    static void sendCopy(const QString &path, QWidget *parent);
    static void attach(const QString &file, QWidget *parent);
    static void tell(QWidget *parent, const QString &text, const QString &detail = QString());
};
