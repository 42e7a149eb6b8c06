#pragma once

#include <QString>
#include <QStringList>

namespace sw {

// Removes items with administrator rights: one STPrivilegedTask running
// `/bin/rm -rf --one-file-system -- PATH...`, so the user is asked once for a
// whole run. rm's exit status does not say which items failed, so the result
// also names the paths that still exist afterwards. Blocks like
// STPrivilegedTask::launch(): never call it on the GUI thread.
class PrivilegedRemoval
{
public:
    struct Result
    {
        enum class Outcome {
            Ran,        // rm ran; status is its exit status
            Cancelled,  // the user dismissed the dialog; status is -60006
            Refused,    // authorisation refused or unavailable; status is launch()'s code
            Rejected,   // the list was empty or held an unacceptable path; nothing was asked
        };
        Outcome outcome = Outcome::Rejected;
        qint32 status = 0;
        QStringList remaining;  // the given paths that still exist (lstat), in order

        // Why an item given to this run stays, for the removal report.
        QString reason() const;
    };

    static Result removeAll(const QStringList &paths);

    // Absolute, in its plain form (no "." or ".." component, no doubled or
    // trailing slash), and not "/".
    static bool isAcceptablePath(const QString &path);
};

}  // namespace sw
