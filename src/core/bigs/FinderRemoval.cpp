#include "FinderRemoval.h"

#include "ProtectedPaths.h"
#include "Trash.h"

#include <QLoggingCategory>

namespace sw {

bool FinderRemoval::moveItem(const QString &path, const QLoggingCategory &category, const Listener &listener)
{
    const QString error = ProtectedPaths::isProtected(path) ? QStringLiteral("%1: protected folder").arg(path)
                                                            : Trash::moveToTrash(path);
    if (!error.isEmpty())
        qCWarning(category).noquote() << QStringLiteral("Fail to remove junk, error=%1").arg(error);
    if (listener)
        listener(path, error);
    return error.isEmpty();
}

}  // namespace sw
