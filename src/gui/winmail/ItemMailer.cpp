#include "ItemMailer.h"

#include "FolderZip.h"
#include "ORDispatch.h"
#include "TemporaryBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

void ItemMailer::send(const QString &path, QWidget *parent)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return;
    if (!info.isDir() || info.isSymLink()) {
        attach(info.absoluteFilePath(), parent);
        return;
    }
    QPointer<QWidget> owner(parent);
    ORDispatch::global(ORDispatch::Priority::Default, [path, name = info.fileName(), owner] {
        // A folder of our own: a predictable name in the shared temporary
        // folder could be taken over by another user's link.
        const auto pack = [&path, &name](QString &zip) {
            const sw::TemporaryBase::Result base = sw::TemporaryBase::resolve();
            if (!base.ok())
                return base.error;
            QTemporaryDir place(base.path + QStringLiteral("/sweepwright-mailXXXXXX"));
            place.setAutoRemove(false);
            zip = place.filePath(name + QStringLiteral(".zip"));
            return place.isValid() ? sw::FolderZip::pack(path, zip) : place.errorString();
        };
        QString zip;
        const QString error = pack(zip);
        ORDispatch::main([owner, zip, error] {
            if (!error.isEmpty())
                tell(owner, QCoreApplication::translate("ItemMailer", "The folder could not be packed for mail."),
                     error);
            else
                attach(zip, owner);
        });
    });
}

void ItemMailer::attach(const QString &file, QWidget *parent)
{
    if (!QProcess::startDetached(QStringLiteral("xdg-email"), {QStringLiteral("--attach"), file}))
        tell(parent, QCoreApplication::translate("ItemMailer", "No mail program could be started."),
             QCoreApplication::translate("ItemMailer", "Install xdg-utils and set up a mail program, or attach "
                                                       "the file yourself: %1")
                 .arg(file));
}

void ItemMailer::tell(QWidget *parent, const QString &text, const QString &detail)
{
    auto *alert = new QMessageBox(QMessageBox::Warning, QCoreApplication::translate("ItemMailer", "Mail"), text,
                                  QMessageBox::Ok, parent ? parent->window() : nullptr);
    alert->setObjectName(QStringLiteral("mailAlert"));
    alert->setInformativeText(detail);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}
