// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/ORDupDelViewCter.h"

#include "core/dups/ORDupDataCollection.h"

namespace {

// Started with a link kind (an int) the copies become links; else they go to the Trash.
sw::RemovalPage::Tool dupTool()
{
    sw::RemovalPage::Tool tool = sw::RemovalPage::engineTool<ORDupDataCollection>(
        sw::DupScanPage, {sw::RemovalWording::Action::DeleteDuplicates, true});
    tool.remove = [](sw::JobRunner &runner, const QVariant &object) {
        ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
        if (!object.isValid()) {
            runner.remove(engine);
            return;
        }
        const auto kind = sw::LinkKind(object.toInt());
        runner.removeWith([&engine, kind](sw::JobControl &job) { return engine.replaceWithLinks(job, kind); });
    };
    return tool;
}

}  // namespace

ORDupDelViewCter::ORDupDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent, dupTool())
{
    setWordingFor([](const QVariant &object) {
        if (object.isValid())
            return sw::RemovalWording(sw::RemovalWording::Action::LinkDuplicates, false);
        const bool empty = ORDupDataCollection::shareInstance().heldMode() == ORDupDataCollection::ScanMode::Empty;
        return sw::RemovalWording(empty ? sw::RemovalWording::Action::DeleteEmptyFinds
                                        : sw::RemovalWording::Action::DeleteDuplicates,
                                  true);
    });
}
