// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ItemMailer.h"

#include "core/foundation/ORDispatch.h"
#include "core/fs/FolderZip.h"
#include "core/fs/ItemCopy.h"
#include "core/platform/TemporaryBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ItemMailer)
};

// Copies the file, or packs the folder, into a new private folder; the
// copy's path, or the error.
QString copyForMail(const QString &path, bool folder, QString &copy)
{
    // A folder of our own: a predictable name in the shared temporary
    // folder could be taken over by another user's link.
    const sw::TemporaryBase::Result base = sw::TemporaryBase::resolve();
    if (!base.ok())
        return base.error;
    QTemporaryDir place(base.path + QStringLiteral("/sweepwright-mailXXXXXX"));
    place.setAutoRemove(false);
    if (!place.isValid())
        return place.errorString();
    const QString name = QFileInfo(path).fileName();
    if (folder) {
        copy = place.filePath(name + QStringLiteral(".zip"));
        return sw::FolderZip::pack(path, copy);
    }
    copy = place.filePath(name);
    const QList<sw::ItemCopy::Failure> failures = sw::ItemCopy::copy(path, copy);
    return failures.isEmpty() ? QString() : failures.first().reason;
}

}  // namespace

void ItemMailer::send(const QString &path, QWidget *parent, const QString &protectedArchive)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    if (protectedArchive.isEmpty()) {
        sendCopy(path, parent);
        return;
    }
    auto *question = new QMessageBox(QMessageBox::Warning, Text::tr("Mail"), Text::tr("The attachment will not be protected"),
                                     QMessageBox::NoButton, parent ? parent->window() : nullptr);
    question->setObjectName(QStringLiteral("unprotectedMailQuestion"));
    question->setInformativeText(
        Text::tr("These files come from an archive protected by a password. Attached as they are, anyone who gets "
           "the message can read them. Attach the archive instead to keep them protected: whoever gets it "
           "needs the password."));
    QPushButton *archive = question->addButton(Text::tr("Attach the Archive"), QMessageBox::AcceptRole);
    archive->setObjectName(QStringLiteral("attachArchiveButton"));
    QPushButton *files = question->addButton(Text::tr("Attach Unprotected"), QMessageBox::DestructiveRole);
    files->setObjectName(QStringLiteral("attachUnprotectedButton"));
    question->addButton(QMessageBox::Cancel);
    question->setDefaultButton(archive);
    question->setEscapeButton(QMessageBox::Cancel);
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowModality(Qt::WindowModal);
    QPointer<QWidget> owner(parent);
    QObject::connect(question, &QMessageBox::buttonClicked, question,
                     [owner, archive, files, path, protectedArchive](QAbstractButton *clicked) {
                         if (clicked == archive)
                             sendCopy(protectedArchive, owner);
                         else if (clicked == files)
                             sendCopy(path, owner);
                     });
    question->open();
}

void ItemMailer::sendCopy(const QString &path, QWidget *parent)
{
    const QFileInfo info(path);
    const bool folder = info.isDir() && !info.isSymLink();
    QPointer<QWidget> owner(parent);
    ORDispatch::global(ORDispatch::Priority::Default, [path, folder, owner] {
        QString copy;
        const QString error = copyForMail(path, folder, copy);
        ORDispatch::main([owner, copy, error, folder] {
            if (!error.isEmpty())
                tell(owner, folder ? Text::tr("The folder could not be packed for mail.")
                                   : Text::tr("The file could not be copied for mail."),
                     error);
            else
                attach(copy, owner);
        });
    });
}

void ItemMailer::attach(const QString &file, QWidget *parent)
{
    if (!QProcess::startDetached(QStringLiteral("xdg-email"), {QStringLiteral("--attach"), file}))
        tell(parent, Text::tr("No mail program could be started."),
             Text::tr("Install xdg-utils and set up a mail program, or attach the file yourself: %1").arg(file));
}

void ItemMailer::tell(QWidget *parent, const QString &text, const QString &detail)
{
    auto *alert = new QMessageBox(QMessageBox::Warning, Text::tr("Mail"), text, QMessageBox::Ok,
                                  parent ? parent->window() : nullptr);
    alert->setObjectName(QStringLiteral("mailAlert"));
    alert->setInformativeText(detail);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}
