#include "ORShredDelViewCter.h"

#include "ORShredOperation.h"
#include "PageNumber.h"
#include "ShredNotifications.h"

using namespace sw;

namespace {

RemovalPage::Tool shredTool()
{
    return RemovalPage::Tool{
        shrednote::kStart, ShredderPage, RemovalWording(RemovalWording::Action::Shred, false),
        [](JobRunner &runner, const QVariant &paths) {
            const bool overwrite = ORShredOperation::overwriteEnabled();
            // Measuring what was chosen may take a while: it happens off the window's thread.
            runner.removeWith([overwrite, paths = paths.toStringList()](JobControl &job) {
                ORShredOperation &operation = ORShredOperation::shareInstance();
                operation.setFolders(paths);
                return operation.remove(job, overwrite);
            });
        },
        [] { ORShredOperation::shareInstance().startOver(); }};
}

}  // namespace

ORShredDelViewCter::ORShredDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent, shredTool())
{
}

void ORShredDelViewCter::startShred(const QStringList &paths)
{
    startDel(QVariant(paths));
}

void ORShredDelViewCter::completionButton()
{
    completeButton();
}

bool ORShredDelViewCter::isShredding() const
{
    return isDeleting();
}
